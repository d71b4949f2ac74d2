#pragma once
// The print command: the chart page, or the sheet of the radiants active on the chart date,
// as many copies as the print dialog asks, each copy its own job; or a radiant listing. Each
// may be seen first in the print preview.
#include "geometry/ViewState.h"
#include "platform/OutputDialogs.h"
#include "platform/Printer.h"
#include "render/Bitmap.h"
#include "render/ChartOptions.h"
#include "sky/SkyData.h"

#include <functional>
#include <string>

// The choice of the print choice dialog.
enum class PrintChoice { Chart, ActiveRadiants, ImoListing, TerentjevaListing };

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

// The command once the choice dialog was confirmed with `choice`; the listings read their file
// in `dataDir` and are printed once, the printer making the copies.
void PrintCommand(PrintChoice choice, OutputDialogs& dialogs, Printer& printer,
                  PrintSources& sources, const std::string& dataDir);

// One copy of the choice's pages; the listings read their file in `dataDir`.
void PrintChoicePages(PrintChoice choice, Printer& printer, PrintSources& sources,
                      const std::string& dataDir);

// The preview of the choice first; its "Imprimir" goes on to the print command.
void PreviewCommand(PrintChoice choice, OutputDialogs& dialogs, Printer& printer,
                    PrintSources& sources, const std::string& dataDir);
