#include "geometry/AreaStars.h"
#include "sky/SkyData.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

namespace {

using V3 = std::array<double, 3>;

V3 direction(const Star& s) {
    const double ra = s.RA / 360000.0 * M_PI / 180.0;
    const double dec = s.Dec / 360000.0 * M_PI / 180.0;
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

double det(const V3& a, const V3& b, const V3& c) {
    return a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
           a[2] * (b[0] * c[1] - b[1] * c[0]);
}

// Inside the spherical triangle abc: on the inner side of each of its three great circles.
bool inTriangle(const V3& a, const V3& b, const V3& c, const V3& p) {
    const double s = det(a, b, c) > 0 ? 1 : -1;
    return s * det(a, b, p) > 0 && s * det(b, c, p) > 0 && s * det(c, a, p) > 0;
}

// The corner stars of an area as the source table lists them, in its (maybe crossing) order.
std::vector<std::int32_t> listedCorners(int area) {
    std::ifstream in(std::string(VELUMBRA_DATA_DIR) + "/sources/lm_areas.csv");
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string cell; std::getline(ss, cell, ',');)
            f.push_back(cell);
        if (std::stoi(f[0]) != area)
            continue;
        const int n = std::stoi(f[2]);
        std::vector<std::int32_t> hips;
        for (int i = 0; i < n; ++i)
            hips.push_back(std::stoi(f[7 + i]));
        return hips;
    }
    return {};
}

class AreaStars : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sky = new SkyData;
        LoadSky(*sky, VELUMBRA_DATA_DIR);
    }
    static void TearDownTestSuite() { delete sky; }
    static SkyData* sky;

    // Stars of the catalogue inside the convex hull of the listed corners, whatever their order:
    // a point of the hull lies in one of the triangles of three corners.
    static std::set<int> hullStars(const std::vector<std::int32_t>& corners) {
        std::vector<V3> c;
        for (std::int32_t hip : corners)
            c.push_back(direction(sky->stars.at(FindStar(sky->stars, hip))));
        std::set<int> inside;
        for (int s = 1; s <= kStarSlots; ++s) {
            const Star& star = sky->stars.at(s);
            if (!star.loaded)
                continue;
            const V3 p = direction(star);
            bool in = std::find(corners.begin(), corners.end(), star.StarNumber) != corners.end();
            for (std::size_t i = 0; i < c.size() && !in; ++i)
                for (std::size_t j = i + 1; j < c.size() && !in; ++j)
                    for (std::size_t k = j + 1; k < c.size() && !in; ++k)
                        in = inTriangle(c[i], c[j], c[k], p);
            if (in)
                inside.insert(s);
        }
        return inside;
    }
};
SkyData* AreaStars::sky = nullptr;

} // namespace

TEST_F(AreaStars, TheFourCornerAreasWhoseListedOutlinesCrossMatchTheSphericalHull) {
    for (int area : {1, 9}) {
        const auto corners = listedCorners(area);
        ASSERT_EQ(corners.size(), 4u);
        const std::vector<int> found = StarsInArea(sky->stars, sky->triangles, area);
        const std::set<int> expected = hullStars(corners);
        EXPECT_EQ(std::set<int>(found.begin(), found.end()), expected) << "area " << area;
        EXPECT_EQ(found.size(), expected.size()) << "area " << area << ": a star twice";
        // The outline has the same corners as the list, only in an order that does not cross.
        auto outline = AreaCorners(sky->triangles, area);
        std::sort(outline.begin(), outline.end());
        auto listed = corners;
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(outline, listed) << "area " << area;
    }
}

TEST_F(AreaStars, EveryAreaHoldsItsCornersAndAPlausibleCount) {
    for (int area = 1; area <= kLimitAreas; ++area) {
        const std::vector<int> found = StarsInArea(sky->stars, sky->triangles, area);
        for (std::int32_t hip : listedCorners(area)) {
            const int slot = FindStar(sky->stars, hip);
            EXPECT_NE(std::find(found.begin(), found.end(), slot), found.end())
                << "area " << area << " corner " << hip;
        }
        // The count table's 7.0 row says how many stars to magnitude 7 an observer sees there;
        // the catalogue's stars to 7.0 inside the outline come within a factor of two of it
        // (rich Milky Way fields hold more), where the wrong side of an outline holds thousands
        // and a crossed one a fraction.
        int catalogue = 0;
        for (int slot : found)
            catalogue += sky->stars.at(slot).Mag <= 700;
        int table = 0;
        for (const LimitRow& row : sky->limits.area(area))
            if (row.tenths <= 70)
                table = row.count;
        EXPECT_GE(catalogue, table / 2 - 3) << "area " << area;
        EXPECT_LE(catalogue, 2 * table + 3) << "area " << area;
    }
}

TEST_F(AreaStars, AnAreaWithoutOutlineOrWithAMissingCornerHasNoStars) {
    EXPECT_TRUE(StarsInArea(sky->stars, sky->triangles, 31).empty());
    TriangleTable broken = sky->triangles;
    broken.at(2).StarNumber = 999999999; // a corner of area 1 that no star has
    EXPECT_TRUE(StarsInArea(sky->stars, broken, 1).empty());
    EXPECT_FALSE(StarsInArea(sky->stars, broken, 2).empty());
}
