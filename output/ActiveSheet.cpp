#include "output/ActiveSheet.h"

#include "geometry/Calendar.h"
#include "geometry/Projection.h"
#include "output/SheetLines.h"
#include "output/TextPages.h"

namespace {

void PrintSheetLine(TextPages& pages, const ViewState& screen, const Radiant& r, int activeDay) {
    pages.PrintLine(SheetLine(r, activeDay), OnScreenChart(screen, PositionAt(r, activeDay)));
}

} // namespace

SheetSelection SelectSheetRadiants(const PrintSources& s) {
    SheetSelection selection;
    const int date = s.options.radiantDate;
    if (s.options.imoRadiants)
        selection.imo = ActiveRadiants(s.sky.radiants, date, true, false);
    if (s.options.terRadiants)
        selection.terentjeva = ActiveRadiants(s.sky.radiants, date, false, true);
    return selection;
}

std::string NothingOnSheetMessage(const PrintSources& s) {
    return "Ningún radiante de las listas mostradas está activo el " + std::to_string(s.dateDay) +
           " de " + MonthName(s.dateMonth) +
           ": no hay datos que imprimir. Muestre los radiantes IMO o los de Terentjeva, o elija "
           "otra fecha.";
}

bool OnScreenChart(const ViewState& screen, RadiantPosition at) {
    int x = 0;
    int y = 0;
    return Project(screen, at.ra, at.dec, x, y) && x >= 0 && y >= 0 && x < screen.ChartSize &&
           y < screen.ChartSize;
}

void PrintActiveSheet(Printer& printer, PrintSources& s) {
    const SheetSelection selection = SelectSheetRadiants(s);
    if (selection.empty())
        return;
    TextPages pages(printer, s, "Datos carta", SheetHeading(s.dateDay, s.dateMonth));
    const RadiantTable& table = s.sky.radiants;
    for (const SheetEntry& e : selection.imo)
        PrintSheetLine(pages, s.view, table.at(e.index), e.activeDay);
    pages.SkipLine();
    for (const SheetEntry& e : selection.terentjeva)
        PrintSheetLine(pages, s.view, table.at(e.index), e.activeDay);
    pages.finish();
}
