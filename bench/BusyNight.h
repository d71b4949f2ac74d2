#pragma once
// The benchmark's busy night: the Perseids' night of 12-13 August 2026 from Madrid cut into 20
// periods of 20 minutes from 21:00 UT, eight showers counted in each (the sporadics among them),
// each with a magnitude distribution.
#include "observation/Observation.h"

inline Observation BusyNightFromMadrid() {
    Observation o;
    o.id = 17;
    o.observerName = "Lucía Pérez";
    o.site = {"Madrid", "España", 40.4168, -3.7038, 657};
    o.evening = {2026, 8, 12};
    o.morning = {2026, 8, 13};
    o.utcOffset = 2;
    o.showers = {{"PER", "Perseidas", 48.2, 58.1, 59, 2.2},
                 {"KCG", "kappa Cígnidas", 286, 59, 25, 3.0},
                 {"SDA", "delta Acuáridas del Sur", 345.5, -15.6, 41, 2.5},
                 {"CAP", "alfa Capricórnidas", 309.5, -8.5, 23, 2.5},
                 {"AUD", "agosto Dracónidas", 273, 59, 20, 3.0},
                 {"ERI", "eta Erídanidas", 38, -12, 64, 3.0},
                 {"NIA", "Acuáridas del norte", 329, -6, 31, 3.0},
                 {kSporadicCode, "Esporádicos", 0, 0, 0, 3.0}};
    MagnitudeCounts magnitudes{};
    const double counts[] = {0.5, 0.5, 1, 1, 0, 1};
    for (std::size_t m = 0; m < 6; ++m)
        magnitudes.at(5 + m) = counts[m]; // from magnitude -1
    for (int i = 0; i < 20; ++i) {
        Period p;
        p.startUt = MidnightUt(o.evening) + 21 * 3600 + i * 1200;
        p.endUt = p.startUt + 1200;
        p.teff = 0.3;
        p.lm = 6.3;
        p.ra = 300.0;
        p.dec = 45.0;
        p.method = "C";
        for (std::size_t s = 0; s < o.showers.size(); ++s)
            p.counts.push_back({o.showers[s].code, 3 + static_cast<int>(s) + i % 4, magnitudes});
        o.periods.push_back(p);
    }
    return o;
}
