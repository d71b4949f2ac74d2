#include "geometry/Calendar.h"
#include "render/Layers.h"

#include "LayerFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using fixtures::radiant;
using fixtures::star;

namespace {

ChartOptions allOff() {
    ChartOptions o;
    o.grid = o.figures = o.names = o.zones = o.stars = o.labels = false;
    o.imoRadiants = o.terRadiants = o.driftTracks = false;
    return o;
}

ChartOptions allOn() {
    ChartOptions o;
    o.grid = o.figures = o.names = o.zones = o.stars = o.labels = true;
    o.imoRadiants = o.terRadiants = o.driftTracks = true;
    o.radiantDate = 224;
    o.driftSelected = {true, true};
    return o;
}

// A little of everything near the centre of chart (0, 0).
std::unique_ptr<SkyData> smallSky() {
    auto sky = std::make_unique<SkyData>();
    sky->stars.at(1) = star(1, 0, 0, 150, 1);
    sky->stars.at(2) = star(2, 0, 10, 650);
    sky->stars.at(3) = star(3, 10, 0, 300);
    sky->stars.setCount(3);
    SortStars(sky->stars);
    sky->figures.at(1) = {0, 1};
    sky->figures.at(2) = {1, 2};
    sky->triangles.at(1) = {0, 2};
    sky->triangles.at(2) = {1, 3};
    for (int i = 1; i <= NameTable::size(); ++i)
        sky->names.at(i) = {"AND", 180, 0};
    sky->names.at(1) = {"AND", 5, 5};
    for (int i = 1; i <= NumberTable::size(); ++i)
        sky->numbers.at(i) = {"1", 180, 0};
    sky->numbers.at(1) = {"1", 355, -5};
    sky->radiants.append(radiant("PER", 200, 240, 224, 350, 10), "test");
    sky->radiants.append(radiant("T12", 200, 240, 224, 10, -10), "test");
    return sky;
}

// The layer an operation belongs to, told by the attributes each layer sets.
char layerOf(const CanvasOp& op) {
    switch (op.kind) {
    case CanvasOp::Fill:
        return 'B';
    case CanvasOp::Ellipse:
    case CanvasOp::Pixel:
        return op.pen.color == colors::Green ? 'D' : 'S';
    case CanvasOp::Text:
        if (op.font.color == colors::Blue)
            return 'N';
        if (op.font.color == colors::Green)
            return 'D';
        if (op.font.face == kZoneNumberFace)
            return 'Z';
        return op.font.bold ? 'R' : 'S';
    case CanvasOp::Line:
        if (op.pen.color == colors::Red)
            return 'G';
        if (op.pen.color == colors::Blue)
            return 'F';
        if (op.pen.color == colors::Green)
            return 'D';
        // The radiant outline sets no pen style; its font tells it from the triangles.
        if (op.font.face == "Arial" && op.font.bold)
            return 'R';
        return op.pen.style == PenStyle::Dot ? 'T' : '?';
    case CanvasOp::Picture:
        break;
    }
    return '?';
}

// Layers in the order they were drawn, each once; the frame's four lines last.
std::string layerSequence(const RecordingCanvas& c) {
    std::string out;
    const std::size_t beforeFrame = c.ops.size() - 4;
    for (std::size_t i = 0; i < beforeFrame; ++i) {
        const char layer = layerOf(c.ops[i]);
        if (out.empty() || out.back() != layer)
            out += layer;
    }
    return out + "|";
}

RecordingCanvas chart(const SkyData& sky, const ChartOptions& o) {
    RecordingCanvas c;
    DrawChart(c, ViewAt(0, 0), sky, o);
    return c;
}

void expectFrameLast(const RecordingCanvas& c) {
    ASSERT_GE(c.ops.size(), 5u);
    const std::vector<fixtures::Segment> frame{
        {0, 0, 449, 0}, {449, 0, 449, 449}, {449, 449, 0, 449}, {0, 449, 0, 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        const CanvasOp& op = c.ops[c.ops.size() - 4 + i];
        EXPECT_EQ(op.kind, CanvasOp::Line);
        EXPECT_EQ((fixtures::Segment{op.x1, op.y1, op.x2, op.y2}), frame[i]);
        EXPECT_EQ(op.pen.color, colors::Black);
        EXPECT_EQ(op.pen.style, PenStyle::Solid);
    }
}

} // namespace

TEST(DrawChart, WithEveryToggleOffOnlyTheWhiteSquareAndTheFrame) {
    const auto sky = smallSky();
    const RecordingCanvas c = chart(*sky, allOff());
    ASSERT_EQ(c.ops.size(), 5u);
    const CanvasOp& fill = c.ops[0];
    EXPECT_EQ(fill.kind, CanvasOp::Fill);
    EXPECT_EQ(fill.brush, colors::White);
    EXPECT_EQ(fill.x1, 0);
    EXPECT_EQ(fill.y1, 0);
    EXPECT_EQ(fill.x2, 451);
    EXPECT_EQ(fill.y2, 451);
    expectFrameLast(c);
}

TEST(DrawChart, LayersComeInTheirFixedOrderWithTheFrameLast) {
    const auto sky = smallSky();
    const RecordingCanvas c = chart(*sky, allOn());
    // Background, grid, figures, names, triangles, stars with labels, zone numbers, radiants,
    // drift tracks.
    EXPECT_EQ(layerSequence(c), "BGFNTSZRD|");
    expectFrameLast(c);
}

TEST(DrawChart, EachToggleControlsItsLayers) {
    const auto sky = smallSky();
    const auto without = [&sky](bool ChartOptions::*toggle) {
        ChartOptions o = allOn();
        o.*toggle = false;
        return layerSequence(chart(*sky, o));
    };
    EXPECT_EQ(without(&ChartOptions::grid), "BFNTSZRD|");
    EXPECT_EQ(without(&ChartOptions::figures), "BGNTSZRD|");
    EXPECT_EQ(without(&ChartOptions::names), "BGFTSZRD|");
    EXPECT_EQ(without(&ChartOptions::zones), "BGFNSRD|");
    EXPECT_EQ(without(&ChartOptions::stars), "BGFNTZRD|");
    EXPECT_EQ(without(&ChartOptions::driftTracks), "BGFNTSZR|");
    // Either radiant list switches the layer on.
    EXPECT_EQ(without(&ChartOptions::imoRadiants), "BGFNTSZRD|");
    EXPECT_EQ(without(&ChartOptions::terRadiants), "BGFNTSZRD|");
}

TEST(DrawChart, RadiantOutlineInheritsThePenStyleOfTheLayersBefore) {
    const auto sky = smallSky();
    const auto outlineStyles = [&sky](bool stars) {
        ChartOptions o = allOn();
        o.stars = stars;
        o.driftTracks = false;
        const RecordingCanvas c = chart(*sky, o);
        std::vector<PenStyle> styles;
        for (std::size_t i = 0; i + 4 < c.ops.size(); ++i)
            if (layerOf(c.ops[i]) == 'R' && c.ops[i].kind == CanvasOp::Line)
                styles.push_back(c.ops[i].pen.style);
        return styles;
    };
    // Solid after the star layer, dotted straight after the triangles.
    EXPECT_EQ(outlineStyles(true), std::vector<PenStyle>(720, PenStyle::Solid));
    EXPECT_EQ(outlineStyles(false), std::vector<PenStyle>(720, PenStyle::Dot));
}

TEST(DrawChart, RadiantListsAndLabelsFollowTheirToggles) {
    const auto sky = smallSky();
    ChartOptions o = allOff();
    o.stars = true;
    o.terRadiants = true;
    o.radiantDate = 224;
    const auto shown = fixtures::texts(chart(*sky, o));
    EXPECT_EQ(shown, std::vector<std::string>{"T12"});
    o.labels = true;
    o.imoRadiants = true;
    o.terRadiants = false;
    EXPECT_EQ(fixtures::texts(chart(*sky, o)), (std::vector<std::string>{"15", "PER"}));
}

TEST(DrawChart, GridTakesTheLayoutLetter) {
    const auto sky = smallSky();
    ChartOptions o = allOff();
    o.grid = true;
    o.gridLetter = 'V';
    const RecordingCanvas c = chart(*sky, o);
    const auto lines = c.of(CanvasOp::Line);
    ASSERT_EQ(lines.size(), 9u + 4u);
    EXPECT_EQ(lines[0].x1, 45);
    EXPECT_EQ(lines[0].x2, 45);
}

TEST(DrawChart, RealSkyOfChartOne) {
    auto sky = std::make_unique<SkyData>();
    ASSERT_NO_THROW(LoadSky(*sky, VELUMBRA_DATA_DIR));
    const ViewState v = ViewAt(30, 56);
    ChartOptions o = allOn();
    o.radiantDate = DayOfYear(12, 8);
    o.driftSelected.assign(sky->driftLines.size(), true);
    RecordingCanvas c;
    ASSERT_NO_THROW(DrawChart(c, v, *sky, o));
    const auto count = [&c](char layer) {
        return std::count_if(c.ops.begin(), c.ops.end(),
                             [layer](const CanvasOp& op) { return layerOf(op) == layer; });
    };
    EXPECT_GT(count('S'), 2000);
    EXPECT_GT(count('F'), 100);
    EXPECT_GT(count('T'), 20);
    EXPECT_GT(count('R'), 360);
    EXPECT_GT(count('D'), 100);
    expectFrameLast(c);
}

TEST(DrawChart, RealRadiantsDrawOnEveryChartAndDateWithoutRaising) {
    auto sky = std::make_unique<SkyData>();
    ASSERT_NO_THROW(LoadSky(*sky, VELUMBRA_DATA_DIR));
    ASSERT_GT(sky->radiants.count(), 0);
    const std::pair<int, int> centres[] = {{30, 56},  {150, 56}, {270, 56},  {90, 5},
                                           {210, 5},  {330, 5},  {30, -5},   {151, -5},
                                           {270, -5}, {90, -56}, {210, -56}, {330, -56}};
    for (auto [ra, dec] : centres) {
        const ViewState v = ViewAt(ra, dec);
        for (int date = 1; date <= 365; date += 4) {
            RecordingCanvas c;
            ASSERT_NO_THROW(DrawRadiants(c, v, sky->radiants, date, true, true))
                << ra << " " << dec << " " << date;
        }
    }
}
