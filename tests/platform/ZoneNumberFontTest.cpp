#include "geometry/Projection.h"
#include "platform/QtCanvas.h"
#include "render/Layers.h"
#include "tests/support/SkyFixtures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

int blackPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == QColor(Qt::black);
    return n;
}

} // namespace

// The zone numbers are drawn in the size the canvas holds: 7 after the stars, 8 after the names.
// Their bold must show against the same face without bold, centred the same way.
TEST(ZoneNumbers, BoldShowsAtTheSizesTheChartGivesThem) {
    NumberTable numbers;
    numbers.at(1) = {"12", 0, 0};
    numbers.at(2) = {"28", 10, 0};
    const ViewState view = ViewAt(0, 0);
    for (int size : {7, 8}) {
        QImage bold(450, 450, QImage::Format_RGB32);
        bold.fill(Qt::white);
        QImage regular = bold;
        QtCanvas canvas;
        canvas.font.size = size;
        canvas.begin(&bold);
        DrawZoneNumbers(canvas, view, numbers);
        canvas.end();

        canvas.font.bold = false;
        canvas.begin(&regular);
        for (int i = 1; i <= 2; ++i) {
            int x = 0;
            int y = 0;
            ASSERT_TRUE(Project(view, numbers.at(i).RA, numbers.at(i).Dec, x, y));
            const std::string& text = numbers.at(i).Text;
            canvas.TextOut(x - canvas.TextWidth(text) / 2, y - canvas.TextHeight(text) / 2, text);
        }
        canvas.end();

        const int inkRegular = blackPixels(regular);
        const int inkBold = blackPixels(bold);
        EXPECT_GT(inkRegular, 20) << "size " << size;
        EXPECT_GE(inkBold * 100, inkRegular * 125)
            << "size " << size << ": bold " << inkBold << " pixels, regular " << inkRegular;
    }
}
