#pragma once
// The sheet of the radiants active on the radiant date: IMO radiants first, then, after a blank
// line, the Terentjeva ones, each group in table order; in bold those on the chart on screen.
#include "output/PrintCommand.h"

#include <string>
#include <vector>

using SheetEntry = ActiveRadiant;

struct SheetSelection {
    std::vector<SheetEntry> imo;
    std::vector<SheetEntry> terentjeva;
    bool empty() const { return imo.empty() && terentjeva.empty(); }
};

// The radiants of each list shown on the chart that are active on the radiant date.
SheetSelection SelectSheetRadiants(const PrintSources& sources);

// What the user is told instead of an empty sheet (UTF-8).
std::string NothingOnSheetMessage(const PrintSources& sources);

// Whether a position falls inside the chart on screen.
bool OnScreenChart(const ViewState& screen, RadiantPosition at);

// Prints the sheet as one job titled "Datos carta"; with nothing to print no job begins.
void PrintActiveSheet(Printer& printer, PrintSources& sources);
