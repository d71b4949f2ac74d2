#pragma once
// The atlas: the twelve standard charts as printed chart pages, then the sheet of the radiants
// active on the radiant date, then the night's plan when a site is known, in one document.
#include "output/PrintCommand.h"
#include "plan/NightPlan.h"
#include "platform/Progress.h"

#include <optional>
#include <string>

// What the atlas holds after its twelve charts.
struct AtlasContents {
    // The lists the radiant sheet takes; with neither there is no sheet.
    bool imoSheet = false;
    bool terSheet = false;
    std::optional<PlanRequest> plan;
};

// The sheet takes the lists the chart shows, or both when it shows none, so that the atlas
// always carries the radiants active on its date.
AtlasContents AtlasContentsFor(const PrintSources& sources, std::optional<PlanRequest> plan);

// The pages the atlas will hold, told before it starts (UTF-8).
std::string AtlasContentsMessage(const PrintSources& sources, const AtlasContents& contents);

// How many steps the progress is told of.
int AtlasSteps(bool withPlan);

// Prints the atlas as one document. Every chart is drawn as choosing it shows it (zoom 1,
// grid on) with the other toggles, the magnitude limit and the radiant date of the sources;
// the sources' view is left as it was, and the sheet sets in bold what lies on it. Returns
// false, the document dropped, when the user cancels.
bool PrintAtlas(Printer& printer, const PrintSources& sources, const AtlasContents& contents,
                Progress& progress);
