#include "platform/PdfFile.h"

#include "platform/QtPrinter.h"
#include "sky/Errors.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {
VelumbraError cannotWrite(const QString& file) {
    return VelumbraError(QString::fromUtf8("No se pudo escribir el PDF %1. Compruebe que la "
                                           "carpeta existe y se puede escribir, y que el archivo "
                                           "no está abierto en otro programa.")
                             .arg(file)
                             .toStdString(),
                         {});
}
} // namespace

bool WritePdfFile(const QString& file, const std::function<bool(Printer&)>& print) {
    const QString part = file + QStringLiteral(".part");
    QFile probe(part);
    // Asked first, so that a folder that cannot take the file is told with the name chosen.
    if (!probe.open(QIODevice::WriteOnly))
        throw cannotWrite(file);
    probe.close();
    bool complete = false;
    try {
        QtPrinter printer(part);
        complete = print(printer);
    } catch (...) {
        QFile::remove(part);
        throw;
    }
    if (!complete) {
        QFile::remove(part);
        return false;
    }
    // rename() replaces an older file in one step: there is never a moment without either.
    if (QFileInfo(part).size() == 0 || std::rename(QFile::encodeName(part).constData(),
                                                   QFile::encodeName(file).constData()) != 0) {
        QFile::remove(part);
        throw cannotWrite(file);
    }
    return true;
}
