#include "geometry/Angles.h"
#include "geometry/Calendar.h"
#include "geometry/Projection.h"
#include "render/Layers.h"

#include <algorithm>
#include <cmath>

namespace {

// The stored values are singles; every expression is evaluated wider, so the float values are
// widened explicitly rather than picking the single-precision overloads of <cmath>.
constexpr double wide(float f) {
    return static_cast<double>(f);
}

// Rounding of the singles could carry b / r or the sine of a point just past +-1, where
// ArcSine raises its error; a redraw must never stop there.
long double arcSineClamped(double x) {
    return ArcSine(std::clamp(x, -1.0, 1.0));
}

// Traces the 361 points of the outline from the position (x, y) the centre projection left.
// An invisible point repeats the previous one, since the projection leaves x and y untouched.
// A point whose direction is not a number (0/0 where both semi-axes vanish, as at i = 0 with
// DiamRA 0) is left out, and the first point drawn is the move. With a finite centre, every
// later value of a point is finite.
template <typename ProjectFn>
void traceOutline(Canvas& c, ProjectFn project, float ra, float dec, int diamRA, int diamDec, int x,
                  int y) {
    constexpr double k = kDegToRad;
    const float pd = static_cast<float>((90.0 - wide(dec)) * k);
    const double sinPD = std::sin(wide(pd));
    const double cosPD = std::cos(wide(pd));
    bool started = false;
    for (int i = 0; i <= 360; ++i) {
        const float t = static_cast<float>(i * k);
        const float a = static_cast<float>(std::cos(wide(t)) * diamRA * 0.5);
        const float b = static_cast<float>(std::sin(wide(t)) * diamDec * 0.5);
        const float r = static_cast<float>(std::sqrt(wide(a) * wide(a) + wide(b) * wide(b)));
        const double direction = wide(b) / wide(r);
        if (!std::isfinite(direction))
            continue;
        const float theta = static_cast<float>(arcSineClamped(direction));
        const float bigA = static_cast<float>((90.0 - wide(r)) * k);
        const double sinTheta = std::sin(wide(theta));
        const float s = static_cast<float>(std::sin(wide(bigA)) * cosPD -
                                           std::cos(wide(bigA)) * sinPD * sinTheta);
        const float q = static_cast<float>(Tangent(wide(bigA)) * sinPD + sinTheta * cosPD);
        const float cosTheta = static_cast<float>(std::cos(wide(theta)));
        const float pointDec = static_cast<float>(arcSineClamped(wide(s)) * kRadToDeg);
        const double towards = i <= 90 || i >= 270 ? wide(cosTheta) : -wide(cosTheta);
        const float offset = static_cast<float>(std::atan(towards / wide(q)) * kRadToDeg);
        project(wide(ra) + wide(offset), wide(pointDec), x, y);
        if (started) {
            c.LineTo(x, y);
        } else {
            c.MoveTo(x, y);
            started = true;
        }
    }
}

bool listShown(const Radiant& r, bool showImo, bool showTerentjeva) {
    switch (KindOf(r)) {
    case RadiantKind::Imo:
        return showImo;
    case RadiantKind::Terentjeva:
        return showTerentjeva;
    case RadiantKind::None:
        break;
    }
    return false;
}

// The radiants of the shown lists active on the date, each at its position for the date.
template <typename SymbolFn>
void forEachShownRadiant(const RadiantTable& t, int radiantDate, bool showImo, bool showTerentjeva,
                         SymbolFn symbol) {
    for (int i = 0; i <= t.RadiantCount(); ++i) {
        const Radiant& r = t.at(i);
        int activeDay = 0;
        if (!IsActive(r, radiantDate, activeDay) || !listShown(r, showImo, showTerentjeva))
            continue;
        symbol(r, PositionAt(r, activeDay));
    }
}

// The label centred on the radiant and the outline around it, once the surface's attributes
// are set. A position that is not a number (a damaged record) has no place on the chart.
template <typename ProjectFn>
void drawSymbol(Canvas& c, ProjectFn project, float ra, float dec, const std::string& code,
                int diamRA, int diamDec) {
    int x = 0;
    int y = 0;
    if (!std::isfinite(ra) || !std::isfinite(dec) || !project(ra, dec, x, y))
        return;
    const std::string measured = TrimBlanks(code);
    c.TextOut(x - c.TextWidth(measured) / 2, y - c.TextHeight(measured) / 2, code);
    traceOutline(c, project, ra, dec, diamRA, diamDec, x, y);
}

} // namespace

void DrawRadiants(Canvas& c, const ViewState& v, const RadiantTable& t, int radiantDate,
                  bool showImo, bool showTerentjeva) {
    forEachShownRadiant(t, radiantDate, showImo, showTerentjeva,
                        [&](const Radiant& r, RadiantPosition p) {
                            DrawRadiantSymbol(c, v, p.ra, p.dec, r.Code, r.DiamRA, r.DiamDec);
                        });
}

void DrawRadiantsPrint(Canvas& c, const ViewState& v, const RadiantTable& t, int radiantDate,
                       bool showImo, bool showTerentjeva) {
    forEachShownRadiant(t, radiantDate, showImo, showTerentjeva,
                        [&](const Radiant& r, RadiantPosition p) {
                            DrawRadiantSymbolPrint(c, v, p.ra, p.dec, r.Code, r.DiamRA, r.DiamDec);
                        });
}

void DrawRadiantSymbol(Canvas& c, const ViewState& v, float ra, float dec, const std::string& code,
                       int diamRA, int diamDec) {
    // Set before the visibility test: the drift layer inherits this size whenever a radiant
    // came here, shown or not.
    c.font.face = "Arial";
    c.font.size = 8;
    c.font.color = colors::Black;
    c.font.bold = true;
    c.pen.color = colors::Black;
    c.pen.width = 1;
    drawSymbol(
        c,
        [&v](double pra, double pdec, int& px, int& py) { return Project(v, pra, pdec, px, py); },
        ra, dec, code, diamRA, diamDec);
}

void DrawRadiantSymbolPrint(Canvas& c, const ViewState& v, float ra, float dec,
                            const std::string& code, int diamRA, int diamDec) {
    // The size is the one the layers before left: 8 after the zone numbers, 5 after the stars.
    c.font.color = colors::Black;
    c.font.bold = true;
    c.pen = Pen{colors::Black, 1, PenStyle::Solid};
    c.brush = colors::White;
    drawSymbol(
        c,
        [&v](double pra, double pdec, int& px, int& py) {
            return ProjectPrint(v, pra, pdec, px, py);
        },
        ra, dec, code, diamRA, diamDec);
}
