#pragma once
#include <string>

// Nearest integer, ties to the even neighbour (the rounding every chart layer relies on). A value
// beyond the range of the result, or not a number, raises the range error.
long long Round(double x);

// Formats a number with a picture such as "00", "000.0", "+00.0;-00.0" or "+0.00;-0.00;+0.00":
// sections for positive, negative and zero values, '0' a required digit, '#' an optional one,
// '.' the decimal point (always a point), other characters copied. Halves round away from zero.
std::string FormatFloat(const std::string& pattern, double value);
