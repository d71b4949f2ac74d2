#pragma once
// Sine and cosine together, quickly: the library's pair sets and restores the rounding mode on
// every call, which made it most of the cost of a projection. Within 5e-16 of the exact values
// for |x| below 1e5; beyond that (and for what is not a number) the library's own.
struct SineCosine {
    double sin;
    double cos;
};

SineCosine QuickSineCosine(double x);
