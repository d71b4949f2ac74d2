#include "render/Layers.h"

#include "LayerFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using fixtures::radiant;
using fixtures::radiants;
using fixtures::Segment;
using fixtures::segments;
using fixtures::texts;

namespace {

RecordingCanvas drawnOn(int date, const std::vector<Radiant>& records, bool imo = true,
                        bool terentjeva = true) {
    RecordingCanvas c;
    DrawRadiants(c, ViewAt(0, 0), radiants(records), date, imo, terentjeva);
    return c;
}

RecordingCanvas symbol(float ra, float dec, const std::string& code, int diamRA, int diamDec,
                       const ViewState& v = ViewAt(0, 0)) {
    RecordingCanvas c;
    DrawRadiantSymbol(c, v, ra, dec, code, diamRA, diamDec);
    return c;
}

// Where the label of a three-letter code centred on (ra, dec) starts, at size 8.
Point labelCornerOf(double ra, double dec) {
    const Point p = fixtures::projected(ViewAt(0, 0), ra, dec);
    return {p.x - 9, p.y - 6};
}

struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -(1 << 20), bottom = -(1 << 20);
};

Extent extentOf(const std::vector<Segment>& lines) {
    Extent e;
    for (const Segment& s : lines) {
        e.left = std::min({e.left, s.x1, s.x2});
        e.right = std::max({e.right, s.x1, s.x2});
        e.top = std::min({e.top, s.y1, s.y2});
        e.bottom = std::max({e.bottom, s.y1, s.y2});
    }
    return e;
}

bool continuous(const std::vector<Segment>& lines) {
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i].x1 != lines[i - 1].x2 || lines[i].y1 != lines[i - 1].y2)
            return false;
    return true;
}

} // namespace

TEST(DrawRadiants, ActivityAcrossTheYearEnd) {
    const Radiant r = radiant("QUA", 355, 375, 365, 0, 0);
    EXPECT_EQ(texts(drawnOn(365, {r})), std::vector<std::string>{"QUA"}); // 31 December
    EXPECT_EQ(texts(drawnOn(5, {r})), std::vector<std::string>{"QUA"});   // 5 January, day 370
    EXPECT_TRUE(drawnOn(15, {r}).ops.empty());                            // day 380
    EXPECT_TRUE(drawnOn(354, {r}).ops.empty());                           // day 719
}

TEST(DrawRadiants, PeriodWithinTheYearIsNeverShifted) {
    const Radiant r = radiant("LYR", 100, 120, 110, 0, 0);
    EXPECT_TRUE(drawnOn(99, {r}).ops.empty());
    EXPECT_FALSE(drawnOn(100, {r}).ops.empty());
    EXPECT_FALSE(drawnOn(120, {r}).ops.empty());
    EXPECT_TRUE(drawnOn(121, {r}).ops.empty());
}

TEST(DrawRadiants, UnflaggedRecordsAreNotDrawn) {
    Radiant r = radiant("LYR", 100, 120, 110, 0, 0);
    r.DrawFlag = 0;
    EXPECT_TRUE(drawnOn(110, {r}).ops.empty());
}

TEST(DrawRadiants, EachListShowsUnderItsOwnToggle) {
    const std::vector<Radiant> records{
        radiant("PER", 100, 120, 110, 0, 0), radiant("T12", 100, 120, 110, 0, 10),
        radiant("000", 100, 120, 110, 10, 0), radiant("p-x", 100, 120, 110, 350, 0)};
    using Codes = std::vector<std::string>;
    EXPECT_EQ(texts(drawnOn(110, records, true, false)), Codes{"PER"});
    EXPECT_EQ(texts(drawnOn(110, records, false, true)), (Codes{"T12", "000"}));
    EXPECT_EQ(texts(drawnOn(110, records, true, true)), (Codes{"PER", "T12", "000"}));
}

TEST(DrawRadiants, DriftMovesTheSymbolInWholeDegreesRoundedToEven) {
    struct Case {
        float driftRA;
        float driftDec;
        int daysFromMax;
        double expectedRA;
        double expectedDec;
    };
    const Case cases[] = {
        {0.7f, 0, 2, 21, 0},    // 1.4 -> 1
        {1.3f, 0, 2, 23, 0},    // 2.6 -> 3
        {0.5f, 0, 5, 22, 0},    // 2.5 -> 2
        {0.5f, 0, 3, 22, 0},    // 1.5 -> 2
        {0.5f, 0, -5, 18, 0},   // -2.5 -> -2
        {0, -0.25f, 2, 20, 0},  // -0.5 -> 0
        {0, -0.75f, 2, 20, -2}, // -1.5 -> -2
        {0, 0, 0, 20, 0},
    };
    for (const Case& k : cases) {
        Radiant r = radiant("GEM", 200, 240, 220, 20, 0);
        r.DriftRA = k.driftRA;
        r.DriftDec = k.driftDec;
        const auto ops = drawnOn(220 + k.daysFromMax, {r}).of(CanvasOp::Text);
        ASSERT_EQ(ops.size(), 1u);
        const Point corner = labelCornerOf(k.expectedRA, k.expectedDec);
        EXPECT_EQ(ops[0].x1, corner.x) << k.driftRA << " " << k.daysFromMax;
        EXPECT_EQ(ops[0].y1, corner.y) << k.driftDec << " " << k.daysFromMax;
    }
}

TEST(DrawRadiantSymbol, LabelIsCentredByItsWidthWithoutBlanks) {
    const auto labelOf = [](const std::string& code) {
        return symbol(0, 0, code, 10, 10).of(CanvasOp::Text).at(0);
    };
    // Three characters of 6 pixels and a height of 12 at size 8.
    for (const std::string code : {"PER", "PER ", " PER"}) {
        const CanvasOp label = labelOf(code);
        EXPECT_EQ(label.text, code);
        EXPECT_EQ(label.x1, 225 - 9) << "'" << code << "'";
        EXPECT_EQ(label.y1, 225 - 6);
    }
    EXPECT_EQ(labelOf("A1").x1, 225 - 6);
}

TEST(DrawRadiantSymbol, SetsFontAndPenAndInheritsTheRest) {
    RecordingCanvas c;
    c.font = {"MS Sans Serif", 7, false, colors::Blue};
    c.pen = {colors::Red, 3, PenStyle::Dot};
    c.brush = colors::White;
    DrawRadiantSymbol(c, ViewAt(0, 0), 0, 0, "PER", 10, 10);
    ASSERT_FALSE(c.ops.empty());
    for (const CanvasOp& op : c.ops) {
        EXPECT_EQ(op.font.face, "Arial");
        EXPECT_EQ(op.font.size, 8);
        EXPECT_TRUE(op.font.bold);
        EXPECT_EQ(op.font.color, colors::Black);
        EXPECT_EQ(op.pen.color, colors::Black);
        EXPECT_EQ(op.pen.width, 1);
        EXPECT_EQ(op.pen.style, PenStyle::Dot);
        EXPECT_EQ(op.brush, colors::White);
    }
}

TEST(DrawRadiantSymbol, CentreBeyondTheLimitDrawsNothingButSetsTheFont) {
    RecordingCanvas c;
    c.font = {"MS Sans Serif", 7, false, colors::Green};
    DrawRadiantSymbol(c, ViewAt(0, 0), 180, 0, "PER", 10, 10);
    EXPECT_TRUE(c.ops.empty());
    EXPECT_EQ(c.font.face, "Arial");
    EXPECT_EQ(c.font.size, 8);
    EXPECT_TRUE(c.font.bold);
}

TEST(DrawRadiantSymbol, OutlineIsAClosedPolylineOf361Points) {
    const auto lines = segments(symbol(0, 0, "PER", 10, 10));
    ASSERT_EQ(lines.size(), 360u);
    EXPECT_TRUE(continuous(lines));
    EXPECT_EQ(lines.front().x1, lines.back().x2);
    EXPECT_EQ(lines.front().y1, lines.back().y2);
    // Point 0 lies 5 degrees along right ascension, east of the centre.
    const Point east = fixtures::projected(ViewAt(0, 0), 5, 0);
    EXPECT_EQ(lines.front().x1, east.x);
    EXPECT_EQ(lines.front().y1, east.y);
    // A circle of 5 degrees: tan(5) * 206.267 = 18 pixels each way.
    const Extent e = extentOf(lines);
    EXPECT_EQ(e.left, 225 - 18);
    EXPECT_EQ(e.right, 225 + 18);
    EXPECT_EQ(e.top, 225 - 18);
    EXPECT_EQ(e.bottom, 225 + 18);
}

TEST(DrawRadiantSymbol, OutlineAxesFollowRightAscensionAndDeclination) {
    const Extent wide = extentOf(segments(symbol(0, 0, "PER", 20, 6)));
    EXPECT_EQ(wide.left, 225 - 36);
    EXPECT_EQ(wide.right, 225 + 36);
    EXPECT_EQ(wide.top, 225 - 11);
    EXPECT_EQ(wide.bottom, 225 + 11);

    // A flat outline along right ascension: the points at i = 90 and 270 fall on the centre.
    const auto flat = segments(symbol(0, 0, "PER", 10, 0));
    ASSERT_EQ(flat.size(), 360u);
    const Extent e = extentOf(flat);
    EXPECT_EQ(e.top, 225);
    EXPECT_EQ(e.bottom, 225);
    EXPECT_EQ(e.left, 207);
    EXPECT_EQ(e.right, 243);
}

TEST(DrawRadiantSymbol, ZeroDiameterLeavesOutTheUndefinedPointsAndKeepsTheLabel) {
    // DiamRA 0: point 0 is 0/0 and is left out; the rest trace the flat outline along the
    // declination, starting with a move.
    RecordingCanvas c;
    c.MoveTo(0, 0);
    ASSERT_NO_THROW(DrawRadiantSymbol(c, ViewAt(0, 0), 0, 0, "PER", 0, 10));
    EXPECT_EQ(texts(c), std::vector<std::string>{"PER"});
    const auto lines = segments(c);
    ASSERT_EQ(lines.size(), 359u);
    EXPECT_TRUE(continuous(lines));
    const Extent e = extentOf(lines);
    EXPECT_EQ(e.left, 225);
    EXPECT_EQ(e.right, 225);
    EXPECT_EQ(e.top, 207);
    EXPECT_EQ(e.bottom, 243);

    // Both diameters 0: no point is defined, only the label shows.
    const RecordingCanvas dot = symbol(0, 0, "PER", 0, 0);
    EXPECT_EQ(dot.ops.size(), 1u);
    EXPECT_EQ(texts(dot), std::vector<std::string>{"PER"});
}

TEST(DrawRadiantSymbol, OutlinePointsBeyondTheLimitRepeatThePreviousPoint) {
    // 64 degrees from the centre with a radius of 10: part of the outline lies past 66.42.
    const auto lines = segments(symbol(64, 0, "PER", 20, 20));
    ASSERT_EQ(lines.size(), 360u);
    EXPECT_TRUE(continuous(lines));
    const auto still = std::count_if(lines.begin(), lines.end(),
                                     [](const Segment& s) { return s.x1 == s.x2 && s.y1 == s.y2; });
    EXPECT_GT(still, 10);
    // Nothing is drawn beyond the visible edge, about 472 pixels left of the centre.
    EXPECT_GE(extentOf(lines).left, 225 - 475);
}

TEST(DrawRadiantSymbol, DamagedPositionDrawsNothing) {
    for (float bad : {std::nanf(""), HUGE_VALF, -HUGE_VALF}) {
        EXPECT_TRUE(symbol(bad, 0, "PER", 10, 10).ops.empty());
        EXPECT_TRUE(symbol(0, bad, "PER", 10, 10).ops.empty());
    }
}

TEST(DrawRadiantSymbol, NeverRaisesAnywhereOnTheSky) {
    // Poles and zero diameters are where the arc sine and the quotients meet their limits.
    for (int centreDec : {-90, -56, 0, 56, 90}) {
        const ViewState v = ViewAt(30, centreDec);
        for (int dec = centreDec - 30; dec <= centreDec + 30; dec += 3) {
            for (int diam : {0, 1, 7, 20}) {
                RecordingCanvas c;
                ASSERT_NO_THROW(
                    DrawRadiantSymbol(c, v, 30.5f, static_cast<float>(dec), "PER", diam, 20 - diam))
                    << centreDec << " " << dec << " " << diam;
                for (const Segment& s : segments(c))
                    ASSERT_TRUE(std::abs(s.x2) < 2000 && std::abs(s.y2) < 2000)
                        << centreDec << " " << dec << " " << diam;
            }
        }
    }
}
