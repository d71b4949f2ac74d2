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

PlanSettings LoadPlanSettings();
void StorePlanSettings(const PlanSettings& settings);

// Decimal degrees with a point, within +-limit; false for anything else.
bool ReadDegrees(const QString& text, double limit, double& value);

// The plan of the night that starts on the evening of (day, month, year) at the remembered
// site; none while no valid site is remembered.
std::optional<PlanRequest> RememberedPlan(int day, int month, int year);
