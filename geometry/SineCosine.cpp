#include "geometry/SineCosine.h"

#include <cmath>

namespace {

// The angle's remainder within a quarter turn of its nearest multiple of pi/2: the multiple
// times a leading part of pi/2 short enough to multiply exactly, then the rest of pi/2.
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kHalfPiLead = 1.57079632673412561417e+00;
constexpr double kHalfPiRest = 6.07710050650619224932e-11;
// Adding and taking away 1.5 * 2^52 rounds to the nearest integer in the default rounding.
constexpr double kRoundingShift = 6755399441055744.0;

// Minimax polynomials for |r| <= pi/4, each within 2^-58 of the function.
double sineNear(double r) {
    const double z = r * r;
    const double poly =
        -1.66666666666666324348e-01 +
        z * (8.33333333332248946124e-03 +
             z * (-1.98412698298579493134e-04 +
                  z * (2.75573137070700676789e-06 +
                       z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10))));
    return r + r * z * poly;
}

double cosineNear(double r) {
    const double z = r * r;
    const double poly =
        4.16666666666666019037e-02 +
        z * (-1.38888888888741095749e-03 +
             z * (2.48015872894767294178e-05 +
                  z * (-2.75573143513906633035e-07 +
                       z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11))));
    return 1.0 - (0.5 * z - z * z * poly);
}

} // namespace

SineCosine QuickSineCosine(double x) {
    if (!(std::fabs(x) < 1e5))
        return {std::sin(x), std::cos(x)};
    const double quarters = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
    const double r = (x - quarters * kHalfPiLead) - quarters * kHalfPiRest;
    const double s = sineNear(r);
    const double c = cosineNear(r);
    switch (static_cast<long long>(quarters) & 3) {
    case 0:
        return {s, c};
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    default:
        return {-c, s};
    }
}
