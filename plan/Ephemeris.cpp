#include "plan/Ephemeris.h"

#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/parallax.h>
#include <libnova/precession.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {
constexpr double kKmPerAu = 149597870.7;

ln_lnlat_posn observer(const Site& site) {
    ln_lnlat_posn o;
    o.lng = site.longitude;
    o.lat = site.latitude;
    return o;
}

// libnova gives the Sun and the Moon referred to the J2000 equinox (a third of a degree off
// in 2026); the horizon turns with the equinox of the date.
void sunOfDate(double jd, ln_equ_posn* position) {
    ln_equ_posn j2000;
    ln_get_solar_equ_coords(jd, &j2000);
    ln_get_equ_prec(&j2000, jd, position);
}

double altitudeOf(ln_equ_posn position, const Site& site, double jd) {
    ln_lnlat_posn o = observer(site);
    ln_hrz_posn h;
    ln_get_hrz_from_equ(&position, &o, jd, &h);
    return h.alt;
}
} // namespace

double JulianDay(int year, int month, int day, double hoursUT) {
    ln_date d;
    d.years = year;
    d.months = month;
    d.days = day;
    d.hours = 0;
    d.minutes = 0;
    d.seconds = 0;
    return ln_get_julian_day(&d) + hoursUT / 24.0;
}

Equatorial SunPosition(double jd) {
    ln_equ_posn p;
    sunOfDate(jd, &p);
    return {p.ra, p.dec};
}

Equatorial MoonPosition(double jd) {
    ln_equ_posn j2000;
    ln_get_lunar_equ_coords(jd, &j2000);
    return PrecessFromJ2000({j2000.ra, j2000.dec}, jd);
}

double MoonIlluminatedFraction(double jd) {
    return ln_get_lunar_disk(jd);
}

Equatorial PrecessFromJ2000(Equatorial j2000, double jd) {
    ln_equ_posn from{j2000.ra, j2000.dec};
    ln_equ_posn to;
    ln_get_equ_prec(&from, jd, &to);
    return {to.ra, to.dec};
}

double Altitude(Equatorial position, const Site& site, double jd) {
    return altitudeOf({position.ra, position.dec}, site, jd);
}

double MoonAltitude(const Site& site, double jd) {
    const Equatorial moon = MoonPosition(jd);
    ln_equ_posn geocentric{moon.ra, moon.dec};
    ln_lnlat_posn o = observer(site);
    ln_equ_posn shift;
    ln_get_parallax(&geocentric, ln_get_lunar_earth_dist(jd) / kKmPerAu, &o, 0.0, jd, &shift);
    return altitudeOf({geocentric.ra + shift.ra, geocentric.dec + shift.dec}, site, jd);
}

namespace {

double sunAltitude(const Site& site, double jd) {
    return Altitude(SunPosition(jd), site, jd);
}

// Five minutes between samples: within one the Sun's altitude turns only at its lowest point,
// which is sought on its own, so a night shorter than a sample step is still found.
constexpr int kSamples = 24 * 12;

// The instant the Sun's altitude crosses `horizon` between `above` and `below`, to a fraction
// of a second.
double crossing(const Site& site, double horizon, double above, double below) {
    for (int i = 0; i < 24; ++i) {
        const double mid = (above + below) / 2;
        (sunAltitude(site, mid) > horizon ? above : below) = mid;
    }
    return (above + below) / 2;
}

// The Sun's lowest point between two instants that enclose it.
double lowest(const Site& site, double from, double to) {
    for (int i = 0; i < 40; ++i) {
        const double a = from + (to - from) / 3;
        const double b = to - (to - from) / 3;
        if (sunAltitude(site, a) < sunAltitude(site, b))
            to = b;
        else
            from = a;
    }
    return (from + to) / 2;
}

} // namespace

DarkInterval DarkNight(const Site& site, double localNoon) {
    std::array<double, kSamples + 1> altitude{};
    auto at = [&](int i) { return localNoon + static_cast<double>(i) / kSamples; };
    std::size_t deepest = 0;
    for (std::size_t i = 0; i < altitude.size(); ++i) {
        altitude[i] = sunAltitude(site, at(static_cast<int>(i)));
        if (altitude[i] < altitude[deepest])
            deepest = i;
    }
    const int d = static_cast<int>(deepest);
    const double bottom = lowest(site, at(std::max(d - 1, 0)), at(std::min(d + 1, kSamples)));
    const double depth = sunAltitude(site, bottom);
    // The last sample at or before the lowest point.
    const int k =
        std::clamp(static_cast<int>(std::floor((bottom - localNoon) * kSamples)), 0, kSamples);
    using Kind = DarkInterval::Kind;
    for (const auto& [horizon, kind] :
         {std::pair{-18.0, Kind::Astronomical}, std::pair{-12.0, Kind::Nautical}}) {
        if (depth >= horizon)
            continue;
        // The stretch below the horizon around the lowest point, cut at the two noons.
        auto dark = [&](int i) { return altitude[static_cast<std::size_t>(i)] <= horizon; };
        double edge = bottom;
        int i = k;
        for (; i >= 0 && dark(i); --i)
            edge = at(i);
        const double dusk = i < 0 ? localNoon : crossing(site, horizon, at(i), edge);
        edge = bottom;
        int j = k + 1;
        for (; j <= kSamples && dark(j); ++j)
            edge = at(j);
        const double dawn = j > kSamples ? localNoon + 1.0 : crossing(site, horizon, at(j), edge);
        const bool allNight = i < 0 && j > kSamples;
        return {allNight && kind == Kind::Astronomical ? Kind::Polar : kind, dusk, dawn};
    }
    return {};
}
