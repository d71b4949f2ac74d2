#include "observation/PeriodText.h"
#include "observation/ObservationChecks.h"
#include "tests/support/ObservationFixtures.h"

#include <gtest/gtest.h>

namespace {

// Times typed in the grid of the Perseids' night from Madrid (UTC+2): local noon to local
// noon is 10:00 UT on the 12th to 10:00 UT on the 13th.
TEST(PeriodText, ATimeOfDayFallsInsideTheNight) {
    const NightSpan night = NightWindow(PerseidObservationFromMadrid());
    const std::int64_t aug12 = MidnightUt({2026, 8, 12});
    const std::int64_t h = 3600;
    const struct {
        const char* typed;
        std::optional<std::int64_t> ut;
        const char* shown;
    } cases[] = {
        {"22:00", aug12 + 22 * h, "22:00"},
        {" 00:30 ", aug12 + 24 * h + 1800, "00:30"},
        {"09:59:30", aug12 + 34 * h - 30, "09:59:30"},
        {"10:00", aug12 + 10 * h, "10:00"},
        {"2026-08-13 01:15", aug12 + 25 * h + 900, "01:15"},
        {"2026-08-14 01:00", aug12 + 49 * h, "2026-08-14 01:00:00"},
        {"25:00", std::nullopt, ""},
        {"22h", std::nullopt, ""},
        {"22:00:", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::optional<std::int64_t> ut = ReadPeriodTime(c.typed, night);
        EXPECT_EQ(ut, c.ut);
        if (!ut)
            continue;
        EXPECT_EQ(PeriodTimeText(*ut, night), c.shown);
        EXPECT_EQ(ReadPeriodTime(PeriodTimeText(*ut, night), night), ut);
    }
}

TEST(PeriodText, TheCloudFactorIsTypedAsFOrAsAPercentage) {
    const struct {
        const char* typed;
        std::optional<double> f;
    } cases[] = {
        {"1.25", 1.25},      {"20%", 1.25},          {" 20 % ", 1.25},       {"0%", 1.0},
        {"50%", 2.0},        {"5%", 1.053},          {"100%", std::nullopt}, {"-5%", std::nullopt},
        {"%", std::nullopt}, {"1,25", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(ReadCloudFactor(c.typed), c.f);
    }
}

} // namespace
