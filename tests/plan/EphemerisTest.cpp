// Positions pinned against published figures: the worked examples of J. Meeus, "Astronomical
// Algorithms" (2nd ed., 1998), and the new Moon of the total solar eclipse of 12 August 2026.
#include "plan/Ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Ephemeris, MoonMatchesMeeusExample47a) {
    // 1992 April 12, 0h TD: alpha 134.688470, delta +13.768368 (apparent, geocentric). A
    // J2000 position would be 0.1 degree off.
    const double jd = 2448724.5;
    EXPECT_DOUBLE_EQ(JulianDay(1992, 4, 12, 0.0), jd);
    const Equatorial moon = MoonPosition(jd);
    EXPECT_NEAR(moon.ra, 134.688470, 0.01);
    EXPECT_NEAR(moon.dec, 13.768368, 0.01);
}

TEST(Ephemeris, MoonsLitFractionMatchesMeeusExample48aAndTheEclipseNewMoon) {
    // Example 48.a, the same instant: k = 0.6786.
    EXPECT_NEAR(MoonIlluminatedFraction(2448724.5), 0.6786, 0.002);
    // New Moon of the eclipse, 2026 August 12 at about 17:37 UT; full Moon 2026 August 28.
    EXPECT_LT(MoonIlluminatedFraction(JulianDay(2026, 8, 12, 17.6)), 0.002);
    EXPECT_GT(MoonIlluminatedFraction(JulianDay(2026, 8, 28, 4.3)), 0.998);
}

TEST(Ephemeris, SunMatchesMeeusExample25b) {
    // 1992 October 13, 0h TD: alpha 13h13m30.749s, delta -7d47m01.74s (VSOP87, apparent).
    // libnova comes within 20 arc seconds; a J2000 position would be 0.1 degree off.
    const Equatorial sun = SunPosition(2448908.5);
    EXPECT_NEAR(sun.ra, (13 + 13 / 60.0 + 30.749 / 3600.0) * 15.0, 0.01);
    EXPECT_NEAR(sun.dec, -(7 + 47 / 60.0 + 1.74 / 3600.0), 0.01);
}

TEST(Ephemeris, TheMoonSeenFromTheSiteSitsLowerThanFromTheEarthsCentre) {
    const Site madrid{40.4, -3.7};
    for (double hour : {0.0, 6.0, 12.0, 18.0}) {
        const double jd = JulianDay(2026, 8, 20, hour);
        const double seen = MoonAltitude(madrid, jd);
        const double fromCentre = Altitude(MoonPosition(jd), madrid, jd);
        EXPECT_LT(seen, fromCentre) << hour;
        // Horizontal parallax is between 0.9 and 1.0 degree; the loss is at most that.
        EXPECT_GT(seen, fromCentre - 1.05) << hour;
    }
}
