#pragma once
// The night's plan on paper: portrait pages under the society header of the radiant sheet, a
// title, the site and the dark interval, then the half-hourly table in fixed-width columns,
// ten radiants to a block, the radiants' data, and the plot under it all.
#include "output/PlanText.h"
#include "render/Bitmap.h"

#include <string>
#include <vector>

class Printer;

// The text under the title in blocks of lines: the site and night, each table block, the list
// of radiants. A block that fits on a page is never split between two.
std::vector<std::vector<std::string>> NightPlanBlocks(const NightPlan& plan,
                                                      const PlanRequest& request);

struct PlanPaper {
    Bitmap logo;        // the society's, for the header; empty leaves its square blank
    bool rates = false; // the plot shows expected rates, else altitudes
};

// Prints the plan as one job titled "Plan de la noche".
void PrintNightPlan(Printer& printer, const NightPlan& plan, const PlanRequest& request,
                    const PlanPaper& paper);
