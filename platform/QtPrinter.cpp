#include "platform/QtPrinter.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QStandardPaths>

QtPrinter::QtPrinter() {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        printer_.setOutputFileName(
            QDir(dir.isEmpty() ? QDir::homePath() : dir).filePath(QStringLiteral("Velumbra.pdf")));
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
}

void QtPrinter::newPage() {
    printer_.newPage();
}

void QtPrinter::endDoc() {
    canvas_.end();
}
