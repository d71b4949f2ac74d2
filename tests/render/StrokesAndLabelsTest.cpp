#include "render/Layers.h"

#include "LayerFixtures.h"

#include <gtest/gtest.h>

using fixtures::catalogue;
using fixtures::Segment;
using fixtures::segments;
using fixtures::star;

namespace {

// On chart (0, 0): star 1 at the centre (225, 225), star 2 at Dec +10 (225, 189), star 3 at
// RA 10 (189, 225), star 4 on the far side of the sky. Star 9 is not in the catalogue.
constexpr Segment k1to2{225, 225, 225, 189};
constexpr Segment k2to3{225, 189, 189, 225};
constexpr Segment k3to1{189, 225, 225, 225};
constexpr Segment k1to3{225, 225, 189, 225};

struct Strokes {
    std::vector<std::pair<int, int>> records; // (Op, StarNumber)

    template <typename Table> Table table() const {
        Table t;
        int slot = 1;
        for (auto [op, number] : records)
            t.at(slot++) = StrokePoint{static_cast<std::uint8_t>(op), number};
        return t;
    }
};

std::unique_ptr<StarTable> sky() {
    return catalogue({star(1, 0, 0), star(2, 0, 10), star(3, 10, 0), star(4, 180, 0)});
}

RecordingCanvas figures(const Strokes& s) {
    RecordingCanvas c;
    // A stray current point that a first line must not start from.
    c.MoveTo(0, 0);
    DrawFigures(c, ViewAt(0, 0), *sky(), s.table<FigureTable>());
    return c;
}

RecordingCanvas triangles(const Strokes& s) {
    RecordingCanvas c;
    c.MoveTo(0, 0);
    DrawTriangles(c, ViewAt(0, 0), *sky(), s.table<TriangleTable>());
    return c;
}

using Segments = std::vector<Segment>;

} // namespace

TEST(PolylineLayers, FirstRecordStartsWithAMoveWhateverItsCode) {
    for (int code : {0, 1, 5, 7}) {
        EXPECT_EQ(segments(figures({{{code, 1}, {1, 2}}})), Segments{k1to2}) << code;
        EXPECT_EQ(segments(triangles({{{code, 1}, {1, 2}}})), Segments{k1to2}) << code;
    }
}

TEST(PolylineLayers, AnInvisiblePointBreaksTheLineAndTheNextVisibleOneMoves) {
    const Strokes s{{{0, 1}, {1, 2}, {1, 4}, {1, 3}, {1, 1}}};
    EXPECT_EQ(segments(figures(s)), (Segments{k1to2, k3to1}));
    EXPECT_EQ(segments(triangles(s)), (Segments{k1to2, k3to1}));
}

TEST(PolylineLayers, AMissingStarIsSkippedWithoutTouchingTheVisibility) {
    // The line continues from the last point reached before the missing star ...
    EXPECT_EQ(segments(figures({{{0, 1}, {1, 9}, {1, 2}}})), Segments{k1to2});
    EXPECT_EQ(segments(triangles({{{0, 1}, {1, 9}, {1, 2}}})), Segments{k1to2});
    // ... and after an invisible point it still starts afresh.
    EXPECT_TRUE(segments(figures({{{0, 4}, {1, 9}, {1, 2}}})).empty());
}

TEST(PolylineLayers, CodeFiveDrawsInFiguresButNotInTriangles) {
    const Strokes s{{{0, 1}, {5, 2}, {1, 3}}};
    EXPECT_EQ(segments(figures(s)), (Segments{k1to2, k2to3}));
    // The triangle layer stays on star 1 and draws the next line from there.
    EXPECT_EQ(segments(triangles(s)), Segments{k1to3});
}

TEST(PolylineLayers, OtherCodesDrawNothingAndKeepTheCurrentPoint) {
    const Strokes s{{{0, 1}, {7, 2}, {2, 2}, {1, 3}}};
    EXPECT_EQ(segments(figures(s)), Segments{k1to3});
    EXPECT_EQ(segments(triangles(s)), Segments{k1to3});
}

TEST(PolylineLayers, CodeZeroStartsANewLine) {
    const Strokes s{{{0, 1}, {1, 2}, {0, 3}, {1, 1}}};
    EXPECT_EQ(segments(figures(s)), (Segments{k1to2, k3to1}));
}

TEST(PolylineLayers, UnusedSlotsOfAShortTableDrawNothing) {
    const Strokes s{{{0, 1}, {1, 2}}};
    EXPECT_EQ(figures(s).ops.size(), 1u);
    EXPECT_EQ(triangles(s).ops.size(), 1u);
}

TEST(PolylineLayers, FiguresAreBlueSolidAndTrianglesBlackDotted) {
    const Strokes s{{{0, 1}, {1, 2}}};
    const auto run = [&s](bool figureLayer) {
        RecordingCanvas c;
        c.pen = {colors::Green, 2, PenStyle::Dash};
        const auto stars = sky();
        if (figureLayer)
            DrawFigures(c, ViewAt(0, 0), *stars, s.table<FigureTable>());
        else
            DrawTriangles(c, ViewAt(0, 0), *stars, s.table<TriangleTable>());
        return c.of(CanvasOp::Line).at(0).pen;
    };
    const Pen figure = run(true);
    EXPECT_EQ(figure.color, colors::Blue);
    EXPECT_EQ(figure.style, PenStyle::Solid);
    EXPECT_EQ(figure.width, 2);
    const Pen triangle = run(false);
    EXPECT_EQ(triangle.color, colors::Black);
    EXPECT_EQ(triangle.style, PenStyle::Dot);
    EXPECT_EQ(triangle.width, 2);
}

namespace {

// The loaders always fill every slot; the slots not listed lie on the far side of chart (0, 0).
template <typename Table> Table labels(const std::vector<SkyLabel>& items) {
    Table t;
    for (int slot = 1; slot <= Table::size(); ++slot)
        t.at(slot) = {"X", 180, 0};
    int slot = 1;
    for (const SkyLabel& l : items)
        t.at(slot++) = l;
    return t;
}

} // namespace

TEST(DrawNames, CentredOnTheAnchorInBlueArialEight) {
    RecordingCanvas c;
    c.font = {"MS Sans Serif", 12, true, colors::Black};
    c.brush = colors::White;
    DrawNames(c, ViewAt(0, 0), labels<NameTable>({{"AND", 0, 0}, {"ORI", 180, 0}, {"UMi", 0, 10}}));
    const auto ops = c.of(CanvasOp::Text);
    ASSERT_EQ(ops.size(), 2u);
    // Width 18 and height 12 at size 8: the top-left corner is 9 left and 6 up.
    EXPECT_EQ(ops[0].text, "AND");
    EXPECT_EQ(ops[0].x1, 216);
    EXPECT_EQ(ops[0].y1, 219);
    EXPECT_EQ(ops[1].text, "UMi");
    EXPECT_EQ(ops[1].x1, 216);
    EXPECT_EQ(ops[1].y1, 183);
    EXPECT_EQ(ops[0].font.face, "Arial");
    EXPECT_EQ(ops[0].font.size, 8);
    EXPECT_EQ(ops[0].font.color, colors::Blue);
    EXPECT_FALSE(ops[0].font.bold);
    EXPECT_EQ(ops[0].brush, colors::White);
}

TEST(DrawZoneNumbers, BoldSansSerifInTheInheritedSizeCentredWithIntegerHalves) {
    RecordingCanvas c;
    // Size 10: 7 pixels a character and 15 high, so the halves are 3 and 7, not 3.5 rounded.
    c.font = {"Arial", 10, false, colors::Blue};
    DrawZoneNumbers(c, ViewAt(0, 0),
                    labels<NumberTable>({{"5", 0, 0}, {"12", 10, 0}, {"30", 180, 0}}));
    const auto ops = c.of(CanvasOp::Text);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].text, "5");
    EXPECT_EQ(ops[0].x1, 225 - 3);
    EXPECT_EQ(ops[0].y1, 225 - 7);
    EXPECT_EQ(ops[1].text, "12");
    EXPECT_EQ(ops[1].x1, 189 - 7);
    EXPECT_EQ(ops[1].y1, 225 - 7);
    for (const CanvasOp& op : ops) {
        EXPECT_EQ(op.font.face, kZoneNumberFace);
        EXPECT_EQ(op.font.size, 10);
        EXPECT_TRUE(op.font.bold);
        EXPECT_EQ(op.font.color, colors::Black);
    }
}
