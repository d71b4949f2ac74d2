#pragma once
// Stand-ins for the modal dialogs and the printer, so handlers run without a user or a device.
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "render/RecordingCanvas.h"

#include <QStringList>

class FakeDialogs : public Dialogs {
  public:
    QStringList errors;
    QStringList infos;
    int execs = 0;
    bool answer = true;
    void error(const QString& text) override { errors << text; }
    void information(const QString& text) override { infos << text; }
    bool question(const QString&) override { return answer; }
    int exec(QDialog&) override { return ++execs, 0; }
    // The file a save dialog answers with; empty for Cancel.
    QString saveAnswer;
    QString saveFileName(const QString&, const QString&, const QString&) override {
        return saveAnswer;
    }
};

class FakePrinter : public Printer {
  public:
    int width = 4801;
    int height = 6000;
    Orientation orientation = Orientation::Landscape;
    void setOrientation(Orientation o) override { orientation = o; }
    int pageWidth() override { return orientation == Orientation::Portrait ? width : height; }
    int pageHeight() override { return orientation == Orientation::Portrait ? height : width; }
    void setTitle(const std::string&) override {}
    void beginDoc() override {}
    void newPage() override {}
    void endDoc() override {}
    Canvas& canvas() override { return canvas_; }

  private:
    RecordingCanvas canvas_;
};
