#pragma once
#include <cmath>
#include <string>

// Nearest integer, ties to the even neighbour (the rounding every chart layer relies on). A value
// beyond the range of the result, or not a number, raises the range error.
long long Round(double x);

// Round(x) for an x at least `margin` away from any half, so that every value within the margin
// of x rounds alike; false, with nothing rounded, nearer a half or beyond +-1e9. Inline: the
// projection and the radiant outlines call it for every point of a redraw.
inline bool RoundClearOfHalf(double x, double margin, long long& rounded) {
    if (!(std::fabs(x) < 1e9))
        return false;
    // The floor of x + 1/2 by conversion, which is quicker here than the library's rounding.
    const double up = x + 0.5;
    long long whole = static_cast<long long>(up);
    if (up < static_cast<double>(whole))
        --whole;
    const double fraction = up - static_cast<double>(whole);
    if (fraction < margin || fraction > 1 - margin)
        return false;
    rounded = whole;
    return true;
}

// Formats a number with a picture such as "00", "000.0", "+00.0;-00.0" or "+0.00;-0.00;+0.00":
// sections for positive, negative and zero values, '0' a required digit, '#' an optional one,
// '.' the decimal point (always a point), other characters copied. Halves round away from zero.
std::string FormatFloat(const std::string& pattern, double value);
