#pragma once
// The night the plan's tests and the benchmark share.
#include "plan/NightPlan.h"

// The Perseids' night of 12-13 August 2026 from Madrid (40.4 N, 3.7 W), local time UTC+2.
inline PlanRequest PerseidsNightFromMadrid(double limitingMagnitude = 6.5) {
    PlanRequest q;
    q.site = {40.4, -3.7};
    q.year = 2026;
    q.month = 8;
    q.day = 12;
    q.utcOffset = 2;
    q.limitingMagnitude = limitingMagnitude;
    return q;
}
