#include "geometry/Angles.h"

#include "sky/Errors.h"

#include <cmath>

long double ArcSine(long double x) {
    if (x == 1.0L)
        return 1.5707963267948966L;
    if (x == -1.0L)
        return 4.71238898038469L;
    const long double rest = 1.0L - x * x;
    if (!(rest > 0.0L))
        throw InvalidFloatError();
    return std::atan(x / std::sqrt(rest));
}

long double Tangent(long double x) {
    // Near a right angle the library's extended sine and cosine spend most of their time
    // reducing the argument; the complement keeps it small: tan x = cos y / sin y, y = pi/2 - x.
    constexpr long double kHalfPi = 1.5707963267948966192313216916397514L;
    long double num;
    long double den;
    if (std::fabs(x) > kHalfPi / 2 && std::fabs(x) < kHalfPi * 3 / 2) {
        const long double y = (x > 0 ? kHalfPi : -kHalfPi) - x;
        num = std::cos(y) * (x > 0 ? 1 : -1);
        den = std::sin(y) * (x > 0 ? 1 : -1);
    } else {
        num = std::sin(x);
        den = std::cos(x);
    }
    if (den == 0.0L)
        throw DivisionByZeroError();
    return num / den;
}
