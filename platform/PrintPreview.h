#pragma once
// Qt's print preview (zoom, fit, page by page) of a printout, drawn by the printout's own code
// on the printer it would print on. The printout turns its pages itself, so the preview offers
// no orientation or page setup; its "Imprimir" closes it accepted, for the program's print
// command to go on to the print dialog and its copies.
#include "platform/QtPrinter.h"

#include <QPrintPreviewDialog>

#include <exception>
#include <functional>

class PrintPreview : public QPrintPreviewDialog {
  public:
    PrintPreview(QtPrinter& printer, std::function<void(Printer&)> pages,
                 QWidget* parent = nullptr);
    // Draws the pages without showing them, raising the printout's failure; a preview that is
    // shown draws them itself.
    void build();
    // Shows the preview modally; true when "Imprimir" closed it. A printout that fails closes
    // it, and its failure is raised.
    bool run();

  private:
    QtPrinter& printer_;
    std::function<void(Printer&)> pages_;
    std::exception_ptr failure_;
};
