#include "platform/PictureFile.h"

#include "sky/Errors.h"
#include "sky/WholeFile.h"

#include <QBuffer>
#include <QFileInfo>

std::string PictureFileName(const std::string& chosen) {
    if (QFileInfo(QString::fromStdString(chosen)).suffix().isEmpty())
        return chosen + ".bmp";
    return chosen;
}

void SavePicture(const QImage& picture, const std::string& chosen) {
    const std::string path = PictureFileName(chosen);
    const bool png = QFileInfo(QString::fromStdString(path))
                         .suffix()
                         .compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
    QByteArray encoded;
    QBuffer buffer(&encoded);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, png ? "PNG" : "BMP"))
        throw VelumbraError("No se pudo preparar la imagen de la carta.", path,
                            "Compruebe que queda memoria libre y vuelva a intentarlo.");
    RemoveStaleTemporaries(path);
    WriteWholeFile(path, "No se pudo guardar la carta como imagen",
                   std::vector<unsigned char>(encoded.begin(), encoded.end()));
}
