#pragma once
// The Sun, the Moon and the sky's rotation, from libnova; angles in degrees, instants as Julian
// days in universal time.
struct Site {
    double latitude = 0;  // north positive
    double longitude = 0; // east positive
};

struct Equatorial {
    double ra = 0;
    double dec = 0;
};

// Julian day of a civil date and time of day in universal time.
double JulianDay(int year, int month, int day, double hoursUT);

// Apparent geocentric positions, referred to the equinox of the date.
Equatorial SunPosition(double jd);
Equatorial MoonPosition(double jd);
// Fraction of the Moon's disc lit by the Sun, 0 (new) to 1 (full).
double MoonIlluminatedFraction(double jd);

// A J2000 position moved to the equinox of the date.
Equatorial PrecessFromJ2000(Equatorial j2000, double jd);
// Altitude above the horizon of a position of the date, without refraction.
double Altitude(Equatorial position, const Site& site, double jd);
// The Moon's altitude as seen from the site (its parallax reaches one degree).
double MoonAltitude(const Site& site, double jd);

// The dark part of the night that starts in the afternoon of `localNoon`: from the end of
// evening twilight to the start of morning twilight, astronomical (Sun 18 degrees down) when
// the Sun goes that low, else nautical (12 degrees). The ends are where the Sun's altitude
// crosses that depth, to the second, searched from noon to noon; dark at a noon, the night
// starts or ends there.
struct DarkInterval {
    enum class Kind { Astronomical, Nautical, None, Polar } kind = Kind::None;
    double dusk = 0; // Julian days, universal time
    double dawn = 0;
};
DarkInterval DarkNight(const Site& site, double localNoon);
