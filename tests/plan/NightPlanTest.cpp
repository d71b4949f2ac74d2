#include "plan/NightPlan.h"
#include "sky/SkyData.h"
#include "tests/support/PlanFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr double kDeg = M_PI / 180.0;

const RadiantTable& shippedRadiants() {
    static const auto sky = [] {
        auto s = std::make_unique<SkyData>();
        LoadSky(*s, VELUMBRA_DATA_DIR);
        return s;
    }();
    return sky->radiants;
}

const ShowerPlan* find(const NightPlan& plan, const std::string& code) {
    for (const ShowerPlan& s : plan.showers)
        if (s.code == code)
            return &s;
    return nullptr;
}

// Altitude from the textbook formulas: mean sidereal time (IAU 1982), rigorous precession from
// J2000 (Meeus 21.2-4), then sin h = sin phi sin delta + cos phi cos delta cos H.
double independentAltitude(double ra, double dec, double lat, double lon, double jd) {
    const double t = (jd - 2451545.0) / 36525.0;
    const double zeta = (2306.2181 * t + 0.30188 * t * t) / 3600.0 * kDeg;
    const double z = (2306.2181 * t + 1.09468 * t * t) / 3600.0 * kDeg;
    const double theta = (2004.3109 * t - 0.42665 * t * t) / 3600.0 * kDeg;
    const double a = ra * kDeg, d = dec * kDeg;
    const double A = std::cos(d) * std::sin(a + zeta);
    const double B =
        std::cos(theta) * std::cos(d) * std::cos(a + zeta) - std::sin(theta) * std::sin(d);
    const double C =
        std::sin(theta) * std::cos(d) * std::cos(a + zeta) + std::cos(theta) * std::sin(d);
    const double ra2 = std::atan2(A, B) + z;
    const double dec2 = std::asin(C);
    const double gmst = 280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * t * t -
                        t * t * t / 38710000.0;
    const double hourAngle = (gmst + lon) * kDeg - ra2;
    return std::asin(std::sin(lat * kDeg) * std::sin(dec2) +
                     std::cos(lat * kDeg) * std::cos(dec2) * std::cos(hourAngle)) /
           kDeg;
}

// The Sun's apparent place from the low-precision solar formulas (Meeus chapter 25, with the
// corrections for aberration and nutation) and the apparent sidereal time, in degrees.
struct SunPlace {
    double ra, dec, siderealTime;
};
SunPlace sunPlace(double jd) {
    const double t = (jd - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t;
    const double m = (357.52911 + 35999.05029 * t) * kDeg;
    const double c = (1.914602 - 0.004817 * t) * std::sin(m) + 0.019993 * std::sin(2 * m);
    const double omega = (125.04 - 1934.136 * t) * kDeg;
    const double lambda = (l0 + c - 0.00569 - 0.00478 * std::sin(omega)) * kDeg;
    const double eps = (23.439291 - 0.0130042 * t + 0.00256 * std::cos(omega)) * kDeg;
    const double nutation = -17.2 / 3600.0 * std::sin(omega) * std::cos(eps);
    return {std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / kDeg,
            std::asin(std::sin(eps) * std::sin(lambda)) / kDeg,
            280.46061837 + 360.98564736629 * (jd - 2451545.0) + nutation};
}

double sunAltitude(double lat, double lon, double jd) {
    const SunPlace s = sunPlace(jd);
    const double h = (s.siderealTime + lon - s.ra) * kDeg;
    return std::asin(std::sin(lat * kDeg) * std::sin(s.dec * kDeg) +
                     std::cos(lat * kDeg) * std::cos(s.dec * kDeg) * std::cos(h)) /
           kDeg;
}

// When the Sun stands at `depth` degrees in the evening or the morning around `guess`, by the
// hour angle at which a body of the Sun's declination reaches that altitude (Meeus chapter 15),
// the Sun's place taken anew at each step.
double twilightByHourAngle(double lat, double lon, double depth, double guess, bool evening) {
    double jd = guess;
    for (int i = 0; i < 8; ++i) {
        const SunPlace s = sunPlace(jd);
        const double cosH =
            (std::sin(depth * kDeg) - std::sin(lat * kDeg) * std::sin(s.dec * kDeg)) /
            (std::cos(lat * kDeg) * std::cos(s.dec * kDeg));
        const double wanted = std::acos(cosH) / kDeg * (evening ? 1 : -1);
        const double now = s.siderealTime + lon - s.ra;
        jd += std::remainder(wanted - now, 360.0) / 360.98564736629;
    }
    return jd;
}

} // namespace

TEST(HourlyRate, FollowsTheFormulaAndIsZeroBelowTheHorizonOrWithoutData) {
    EXPECT_NEAR(HourlyRate(100, 2.2, 30, 6.5), 50.0, 1e-3);
    EXPECT_NEAR(HourlyRate(100, 2.0, 90, 5.5), 50.0, 1e-3);
    EXPECT_NEAR(HourlyRate(100, 2.25, 90, 7.0), 150.0, 1e-3);
    EXPECT_EQ(HourlyRate(100, 2.2, 0, 6.5), 0);
    EXPECT_EQ(HourlyRate(100, 2.2, -10, 6.5), 0);
    EXPECT_EQ(HourlyRate(0, 2.2, 45, 6.5), 0);
    EXPECT_EQ(HourlyRate(100, 0, 45, 5.0), 0); // Terentjeva: no r, no rate (never 0/0)
}

TEST(NightPlan, PerseidsFromMadridMatchTheSphericalAstronomyFormulas) {
    const PlanRequest q = PerseidsNightFromMadrid(6.0);
    const NightPlan plan = MakeNightPlan(shippedRadiants(), q);
    ASSERT_EQ(plan.night.kind, DarkInterval::Kind::Astronomical);
    const ShowerPlan* per = find(plan, "PER");
    ASSERT_NE(per, nullptr);
    ASSERT_TRUE(per->rateKnown);
    ASSERT_EQ(per->altitude.size(), plan.times.size());
    int checked = 0;
    for (std::size_t t = 0; t < plan.times.size(); ++t) {
        const double expected =
            independentAltitude(per->position.ra, per->position.dec, 40.4, -3.7, plan.times[t]);
        EXPECT_NEAR(per->altitude[t], expected, 0.05) << plan.localHours[t];
        EXPECT_NEAR(per->rate[t],
                    per->zhr * std::sin(expected * kDeg) / std::pow(per->r, 6.5 - 6.0),
                    0.01 * per->zhr)
            << plan.localHours[t];
        ++checked;
    }
    EXPECT_GE(checked, 10);
    // Circumpolar from Madrid, it climbs all night towards its transit after dawn.
    for (std::size_t t = 1; t < plan.times.size(); ++t)
        EXPECT_GT(per->altitude[t], per->altitude[t - 1]) << plan.localHours[t];
    // The eclipse's new Moon: no moonlight all night.
    for (double f : plan.moonIllumination)
        EXPECT_LT(f, 0.01);
}

TEST(NightPlan, SamplesAreTheHalfHoursOfTheAstronomicalNight) {
    const NightPlan plan = MakeNightPlan(shippedRadiants(), PerseidsNightFromMadrid());
    ASSERT_GE(plan.times.size(), 2u);
    // The interval's ends are where the Sun is 18 degrees down, by an independent formula.
    EXPECT_NEAR(sunAltitude(40.4, -3.7, plan.night.dusk), -18.0, 0.05);
    EXPECT_NEAR(sunAltitude(40.4, -3.7, plan.night.dawn), -18.0, 0.05);
    EXPECT_GE(plan.times.front(), plan.night.dusk);
    EXPECT_LE(plan.times.back(), plan.night.dawn);
    EXPECT_LT(plan.times.front() - plan.night.dusk, 1.0 / 48.0);
    EXPECT_LT(plan.night.dawn - plan.times.back(), 1.0 / 48.0);
    for (std::size_t t = 0; t < plan.times.size(); ++t) {
        EXPECT_DOUBLE_EQ(std::fmod(plan.localHours[t], 0.5), 0.0);
        if (t > 0) {
            EXPECT_NEAR((plan.times[t] - plan.times[t - 1]) * 48.0, 1.0, 1e-6);
        }
        // Local hours count from the local midnight that starts 12 August.
        EXPECT_NEAR(plan.times[t], JulianDay(2026, 8, 12, plan.localHours[t] - 2.0), 1e-6);
    }
    // Evening of the 12th to the morning of the 13th.
    EXPECT_GT(plan.localHours.front(), 20.0);
    EXPECT_LT(plan.localHours.back(), 24.0 + 7.0);
}

TEST(NightPlan, RadiantsAreThoseActiveOnTheDateFromBothLists) {
    auto radiant = [](const char* code, int start, int end, std::int16_t zhr, float r) {
        Radiant x;
        x.Code = code;
        x.Name = code;
        x.StartDay = static_cast<std::int16_t>(start);
        x.EndDay = static_cast<std::int16_t>(end);
        x.MaxDay = 224;
        x.RA = 100.0f;
        x.Dec = 20.0f;
        x.DriftRA = 1.0f;
        x.Thz = zhr;
        x.R = r;
        x.DrawFlag = 1;
        return x;
    };
    RadiantTable table;
    table.append(radiant("AAA", 200, 230, 20, 3.0f), "fradiante");
    table.append(radiant("BBB", 100, 120, 20, 3.0f), "fradiante"); // over by then
    table.append(radiant("C", 200, 230, 20, 3.0f), "fradiante");   // neither kind
    table.append(radiant("T12", 220, 228, 0, 0.0f), "fradter");
    PlanRequest q = PerseidsNightFromMadrid();
    q.day = 14; // two days past the maximum
    const NightPlan plan = MakeNightPlan(table, q);
    ASSERT_EQ(plan.showers.size(), 2u);
    EXPECT_EQ(plan.showers[0].code, "AAA");
    EXPECT_TRUE(plan.showers[0].rateKnown);
    EXPECT_DOUBLE_EQ(plan.showers[0].position.ra, 102.0);
    EXPECT_EQ(plan.showers[1].code, "T12");
    EXPECT_FALSE(plan.showers[1].rateKnown);
    for (double rate : plan.showers[1].rate)
        EXPECT_EQ(rate, 0);
    // The shipped lists on the Perseids' night: every active radiant, IMO first.
    const NightPlan shipped = MakeNightPlan(shippedRadiants(), PerseidsNightFromMadrid());
    std::size_t expected = 0;
    for (int i = 0; i <= shippedRadiants().RadiantCount(); ++i) {
        int day = 0;
        const Radiant& r = shippedRadiants().at(i);
        if (KindOf(r) == RadiantKind::None || !IsActive(r, 224, day))
            continue;
        ASSERT_LT(expected, shipped.showers.size());
        EXPECT_EQ(shipped.showers[expected++].code, r.Code);
    }
    EXPECT_EQ(shipped.showers.size(), expected);
}

TEST(NightPlan, NightsWithoutAstronomicalDarkness) {
    PlanRequest q = PerseidsNightFromMadrid();
    q.month = 6;
    q.day = 21;
    q.utcOffset = 0;
    q.site = {52.0, 0.0};
    NightPlan plan = MakeNightPlan(shippedRadiants(), q);
    EXPECT_EQ(plan.night.kind, DarkInterval::Kind::Nautical);
    EXPECT_FALSE(plan.times.empty());
    q.site = {60.0, 0.0};
    plan = MakeNightPlan(shippedRadiants(), q);
    EXPECT_EQ(plan.night.kind, DarkInterval::Kind::None);
    EXPECT_TRUE(plan.times.empty());
    for (const ShowerPlan& s : plan.showers)
        EXPECT_TRUE(s.altitude.empty());
    q.month = 12;
    q.site = {88.0, 0.0};
    plan = MakeNightPlan(shippedRadiants(), q);
    EXPECT_EQ(plan.night.kind, DarkInterval::Kind::Polar);
    EXPECT_EQ(plan.times.size(), 49u);
}

TEST(NightPlan, AnySiteAndSeasonGivesAnOrderedNightOfAtMostADay) {
    for (double lat : {-90.0, -66.5, -30.0, 0.0, 45.0, 66.5, 90.0})
        for (int month : {3, 6, 9, 12})
            for (double offset : {-12.0, 0.0, 14.0}) {
                PlanRequest q = PerseidsNightFromMadrid();
                q.site = {lat, offset * 15.0 > 180 ? 180.0 : offset * 15.0};
                q.month = month;
                q.day = 21;
                q.utcOffset = offset;
                const NightPlan plan = MakeNightPlan(shippedRadiants(), q);
                const std::string where = std::to_string(lat) + " month " + std::to_string(month) +
                                          " UTC" + std::to_string(offset);
                EXPECT_LE(plan.times.size(), 49u) << where;
                EXPECT_EQ(plan.times.empty(), plan.night.kind == DarkInterval::Kind::None) << where;
                for (std::size_t t = 1; t < plan.times.size(); ++t)
                    ASSERT_GT(plan.times[t], plan.times[t - 1]) << where;
                if (!plan.times.empty()) {
                    EXPECT_GE(plan.times.front(), plan.night.dusk - 1e-9) << where;
                    EXPECT_LE(plan.times.back(), plan.night.dawn + 1e-9) << where;
                }
                for (double h : plan.moonAltitude)
                    EXPECT_LE(std::fabs(h), 90.0) << where;
            }
}

TEST(NightPlan, TwilightEndsAreFoundFromTheSunsAltitudeWhereverItCrossesTheDepth) {
    struct Night {
        const char* where;
        Site site;
        double utcOffset;
        int month, day;
        double depth;
        std::size_t samples; // a night without two half hours is sampled at its ends too
        double seconds;      // how near the reference its ends must be
    };
    // In 2026: short nights where the Sun only just goes 18 degrees down (in a twelve-minute
    // one a hundredth of a degree of the Sun's place moves the ends by a minute), a nautical
    // one and a long one.
    const Night nights[] = {
        {"Paris 9-10 June", {48.85, 2.35}, 2, 6, 9, -18, 2, 60},
        {"Paris 10-11 June", {48.85, 2.35}, 2, 6, 10, -18, 3, 60},
        {"Paris 11-12 June", {48.85, 2.35}, 2, 6, 11, -18, 2, 120},
        {"Paris 21-22 June", {48.85, 2.35}, 2, 6, 21, -12, 9, 60},
        {"Edinburgh 8-9 August", {55.95, -3.19}, 1, 8, 8, -18, 2, 60},
        {"Madrid 12-13 August", {40.4, -3.7}, 2, 8, 12, -18, 13, 60},
    };
    for (const Night& n : nights) {
        PlanRequest q = PerseidsNightFromMadrid();
        q.site = n.site;
        q.utcOffset = n.utcOffset;
        q.month = n.month;
        q.day = n.day;
        const NightPlan plan = MakeNightPlan(shippedRadiants(), q);
        EXPECT_EQ(plan.night.kind,
                  n.depth == -18 ? DarkInterval::Kind::Astronomical : DarkInterval::Kind::Nautical)
            << n.where;
        EXPECT_EQ(plan.times.size(), n.samples) << n.where;
        const double midnight = JulianDay(2026, n.month, n.day, 24.0 - n.utcOffset);
        const double lat = n.site.latitude, lon = n.site.longitude;
        EXPECT_NEAR(plan.night.dusk, twilightByHourAngle(lat, lon, n.depth, midnight, true),
                    n.seconds / 86400.0)
            << n.where;
        EXPECT_NEAR(plan.night.dawn, twilightByHourAngle(lat, lon, n.depth, midnight, false),
                    n.seconds / 86400.0)
            << n.where;
    }
}
