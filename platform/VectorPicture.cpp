#include "platform/VectorPicture.h"

#include "output/ChartSquare.h"
#include "platform/QtCanvas.h"
#include "sky/Errors.h"
#include "sky/WholeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSvgGenerator>

namespace {

constexpr int kPictureWidth = 450;

// An SVG generator whose drawing units are those of the printed page: the fonts are sized for
// the page's resolution, and the file scales the square down to the picture's width.
class PaperSvg : public QSvgGenerator {
  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kChartSquareDpi;
        case PdmWidth:
        case PdmHeight:
            return kChartSquareSide;
        default:
            return QSvgGenerator::metric(m);
        }
    }
};

} // namespace

bool IsVectorPictureName(const std::string& name) {
    return QFileInfo(QString::fromStdString(name))
               .suffix()
               .compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
}

std::string VectorChart(const PrintSources& sources) {
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    PaperSvg generator;
    generator.setOutputDevice(&buffer);
    // 450 pixels of a 96 dpi screen, the width a browser shows it at.
    generator.setSize(QSize(kPictureWidth, kPictureWidth));
    generator.setResolution(96);
    generator.setViewBox(QRect(0, 0, kChartSquareSide, kChartSquareSide));
    generator.setTitle(QStringLiteral("Velumbra"));
    QtCanvas canvas;
    canvas.begin(&generator);
    canvas.setLineScale(static_cast<double>(kChartSquareSide) / kPictureWidth);
    DrawChartSquare(canvas, sources);
    canvas.end();
    return svg.toStdString();
}

void SaveVectorChart(const PrintSources& sources, const std::string& path) {
    const std::string svg = VectorChart(sources);
    RemoveStaleTemporaries(path);
    WriteWholeFile(path, "No se pudo guardar la carta como SVG",
                   std::vector<unsigned char>(svg.begin(), svg.end()));
}
