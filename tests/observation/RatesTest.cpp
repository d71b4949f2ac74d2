#include "observation/Rates.h"
#include "tests/support/ObservationFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr std::int64_t kHour = 3600;

// From the north pole a radiant stands as high as its declination at any hour; at the J2000
// epoch no precession moves it. So the altitudes below are known without an ephemeris.
Observation atThePole(double dec, double velocity, double r, int meteors) {
    Observation o;
    o.site = {"Polo", "", 90, 0, 0};
    o.evening = {2000, 1, 1};
    o.morning = {2000, 1, 2};
    o.showers = {{"XXX", "Prueba", 100, dec, velocity, r}};
    Period p{MidnightUt({2000, 1, 1}) + 22 * kHour,
             MidnightUt({2000, 1, 1}) + 23 * kHour,
             0.9,
             1.25,
             6.2,
             std::nullopt,
             std::nullopt,
             "C",
             {{"XXX", meteors, std::nullopt}}};
    o.periods = {p};
    return o;
}

TEST(Rates, WorkedZhrAndItsError) {
    // 20 Perseid-speed meteors (V 59) in Teff 0.9 h, F 1.25, LM 6.2, r 2.2, the radiant 30
    // degrees high (zenith distance 60).
    // Zenith attraction: vg = sqrt(59^2 - 123.06) = 57.94774; sin(60/2) = 0.5;
    //   arcsin(57.94774 x 0.5 / 59) = arcsin(0.491082) = 29.41176; z' = 30 + 29.41176 = 59.41176;
    //   h = 30.58824.
    // ZHR = 20 x 1.25 x 2.2^0.3 / (0.9 x sin 30.58824) = 25 x 1.266855 / (0.9 x 0.508865)
    //     = 31.67137 / 0.457978 = 69.155; error 69.155 / sqrt(20) = 15.463.
    const ObservationRates rates = ComputeRates(atThePole(30, 59, 2.2, 20));
    ASSERT_EQ(rates.periods.size(), 1u);
    ASSERT_EQ(rates.periods[0].showers.size(), 1u);
    const ShowerRate& s = rates.periods[0].showers[0];
    EXPECT_EQ(s.kind, RateKind::Zhr);
    EXPECT_TRUE(s.reason.empty());
    EXPECT_NEAR(*s.altitude, 30.588, 0.002);
    EXPECT_NEAR(s.zhr, 69.155, 0.01);
    EXPECT_NEAR(s.zhrError, 15.463, 0.005);
}

TEST(Rates, ZenithAttractionOfAFastAndASlowShower) {
    struct Case {
        double velocity, zenithDistance, observed;
    };
    // vg = sqrt(V^2 - 123.06): 57.94774 for V 59, 16.64151 for V 20.
    //   V 59, z 60: arcsin(57.94774 x sin 30 / 59) = arcsin(0.491082) = 29.41176 -> 59.41176
    //   V 59, z 70: arcsin(57.94774 x sin 35 / 59) = arcsin(0.563347) = 34.28756 -> 69.28756
    //   V 20, z 60: arcsin(16.64151 x sin 30 / 20) = arcsin(0.416038) = 24.58469 -> 54.58469
    //   V 20, z 70: arcsin(16.64151 x sin 35 / 20) = arcsin(0.477259) = 28.50654 -> 63.50654
    const std::vector<Case> cases{
        {59, 60, 59.41176}, {59, 70, 69.28756}, {20, 60, 54.58469}, {20, 70, 63.50654}, {59, 0, 0}};
    for (const Case& c : cases)
        EXPECT_NEAR(ZenithAttracted(c.zenithDistance, c.velocity), c.observed, 1e-4)
            << c.velocity << " km/s at " << c.zenithDistance;
}

TEST(Rates, NoZhrBelow20DegreesNorWithoutMeteorsNorForSporadics) {
    struct Case {
        const char* what;
        Observation observation;
        RateKind kind;
        const char* reason;
    };
    Observation sporadic = atThePole(60, 0, 3.0, 12);
    sporadic.showers[0].code = sporadic.periods[0].counts[0].code = kSporadicCode;
    sporadic.periods[0].teff = 1.5;
    sporadic.periods[0].f = 1.1;
    sporadic.periods[0].lm = 6.0;
    const std::vector<Case> cases{
        // 19 degrees, lifted to 19.73 by the attraction: still too low.
        {"fast shower at 19", atThePole(19, 59, 2.2, 20), RateKind::LowRadiant,
         "radiante a menos de 20°"},
        {"fast shower at 21", atThePole(21, 59, 2.2, 20), RateKind::Zhr, ""},
        // A slow shower 15 degrees up appears at 22.07 degrees: corrected, it counts.
        {"slow shower at 15", atThePole(15, 20, 2.2, 20), RateKind::Zhr, ""},
        {"no meteors", atThePole(40, 59, 2.2, 0), RateKind::NoMeteors, "sin meteoros"},
        {"sporadics", sporadic, RateKind::Sporadic, "sin ZHR para esporádicos"},
        {"no population index", atThePole(40, 59, 0, 10), RateKind::NoPopulationIndex,
         "sin índice de población (r) de la lluvia"},
    };
    for (const Case& c : cases) {
        const ShowerRate s = ComputeRates(c.observation).periods[0].showers[0];
        EXPECT_EQ(s.kind, c.kind) << c.what;
        EXPECT_EQ(s.reason, c.reason) << c.what;
        EXPECT_EQ(s.zhr > 0, c.kind == RateKind::Zhr) << c.what;
    }
    // HR = 12 x 1.1 x 3^0.5 / 1.5 = 13.2 x 1.732051 / 1.5 = 15.242.
    const ShowerRate s = ComputeRates(sporadic).periods[0].showers[0];
    EXPECT_NEAR(s.hourlyRate, 15.242, 0.001);
    EXPECT_FALSE(s.altitude);
}

TEST(Rates, TheRadiantIsTakenAtTheMiddleOfThePeriod) {
    Observation o = PerseidObservationFromMadrid();
    Period hour = o.periods[0];          // 22:00 to 23:00 UT
    hour.startUt += 25 * 60;             // 22:25 ...
    hour.endUt = hour.startUt + 10 * 60; // ... to 22:35, the same middle
    o.periods.push_back(hour);
    const ObservationRates rates = ComputeRates(o);
    const double whole = *rates.periods[0].showers[0].altitude;
    EXPECT_NEAR(*rates.periods[3].showers[0].altitude, whole, 1e-6);
    // From Madrid's sidereal time by hand the Perseids stand 22.9 degrees high at 22:30 UT and
    // 48.4 at 02:00 UT (hour angles -113.3 and -60.6), plus 0.7 and 0.4 of attraction.
    EXPECT_NEAR(whole, 23.6, 0.5);
    EXPECT_NEAR(*rates.periods[2].showers[0].altitude, 48.8, 0.5);
}

TEST(Rates, PopulationIndexOfADistribution) {
    struct Case {
        const char* what;
        MagnitudeCounts counts;
        double lm;
        std::optional<double> r;
    };
    const std::vector<Case> cases{
        // Cumulative 1, 2, 4, 8, 16, 32, 64 from -1 to +5: r = 2. The incomplete +6 class
        // lies within a magnitude of LM 6.5 and stays out.
        {"r 2", Magnitudes(-1, {1, 1, 2, 4, 8, 16, 32, 3}), 6.5, 2.0},
        // Cumulative 10, 25, 50 at 0, +1, +2 (LM 3: up to +2). Three equally spaced points:
        // the fitted slope is that of the ends, ln(50/10)/2, so r = sqrt(5) = 2.23607.
        {"three magnitudes", Magnitudes(0, {10, 15, 25, 40}), 3.0, 2.2360680},
        // Halves count as they are: cumulative 0.5, 2, 8, 32 from -3 to 0 (LM 1.5) -> r = 4.
        {"halves", Magnitudes(-3, {0.5, 1.5, 6, 24, 9}), 1.5, 4.0},
        {"29.5 meteors", Magnitudes(0, {2, 4, 8, 15.5}), 6.5, std::nullopt},
        {"one magnitude to fit", Magnitudes(1, {30, 30}), 2.5, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto r = PopulationIndex(c.counts, c.lm);
        ASSERT_EQ(r.has_value(), c.r.has_value()) << c.what;
        EXPECT_NEAR(r.value_or(0), c.r.value_or(0), 1e-6) << c.what;
    }
    // The night's distribution of a shower sums its periods: 18 + 31 Perseids.
    const ObservationRates rates = ComputeRates(PerseidObservationFromMadrid());
    ASSERT_EQ(rates.populationIndex.size(), 2u);
    EXPECT_EQ(rates.populationIndex[0].code, "PER");
    EXPECT_EQ(rates.populationIndex[0].meteors, 49);
    EXPECT_TRUE(rates.populationIndex[0].r);
    EXPECT_EQ(rates.populationIndex[1].code, "KCG");
    EXPECT_FALSE(rates.populationIndex[1].r);
}

} // namespace
