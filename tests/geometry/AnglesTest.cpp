#include "geometry/Angles.h"
#include "sky/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ArcSine, ExactEndsAndKnownValues) {
    EXPECT_EQ(ArcSine(1.0L), 1.5707963267948966L);
    // -1 gives 3pi/2, not -pi/2: same sine and cosine, another angle.
    EXPECT_EQ(ArcSine(-1.0L), 4.71238898038469L);
    EXPECT_NEAR(static_cast<double>(ArcSine(0.5L)), kPi / 6, 1e-15);
    EXPECT_NEAR(static_cast<double>(ArcSine(-0.5L)), -kPi / 6, 1e-15);
    EXPECT_EQ(ArcSine(0.0L), 0.0L);
    EXPECT_NEAR(static_cast<double>(ArcSine(0.9999999L)), kPi / 2, 1e-3);
}

TEST(ArcSine, OutsideTheUnitRangeIsAnInvalidOperation) {
    for (long double x : {1.0000001L, -1.0000001L, 2.0L, -7.0L})
        EXPECT_THROW(ArcSine(x), InvalidFloatError) << static_cast<double>(x);
}

TEST(Tangent, QuarterTurns) {
    EXPECT_NEAR(static_cast<double>(Tangent(kPi / 4)), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(Tangent(-kPi / 4)), -1.0, 1e-15);
    EXPECT_EQ(Tangent(0.0L), 0.0L);
}

TEST(Tangent, ExtendedPrecisionUpToTheRightAngleItself) {
    // The long double nearest pi/2 and its neighbours: no division by zero, and the library's
    // tangent to within a few units in the last place of an extended.
    long double x = 1.5707963267948966192313216916397514L;
    for (int i = 0; i < 20; ++i)
        x = std::nextafter(x, 0.0L);
    for (int i = 0; i < 40; ++i, x = std::nextafter(x, 2.0L)) {
        const long double expected = std::tan(x);
        EXPECT_NEAR(static_cast<double>(Tangent(x) / expected - 1), 0.0, 1e-18) << i;
        EXPECT_NEAR(static_cast<double>(Tangent(-x) / -expected - 1), 0.0, 1e-18) << i;
    }
    for (long double y : {1.5707963L, 1.57079632679L, 1.3L, 1.0L})
        EXPECT_NEAR(static_cast<double>(Tangent(y) / std::tan(y) - 1), 0.0, 1e-18)
            << static_cast<double>(y);
}

TEST(Tangent, AgreesWithTheLibraryNearARightAngleOnBothSides) {
    for (long double x : {0.8L, 1.2L, 1.5L, 1.5707L, 1.571L, 2.0L, 2.3L, 3.0L, 5.0L}) {
        for (long double signed_x : {x, -x}) {
            const long double expected = std::tan(signed_x);
            EXPECT_NEAR(static_cast<double>(Tangent(signed_x) / expected), 1.0, 1e-15)
                << static_cast<double>(signed_x);
        }
    }
}
