#include "platform/Logo.h"

#include <QDir>
#include <QImage>

Bitmap LoadBitmap(const std::string& path) {
    QImage image;
    if (!image.load(QString::fromStdString(path)))
        return {};
    image = image.convertToFormat(QImage::Format_RGB32);
    Bitmap b;
    b.width = image.width();
    b.height = image.height();
    b.pixels.reserve(static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height));
    for (int y = 0; y < b.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < b.width; ++x)
            b.pixels.push_back({static_cast<std::uint8_t>(qRed(row[x])),
                                static_cast<std::uint8_t>(qGreen(row[x])),
                                static_cast<std::uint8_t>(qBlue(row[x]))});
    }
    return b;
}

Bitmap LoadLogo(const std::string& dataDir) {
    return LoadBitmap(
        QDir(QString::fromStdString(dataDir)).filePath(QStringLiteral("escudo.bmp")).toStdString());
}
