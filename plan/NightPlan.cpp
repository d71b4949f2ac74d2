#include "plan/NightPlan.h"

#include "geometry/Calendar.h"

#include <cmath>

double HourlyRate(double zhr, double r, double altitude, double limitingMagnitude) {
    if (altitude <= 0 || zhr <= 0 || r <= 0)
        return 0;
    return zhr * std::sin(altitude * 0.017453286279273523) / std::pow(r, 6.5 - limitingMagnitude);
}

namespace {

std::vector<ShowerPlan> activeShowers(const RadiantTable& radiants, int date) {
    std::vector<ShowerPlan> showers;
    for (const ActiveRadiant& a : ActiveRadiants(radiants, date, true, true)) {
        const Radiant& r = radiants.at(a.index);
        const RadiantPosition p = PositionAt(r, a.activeDay);
        ShowerPlan s;
        s.code = r.Code;
        s.name = r.Name;
        s.position = {p.ra, p.dec};
        s.zhr = r.Thz;
        s.r = r.R;
        s.rateKnown = r.Thz > 0 && r.R > 0;
        showers.push_back(s);
    }
    return showers;
}

} // namespace

NightPlan MakeNightPlan(const RadiantTable& radiants, const PlanRequest& q) {
    NightPlan plan;
    const double midnight = JulianDay(q.year, q.month, q.day, -q.utcOffset);
    plan.night = DarkNight(q.site, midnight + 0.5);
    plan.showers = activeShowers(radiants, DayOfYear(q.day, q.month));
    if (plan.night.kind == DarkInterval::Kind::None)
        return plan;

    plan.duskHours = (plan.night.dusk - midnight) * 24.0;
    plan.dawnHours = (plan.night.dawn - midnight) * 24.0;
    std::vector<double> halves;
    for (double h = std::ceil(plan.duskHours * 2 - 1e-7) / 2; h <= plan.dawnHours + 1e-7; h += 0.5)
        halves.push_back(h);
    if (halves.size() >= 2) {
        plan.localHours = halves;
    } else {
        // Too short a night for the half hours: its ends show how it goes.
        plan.localHours.push_back(plan.duskHours);
        for (double h : halves)
            if (h > plan.duskHours && h < plan.dawnHours)
                plan.localHours.push_back(h);
        plan.localHours.push_back(plan.dawnHours);
    }
    for (double h : plan.localHours) {
        const double jd = midnight + h / 24.0;
        plan.times.push_back(jd);
        plan.moonAltitude.push_back(MoonAltitude(q.site, jd));
        plan.moonIllumination.push_back(MoonIlluminatedFraction(jd));
    }
    for (ShowerPlan& s : plan.showers) {
        const Equatorial ofDate = PrecessFromJ2000(s.position, plan.night.dusk);
        for (double jd : plan.times) {
            const double h = Altitude(ofDate, q.site, jd);
            s.altitude.push_back(h);
            s.rate.push_back(s.rateKnown ? HourlyRate(s.zhr, s.r, h, q.limitingMagnitude) : 0);
        }
    }
    return plan;
}
