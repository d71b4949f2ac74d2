#include "geometry/Projection.h"
#include "geometry/Angles.h"
#include "tests/support/SkyFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The point at angular distance `deg` north of a centre on the equator.
bool visibleAtDistance(double deg) {
    const ViewState v = ViewAt(0, 0);
    int x = -1, y = -1;
    return Project(v, 0, deg, x, y);
}

} // namespace

TEST(Project, CentreFallsOnTheMiddlePixelAtEveryZoom) {
    for (int zoom : {1, 5}) {
        for (auto [ra, dec] : {std::pair{30, 56}, {151, -5}, {330, -56}, {0, 90}}) {
            const ViewState v = ViewAt(ra, dec, zoom);
            int x = 0, y = 0;
            ASSERT_TRUE(Project(v, ra, dec, x, y));
            EXPECT_EQ(x, 225) << ra << " " << dec << " zoom " << zoom;
            EXPECT_EQ(y, 225) << ra << " " << dec << " zoom " << zoom;
        }
    }
}

TEST(Project, NorthIsUpAndEastIsLeft) {
    const ViewState v = ViewAt(0, 0);
    int x = 0, y = 0;
    ASSERT_TRUE(Project(v, 0, 10, x, y));
    EXPECT_EQ(x, 225);
    EXPECT_EQ(y, 189);
    ASSERT_TRUE(Project(v, 10, 0, x, y));
    EXPECT_EQ(x, 189);
    EXPECT_EQ(y, 225);
}

TEST(Project, VisibilityEndsWhereTheCosineFallsBelowFourTenths) {
    const double limit = std::acos(0.4) * 180 / kPi;
    // acos(0.4) in true degrees sits a hair off the 1/57.2958 factor; bracket it.
    EXPECT_TRUE(visibleAtDistance(limit - 0.001));
    EXPECT_FALSE(visibleAtDistance(limit + 0.001));
    EXPECT_FALSE(visibleAtDistance(120));
}

TEST(Project, InvisiblePointLeavesCoordinatesUntouched) {
    const ViewState v = ViewAt(0, 0);
    int x = 1234, y = -77;
    EXPECT_FALSE(Project(v, 180, 0, x, y));
    EXPECT_EQ(x, 1234);
    EXPECT_EQ(y, -77);
}

TEST(Project, PoleCentreShowsEveryRightAscensionDownToTheLimit) {
    const ViewState v = ViewAt(0, 90);
    int x = 0, y = 0;
    for (int ra = 0; ra < 360; ra += 15) {
        EXPECT_TRUE(Project(v, ra, 23.6, x, y)) << ra;
        EXPECT_FALSE(Project(v, ra, 23.5, x, y)) << ra;
    }
}

TEST(Unproject, CentrePixelGivesTheCentreBack) {
    for (auto [ra, dec] : {std::pair{30, 56}, {151, -5}, {330, -56}, {0, 0}, {200, 89}}) {
        ViewState v = ViewAt(ra, dec);
        const SkyPoint p = Unproject(v, 225, 225);
        EXPECT_EQ(p.ra, ra);
        EXPECT_EQ(p.dec, dec);
    }
}

TEST(Unproject, FoldsRightAscensionIntoTheCircle) {
    ViewState v = ViewAt(330, 0);
    const SkyPoint p = Unproject(v, 25, 225);
    EXPECT_GE(p.ra, 0);
    EXPECT_LE(p.ra, 360);
    EXPECT_GT(p.ra, 0);
    EXPECT_LT(p.ra, 90); // 200 pixels east of RA 330 is past 360
}

TEST(Unproject, InvertsProjectNearTheCentre) {
    for (int zoom : {1, 3}) {
        ViewState v = ViewAt(100, 20, zoom);
        int x = 0, y = 0;
        ASSERT_TRUE(Project(v, 110, 25, x, y));
        const SkyPoint p = Unproject(v, x, y);
        EXPECT_NEAR(p.ra, 110, 1);
        EXPECT_NEAR(p.dec, 25, 1);
    }
}

TEST(Unproject, ClickOnTheFarSideOfAPoleCrossesToTheOppositeMeridian) {
    ViewState v = ViewAt(0, 80);
    int x = 0, y = 0;
    ASSERT_TRUE(Project(v, 180, 80, x, y));
    const SkyPoint p = Unproject(v, x, y);
    EXPECT_NEAR(p.ra, 180, 1);
    EXPECT_NEAR(p.dec, 80, 1);
}

TEST(Unproject, EveryPixelAroundAVisiblePoleGivesADeclinationWithinTheSky) {
    // Where the sine of the declination comes nearest to +-1: no clamp is needed there.
    for (int zoom = 1; zoom <= 5; ++zoom) {
        for (int dec = -90; dec <= 90; ++dec) {
            ViewState v = ViewAt(0, dec, zoom);
            int px = 0, py = 0;
            if (!Project(v, 0, dec >= 0 ? 90 : -90, px, py))
                continue;
            for (int x = px - 3; x <= px + 3; ++x) {
                for (int y = py - 3; y <= py + 3; ++y) {
                    if (x < 0 || y < 0 || x >= 450 || y >= 450)
                        continue;
                    const SkyPoint p = Unproject(v, x, y);
                    ASSERT_LE(std::abs(p.dec), 90) << zoom << " " << dec << " " << x << "," << y;
                    ASSERT_GE(p.ra, 0);
                    ASSERT_LE(p.ra, 360);
                }
            }
        }
    }
}

TEST(Unproject, ClickExactlyOnAPoleNeverFails) {
    for (int dec : {80, -80}) {
        ViewState v = ViewAt(45, dec);
        int x = 0, y = 0;
        ASSERT_TRUE(Project(v, 0, dec > 0 ? 90 : -90, x, y));
        SkyPoint p{};
        EXPECT_NO_THROW(p = Unproject(v, x, y));
        EXPECT_NEAR(p.dec, dec > 0 ? 90 : -90, 1);
        EXPECT_GE(p.ra, 0);
        EXPECT_LE(p.ra, 360);
    }
}

namespace {

// The cosine Project compares with 0.4 for a centre at RA 0, Dec 0, in the same operations.
double cosineFromOrigin(double ra, double dec) {
    volatile double r = ra * kDegToRad;
    volatile double d = dec * kDegToRad;
    return std::cos(r) * std::cos(d);
}

} // namespace

TEST(Project, CosineOfExactlyFourTenthsIsStillVisible) {
    bool found = false;
    for (int dec = 0; dec <= 20 && !found; ++dec) {
        const double ra0 = std::acos(0.4 / std::cos(dec * kDegToRad)) / kDegToRad;
        double ra = ra0;
        for (int i = 0; i < 30; ++i)
            ra = std::nextafter(ra, 0.0);
        for (int i = 0; i < 60 && !found; ++i, ra = std::nextafter(ra, 360.0)) {
            if (cosineFromOrigin(ra, dec) != 0.4)
                continue;
            found = true;
            const double beyond = std::nextafter(ra, 360.0);
            ASSERT_LT(cosineFromOrigin(beyond, dec), 0.4);
            const ViewState v = ViewAt(0, 0);
            int x = 0, y = 0;
            EXPECT_TRUE(Project(v, ra, dec, x, y)) << ra << " " << dec;
            EXPECT_FALSE(Project(v, beyond, dec, x, y)) << beyond << " " << dec;
        }
    }
    ASSERT_TRUE(found) << "no point with a cosine of exactly 0.4 near the limit";

    const double limit = std::acos(0.4) / kDegToRad;
    EXPECT_TRUE(visibleAtDistance(std::nextafter(limit, 0.0)));
    EXPECT_FALSE(visibleAtDistance(std::nextafter(limit, 90.0)));
}

TEST(ProjectPrint, MapsTheChartSpaceOntoThePage) {
    for (int zoom : {1, 5}) {
        ViewState v = ViewAt(0, 0, zoom);
        v.PrintScale = static_cast<std::int16_t>(1000 * zoom);
        v.PrintFactor = 1.5f;
        v.PrintMargin = 40;
        int x = 0, y = 0;
        ASSERT_TRUE(ProjectPrint(v, 0, 0, x, y));
        EXPECT_EQ(x, 3790) << zoom; // Round(2500 x 1.5) + 40
        EXPECT_EQ(y, 3790) << zoom;
    }
    ViewState v = ViewAt(0, 0);
    v.PrintFactor = 1.5f;
    v.PrintMargin = 40;
    int x = 0, y = 0;
    // tan(10 deg) x 160.43 x 1000/70 is 404 chart units: 2096 from the top, 2904 from the left.
    ASSERT_TRUE(ProjectPrint(v, 0, 10, x, y));
    EXPECT_EQ(x, 3790);
    EXPECT_EQ(y, 3184);
    ASSERT_TRUE(ProjectPrint(v, 10, 0, x, y));
    EXPECT_EQ(x, 3184);
    EXPECT_EQ(y, 3790);
    x = y = -1;
    EXPECT_FALSE(ProjectPrint(v, 180, 0, x, y));
    EXPECT_EQ(x, -1);
}

TEST(Unproject, TwoHundredPixelsEastOfRA330FoldsTo14) {
    ViewState v = ViewAt(330, 0);
    const SkyPoint p = Unproject(v, 25, 225);
    // atan(0.969) is 44.1 degrees: 374.1 rounds to 374, folded to 14.
    EXPECT_EQ(p.ra, 14);
    EXPECT_EQ(p.dec, 0);
}
