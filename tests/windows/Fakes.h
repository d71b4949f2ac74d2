#pragma once
// Stand-ins for the modal dialogs and the printer, so handlers run without a user or a device.
#include "platform/Dialogs.h"
#include "platform/RecordingPrinter.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class FakeDialogs : public Dialogs {
  public:
    QStringList errors;
    QStringList infos;
    int execs = 0;
    // What exec answers for the program's own modal windows (0: cancelled).
    int execResult = 0;
    bool answer = true;
    void error(const QString& text) override { errors << text; }
    void information(const QString& text) override { infos << text; }
    // Every question asked, and the answer given to each.
    QStringList questions;
    bool question(const QString& text) override {
        questions << text;
        return answer;
    }
    int exec(QDialog&) override { return ++execs, execResult; }
    // The file a save dialog answers with; empty for Cancel.
    QString saveAnswer;
    QString saveFileName(const QString&, const QString&, const QString&) override {
        return saveAnswer;
    }
    // The folder and the files the choosers answer with; empty for Cancel.
    QString folderAnswer;
    QString folderName(const QString&) override { return folderAnswer; }
    QStringList filesAnswer;
    QStringList openFileNames(const QString&, const QString&) override { return filesAnswer; }

    // The print dialog: confirmed with `copies` (0 cancels); `onPrintDialog` may choose
    // another paper on the printer, as a user can.
    int copies = 1;
    int printDialogs = 0;
    std::function<void(Printer&)> onPrintDialog;
    int printDialog(Printer& printer) override {
        ++printDialogs;
        if (onPrintDialog)
            onPrintDialog(printer);
        return copies;
    }
    // The print preview draws its pages on `previewed` and answers `previewPrints` ("Imprimir"
    // when true, closed when false).
    RecordingPrinter previewed;
    int previews = 0;
    bool previewPrints = false;
    bool printPreview(Printer&, const std::function<void(Printer&)>& pages) override {
        ++previews;
        pages(previewed);
        return previewPrints;
    }
    // Names the save-picture dialog returns, one per showing; empty (cancelled) when none left.
    std::vector<std::string> pictureNames;
    std::string savePictureDialog() override {
        if (pictureNames.empty())
            return {};
        std::string name = pictureNames.front();
        pictureNames.erase(pictureNames.begin());
        return name;
    }

    // Every step a progress window was told of; the run is cancelled when the step named
    // `cancelAt` starts.
    std::vector<std::string> progressSteps;
    std::string cancelAt;
    class FakeProgress : public Progress {
      public:
        explicit FakeProgress(FakeDialogs& owner) : owner_(owner) {}
        bool advance(int, const std::string& next) override {
            owner_.progressSteps.push_back(next);
            return next != owner_.cancelAt;
        }

      private:
        FakeDialogs& owner_;
    };
    std::unique_ptr<Progress> progress(const std::string&, int) override {
        return std::make_unique<FakeProgress>(*this);
    }
};

using FakePrinter = RecordingPrinter;
