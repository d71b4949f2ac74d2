#pragma once
// The night's plan on paper: portrait pages in the style of the radiant sheet, a title, the
// site and the dark interval, then the half-hourly table in fixed-width columns, ten radiants
// to a block, and the radiants' data under it.
#include "plan/NightPlan.h"

#include <string>
#include <vector>

class Printer;

// "NOCHE DEL 12 AL 13 DE AGOSTO DE 2026", the morning's date by the real calendar.
std::string NightTitle(const PlanRequest& request);
// Local time of a sample, "HH:MM".
std::string LocalTime(double localHours);

// The text under the title in blocks of lines: the site and night, each table block, the list
// of radiants. A block that fits on a page is never split between two.
std::vector<std::vector<std::string>> NightPlanBlocks(const NightPlan& plan,
                                                      const PlanRequest& request);

// Prints the plan as one job titled "Plan de la noche".
void PrintNightPlan(Printer& printer, const NightPlan& plan, const PlanRequest& request);
