#include "observation/Rates.h"

#include "geometry/Angles.h"
#include "plan/Ephemeris.h"

#include <cmath>

namespace {

constexpr double kEscapeSpeedSquared = 123.06; // km^2/s^2

double julianDay(std::int64_t ut) {
    return 2440587.5 + static_cast<double>(ut) / 86400.0;
}

const ObservedShower* find(const Observation& o, const std::string& code) {
    for (const ObservedShower& s : o.showers)
        if (s.code == code)
            return &s;
    return nullptr;
}

ShowerRate rateOf(const Observation& o, const Period& p, const ShowerCount& c,
                  std::int64_t middle) {
    ShowerRate rate;
    rate.code = c.code;
    const ObservedShower* shower = find(o, c.code);
    const double listed = shower ? shower->populationIndex : 0;
    if (c.code == kSporadicCode) {
        const double r = listed > 0 ? listed : kSporadicPopulationIndex;
        rate.kind = RateKind::Sporadic;
        rate.hourlyRate = c.number * p.f * std::pow(r, 6.5 - p.lm) / p.teff;
        rate.reason = "sin ZHR para esporádicos";
        return rate;
    }
    if (shower) {
        const double jd = julianDay(middle);
        const Equatorial ofDate = PrecessFromJ2000({shower->ra, shower->dec}, jd);
        const double z = 90 - Altitude(ofDate, {o.site.latitude, o.site.longitude}, jd);
        rate.altitude = 90 - ZenithAttracted(z, shower->velocity);
    }
    if (!(listed > 0)) {
        rate.kind = RateKind::NoPopulationIndex;
        rate.reason = "sin índice de población (r) de la lluvia";
    } else if (!rate.altitude || *rate.altitude < kLowestRadiantAltitude) {
        rate.kind = RateKind::LowRadiant;
        rate.reason = "radiante a menos de 20°";
    } else if (c.number <= 0) {
        rate.kind = RateKind::NoMeteors;
        rate.reason = "sin meteoros";
    } else {
        rate.zhr = Zhr(c.number, p.f, listed, p.lm, p.teff, *rate.altitude);
        rate.zhrError = rate.zhr / std::sqrt(static_cast<double>(c.number));
    }
    return rate;
}

std::vector<PopulationEstimate> populationIndices(const Observation& o) {
    std::vector<PopulationEstimate> estimates;
    for (const ObservedShower& s : o.showers) {
        MagnitudeCounts night{};
        double lmWeight = 0;
        bool any = false;
        for (const Period& p : o.periods)
            for (const ShowerCount& c : p.counts) {
                if (c.code != s.code || !c.magnitudes)
                    continue;
                any = true;
                const double total = MagnitudeTotal(*c.magnitudes);
                for (std::size_t i = 0; i < night.size(); ++i)
                    night[i] += (*c.magnitudes)[i];
                lmWeight += total * p.lm;
            }
        if (!any)
            continue;
        const double meteors = MagnitudeTotal(night);
        // The periods' limiting magnitudes weighted by their meteors.
        const double lm = meteors > 0 ? lmWeight / meteors : 0;
        estimates.push_back({s.code, meteors, PopulationIndex(night, lm)});
    }
    return estimates;
}

} // namespace

double ZenithAttracted(double zenithDistance, double velocity) {
    if (!(velocity * velocity > kEscapeSpeedSquared))
        return zenithDistance;
    const double vg = std::sqrt(velocity * velocity - kEscapeSpeedSquared);
    const double half = zenithDistance / 2 * kDegToRad;
    return zenithDistance / 2 + std::asin(vg * std::sin(half) / velocity) * kRadToDeg;
}

double Zhr(int meteors, double f, double r, double lm, double teff, double altitude) {
    return meteors * f * std::pow(r, 6.5 - lm) / (teff * std::sin(altitude * kDegToRad));
}

std::optional<double> PopulationIndex(const MagnitudeCounts& counts, double lm) {
    if (MagnitudeTotal(counts) < kMeteorsForPopulationIndex)
        return std::nullopt;
    double cumulative = 0;
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int i = 0; i < kMagnitudeClasses; ++i) {
        const int m = kBrightestMagnitude + i;
        cumulative += counts[static_cast<std::size_t>(i)];
        if (m > lm - 1)
            break;
        if (cumulative <= 0)
            continue;
        const double y = std::log(cumulative);
        n += 1;
        sx += m;
        sy += y;
        sxx += static_cast<double>(m) * m;
        sxy += m * y;
    }
    if (n < 2)
        return std::nullopt;
    return std::exp((n * sxy - sx * sy) / (n * sxx - sx * sx));
}

ObservationRates ComputeRates(const Observation& o) {
    ObservationRates rates;
    for (const Period& p : o.periods) {
        PeriodRates period;
        period.middleUt = p.startUt + (p.endUt - p.startUt) / 2;
        for (const ShowerCount& c : p.counts)
            period.showers.push_back(rateOf(o, p, c, period.middleUt));
        rates.periods.push_back(std::move(period));
    }
    rates.populationIndex = populationIndices(o);
    return rates;
}

std::vector<ZhrSeries> ZhrSeriesOf(const Observation& o, const ObservationRates& rates) {
    std::vector<ZhrSeries> series;
    for (const ObservedShower& shower : o.showers) {
        ZhrSeries line{shower.code, {}};
        for (const PeriodRates& p : rates.periods)
            for (const ShowerRate& s : p.showers)
                if (s.code == shower.code && s.kind == RateKind::Zhr)
                    line.points.push_back({p.middleUt, s.zhr, s.zhrError});
        if (!line.points.empty())
            series.push_back(std::move(line));
    }
    return series;
}
