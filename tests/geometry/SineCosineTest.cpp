#include "geometry/SineCosine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// Every quarter turn, both signs, the edges between quarters, tiny angles and the far
// right ascensions a long drift reaches: within 5e-16 of the library.
TEST(QuickSineCosine, AgreesWithTheLibraryEverywhereTheChartLooks) {
    std::vector<double> angles{0.0, 1e-300, -1e-12, 0.5, 1.0, 3.0, 1e4, -99999.0};
    for (int eighth = -40; eighth <= 40; ++eighth)
        for (double nudge : {-1e-15, 0.0, 1e-15, 0.37})
            angles.push_back(eighth * 0.7853981633974483 + nudge);
    for (double x = -50; x < 50; x += 0.0137)
        angles.push_back(x);
    for (double x : angles) {
        const SineCosine sc = QuickSineCosine(x);
        EXPECT_NEAR(sc.sin, std::sin(x), 5e-16) << x;
        EXPECT_NEAR(sc.cos, std::cos(x), 5e-16) << x;
    }
    // Beyond its range, and for what is not a number, the library's own.
    for (double x : {2e5, -1e300, std::numeric_limits<double>::quiet_NaN()}) {
        const SineCosine sc = QuickSineCosine(x);
        EXPECT_EQ(std::isnan(sc.sin), std::isnan(std::sin(x)));
        if (!std::isnan(sc.sin)) {
            EXPECT_EQ(sc.sin, std::sin(x));
            EXPECT_EQ(sc.cos, std::cos(x));
        }
    }
}
