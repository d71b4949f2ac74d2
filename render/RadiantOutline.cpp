#include "render/RadiantOutline.h"

#include "geometry/Angles.h"
#include "geometry/Numbers.h"
#include "geometry/Projection.h"
#include "geometry/SineCosine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

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

// The single nearest to ArcSine(x) * scale. The double arc sine is within a few parts in 1e16
// of it, the extended one closer still, so both round to the same single unless the value lies
// next to a halfway point between two singles: only there is the extended one worked out.
float arcSineSingle(double x, double scale) {
    if (std::fabs(x) < 1.0) {
        const double d = std::asin(x) * scale;
        const float f = static_cast<float>(d);
        const float beyond =
            std::nextafter(f, d > wide(f) ? std::numeric_limits<float>::infinity()
                                          : -std::numeric_limits<float>::infinity());
        const double halfway = (wide(f) + wide(beyond)) / 2;
        if (std::fabs(d - halfway) > 1e-12 * std::fabs(d))
            return f;
    }
    return static_cast<float>(arcSineClamped(x) * scale);
}

// An outline point on the sky as the chart's arithmetic places it, singles and all.
struct SkyPosition {
    double ra;
    double dec;
};

SkyPosition carefulPoint(const OutlinePoint& p, float ra, double sinPD, double cosPD) {
    const float s = static_cast<float>(p.sinA * cosPD - p.cosA * sinPD * p.sinTheta);
    const float q = static_cast<float>(Tangent(wide(p.bigA)) * sinPD + p.sinTheta * cosPD);
    const float pointDec = arcSineSingle(wide(s), kRadToDeg);
    const double towards = p.east ? wide(p.cosTheta) : -wide(p.cosTheta);
    const float offset = static_cast<float>(std::atan(towards / wide(q)) * kRadToDeg);
    return {wide(ra) + wide(offset), wide(pointDec)};
}

// What the quick screen points share: the view's and the radiant's sines and cosines, and how
// far a pixel coordinate must lie from a half for the quick one to round as the careful one.
// The quick point skips the rounding of its declination and offset to singles (at most half a
// single's step, 6.7e-8 radians each, 3e-8 more for the offset's quotient): on the tangent
// plane, stretched at most 1 / 0.4^2 times within the visible limit, under 7.5e-7; the margin
// holds 2e-6.
struct ScreenFrame {
    double sinC;
    double cosC;
    double x0;
    double y0;
    double scale;
    double margin;
    double sinPD;
    double cosPD;
    double sinR; // of the radiant's right ascension from the centre's
    double cosR;
};

enum class Quick { Visible, Hidden, Unsure };

// Rounds a point's two plane coordinates, scaled, to the pixel the careful projection gives.
Quick toPixel(const ScreenFrame& f, double xi, double eta, int chartSize, int& x, int& y) {
    long long px = 0;
    long long py = 0;
    if (!RoundClearOfHalf((kPlaneScale * xi + f.x0) * f.scale, f.margin, px) ||
        !RoundClearOfHalf((kPlaneScale * eta + f.y0) * f.scale, f.margin, py))
        return Quick::Unsure;
    x = static_cast<int>(px);
    y = chartSize - static_cast<int>(py);
    return Quick::Visible;
}

// Which side of the visible limit a point lies on, Unsure within a hair of it.
Quick limitSide(double d) {
    if (std::fabs(d - 0.4) < 1e-6)
        return Quick::Unsure;
    return d < 0.4 ? Quick::Hidden : Quick::Visible;
}

// The careful projection's answer for a point, by arithmetic on the sines and cosines of the
// radiant and the view; Unsure where that cannot be told apart from the careful one's.
Quick quickPoint(const ScreenFrame& f, const OutlinePoint& p, int chartSize, int& x, int& y) {
    const float s = static_cast<float>(p.sinA * f.cosPD - p.cosA * f.sinPD * p.sinTheta);
    if (!(std::fabs(s) < 1.0f))
        return Quick::Unsure;
    const double sinDec = wide(s);
    const double cosDec = std::sqrt(1.0 - sinDec * sinDec);
    const double across = p.tanA * f.sinPD;
    const double along = p.sinTheta * f.cosPD;
    const double q = across + along;
    // Where q nearly cancels, its sign, and so the side of the offset, is not sure.
    if (!(std::fabs(q) > 1e-6 * (std::fabs(across) + std::fabs(along))))
        return Quick::Unsure;
    // The offset is the arc tangent of towards / q, within a right angle either side.
    const double towards = p.east ? wide(p.cosTheta) : -wide(p.cosTheta);
    const double norm = 1.0 / std::sqrt(q * q + towards * towards);
    const double cosOffset = std::fabs(q) * norm;
    const double sinOffset = (q < 0 ? -towards : towards) * norm;
    const double sinAlpha = f.sinR * cosOffset + f.cosR * sinOffset;
    const double cosAlpha = f.cosR * cosOffset - f.sinR * sinOffset;
    const double a = sinAlpha * cosDec;
    const double b = cosAlpha * cosDec;
    const double d = f.sinC * sinDec + f.cosC * b;
    if (limitSide(d) != Quick::Visible)
        return limitSide(d);
    const double perD = 1.0 / d;
    return toPixel(f, -a * perD, (f.cosC * sinDec - f.sinC * b) * perD, chartSize, x, y);
}

// Where the offset's arc tangent keeps to the point's own side of the pole and its declination
// is clear of the poles, the point on the sphere is a sum of the radiant's direction and its
// east and north directions, weighted by what the outline point alone decides; its plane
// coordinates are then three such sums and one quotient. Skipping the single rounding of the
// sine of the declination as well moves the point by under 8e-8 radians more while that sine
// stays within 0.8: under 1.1e-6 on the plane in all, within the margin.
struct LinearFrame {
    double alongPole[3]; // towards the radiant's right ascension on the equator, in the sums
    double d[3];         // the cosine of the distance from the centre
    double xi[3];
    double eta[3];
    double z[3];
};

LinearFrame linearFrame(const ScreenFrame& f) {
    // The radiant, its east and its north, each turned to the centre's right ascension.
    const double radiant[3] = {f.cosR * f.sinPD, f.sinR * f.sinPD, f.cosPD};
    const double east[3] = {-f.sinR, f.cosR, 0};
    const double north[3] = {-f.cosR * f.cosPD, -f.sinR * f.cosPD, f.sinPD};
    LinearFrame l{{f.sinPD, 0, -f.cosPD}, {}, {}, {}, {}};
    const double* basis[3] = {radiant, east, north};
    for (int k = 0; k < 3; ++k) {
        const double* v = basis[k];
        l.d[k] = f.sinC * v[2] + f.cosC * v[0];
        l.xi[k] = -v[1];
        l.eta[k] = f.cosC * v[2] - f.sinC * v[0];
        l.z[k] = v[2];
    }
    return l;
}

double weigh(const double (&row)[3], const OutlinePoint& p) {
    return row[0] * p.sinA + row[1] * p.eastward + row[2] * p.northward;
}

struct Sums {
    double alongPole;
    double clearOfPole; // how far alongPole must be from 0 for its sign to be sure
    double z;
    double d;
    double xi;
    double eta;
};

Sums linearSums(const LinearFrame& l, const OutlinePoint& p) {
    return {weigh(l.alongPole, p),
            1e-6 * (std::fabs(p.sinA * l.alongPole[0]) + std::fabs(p.northward * l.alongPole[2])),
            weigh(l.z, p),
            weigh(l.d, p),
            weigh(l.xi, p),
            weigh(l.eta, p)};
}

Quick linearPoint(const ScreenFrame& f, const Sums& sums, const OutlinePoint& p, int chartSize,
                  int& x, int& y) {
    if (!(sums.alongPole > sums.clearOfPole) || !(std::fabs(sums.z) <= 0.8))
        return quickPoint(f, p, chartSize, x, y);
    if (limitSide(sums.d) != Quick::Visible)
        return limitSide(sums.d);
    const double perD = 1.0 / sums.d;
    return toPixel(f, sums.xi * perD, sums.eta * perD, chartSize, x, y);
}

void lineOrMove(Canvas& c, bool& started, int x, int y) {
    if (started) {
        c.LineTo(x, y);
    } else {
        c.MoveTo(x, y);
        started = true;
    }
}

double tanDegrees(double degrees) {
    return std::tan(degrees * kDegToRad);
}

} // namespace

Outline MakeOutline(int diamRA, int diamDec) {
    constexpr double k = kDegToRad;
    // The turn's cosines and sines are those of every size; a circle's points mostly share
    // their distance from the radiant, and so its sine and cosine.
    static const std::array<SineCosine, 361> turn = [] {
        std::array<SineCosine, 361> out{};
        for (std::size_t i = 0; i < out.size(); ++i) {
            const float t = static_cast<float>(static_cast<double>(i) * k);
            out[i] = {std::sin(wide(t)), std::cos(wide(t))};
        }
        return out;
    }();
    Outline outline;
    outline.points.reserve(361);
    float lastBigA = std::numeric_limits<float>::quiet_NaN();
    double sinA = 0;
    double cosA = 0;
    for (int i = 0; i <= 360; ++i) {
        const SineCosine& at = turn[static_cast<std::size_t>(i)];
        const float a = static_cast<float>(at.cos * diamRA * 0.5);
        const float b = static_cast<float>(at.sin * diamDec * 0.5);
        const float r = static_cast<float>(std::sqrt(wide(a) * wide(a) + wide(b) * wide(b)));
        const double direction = wide(b) / wide(r);
        if (!std::isfinite(direction))
            continue;
        const float theta = arcSineSingle(direction, 1.0);
        const float bigA = static_cast<float>((90.0 - wide(r)) * k);
        if (bigA != lastBigA) {
            sinA = std::sin(wide(bigA));
            cosA = std::cos(wide(bigA));
            lastBigA = bigA;
        }
        const bool east = i <= 90 || i >= 270;
        const double sinTheta = std::sin(wide(theta));
        const float cosTheta = static_cast<float>(std::cos(wide(theta)));
        outline.points.push_back({sinTheta, cosTheta, sinA, cosA, sinA / cosA, bigA, east,
                                  cosA * (east ? wide(cosTheta) : -wide(cosTheta)),
                                  -cosA * sinTheta});
        outline.radius = std::max(outline.radius, r);
    }
    return outline;
}

const Outline& OutlineSizes::of(int diamRA, int diamDec) {
    const auto key = std::make_pair(diamRA, diamDec);
    auto found = sizes_.find(key);
    if (found == sizes_.end())
        found = sizes_.emplace(key, MakeOutline(diamRA, diamDec)).first;
    return found->second;
}

void TraceOutline(Canvas& c, const ViewState& v, ProjectionFn project, float ra, float dec,
                  const Outline& outline, int x, int y) {
    const float pd = static_cast<float>((90.0 - wide(dec)) * kDegToRad);
    const double sinPD = std::sin(wide(pd));
    const double cosPD = std::cos(wide(pd));
    bool started = false;
    for (const OutlinePoint& p : outline.points) {
        const SkyPosition at = carefulPoint(p, ra, sinPD, cosPD);
        project(v, at.ra, at.dec, x, y);
        lineOrMove(c, started, x, y);
    }
}

void TraceOutlineOnScreen(Canvas& c, const ViewState& v, float ra, float dec,
                          const Outline& outline, int x, int y) {
    const float pd = static_cast<float>((90.0 - wide(dec)) * kDegToRad);
    const double fromCentre = wide(ra) * kDegToRad - v.CentreRARad;
    const double scale = v.ScreenScale / 70.0;
    const ScreenFrame f{v.SinCentreDec,
                        v.CosCentreDec,
                        v.X0,
                        v.Y0,
                        scale,
                        2e-6 * kPlaneScale * scale,
                        std::sin(wide(pd)),
                        std::cos(wide(pd)),
                        std::sin(fromCentre),
                        std::cos(fromCentre)};
    // All points first, then the lines: the points do not wait for each other.
    struct Pixel {
        Quick kind;
        Point at;
    };
    std::array<Pixel, 361> pixels;
    const std::size_t count = std::min(outline.points.size(), pixels.size());
    // The sums of every point first, with nothing to wait for between them.
    const LinearFrame l = linearFrame(f);
    std::array<Sums, 361> sums;
    for (std::size_t i = 0; i < count; ++i)
        sums[i] = linearSums(l, outline.points[i]);
    for (std::size_t i = 0; i < count; ++i)
        pixels[i].kind =
            linearPoint(f, sums[i], outline.points[i], v.ChartSize, pixels[i].at.x, pixels[i].at.y);
    bool started = false;
    for (std::size_t i = 0; i < count; ++i) {
        if (pixels[i].kind == Quick::Visible) {
            x = pixels[i].at.x;
            y = pixels[i].at.y;
        } else if (pixels[i].kind == Quick::Unsure) {
            const SkyPosition at = carefulPoint(outline.points[i], ra, f.sinPD, f.cosPD);
            Project(v, at.ra, at.dec, x, y);
        }
        lineOrMove(c, started, x, y);
    }
}

bool OutlineMayReachChart(const ViewState& v, float ra, float dec, const Outline& outline, int x,
                          int y, int label) {
    // Every point lies its radius away from the radiant, unless the outline reaches over a
    // pole, where its offsets in right ascension turn through the pole: then within three. A
    // drift carried past a pole, or a large outline, is always drawn.
    const double radius = wide(outline.radius) + 0.01;
    if (radius > 10 || std::fabs(wide(dec)) > 90)
        return true;
    const double reach = std::fabs(wide(dec)) + radius < 89.9 ? radius : 3 * radius + 0.2;
    const double delta = wide(dec) * kDegToRad;
    const double cosDistance =
        v.SinCentreDec * std::sin(delta) +
        v.CosCentreDec * std::cos(delta) * std::cos(wide(ra) * kDegToRad - v.CentreRARad);
    const double distance = std::acos(std::clamp(cosDistance, -1.0, 1.0)) * kRadToDeg;
    // Points past acos(0.4) = 66.42 degrees are never drawn; an outline reaching there is.
    if (distance + reach >= 66.5)
        return true;
    // The circle of that reach projects to an ellipse whose longest axis runs out from the
    // chart centre through the radiant; its farthest point from the radiant ends that axis.
    const double here = tanDegrees(distance);
    const double across = std::max(tanDegrees(distance + reach) - here,
                                   distance >= reach ? here - tanDegrees(distance - reach)
                                                     : here + tanDegrees(reach - distance));
    const double pixels = across * kPlaneScale * v.ScreenScale / 70.0;
    const int margin = std::max(static_cast<int>(std::ceil(pixels)), label) + 2;
    return x + margin >= 0 && x - margin <= v.ChartSize && y + margin >= 0 &&
           y - margin <= v.ChartSize;
}
