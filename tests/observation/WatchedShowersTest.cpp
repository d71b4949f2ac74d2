#include "observation/WatchedShowers.h"
#include "observation/Rates.h"
#include "tests/support/TestShower.h"

#include <gtest/gtest.h>

namespace {

RadiantTable Lists() {
    RadiantTable t;
    t.append(TestShower("PER", "Perseidas", 197, 236, 224), "fradiante");
    Radiant kcg = TestShower("KCG", "kappa Cygnidas", 216, 237, 229);
    kcg.RA = 286;
    kcg.DriftRA = 0.6f;
    t.append(kcg, "fradiante");
    t.append(TestShower("QUA", "Cuadrantidas", 362, 377, 368), "fradiante");
    // A right ascension that drifts past 360 on 12 August.
    Radiant late = TestShower("ZZA", "Zeta", 200, 240, 215);
    late.RA = 358.5f;
    late.DriftRA = 0.5f;
    t.append(late, "fradiante");
    Radiant hidden = TestShower("HID", "Oculta", 200, 240, 220);
    hidden.DrawFlag = 0;
    t.append(hidden, "fradiante");
    t.append(TestShower("1A2 ", "Terentjeva\xE9", 220, 230, 225), "fradter");
    t.append(TestShower("PER", "Perseidas otra vez", 200, 230, 224), "fradter");
    return t;
}

TEST(WatchedShowers, TheNightStartsWithTheActiveRadiantsOnceAndTheSporadics) {
    const std::vector<ObservedShower> showers = ShowersActiveOn(Lists(), {2026, 8, 12});
    const struct {
        const char* code;
        const char* name;
        double ra;
        double dec;
    } expected[] = {
        {"PER", "Perseidas", 46, 57.5}, // at its maximum
        {"KCG", "kappa Cygnidas", 286 - 3, 57.5 - 1},
        {"ZZA", "Zeta", 358.5 + 4 - 360, 57.5 + 1},
        {"1A2", "Terentjevaé", 46 - 1, 57.5},
        {"SPO", "Esporádicos", 0, 0},
    };
    ASSERT_EQ(showers.size(), std::size(expected));
    for (std::size_t i = 0; i < showers.size(); ++i) {
        SCOPED_TRACE(expected[i].code);
        EXPECT_EQ(showers[i].code, expected[i].code);
        EXPECT_EQ(showers[i].name, expected[i].name);
        EXPECT_FLOAT_EQ(showers[i].ra, expected[i].ra);
        EXPECT_FLOAT_EQ(showers[i].dec, expected[i].dec);
    }
    EXPECT_EQ(showers.back().populationIndex, kSporadicPopulationIndex);
    EXPECT_FLOAT_EQ(showers.front().velocity, 59);
    EXPECT_FLOAT_EQ(showers.front().populationIndex, 2.6f);
}

TEST(WatchedShowers, AShowerAddedByItsCodeStandsWhereItWasThatNight) {
    const RadiantTable lists = Lists();
    const struct {
        const char* code;
        CivilDate evening;
        std::optional<double> ra;
    } cases[] = {
        {"PER", {2026, 8, 12}, 46.0},
        {"PER", {2026, 12, 13}, 46.0 + 16}, // after its activity: its last day
        {"QUA", {2027, 1, 2}, 46.0 - 1},    // a period across the year's end
        {"SPO", {2026, 8, 12}, 0.0},
        {"XYZ", {2026, 8, 12}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const std::optional<ObservedShower> s = ShowerOfLists(lists, c.code, c.evening);
        ASSERT_EQ(s.has_value(), c.ra.has_value());
        if (s) {
            EXPECT_FLOAT_EQ(s->ra, *c.ra);
        }
    }
}

} // namespace
