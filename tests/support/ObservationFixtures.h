#pragma once
// The observation the tests and the benchmark share.
#include "observation/Observation.h"

// The magnitudes -6..+7 from the brightest class given, the rest 0.
inline MagnitudeCounts Magnitudes(int brightest, std::initializer_list<double> counts) {
    MagnitudeCounts m{};
    std::size_t i = static_cast<std::size_t>(brightest - kBrightestMagnitude);
    for (double n : counts)
        m.at(i++) = n;
    return m;
}

// The Perseids' night of 12-13 August 2026 from Madrid, local time UTC+2: three periods, the
// second across midnight UT, the last without a field centre.
inline Observation PerseidObservationFromMadrid() {
    Observation o;
    o.id = 17;
    o.observerName = "Lucía Pérez";
    o.observerCode = "PERLU";
    o.site = {"Madrid", "España", 40.4168, -3.7038, 657};
    o.evening = {2026, 8, 12};
    o.morning = {2026, 8, 13};
    o.utcOffset = 2;
    o.showers = {{"PER", "Perseidas", 48.2, 58.1, 59, 2.2},
                 {"KCG", "kappa Cígnidas", 286, 59, 25, 3.0},
                 {kSporadicCode, "Esporádicos", 0, 0, 0, 3.0}};
    const std::int64_t aug12 = MidnightUt({2026, 8, 12});
    const std::int64_t h = 3600;
    Period first{aug12 + 22 * h, aug12 + 23 * h, 0.95, 1.0, 6.3, 300.0, 45.0, "C", {}};
    first.counts = {{"PER", 18, Magnitudes(-2, {1, 0.5, 1.5, 2, 3, 4, 3, 2, 1})},
                    {"KCG", 1, Magnitudes(3, {1})},
                    {kSporadicCode, 8, std::nullopt}};
    Period second{
        aug12 + 23 * h + 1800, aug12 + 24 * h + 1800, 1.0, 1.05, 6.4, 310.0, 50.0, "C", {}};
    second.counts = {{"PER", 31, Magnitudes(-1, {2, 3, 4, 6, 7, 5, 3, 1})},
                     {"KCG", 0, std::nullopt},
                     {kSporadicCode, 10, std::nullopt}};
    Period third{aug12 + 25 * h, aug12 + 27 * h, 1.9, 1.0, 6.5,
                 std::nullopt,   std::nullopt,   "C", {}};
    third.counts = {
        {"PER", 74, std::nullopt}, {"KCG", 2, std::nullopt}, {kSporadicCode, 19, std::nullopt}};
    o.periods = {first, second, third};
    return o;
}

// A busy night for the benchmark: the Madrid night cut into 20 periods of 20 minutes from
// 21:00 UT, eight showers counted in each (the sporadics among them), each with a distribution.
inline Observation BusyNightFromMadrid() {
    Observation o = PerseidObservationFromMadrid();
    o.showers = {{"PER", "Perseidas", 48.2, 58.1, 59, 2.2},
                 {"KCG", "kappa Cígnidas", 286, 59, 25, 3.0},
                 {"SDA", "delta Acuáridas del Sur", 345.5, -15.6, 41, 2.5},
                 {"CAP", "alfa Capricórnidas", 309.5, -8.5, 23, 2.5},
                 {"AUD", "agosto Dracónidas", 273, 59, 20, 3.0},
                 {"ERI", "eta Erídanidas", 38, -12, 64, 3.0},
                 {"NIA", "Acuáridas del norte", 329, -6, 31, 3.0},
                 {kSporadicCode, "Esporádicos", 0, 0, 0, 3.0}};
    const Period model = o.periods[0];
    o.periods.clear();
    for (int i = 0; i < 20; ++i) {
        Period p = model;
        p.startUt = MidnightUt(o.evening) + 21 * 3600 + i * 1200;
        p.endUt = p.startUt + 1200;
        p.teff = 0.3;
        p.counts.clear();
        for (std::size_t s = 0; s < o.showers.size(); ++s)
            p.counts.push_back({o.showers[s].code, 3 + static_cast<int>(s) + i % 4,
                                Magnitudes(-1, {0.5, 0.5, 1, 1, 0, 1})});
        o.periods.push_back(p);
    }
    return o;
}
