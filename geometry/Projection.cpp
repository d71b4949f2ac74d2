#include "geometry/Projection.h"

#include "geometry/Angles.h"
#include "geometry/Numbers.h"
#include "geometry/SineCosine.h"

#include <cmath>

namespace {

constexpr double kOneSeventieth = 0.014285714285714285;

struct Plane {
    double xi;
    double eta;
    double d; // cosine of the distance from the centre
};

SineCosine librarySineCosine(double x) {
    return {std::sin(x), std::cos(x)};
}

// Steps shared by screen and paper: the tangent-plane coordinates and how far the point lies
// from the centre.
template <typename SineCosineFn>
Plane toPlane(const ViewState& v, double ra, double dec, SineCosineFn sineCosine) {
    const double alpha = ra * kDegToRad;
    const double delta = dec * kDegToRad;
    const SineCosine sd = sineCosine(delta);
    const double cosDelta = sd.cos;
    const double sinDelta = sd.sin;
    const double dAlpha = alpha - v.CentreRARad;
    const SineCosine sa = sineCosine(dAlpha);
    const double a = sa.sin * cosDelta;
    const double b = sa.cos * cosDelta;
    const double sinC = v.SinCentreDec;
    const double cosC = v.CosCentreDec;
    const double d = sinC * sinDelta + cosC * b;
    return {-a / d, (cosC * sinDelta - sinC * b) / d, d};
}

// Written so that a damaged (not a number) position is never visible.
bool visible(const Plane& p) {
    return p.d >= 0.4;
}

// The quick sines are within 5e-16 of the library's, which moves a visible point on the plane
// by under 3e-14 and a pixel coordinate by under 2e-9 on any scale the chart uses. So a quick
// answer stands unless the point lies that near the visible limit or a coordinate that near a
// half, where the library's sines decide.
constexpr double kMargin = 1e-7;

// The two chart coordinates of a point, before the screen or the paper makes pixels of them,
// rounded as Round does; false beyond the visible limit.
bool chartUnits(const ViewState& v, double ra, double dec, double scale, long long& cx,
                long long& cy) {
    const Plane quick = toPlane(v, ra, dec, QuickSineCosine);
    if (!(std::fabs(quick.d - 0.4) < kMargin)) {
        if (!visible(quick))
            return false;
        if (RoundClearOfHalf((kPlaneScale * quick.xi + v.X0) * scale, kMargin, cx) &&
            RoundClearOfHalf((kPlaneScale * quick.eta + v.Y0) * scale, kMargin, cy))
            return true;
    }
    const Plane p = toPlane(v, ra, dec, librarySineCosine);
    if (!visible(p))
        return false;
    cx = Round((kPlaneScale * p.xi + v.X0) * scale);
    cy = Round((kPlaneScale * p.eta + v.Y0) * scale);
    return true;
}

} // namespace

bool Project(const ViewState& v, double ra, double dec, int& x, int& y) {
    long long cx = 0;
    long long cy = 0;
    if (!chartUnits(v, ra, dec, v.ScreenScale * kOneSeventieth, cx, cy))
        return false;
    x = static_cast<int>(cx);
    y = v.ChartSize - static_cast<int>(cy);
    return true;
}

bool ProjectPrint(const ViewState& v, double ra, double dec, int& x, int& y) {
    long long cx = 0;
    long long cy = 0;
    if (!chartUnits(v, ra, dec, v.PrintScale * kOneSeventieth, cx, cy))
        return false;
    cy = 5000 - cy;
    x = static_cast<int>(Round(static_cast<double>(cx) * v.PrintFactor) + v.PrintMargin);
    y = static_cast<int>(Round(static_cast<double>(cy) * v.PrintFactor) + v.PrintMargin);
    return true;
}

SkyPoint Unproject(ViewState& v, int x, int y) {
    const int yUp = v.ChartSize - y;
    v.deriveCentre();
    int poleX = 0;
    int poleY = 0;
    if (v.CentreDecRad < -0.8)
        Project(v, 0, -90, poleX, poleY);
    else if (v.CentreDecRad > 0.8)
        Project(v, 0, 90, poleX, poleY);

    const double xi = (x * 70 / static_cast<double>(v.ScreenScale) - v.X0) * 0.00623;
    const double eta = (yUp * 70 / static_cast<double>(v.ScreenScale) - v.Y0) * 0.00623;
    const double rho = std::sqrt(xi * xi + 1 + eta * eta);
    const double sinC = v.SinCentreDec;
    const double cosC = v.CosCentreDec;
    // With these constants no pixel of the chart, at any zoom and centre, gives a sine of
    // +-1 or beyond, nor a zero Q: the nearest to a pole stays 1.6e-13 inside.
    const double s = (sinC + cosC * eta) / rho;
    const double p = -xi / rho;
    const double q = (cosC - sinC * eta) / rho;

    const double dec = static_cast<double>(ArcSine(s));
    double ra = std::atan(p / q) + v.CentreRARad;
    if ((v.CentreDecRad < -0.8 && y > poleY) || (v.CentreDecRad > 0.8 && y < poleY))
        ra -= kPi;

    SkyPoint out{static_cast<int>(Round(ra * kRadToDeg)), static_cast<int>(Round(dec * kRadToDeg))};
    if (out.ra < 0)
        out.ra += 360;
    if (out.ra > 360)
        out.ra -= 360;
    return out;
}
