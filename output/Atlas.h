#pragma once
// The atlas: the twelve standard charts as printed chart pages, then the sheet of the radiants
// active on the radiant date, then the night's plan when a site is known, in one document.
#include "output/PrintCommand.h"
#include "plan/NightPlan.h"
#include "platform/Progress.h"

#include <optional>

// How many steps the progress is told of.
int AtlasSteps(bool withPlan);

// Prints the atlas as one document. Every chart is drawn as choosing it shows it (zoom 1,
// grid on) with the other toggles, the magnitude limit and the radiant date of the sources;
// the sources' view is left as it was, and the sheet sets in bold what lies on it. Returns
// false, the document dropped, when the user cancels.
bool PrintAtlas(Printer& printer, const PrintSources& sources,
                const std::optional<PlanRequest>& plan, Progress& progress);
