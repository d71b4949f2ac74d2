#pragma once
// The sheet of the radiants active on the radiant date: IMO radiants first, then, after a blank
// line, the Terentjeva ones, each group in table order; in bold those on the chart on screen.
#include "geometry/ViewState.h"
#include "output/SheetHeader.h"
#include "sky/Radiant.h"

#include <vector>

class Printer;

struct SheetEntry {
    int index;     // slot in the radiant table
    int activeDay; // the radiant date seen from the record
};

struct SheetSelection {
    std::vector<SheetEntry> imo;
    std::vector<SheetEntry> terentjeva;
    bool empty() const { return imo.empty() && terentjeva.empty(); }
};

// The radiants of each list shown on the chart that are active on the radiant date.
SheetSelection SelectSheetRadiants(const RadiantTable& table, int radiantDate, bool imoShown,
                                   bool terentjevaShown);

// Whether a position falls inside the chart on screen.
bool OnScreenChart(const ViewState& screen, RadiantPosition at);

// Prints the sheet as one job titled "Datos carta"; an empty selection begins no job.
void PrintActiveSheet(Printer& printer, SheetUnits units, const RadiantTable& table,
                      const SheetSelection& selection, const ViewState& screen, int day, int month);
