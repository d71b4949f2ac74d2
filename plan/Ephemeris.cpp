#include "plan/Ephemeris.h"

#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/parallax.h>
#include <libnova/precession.h>
#include <libnova/rise_set.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

#include <cmath>
#include <initializer_list>

namespace {
constexpr double kKmPerAu = 149597870.7;

ln_lnlat_posn observer(const Site& site) {
    ln_lnlat_posn o;
    o.lng = site.longitude;
    o.lat = site.latitude;
    return o;
}

// libnova gives the Sun and the Moon referred to the J2000 equinox (a third of a degree off
// in 2026); the horizon turns with the equinox of the date. The Sun's form is the one libnova's
// rise and set search calls.
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

// libnova's rise and set times leave the Sun about 0.3 degrees past the asked altitude (a
// minute and a half at twilight); bisection on the Sun's altitude puts the time on it.
double sunCrossing(const Site& site, double horizon, double estimate) {
    auto above = [&](double jd) { return Altitude(SunPosition(jd), site, jd) > horizon; };
    double lo = estimate - 0.01;
    double hi = estimate + 0.01;
    const bool startsAbove = above(lo);
    if (startsAbove == above(hi))
        return estimate;
    for (int i = 0; i < 30; ++i) {
        const double mid = (lo + hi) / 2;
        (above(mid) == startsAbove ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

} // namespace

DarkInterval DarkNight(const Site& site, double localNoon) {
    ln_lnlat_posn o = observer(site);
    using Kind = DarkInterval::Kind;
    struct Twilight {
        double horizon;
        Kind kind;
    };
    for (const Twilight& t : {Twilight{LN_SOLAR_ASTRONOMICAL_HORIZON, Kind::Astronomical},
                              Twilight{LN_SOLAR_NAUTIC_HORIZON, Kind::Nautical}}) {
        ln_rst_time rst;
        const int found = ln_get_body_next_rst_horizon(localNoon, &o, sunOfDate, t.horizon, &rst);
        if (found == -1) // never up to that depth: dark all night, noon to noon
            return {Kind::Polar, localNoon, localNoon + 1.0};
        if (found == 0 && rst.set < rst.rise)
            return {t.kind, sunCrossing(site, t.horizon, rst.set),
                    sunCrossing(site, t.horizon, rst.rise)};
    }
    return {};
}
