#pragma once
// The words of the night's plan that the window, the plot and the page share, in Windows-1252.
#include "plan/NightPlan.h"

#include <string>

// "NOCHE DEL 12 AL 13 DE AGOSTO DE 2026", the morning's date by the real calendar.
std::string NightTitle(const PlanRequest& request);
// Local time of a sample, "HH:MM".
std::string LocalTime(double localHours);
// What darkness the night has and from when to when, to the minute: "Noche astronómica (Sol
// a más de 18 grados bajo el horizonte) de 23:00 a 05:40, hora local."
std::string NightSummary(const NightPlan& plan);
// Upper case, accented letters too.
std::string UpperCase(std::string text);
