#pragma once
// The night's plan: for every radiant active on the night's date, its altitude and expected
// hourly rate every half hour of the dark night, with the Moon beside them.
#include "plan/Ephemeris.h"
#include "sky/Radiant.h"

#include <string>
#include <vector>

struct PlanRequest {
    Site site;
    int year = 2026;
    int month = 1; // the night starts on the evening of this date
    int day = 1;
    double utcOffset = 0; // hours, local time = universal time + offset
    double limitingMagnitude = 6.5;
};

// Expected hourly rate: ZHR x sin(h) / r^(6.5 - LM); 0 with the radiant at or below the horizon.
double HourlyRate(double zhr, double r, double altitude, double limitingMagnitude);

struct ShowerPlan {
    std::string code;
    std::string name;
    Equatorial position; // J2000, drifted to the night's date
    double zhr = 0;
    double r = 0;
    // A rate needs a ZHR and a population index; the Terentjeva list carries neither.
    bool rateKnown = false;
    std::vector<double> altitude; // one per sample
    std::vector<double> rate;
};

struct NightPlan {
    DarkInterval night;
    // The night's ends as hours after the local midnight starting the date.
    double duskHours = 0;
    double dawnHours = 0;
    std::vector<double> times;      // Julian days (UT) of the samples
    std::vector<double> localHours; // the same as hours after local midnight starting the date
    std::vector<double> moonAltitude;
    std::vector<double> moonIllumination;
    std::vector<ShowerPlan> showers;
};

// The samples are the whole and half hours of local time inside the dark interval; a night
// holding fewer than two of them is sampled at its two ends as well. Radiants
// are those of both lists active on the date, in table order, IMO first.
NightPlan MakeNightPlan(const RadiantTable& radiants, const PlanRequest& request);
