#pragma once
// The night plan's site, time zone and sky limiting magnitude, remembered between runs.
#include "plan/NightPlan.h"

#include <QString>

#include <optional>

struct PlanSettings {
    QString latitude; // as the user typed them
    QString longitude;
    double utcOffset = 0;
    double limitingMagnitude = 6.5;
};

// The values the plan accepts, typed or read back.
constexpr double kLowestUtcOffset = -12.0;
constexpr double kHighestUtcOffset = 14.0;
constexpr double kFaintestSky = 8.0;
constexpr double kBrightestSky = 3.0;

// The remembered settings, each checked as a typed one: a value out of range or not a number
// (a damaged settings file) is read as unset.
PlanSettings LoadPlanSettings();
// False when the settings could not be written; the path then names the file.
bool StorePlanSettings(const PlanSettings& settings, QString* path = nullptr);

// Decimal degrees with a point, within +-limit; false for anything else.
bool ReadDegrees(const QString& text, double limit, double& value);

// The plan of the night that starts on the evening of (day, month, year) at the remembered
// site; none while no valid site is remembered.
std::optional<PlanRequest> RememberedPlan(int day, int month, int year);
