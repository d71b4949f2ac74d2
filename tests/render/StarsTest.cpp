#include "render/Layers.h"

#include "LayerFixtures.h"

#include <gtest/gtest.h>

using fixtures::catalogue;
using fixtures::star;

namespace {

struct Box {
    int left, top, right, bottom;
    friend bool operator==(const Box& a, const Box& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << "(" << b.left << "," << b.top << "," << b.right << "," << b.bottom << ")";
}

Box boxOf(const CanvasOp& op) {
    return {op.x1, op.y1, op.x2, op.y2};
}

// Every star of the list drawn on chart (0, 0), where the point RA 0, Dec 0 is pixel (225, 225).
RecordingCanvas drawn(const std::vector<Star>& stars, bool showLabels = false, int magLimit = 7) {
    ViewState v = ViewAt(0, 0);
    v.MagLimit = static_cast<std::uint8_t>(magLimit);
    auto table = catalogue(stars);
    RecordingCanvas c;
    DrawStars(c, v, *table, showLabels);
    return c;
}

float magnitude(std::int16_t hundredths) {
    return static_cast<float>(hundredths * 0.01);
}

} // namespace

TEST(StarClass, BoundsAreLowerInclusive) {
    const std::pair<std::int16_t, int> cases[] = {
        {-146, 1}, {-101, 1}, {-100, 2}, {-1, 2},  {0, 3},   {99, 3},  {100, 4}, {199, 4},
        {200, 5},  {300, 6},  {400, 7},  {499, 7}, {500, 8}, {599, 8}, {600, 9}, {703, 9}};
    for (auto [mag, cls] : cases)
        EXPECT_EQ(StarClass(magnitude(mag)), cls) << mag;
}

TEST(DrawStars, EachClassHasItsBoxAroundTheStar) {
    // Ascending star numbers keep the table order equal to the list order.
    const std::int16_t mags[] = {-146, -100, 50, 150, 250, 350, 450, 599};
    const Box boxes[] = {{221, 221, 230, 230}, {221, 221, 229, 229}, {222, 222, 229, 229},
                         {222, 222, 228, 228}, {223, 223, 228, 228}, {223, 223, 227, 227},
                         {224, 224, 227, 227}, {224, 224, 226, 226}};
    std::vector<Star> stars;
    for (int i = 0; i < 8; ++i)
        stars.push_back(star(10 + i, 0, 0, mags[i]));
    const RecordingCanvas c = drawn(stars);
    const auto ellipses = c.of(CanvasOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(boxOf(ellipses[static_cast<std::size_t>(i)]), boxes[i]) << mags[i];
    EXPECT_TRUE(c.of(CanvasOp::Pixel).empty());
}

TEST(DrawStars, ClassNineIsOneBlackPixel) {
    const RecordingCanvas c = drawn({star(1, 0, 10, 600)});
    ASSERT_EQ(c.ops.size(), 1u);
    const CanvasOp& op = c.ops[0];
    EXPECT_EQ(op.kind, CanvasOp::Pixel);
    EXPECT_EQ(op.x1, 225);
    EXPECT_EQ(op.y1, 189);
    EXPECT_EQ(op.pixel, colors::Black);
}

TEST(DrawStars, DiscsAreBlackWhateverTheCanvasHeld) {
    ViewState v = ViewAt(0, 0);
    auto table = catalogue({star(1, 0, 0, 250)});
    RecordingCanvas c;
    c.pen = {colors::Blue, 2, PenStyle::Dot};
    c.brush = colors::White;
    DrawStars(c, v, *table, false);
    ASSERT_EQ(c.ops.size(), 1u);
    EXPECT_EQ(c.ops[0].pen.color, colors::Black);
    EXPECT_EQ(c.ops[0].pen.style, PenStyle::Solid);
    EXPECT_EQ(c.ops[0].pen.width, 2); // not the layer's to set
    EXPECT_EQ(c.ops[0].brush, colors::Black);
}

TEST(DrawStars, MagnitudeLimitKeepsStarsNotFainterThanIt) {
    {
        const RecordingCanvas c = drawn({star(1, 0, 0, 500), star(2, 0, 10, 501)}, false, 5);
        ASSERT_EQ(c.ops.size(), 1u);
        EXPECT_EQ(c.ops[0].y1, 225 - 1); // the 5.00 star at the centre, class 8
    }
    {
        const RecordingCanvas c =
            drawn({star(1, 0, 0, -50), star(2, 0, 10, 0), star(3, 10, 0, 1)}, false, 0);
        EXPECT_EQ(c.ops.size(), 2u);
    }
}

TEST(DrawStars, StarsBeyondTheVisibilityLimitAreSkippedWithTheirLabels) {
    const RecordingCanvas c = drawn({star(1, 180, 0, 100, 1), star(2, 70, 0, 100, 1)}, true);
    EXPECT_TRUE(c.ops.empty());
}

TEST(DrawStars, EmptySlotsOfAShortCatalogueAreNeverDrawn) {
    // An empty slot would sit at the centre of this chart as a magnitude 0.00 disc.
    const RecordingCanvas c = drawn({star(5, 10, 0, 300), star(6, 350, 0, 300)}, true);
    ASSERT_EQ(c.ops.size(), 2u);
    for (const CanvasOp& op : c.ops)
        EXPECT_NE(op.x1, 225 - 3) << "an empty slot was drawn";
}

TEST(DrawStars, LabelsShowMarkedMagnitudesInTenths) {
    // Rounded from the single-precision magnitude, ties to even: 4.25 gives 42, and 4.35,
    // which is 4.3499999 in single precision, gives 43.
    const std::pair<std::int16_t, const char*> cases[] = {
        {420, "42"}, {50, "05"}, {-70, "-07"}, {-146, "-15"}, {425, "42"}, {435, "43"}, {0, "00"}};
    for (auto [mag, text] : cases) {
        const RecordingCanvas c = drawn({star(1, 0, 0, mag, 1)}, true);
        ASSERT_EQ(c.ops.size(), 2u) << mag;
        const CanvasOp& label = c.ops[1];
        EXPECT_EQ(label.kind, CanvasOp::Text);
        EXPECT_EQ(label.text, text) << mag;
    }
}

TEST(DrawStars, LabelSitsRightOfTheStarOnWhite) {
    const RecordingCanvas c = drawn({star(1, 0, 10, 420, 1), star(2, 10, 0, 300)}, true);
    ASSERT_EQ(c.ops.size(), 3u);
    const CanvasOp& label = c.ops[1];
    ASSERT_EQ(label.kind, CanvasOp::Text);
    EXPECT_EQ(label.x1, 225 + 3);
    EXPECT_EQ(label.y1, 189);
    EXPECT_EQ(label.brush, colors::White);
    EXPECT_EQ(label.font.face, "Arial");
    EXPECT_EQ(label.font.size, 7);
    EXPECT_EQ(label.font.color, colors::Black);
    EXPECT_FALSE(label.font.bold);
    // The next disc is filled black again.
    EXPECT_EQ(c.ops[2].brush, colors::Black);
}

TEST(DrawStars, LabelsNeedTheToggleAndTheMark) {
    const std::vector<Star> stars{star(1, 0, 0, 420, 1), star(2, 0, 10, 420, 0)};
    EXPECT_TRUE(fixtures::texts(drawn(stars, false)).empty());
    EXPECT_EQ(fixtures::texts(drawn(stars, true)), std::vector<std::string>{"42"});
}

TEST(DrawStars, LeavesBrushWhiteAndArialSevenForTheNextLayers) {
    ViewState v = ViewAt(0, 0);
    auto table = catalogue({star(1, 0, 0, 100)});
    RecordingCanvas c;
    c.pen = {colors::Blue, 1, PenStyle::Dot};
    c.font = {"MS Sans Serif", 12, true, colors::Green};
    DrawStars(c, v, *table, false);
    EXPECT_EQ(c.brush, colors::White);
    EXPECT_EQ(c.pen.color, colors::Black);
    EXPECT_EQ(c.pen.style, PenStyle::Solid);
    EXPECT_EQ(c.font.face, "Arial");
    EXPECT_EQ(c.font.size, 7);
    EXPECT_FALSE(c.font.bold);
    EXPECT_EQ(c.font.color, colors::Black);
}
