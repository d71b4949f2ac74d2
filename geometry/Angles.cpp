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
    return std::sin(x) / std::cos(x);
}
