#include "platform/PdfFile.h"

#include "platform/QtPrinter.h"
#include "sky/WholeFile.h"

#include <QFile>

namespace {

// The printer does not report a failed write; a PDF that reached its end has its trailer.
bool pdfComplete(const std::string& path) {
    QFile pdf(QString::fromStdString(path));
    if (!pdf.open(QIODevice::ReadOnly) || pdf.size() < 16)
        return false;
    pdf.seek(pdf.size() - 16);
    return pdf.read(16).trimmed().endsWith("%%EOF");
}

} // namespace

bool WritePdfFile(const QString& file, const std::function<bool(Printer&)>& print) {
    const std::string path = file.toStdString();
    RemoveStaleTemporaries(path);
    return WriteWholeFile(
        path, "No se pudo escribir el PDF",
        [&](const std::string& temporary) {
            QtPrinter printer(QString::fromStdString(temporary));
            return print(printer);
        },
        pdfComplete);
}
