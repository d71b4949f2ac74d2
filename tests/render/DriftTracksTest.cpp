#include "geometry/Projection.h"
#include "render/Layers.h"

#include "LayerFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using fixtures::radiant;
using fixtures::radiants;
using fixtures::Segment;
using fixtures::segments;

namespace {

using Labels = std::vector<std::string>;

// A radiant that stays at the centre of chart (0, 0) through its whole period.
Radiant still(const std::string& code, int startDay, int endDay) {
    return radiant(code, startDay, endDay, startDay + (endDay - startDay) / 2, 0, 0);
}

RecordingCanvas tracks(const std::vector<Radiant>& records, std::vector<bool> selected,
                       int zoom = 1) {
    RecordingCanvas c;
    DrawDriftTracks(c, ViewAt(0, 0, zoom), radiants(records), selected);
    return c;
}

// The date labels of the ticks, leaving out the code labels.
Labels tickLabels(const RecordingCanvas& c) {
    Labels out;
    for (const std::string& t : fixtures::texts(c))
        if (t.find('-') != std::string::npos)
            out.push_back(t);
    return out;
}

Labels ticksOf(int startDay, int endDay, int zoom = 1) {
    const RecordingCanvas c = tracks({still("PER", startDay, endDay)}, {true}, zoom);
    EXPECT_EQ(c.of(CanvasOp::Ellipse).size(), tickLabels(c).size());
    return tickLabels(c);
}

} // namespace

TEST(DrawDriftTracks, TicksAtTheEndsAndOnCalendarDaysAwayFromThem) {
    // Ten days from 10 August: 15 August is only 5 days from the start.
    EXPECT_EQ(ticksOf(222, 231), (Labels{"10-8", "19-8"}));
    // Forty days from 20 July to 28 August.
    EXPECT_EQ(ticksOf(201, 240, 1), (Labels{"20-7", "1-8", "15-8", "28-8"}));
    EXPECT_EQ(ticksOf(201, 240, 2), (Labels{"20-7", "1-8", "15-8", "28-8"}));
    EXPECT_EQ(ticksOf(201, 240, 3), (Labels{"20-7", "1-8", "11-8", "21-8", "28-8"}));
    // Six days from either end is far enough: 26 July to 21 August.
    EXPECT_EQ(ticksOf(207, 233, 1), (Labels{"26-7", "1-8", "15-8", "21-8"}));
    // Across the year end day 366 is 1 January.
    EXPECT_EQ(ticksOf(350, 380, 1), (Labels{"16-12", "1-1", "15-1"}));
}

TEST(DrawDriftTracks, OneDayPeriodIsOneTickAndTheCode) {
    const RecordingCanvas c = tracks({still("PER", 224, 224)}, {true});
    EXPECT_TRUE(c.of(CanvasOp::Line).empty());
    EXPECT_EQ(c.of(CanvasOp::Ellipse).size(), 1u);
    EXPECT_EQ(fixtures::texts(c), (Labels{"12-8", "PER"}));
}

TEST(DrawDriftTracks, EndBeforeStartDrawsNothing) {
    Radiant r = still("PER", 224, 230);
    r.EndDay = 220;
    EXPECT_TRUE(tracks({r}, {true}).ops.empty());
}

TEST(DrawDriftTracks, OnlySelectedLinesAreDrawn) {
    const std::vector<Radiant> records{still("AAA", 224, 224), still("BBB", 224, 224),
                                       still("CCC", 224, 224)};
    EXPECT_EQ(fixtures::texts(tracks(records, {false, true, false})), (Labels{"12-8", "BBB"}));
    EXPECT_EQ(fixtures::texts(tracks(records, {true, false, true})),
              (Labels{"12-8", "AAA", "12-8", "CCC"}));
    EXPECT_TRUE(tracks(records, {false, false, false}).ops.empty());
    EXPECT_TRUE(tracks(records, {}).ops.empty());
}

TEST(DrawDriftTracks, TickAndLabelPlacesInGreen) {
    RecordingCanvas c;
    // Size 7 is 5 pixels a character: "1-8" is 15 wide, half Round(7.5) = 8; "31-12" is 25
    // wide, half Round(12.5) = 12.
    c.font = {"Arial", 7, true, colors::Black};
    c.brush = colors::White;
    DrawDriftTracks(c, ViewAt(0, 0), radiants({still("AB ", 213, 213), still("C7", 365, 365)}),
                    {true, true});
    ASSERT_EQ(c.ops.size(), 6u);
    const auto at = [&c](std::size_t i) { return std::pair{c.ops[i].x1, c.ops[i].y1}; };
    EXPECT_EQ(c.ops[0].kind, CanvasOp::Ellipse);
    EXPECT_EQ(c.ops[0].x2, 228);
    EXPECT_EQ(c.ops[0].y2, 228);
    EXPECT_EQ(at(0), std::pair(222, 222));
    EXPECT_EQ(c.ops[1].text, "1-8");
    EXPECT_EQ(at(1), std::pair(225 - 8, 225 - 20));
    EXPECT_EQ(c.ops[2].text, "AB ");
    EXPECT_EQ(at(2), std::pair(225, 225 + 5));
    EXPECT_EQ(c.ops[4].text, "31-12");
    EXPECT_EQ(at(4), std::pair(225 - 12, 225 - 20));
    for (const CanvasOp& op : c.ops) {
        EXPECT_EQ(op.pen.color, colors::Green);
        EXPECT_EQ(op.font.face, "MS Sans Serif");
        EXPECT_EQ(op.font.color, colors::Green);
        EXPECT_FALSE(op.font.bold);
        EXPECT_EQ(op.font.size, 7);
        EXPECT_EQ(op.brush, colors::White);
    }
}

TEST(DrawDriftTracks, TrackFollowsTheUnroundedDailyDrift) {
    Radiant r = radiant("PER", 220, 224, 220, 0, 0);
    r.DriftRA = 0.4f;
    r.DriftDec = -0.3f;
    const auto lines = segments(tracks({r}, {true}));
    const ViewState v = ViewAt(0, 0);
    std::vector<Segment> expected;
    for (int d = 1; d <= 4; ++d) {
        const Point from = fixtures::projected(v, (d - 1) * 0.4f, (d - 1) * -0.3f);
        const Point to = fixtures::projected(v, d * 0.4f, d * -0.3f);
        expected.push_back({from.x, from.y, to.x, to.y});
    }
    EXPECT_EQ(lines, expected);
}

TEST(DrawDriftTracks, WholeTrackComesBeforeItsMarks) {
    Radiant a = radiant("AAA", 220, 230, 225, 0, 0);
    a.DriftRA = 1;
    Radiant b = radiant("BBB", 220, 230, 225, 0, 10);
    b.DriftRA = 1;
    const RecordingCanvas c = tracks({a, b}, {true, true});
    std::string kinds;
    for (const CanvasOp& op : c.ops)
        kinds += op.kind == CanvasOp::Line ? 'L' : op.kind == CanvasOp::Ellipse ? 'E' : 'T';
    // Ten lines, then start tick with label and code, then end tick with label; twice.
    const std::string one = std::string(10, 'L') + "ETT" + "ET";
    EXPECT_EQ(kinds, one + one);
}

TEST(DrawDriftTracks, DaysOfADamagedRecordAreOffTheChart) {
    Radiant r = still("PER", 220, 224);
    r.DriftRA = std::nanf("");
    EXPECT_TRUE(tracks({r}, {true}).ops.empty());
    r = still("PER", 220, 224);
    r.Dec = HUGE_VALF;
    EXPECT_TRUE(tracks({r}, {true}).ops.empty());
}

TEST(DrawDriftTracks, TrackLeavingTheVisibleSkyIsDrawnInTwoPieces) {
    // From RA 50 by 5 degrees a day to RA 310: days past 66.42 degrees from the centre are not
    // drawn, and no line joins RA 65 to RA 295.
    Radiant r = radiant("PER", 100, 152, 100, 50, 0);
    r.DriftRA = 5;
    const RecordingCanvas c = tracks({r}, {true});
    const auto lines = segments(c);
    EXPECT_EQ(lines.size(), 6u);
    for (const Segment& s : lines)
        EXPECT_LT(std::abs(s.x2 - s.x1), 100) << s;
    // Ticks only where the track is visible: its start and end.
    EXPECT_EQ(tickLabels(c), (Labels{"10-4", "1-6"}));
}

// A track is left out unprojected only when none of its days lies within the visible limit:
// tracks near it, long ones, ones running over a pole and a damaged one are drawn.
TEST(DrawDriftTracks, OnlyTracksWhollyBeyondTheVisibleLimitAreLeftOut) {
    int leftOut = 0;
    int drawn = 0;
    const auto check = [&](const ViewState& v, const Radiant& r) {
        bool someDayVisible = false;
        for (int n = r.StartDay; n <= r.EndDay; ++n) {
            const int fromMax = n - r.MaxDay;
            int x = 0;
            int y = 0;
            someDayVisible |=
                Project(v, static_cast<float>(r.RA + fromMax * double{r.DriftRA}),
                        static_cast<float>(r.Dec + fromMax * double{r.DriftDec}), x, y);
        }
        RecordingCanvas c;
        DrawDriftTracks(c, v, radiants({r}), {true});
        ++(c.ops.empty() ? leftOut : drawn);
        return c.ops.empty() == !someDayVisible;
    };
    for (int centreDec : {-90, -35, 0, 60})
        for (float ra = 0; ra < 360; ra += 23.9f)
            for (float dec = -85; dec <= 85; dec += 18.9f)
                for (float drift : {0.0f, 1.35f, -4.5f, 40.0f}) {
                    Radiant r = radiant("PER", 200, 240, 220, ra, dec);
                    r.DriftRA = drift;
                    r.DriftDec = drift / 4;
                    ASSERT_TRUE(check(ViewAt(30, centreDec), r))
                        << "view dec " << centreDec << ", radiant " << ra << " " << dec
                        << ", drift " << drift;
                }
    EXPECT_GT(leftOut, 300);
    EXPECT_GT(drawn, 300);
    // At RA 1e8 the radiant lies just beyond the limit of this view; a day later the single
    // rounds its 4.1 degrees of drift on to 8, within it.
    Radiant damaged = radiant("PER", 220, 221, 220, 1e8f, 0);
    damaged.DriftRA = 4.1f;
    EXPECT_TRUE(check(ViewAt(315, 0), damaged));
}
