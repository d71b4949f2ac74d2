#pragma once
// An observation as the window holds it: the texts the observer typed, kept as typed until
// they read, so that a refused value stays in its field to be corrected.
#include "observation/ObservationChecks.h"

#include <array>
#include <map>
#include <string>
#include <vector>

using MagnitudeTexts = std::array<std::string, kMagnitudeClasses>;

struct PeriodDraft {
    std::string start; // UT, "HH:MM" inside the night or the full date and time
    std::string end;
    std::string teff;
    std::string f; // the factor, or the clouds as a percentage ("20%")
    std::string lm;
    std::string ra; // empty: no field centre
    std::string dec;
    std::string method;
    std::map<std::string, std::string> counts; // by shower code
    // By shower code; a shower without one, or with every class blank, has no distribution.
    std::map<std::string, MagnitudeTexts> magnitudes;
};

struct ObservationDraft {
    std::int64_t id = 0;
    std::string observerName;
    std::string observerCode;
    std::string siteName;
    std::string country;
    std::string latitude;
    std::string longitude;
    std::string elevation; // metres, empty for 0
    CivilDate evening;
    CivilDate morning;
    double utcOffset = 0;
    std::vector<ObservedShower> showers;
    std::vector<PeriodDraft> periods;
};

struct DraftReading {
    Observation observation;
    // What does not read, else what CheckObservation refuses; empty when it may be kept.
    std::vector<ObservationFault> faults;
};

DraftReading ReadDraft(const ObservationDraft& draft);
ObservationDraft DraftOf(const Observation& observation);
