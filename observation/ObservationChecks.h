#pragma once
// What an observation must satisfy before it is kept or sent to the IMO. Every refusal names
// the row and the field in Spanish and says what to do; nothing is changed.
#include "observation/Observation.h"

#include <optional>
#include <string>
#include <vector>

enum class ObservationField {
    Latitude,
    Longitude,
    Night,
    UtcOffset,
    Shower,
    Start,
    End,
    Teff,
    F,
    Lm,
    FieldRa,
    FieldDec,
    Count,
    Magnitude,
    Elevation,
};

struct ObservationFault {
    int row = 0; // the period, numbered from 1; 0 for the session and the showers
    ObservationField field = ObservationField::Start;
    std::string code;  // the shower of a count or magnitude fault
    int magnitude = 0; // the class of a magnitude fault, -6..+7
    std::string message;
};

constexpr double kLongestPeriodHours = 7;

// Every fault, session first, then the periods in order; empty when the observation is sound.
// A magnitude distribution whose total differs from the count is not a fault.
std::vector<ObservationFault> CheckObservation(const Observation& observation);

// The universal times between which a period of this night may lie: local noon to local noon.
std::pair<std::int64_t, std::int64_t> NightWindow(const Observation& observation);

// A count as typed: a whole number, 0 or more.
std::optional<int> ReadCount(const std::string& text);
// A magnitude class's count as typed: a whole or half number, 0 or more.
std::optional<double> ReadMagnitudeCount(const std::string& text);
// The fault of a typed count or magnitude count of row `row`, or nothing when it reads.
std::optional<ObservationFault> CheckCountText(int row, const std::string& code,
                                               const std::string& text);
std::optional<ObservationFault> CheckMagnitudeText(int row, const std::string& code, int magnitude,
                                                   const std::string& text);

// F = 1 / (1 - k) for k the obscured part of the field; nothing for a percentage outside
// 0 to below 100.
std::optional<double> CloudFactor(double cloudPercentage);
