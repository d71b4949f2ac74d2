#include "platform/QtPrinter.h"

#include "sky/Errors.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QStandardPaths>

QtPrinter::QtPrinter() {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        // The documents folder when there is one; the print dialog can choose another name.
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const QDir dir = documents.exists() ? documents : QDir::home();
        printer_.setOutputFileName(dir.filePath(QStringLiteral("Velumbra.pdf")));
    }
}

QtPrinter::QtPrinter(const QString& pdfFile) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(pdfFile);
}

void QtPrinter::setOrientation(Orientation o) {
    printer_.setPageOrientation(o == Orientation::Portrait ? QPageLayout::Portrait
                                                           : QPageLayout::Landscape);
}

int QtPrinter::pageWidth() {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

int QtPrinter::pageHeight() {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

void QtPrinter::setTitle(const std::string& title) {
    printer_.setDocName(QString::fromStdString(title));
}

void QtPrinter::beginDoc() {
    canvas_.begin(&printer_);
    if (canvas_.active()) {
        clipToPrintable();
        return;
    }
    canvas_.end();
    const bool toFile = printer_.outputFormat() == QPrinter::PdfFormat;
    throw VelumbraError(toFile ? "No se pudo crear el archivo PDF. Compruebe que la carpeta existe "
                                 "y que puede escribir en ella."
                               : "No se pudo empezar la impresión en " +
                                     printer_.printerName().toStdString() +
                                     ". Compruebe que la impresora está disponible.",
                        toFile ? printer_.outputFileName().toStdString() : std::string());
}

void QtPrinter::clipToPrintable() {
    // A PDF page shows what is drawn in its unprintable border too; paper does not. The last
    // row and column are left out as well: the chart page's blanking ends short of them, so a
    // cut star would show there as a speck.
    canvas_.clipTo(pageWidth() - 1, pageHeight() - 1);
}

void QtPrinter::newPage() {
    printer_.newPage();
    // The new page may be turned the other way from the last one.
    clipToPrintable();
}

void QtPrinter::endDoc() {
    canvas_.end();
}

void QtPrinter::abortDoc() {
    printer_.abort();
    canvas_.end();
}

void QtPrinter::setCopies(int copies) {
    printer_.setCopyCount(copies);
}
