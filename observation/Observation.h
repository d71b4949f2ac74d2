#pragma once
// One night's visual meteor observation as the observer enters it: who, where, which showers
// were watched and the counts of every period. Times are universal time, seconds since
// 1970-01-01 00:00:00 UT.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ObservingSite {
    std::string name;
    std::string country;
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    double elevationMetres = 0;
};

inline const std::string kSporadicCode = "SPO";

struct ObservedShower {
    std::string code; // IAU/IMO three letters, kSporadicCode for the sporadics
    std::string name;
    double ra = 0; // J2000 degrees, drifted to the night
    double dec = 0;
    double velocity = 0;        // km/s, the V of the radiant lists
    double populationIndex = 0; // r
};

// Meteors of magnitude -6, -5, ... +7; halves are a meteor split between two classes.
constexpr int kBrightestMagnitude = -6;
constexpr int kMagnitudeClasses = 14;
using MagnitudeCounts = std::array<double, kMagnitudeClasses>;
double MagnitudeTotal(const MagnitudeCounts& counts);

struct ShowerCount {
    std::string code;
    int number = 0; // 0: the shower was watched and none was seen
    std::optional<MagnitudeCounts> magnitudes;
};

struct Period {
    std::int64_t startUt = 0;
    std::int64_t endUt = 0;
    double teff = 0;          // effective time, hours
    double f = 1;             // cloud factor
    double lm = 6.5;          // limiting magnitude
    std::optional<double> ra; // centre of the field, degrees
    std::optional<double> dec;
    std::string method;
    std::vector<ShowerCount> counts;
};

struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

struct Observation {
    std::int64_t id = 0; // 0 until the store keeps it
    std::string observerName;
    std::string observerCode;
    ObservingSite site;
    CivilDate evening; // the night's two local dates
    CivilDate morning;
    double utcOffset = 0; // hours, local time = universal time + offset
    std::vector<ObservedShower> showers;
    std::vector<Period> periods;
};

bool operator==(const ObservingSite& a, const ObservingSite& b);
bool operator==(const ObservedShower& a, const ObservedShower& b);
bool operator==(const ShowerCount& a, const ShowerCount& b);
bool operator==(const Period& a, const Period& b);
bool operator==(const CivilDate& a, const CivilDate& b);
bool operator==(const Observation& a, const Observation& b);

// The civil date after this one (proleptic Gregorian calendar).
CivilDate NextDay(const CivilDate& date);
// Seconds since 1970-01-01 00:00:00 UT of a date's midnight.
std::int64_t MidnightUt(const CivilDate& date);
// The date of an instant, counted in UT.
CivilDate DateOfUt(std::int64_t seconds);

// "YYYY-MM-DD HH:MM:SS", the form of the IMO's files.
std::string FormatUt(std::int64_t seconds);
// Reads that form; seconds may be left out ("YYYY-MM-DD HH:MM"). Nothing on any other text,
// an impossible date or a time past 23:59:59.
std::optional<std::int64_t> ParseUt(const std::string& text);
