#pragma once
// The print command: the chart page, or the sheet of the radiants active on the chart date,
// as many copies as the print dialog asks, each copy its own job.
#include "geometry/ViewState.h"
#include "platform/OutputDialogs.h"
#include "platform/Printer.h"
#include "render/Bitmap.h"
#include "render/ChartOptions.h"
#include "sky/SkyData.h"

#include <functional>

// The choice of the print choice dialog.
enum class PrintChoice { Chart, ActiveRadiants };

// What the printouts read of the main window when the command runs.
struct PrintSources {
    const SkyData& sky;
    // The chart's view; every job sets PrintUnit and PrintMargin in it, a chart page also
    // PrintScale and PrintFactor.
    ViewState& view;
    // Toggles, grid letter, radiant date and drift selection, as for the screen chart.
    ChartOptions options;
    // Positions of the radiant date controls, for the "Fecha de radiantes" line.
    int dateDay = 1;
    int dateMonth = 1;
    // The society logo, read for every printed header; an empty picture prints no logo.
    std::function<Bitmap()> logo;
};

// Shows the print dialog; when it is confirmed, runs printOne once per copy.
void PrintCopies(OutputDialogs& dialogs, Printer& printer, const std::function<void()>& printOne);

// The command once the choice dialog was confirmed with `choice`.
void PrintCommand(PrintChoice choice, OutputDialogs& dialogs, Printer& printer,
                  PrintSources& sources);
