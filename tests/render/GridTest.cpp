#include "render/Layers.h"

#include "LayerFixtures.h"

#include <gtest/gtest.h>

using fixtures::Segment;
using fixtures::segments;

namespace {

std::vector<Segment> verticalsAt(std::vector<int> xs) {
    std::vector<Segment> out;
    for (int x : xs)
        out.push_back({x, 0, x, 450});
    return out;
}

std::vector<Segment> horizontalsAt(std::vector<int> ys) {
    std::vector<Segment> out;
    for (int y : ys)
        out.push_back({0, y, 450, y});
    return out;
}

std::vector<Segment> concat(std::vector<Segment> a, const std::vector<Segment>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<Segment> gridOf(char letter, const ViewState& v = ViewAt(30, 56)) {
    RecordingCanvas c;
    DrawGrid(c, v, letter);
    return segments(c);
}

} // namespace

TEST(DrawGrid, EachLayoutDrawsVerticalsLeftToRightThenHorizontalsTopToBottom) {
    const std::vector<int> half{45, 135, 225, 315, 405};
    const std::vector<int> whole{90, 180, 270, 360};
    EXPECT_EQ(gridOf('H'), concat(verticalsAt(whole), horizontalsAt(half)));
    EXPECT_EQ(gridOf('V'), concat(verticalsAt(half), horizontalsAt(whole)));
    // No line through the centre in the free layout.
    EXPECT_EQ(gridOf('O'), concat(verticalsAt(whole), horizontalsAt(whole)));
}

TEST(DrawGrid, OtherLettersDrawNothing) {
    for (char letter : {'h', 'X', ' ', '\0'})
        EXPECT_TRUE(gridOf(letter).empty()) << int(letter);
}

TEST(DrawGrid, SetsThePenRedAndInheritsStyleAndWidth) {
    RecordingCanvas c;
    c.pen = {colors::Blue, 2, PenStyle::Dash};
    DrawGrid(c, ViewAt(0, 0), 'H');
    ASSERT_EQ(c.ops.size(), 9u);
    for (const CanvasOp& op : c.ops) {
        EXPECT_EQ(op.pen.color, colors::Red);
        EXPECT_EQ(op.pen.width, 2);
        EXPECT_EQ(op.pen.style, PenStyle::Dash);
    }
}

TEST(DrawGrid, DoesNotFollowTheCentre) {
    EXPECT_EQ(gridOf('O'), gridOf('O', ViewAt(210, -56)));
}

TEST(DrawFrame, TracesTheOutermostPixelsInBlackSolid) {
    RecordingCanvas c;
    c.pen = {colors::Red, 1, PenStyle::Dot};
    DrawFrame(c, ViewAt(30, 56));
    const std::vector<Segment> expected{
        {0, 0, 449, 0}, {449, 0, 449, 449}, {449, 449, 0, 449}, {0, 449, 0, 0}};
    EXPECT_EQ(segments(c), expected);
    for (const CanvasOp& op : c.ops) {
        EXPECT_EQ(op.pen.color, colors::Black);
        EXPECT_EQ(op.pen.style, PenStyle::Solid);
    }
    EXPECT_EQ(c.ops.size(), 4u);
}
