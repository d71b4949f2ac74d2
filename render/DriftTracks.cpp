#include "geometry/Angles.h"
#include "geometry/Calendar.h"
#include "geometry/Numbers.h"
#include "geometry/Projection.h"
#include "render/Layers.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Sizes of a tick and its labels, in pixels of the surface drawn on.
struct TickSizes {
    int circle;    // half side of the circle's box
    int labelRise; // from the point up to the top of the date label
    int codeDrop;  // from the point down to the top of the code label
};

constexpr TickSizes kScreenTicks{3, 20, 5};

bool isTickDay(int dayOfMonth, int zoom) {
    if (zoom <= 2)
        return dayOfMonth == 1 || dayOfMonth == 15;
    return dayOfMonth == 1 || dayOfMonth == 11 || dayOfMonth == 21;
}

// The unrounded drift of day n, unlike the whole-degree position of the radiant symbol. A
// damaged record's day that is not a number is a day off the chart.
template <typename ProjectFn>
bool projectDay(ProjectFn project, const Radiant& r, int n, int& x, int& y) {
    const int fromMax = n - r.MaxDay;
    const float ra = static_cast<float>(r.RA + static_cast<double>(fromMax) * r.DriftRA);
    const float dec = static_cast<float>(r.Dec + static_cast<double>(fromMax) * r.DriftDec);
    return std::isfinite(ra) && std::isfinite(dec) && project(ra, dec, x, y);
}

// Whether every day of the track lies beyond the visible limit (66.42 degrees from the centre),
// where none is drawn: half a full table of tracks lies there. A day is never farther on the
// sphere from the track's middle than half its spans in right ascension and declination
// together, over a pole too; far from zero a single is too coarse for that, and such a track
// is drawn as it comes.
bool beyondLimit(const ViewState& v, const Radiant& r) {
    const double fromMax[] = {static_cast<double>(r.StartDay - r.MaxDay),
                              static_cast<double>(r.EndDay - r.MaxDay)};
    double ra[2];
    double dec[2];
    for (int k = 0; k < 2; ++k) {
        ra[k] = r.RA + fromMax[k] * r.DriftRA;
        dec[k] = r.Dec + fromMax[k] * r.DriftDec;
        if (!(std::fabs(ra[k]) < 1e4) || !(std::fabs(dec[k]) < 1e4))
            return false;
    }
    const double halfSpan = (std::fabs(ra[1] - ra[0]) + std::fabs(dec[1] - dec[0])) / 2;
    const double delta = (dec[0] + dec[1]) / 2 * kDegToRad;
    const double cosDistance = v.SinCentreDec * std::sin(delta) +
                               v.CosCentreDec * std::cos(delta) *
                                   std::cos((ra[0] + ra[1]) / 2 * kDegToRad - v.CentreRARad);
    const double distance = std::acos(std::clamp(cosDistance, -1.0, 1.0)) * kRadToDeg;
    return distance - halfSpan > 66.5;
}

void drawTick(Canvas& c, const TickSizes& sizes, int x, int y, int day, int month) {
    const std::string label = std::to_string(day) + "-" + std::to_string(month);
    c.Ellipse(x - sizes.circle, y - sizes.circle, x + sizes.circle, y + sizes.circle);
    const int half = static_cast<int>(Round(c.TextWidth(label) * 0.5));
    c.TextOut(x - half, y - sizes.labelRise, label);
}

// One selected radiant: the whole track first, then its marks, so that a tick circle filled
// with the brush hides the track through it. Each day is projected once, for both.
template <typename ProjectFn>
void drawTrack(Canvas& c, const ViewState& v, const Radiant& r, const TickSizes& sizes,
               ProjectFn project) {
    const int s = r.StartDay;
    const int e = r.EndDay;
    if (e < s || beyondLimit(v, r))
        return;
    struct Day {
        bool visible;
        Point at;
    };
    std::vector<Day> days(static_cast<std::size_t>(e - s + 1));
    bool previousVisible = false;
    for (int n = s; n <= e; ++n) {
        Day& d = days[static_cast<std::size_t>(n - s)];
        d.visible = projectDay(project, r, n, d.at.x, d.at.y);
        if (d.visible) {
            if (previousVisible)
                c.LineTo(d.at.x, d.at.y);
            else
                c.MoveTo(d.at.x, d.at.y);
        }
        previousVisible = d.visible;
    }
    for (int n = s; n <= e; ++n) {
        const Day& d = days[static_cast<std::size_t>(n - s)];
        if (!d.visible)
            continue;
        int day = 0;
        int month = 0;
        DayToDate(n, day, month);
        if (n == s || n == e || (isTickDay(day, v.ZoomLevel) && n - s >= 6 && e - n >= 6))
            drawTick(c, sizes, d.at.x, d.at.y, day, month);
        if (n == s)
            c.TextOut(d.at.x, d.at.y + sizes.codeDrop, r.Code);
    }
}

template <typename ProjectFn>
void drawSelectedTracks(Canvas& c, const ViewState& v, const RadiantTable& t,
                        const std::vector<bool>& selected, const TickSizes& sizes,
                        ProjectFn project) {
    for (std::size_t j = 0; j < selected.size(); ++j)
        if (selected[j])
            drawTrack(c, v, t.at(static_cast<int>(j)), sizes, project);
}

} // namespace

void DrawDriftTracks(Canvas& c, const ViewState& v, const RadiantTable& t,
                     const std::vector<bool>& selected) {
    // Pen style and width and the font size are those the layers before left.
    c.pen.color = colors::Green;
    c.font.face = "MS Sans Serif";
    c.font.color = colors::Green;
    c.font.bold = false;
    drawSelectedTracks(
        c, v, t, selected, kScreenTicks,
        [&v](double ra, double dec, int& x, int& y) { return Project(v, ra, dec, x, y); });
}

void DrawDriftTracksPrint(Canvas& c, const ViewState& v, const RadiantTable& t,
                          const std::vector<bool>& selected) {
    c.pen = Pen{colors::Black, 1, PenStyle::Solid};
    c.brush = colors::White;
    c.font.color = colors::Black;
    c.font.size = 8;
    c.font.bold = false;
    // Sizes in layout units of the paper, never the screen's pixels.
    const int u = static_cast<int>(Round(v.PrintUnit));
    drawSelectedTracks(
        c, v, t, selected, TickSizes{u, 5 * u, u},
        [&v](double ra, double dec, int& x, int& y) { return ProjectPrint(v, ra, dec, x, y); });
}
