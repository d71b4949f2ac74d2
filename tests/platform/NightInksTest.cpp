#include "platform/NightInks.h"
#include "geometry/Calendar.h"
#include "platform/QtCanvas.h"
#include "render/Layers.h"
#include "tests/support/SkyFixtures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

// The night's chart is the day's chart with each pixel's colour turned to its red: no layer,
// line, disc, fill or text escapes the inks, and white paper turns black.
TEST(NightInks, TheNightChartIsTheDayChartInReds) {
    SkyData sky;
    LoadSky(sky, VELUMBRA_DATA_DIR);
    ChartOptions o;
    o.names = o.labels = o.imoRadiants = o.terRadiants = o.driftTracks = true;
    o.radiantDate = DayOfYear(12, 8);
    o.driftSelected.assign(static_cast<std::size_t>(sky.radiants.count()), true);
    QImage day(450, 450, QImage::Format_RGB32);
    QImage night(450, 450, QImage::Format_RGB32);
    QtCanvas canvas;
    for (auto [image, inks] : {std::pair{&day, Inks::AsDrawn}, std::pair{&night, Inks::Night}}) {
        canvas.begin(image, inks);
        DrawChart(canvas, ViewAt(45, 50), sky, o);
        canvas.end();
    }
    std::set<QRgb> colours;
    int wrong = 0;
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 450; ++x) {
            colours.insert(day.pixel(x, y));
            wrong += night.pixel(x, y) != NightRgb(day.pixel(x, y));
        }
    EXPECT_GE(colours.size(), 5u);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(NightInk(colors::White), colors::Black);
    EXPECT_EQ(NightInk(colors::Black), (Color{kNightRed, 0, 0}));
}
