#pragma once

// Degrees to radians is 1/57.2958 throughout the program, not pi/180: every chart position
// in the data and on paper was computed with it.
constexpr double kDegToRad = 0.017453286279273523;
constexpr double kRadToDeg = 57.2958;
constexpr double kPi = 3.141592653589793;

// Arc sine in extended precision. Exactly 1 gives pi/2, exactly -1 gives 3pi/2 (its sine and
// cosine are those of -pi/2). |x| > 1 raises the invalid floating point operation error.
long double ArcSine(long double x);

// sin(x) / cos(x) in extended precision. No long double has a cosine of exactly zero, so there is
// nothing to guard: at the one nearest a right angle the result is merely very large.
long double Tangent(long double x);
