#include "geometry/Numbers.h"
#include "output/PrintUnits.h"
#include "render/Layers.h"
#include "tests/render/LayerFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

using fixtures::radiant;
using fixtures::star;

namespace {

// The view a chart page prints with, on paper whose portrait width is `width` (the landscape
// height on the same paper).
ViewState paperView(int ra, int dec, int width, int zoom = 1) {
    ViewState v = ViewAt(ra, dec, zoom);
    v.PrintUnit = PrintUnitFor(width);
    v.PrintMargin = static_cast<std::int16_t>(Round(v.PrintUnit * 5.0));
    v.PrintScale = static_cast<std::int16_t>(1000 * zoom);
    v.PrintFactor = static_cast<float>((width - 1 - 2 * v.PrintMargin) * 0.0002);
    return v;
}

Point printed(const ViewState& v, double ra, double dec) {
    Point p{-1, -1};
    ProjectPrint(v, ra, dec, p.x, p.y);
    return p;
}

} // namespace

TEST(StarsPrint, DiscsOfRadiusKStepsEvenForTheFaintestClassWithTheLabelOneStepBeyond) {
    for (const int width : {4801, 9601}) {
        const ViewState v = paperView(151, -5, width);
        const int step = width == 4801 ? 4 : 8; // Round(24 / 6), Round(48 / 6)
        ASSERT_EQ(PrintStarStep(v.PrintUnit), step);
        auto stars = fixtures::catalogue({star(1, 151, -5, -150, 1), star(2, 152, -5, 650, 1)});
        RecordingCanvas c;
        DrawStarsPrint(c, v, *stars, true);
        const std::vector<CanvasOp> discs = c.of(CanvasOp::Ellipse);
        ASSERT_EQ(discs.size(), 2u);
        EXPECT_TRUE(c.of(CanvasOp::Pixel).empty());
        const Point bright = printed(v, 151, -5);
        const Point faint = printed(v, 152, -5);
        const int k1 = 9 * step;
        EXPECT_EQ(discs[0].x1, bright.x - k1);
        EXPECT_EQ(discs[0].y1, bright.y - k1);
        EXPECT_EQ(discs[0].x2, bright.x + k1);
        EXPECT_EQ(discs[0].y2, bright.y + k1);
        EXPECT_EQ(discs[0].brush, colors::Black);
        EXPECT_EQ(discs[1].x2 - discs[1].x1, 2 * step); // class 9: radius one step
        const std::vector<CanvasOp> labels = c.of(CanvasOp::Text);
        ASSERT_EQ(labels.size(), 2u);
        EXPECT_EQ(labels[0].text, "-15");
        EXPECT_EQ(labels[0].x1, bright.x + 10 * step);
        EXPECT_EQ(labels[0].y1, bright.y);
        EXPECT_EQ(labels[0].font.size, 5);
        EXPECT_EQ(labels[0].brush, colors::White);
        EXPECT_EQ(labels[1].x1, faint.x + 2 * step);
    }
}

TEST(StarsPrint, FiveTimesTheZoomPrintsFiveTimesFurtherFromTheCentre) {
    auto stars = fixtures::catalogue({star(1, 151, -5, 300), star(2, 152, -5, 300)});
    int offset[2] = {};
    for (const int zoom : {1, 5}) {
        const ViewState v = paperView(151, -5, 4801, zoom);
        RecordingCanvas c;
        DrawStarsPrint(c, v, *stars, false);
        const std::vector<CanvasOp> discs = c.of(CanvasOp::Ellipse);
        ASSERT_EQ(discs.size(), 2u);
        // The centre star sits in the middle of the printed square at every zoom.
        EXPECT_EQ((discs[0].x1 + discs[0].x2) / 2, 120 + 2280);
        offset[zoom == 5] = (discs[0].x1 + discs[0].x2) / 2 - (discs[1].x1 + discs[1].x2) / 2;
    }
    EXPECT_GT(offset[0], 30);
    EXPECT_LE(std::abs(offset[1] - 5 * offset[0]), 5);
}

TEST(DriftTracksPrint, TicksAndLabelsMeasuredInLayoutUnitsNotScreenPixels) {
    for (const int width : {4801, 9601}) {
        const ViewState v = paperView(151, -5, width);
        const int u = width == 4801 ? 24 : 48;
        const RadiantTable t = fixtures::radiants({radiant("LEO", 220, 220, 220, 151, -5)});
        RecordingCanvas c;
        DrawDriftTracksPrint(c, v, t, {true});
        const Point p = printed(v, 151, -5);
        const std::vector<CanvasOp> ticks = c.of(CanvasOp::Ellipse);
        ASSERT_EQ(ticks.size(), 1u);
        EXPECT_EQ(ticks[0].x1, p.x - u);
        EXPECT_EQ(ticks[0].y2, p.y + u);
        EXPECT_EQ(ticks[0].brush, colors::White);
        const std::vector<CanvasOp> labels = c.of(CanvasOp::Text);
        ASSERT_EQ(labels.size(), 2u);
        EXPECT_EQ(labels[0].text, "8-8");
        EXPECT_EQ(labels[0].y1, p.y - 5 * u);
        EXPECT_EQ(labels[0].font.size, 8);
        EXPECT_EQ(labels[1].text, "LEO");
        EXPECT_EQ(labels[1].x1, p.x);
        EXPECT_EQ(labels[1].y1, p.y + u);
    }
}

// The view with its offset X0 moved so that the chart centre prints at column x.
ViewState centreAtColumn(ViewState v, int x) {
    for (int units = -1000; units <= 6000; ++units) {
        if (Round(units * static_cast<double>(v.PrintFactor)) + v.PrintMargin == x) {
            v.X0 = units * 70.0 / v.PrintScale;
            return v;
        }
    }
    ADD_FAILURE() << "no offset prints the centre at " << x;
    return v;
}

// At 4801 the inset square's side falls exactly on the chart side; at 2480 it does not.
TEST(LabelsPrint, NamesAreKeptByTheirAnchorAndZoneNumbersByTheirWholeBox) {
    struct Edge {
        int width;
        int nameFirst, nameLast; // anchors printed nearest the left and right edges
        int numberLast;          // rightmost centre of a one-digit number still printed
    };
    NameTable names;
    for (int i = 1; i <= NameTable::size(); ++i)
        names.at(i) = {"AND", 0, 0};
    NumberTable numbers;
    for (int i = 1; i <= NumberTable::size(); ++i)
        numbers.at(i) = {"7", 0, 0};
    for (const Edge e : {Edge{4801, 241, 4559, 4676}, Edge{2480, 124, 2355, 2414}}) {
        const ViewState v = paperView(0, 0, e.width);
        for (const auto& [x, kept] : {std::pair{e.nameFirst, true},
                                      {e.nameFirst - 1, false},
                                      {e.nameLast, true},
                                      {e.nameLast + 1, false}}) {
            RecordingCanvas c;
            DrawNamesPrint(c, centreAtColumn(v, x), names);
            EXPECT_EQ(c.of(CanvasOp::Text).size(), kept ? 90u : 0u) << e.width << " name at " << x;
        }
        // A number's box is 6 wide: its centre must stay 3 inside either side of the square.
        for (const auto& [x, kept] : {std::pair{v.PrintMargin + 4, true},
                                      {v.PrintMargin + 3, false},
                                      {e.numberLast, true},
                                      {e.numberLast + 1, false}}) {
            RecordingCanvas c;
            DrawZoneNumbersPrint(c, centreAtColumn(v, x), numbers);
            EXPECT_EQ(c.of(CanvasOp::Text).size(), kept ? 30u : 0u)
                << e.width << " number at " << x;
        }
    }
}

TEST(LayersPrint, EachLayerSetsItsOwnPenWhateverTheLayerBeforeLeft) {
    const ViewState v = paperView(151, -5, 4801);
    auto stars =
        fixtures::catalogue({star(1, 151, -5, 300), star(2, 155, 0, 300), star(3, 145, -10, 300)});
    TriangleTable zones;
    zones.at(1) = {0, 1};
    zones.at(2) = {1, 2};
    FigureTable figures;
    figures.at(1) = {0, 1};
    figures.at(2) = {1, 3};
    RecordingCanvas c;
    c.pen = Pen{colors::Black, 7, PenStyle::Dot};
    DrawFramePrint(c, v);
    DrawGridPrint(c, v, 'H');
    DrawTrianglesPrint(c, v, *stars, zones);
    DrawStarsPrint(c, v, *stars, false);
    DrawFiguresPrint(c, v, *stars, figures);
    DrawFramePrint(c, v);
    const std::vector<CanvasOp> lines = c.of(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 4u + 9u + 1u + 1u + 4u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool frame = i < 4 || i >= lines.size() - 4;
        const bool zone = i == 13;
        EXPECT_EQ(lines[i].pen.width, frame ? 3 : 1) << i;
        EXPECT_EQ(lines[i].pen.style, zone ? PenStyle::Dash : PenStyle::Solid) << i;
        EXPECT_EQ(lines[i].pen.color, colors::Black) << i;
    }
    for (const CanvasOp& disc : c.of(CanvasOp::Ellipse)) {
        EXPECT_EQ(disc.pen.style, PenStyle::Solid);
        EXPECT_EQ(disc.pen.width, 1);
    }
}

// A 1200 dpi page at zoom 5 puts far visible points beyond 32767 printer pixels.
TEST(ProjectPrint, FarPointsAtZoomFiveAreNotHeldInSixteenBits) {
    const ViewState v = paperView(0, 0, 9601, 5);
    auto stars = fixtures::catalogue({star(1, -60, 0, 300), star(2, -50, 0, 300)});
    RecordingCanvas c;
    DrawStarsPrint(c, v, *stars, false);
    const std::vector<CanvasOp> discs = c.of(CanvasOp::Ellipse);
    ASSERT_EQ(discs.size(), 2u);
    EXPECT_GT(discs[0].x1, 32767); // 60 degrees west of the centre
    EXPECT_GT(discs[0].x1, discs[1].x1 + 2000);
}
