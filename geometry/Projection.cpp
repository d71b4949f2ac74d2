#include "geometry/Projection.h"

#include "geometry/Angles.h"
#include "geometry/Numbers.h"

#include <cmath>

namespace {

constexpr double kPlaneScale = 160.43;
constexpr double kOneSeventieth = 0.014285714285714285;

struct Plane {
    double xi;
    double eta;
};

// Steps shared by screen and paper: the tangent-plane coordinates, or false beyond the limit.
bool toPlane(const ViewState& v, double ra, double dec, Plane& p) {
    const double alpha = ra * kDegToRad;
    const double delta = dec * kDegToRad;
    const double cosDelta = std::cos(delta);
    const double sinDelta = std::sin(delta);
    const double dAlpha = alpha - v.CentreRARad;
    const double a = std::sin(dAlpha) * cosDelta;
    const double b = std::cos(dAlpha) * cosDelta;
    const double sinC = v.SinCentreDec;
    const double cosC = v.CosCentreDec;
    const double d = sinC * sinDelta + cosC * b;
    // Written so that a damaged (not a number) position is never visible.
    if (!(d >= 0.4))
        return false;
    p.xi = -a / d;
    p.eta = (cosC * sinDelta - sinC * b) / d;
    return true;
}

} // namespace

bool Project(const ViewState& v, double ra, double dec, int& x, int& y) {
    Plane p;
    if (!toPlane(v, ra, dec, p))
        return false;
    const double scale = v.ScreenScale * kOneSeventieth;
    x = static_cast<int>(Round((kPlaneScale * p.xi + v.X0) * scale));
    y = v.ChartSize - static_cast<int>(Round((kPlaneScale * p.eta + v.Y0) * scale));
    return true;
}

bool ProjectPrint(const ViewState& v, double ra, double dec, int& x, int& y) {
    Plane p;
    if (!toPlane(v, ra, dec, p))
        return false;
    const double scale = v.PrintScale * kOneSeventieth;
    const long long cx = Round((kPlaneScale * p.xi + v.X0) * scale);
    const long long cy = 5000 - Round((kPlaneScale * p.eta + v.Y0) * scale);
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
