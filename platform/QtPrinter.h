#pragma once
// QPrinter at 1200 dpi. With no printer installed it prints to a PDF file, so the program
// starts and prints on any desktop.
#include "platform/Printer.h"
#include "platform/QtCanvas.h"

#include <QPrinter>

class QtPrinter : public Printer {
  public:
    QtPrinter();
    // A printer that writes a PDF file, whatever printers are installed.
    explicit QtPrinter(const QString& pdfFile);
    void setOrientation(Orientation o) override;
    int pageWidth() override;
    int pageHeight() override;
    void setTitle(const std::string& title) override;
    void beginDoc() override;
    void newPage() override;
    void endDoc() override;
    void abortDoc() override;
    void setCopies(int copies) override;
    Canvas& canvas() override { return canvas_; }
    // The Qt printer itself, for the print dialog.
    QPrinter& device() { return printer_; }

  private:
    void clipToPrintable();
    QPrinter printer_{QPrinter::HighResolution};
    QtCanvas canvas_;
};
