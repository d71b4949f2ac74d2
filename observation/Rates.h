#pragma once
// The rates of a night: per period and shower the radiant's altitude at the middle of the
// period, corrected for zenith attraction, and the zenithal hourly rate with its error, or why
// there is none; per shower the population index of its magnitude distribution.
#include "observation/Observation.h"

#include <optional>
#include <string>
#include <vector>

constexpr double kLowestRadiantAltitude = 20; // degrees: lower periods give no ZHR
// The population index taken for the sporadics when the list gives none.
constexpr double kSporadicPopulationIndex = 3.0;
// Meteors a distribution needs before it says anything about r.
constexpr double kMeteorsForPopulationIndex = 30;

enum class RateKind { Zhr, LowRadiant, NoMeteors, Sporadic, NoPopulationIndex };

struct ShowerRate {
    std::string code;
    RateKind kind = RateKind::Zhr;
    std::optional<double> altitude; // degrees, corrected; none for the sporadics
    double zhr = 0;
    double zhrError = 0;
    double hourlyRate = 0; // the sporadics' rate corrected for LM and clouds
    std::string reason;    // Spanish, empty with a ZHR
};

struct PeriodRates {
    std::int64_t middleUt = 0;
    std::vector<ShowerRate> showers; // in the order of the period's counts
};

struct PopulationEstimate {
    std::string code;
    double meteors = 0; // in the night's distribution
    std::optional<double> r;
};

struct ObservationRates {
    std::vector<PeriodRates> periods;
    std::vector<PopulationEstimate> populationIndex; // every shower with a distribution
};

// The observed zenith distance of a radiant whose geocentric one is `zenithDistance` degrees,
// for a shower whose meteors reach the atmosphere at `velocity` km/s. Unchanged for a speed
// too slow to be a meteor's (no speed in the list).
double ZenithAttracted(double zenithDistance, double velocity);

// ZHR = N F r^(6.5 - LM) / (Teff sin h), its error ZHR / sqrt(N).
double Zhr(int meteors, double f, double r, double lm, double teff, double altitude);

// r from the cumulative counts of the magnitudes at least one above `lm`, by a least-squares
// line through their logarithms; nothing under kMeteorsForPopulationIndex meteors or with
// fewer than two magnitudes to fit.
std::optional<double> PopulationIndex(const MagnitudeCounts& counts, double lm);

// The rates of an observation that passes CheckObservation.
ObservationRates ComputeRates(const Observation& observation);

// The ZHRs of one shower through the night, for a plot against the middle of each period.
struct ZhrPoint {
    std::int64_t middleUt = 0;
    double zhr = 0;
    double error = 0;
};
struct ZhrSeries {
    std::string code;
    std::vector<ZhrPoint> points;
};
// One series per shower with at least one ZHR, in the order of the observation's showers.
std::vector<ZhrSeries> ZhrSeriesOf(const Observation& observation, const ObservationRates& rates);
