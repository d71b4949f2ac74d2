#include "platform/NightInks.h"
#include "geometry/Calendar.h"
#include "platform/QtCanvas.h"
#include "render/Layers.h"
#include "tests/support/SkyFixtures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

TEST(NightInks, EveryColourBecomesARedAsStrongAsItIsDark) {
    // From paper to ink, each darker on white than the one before.
    const Color lightToDark[] = {colors::White, Color{255, 255, 0}, Color{128, 128, 128},
                                 colors::Green, colors::Red,        colors::Blue,
                                 colors::Black};
    int previous = -1;
    for (const Color day : lightToDark) {
        const Color night = NightInk(day);
        EXPECT_EQ(night.g, 0);
        EXPECT_EQ(night.b, 0);
        EXPECT_GE(night.r, previous) << int(day.r) << "," << int(day.g) << "," << int(day.b);
        previous = night.r;
    }
    EXPECT_EQ(NightInk(colors::White), colors::Black);
    EXPECT_EQ(previous, kNightRed);
    EXPECT_EQ(qAlpha(NightRgb(qRgba(0, 0, 0, 77))), 77);
}

TEST(NightInks, ThePaletteHoldsNoColourButRed) {
    const QPalette night = NightPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole)
                continue;
            const QColor c = night.color(static_cast<QPalette::ColorGroup>(group),
                                         static_cast<QPalette::ColorRole>(role));
            EXPECT_EQ(c.green() + c.blue(), 0) << "group " << group << " role " << role;
        }
}

// The night's chart is the day's chart with each pixel's colour turned to its red: no layer,
// line, disc, fill or text escapes the inks.
TEST(NightInks, TheNightChartIsTheDayChartInReds) {
    SkyData sky;
    LoadSky(sky, VELUMBRA_DATA_DIR);
    const ViewState view = ViewAt(45, 50);
    ChartOptions o;
    o.names = o.labels = o.imoRadiants = o.terRadiants = o.driftTracks = true;
    o.radiantDate = DayOfYear(12, 8);
    o.driftSelected.assign(static_cast<std::size_t>(sky.radiants.count()), true);
    QImage day(450, 450, QImage::Format_RGB32);
    QImage night(450, 450, QImage::Format_RGB32);
    QtCanvas canvas;
    for (auto [image, inks] : {std::pair{&day, Inks::AsDrawn}, std::pair{&night, Inks::Night}}) {
        canvas.begin(image, inks);
        DrawChart(canvas, view, sky, o);
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
}
