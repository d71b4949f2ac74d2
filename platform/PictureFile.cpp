#include "platform/PictureFile.h"

#include "sky/Errors.h"

#include <QFileInfo>
#include <QSaveFile>

std::string PictureFileName(const std::string& chosen) {
    if (QFileInfo(QString::fromStdString(chosen)).suffix().isEmpty())
        return chosen + ".bmp";
    return chosen;
}

void SavePicture(const QImage& picture, const std::string& chosen) {
    const QString path = QString::fromStdString(PictureFileName(chosen));
    const bool png =
        QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         picture.save(&file, png ? "PNG" : "BMP") && file.commit();
    if (!written) {
        const std::string reason =
            file.errorString().isEmpty() ? "error de escritura" : file.errorString().toStdString();
        file.cancelWriting();
        throw VelumbraError("No se pudo guardar la carta como imagen (" + reason +
                                "). Compruebe que la carpeta existe, que puede escribir en ella "
                                "y que queda espacio en el disco.",
                            path.toStdString());
    }
}
