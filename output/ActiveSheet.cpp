#include "output/ActiveSheet.h"

#include "geometry/Projection.h"
#include "output/SheetLines.h"
#include "output/TextPages.h"

namespace {

std::vector<SheetEntry> activeOfKind(const RadiantTable& table, int radiantDate, RadiantKind kind) {
    std::vector<SheetEntry> entries;
    for (int i = 0; i < table.count(); ++i) {
        int activeDay = 0;
        if (KindOf(table.at(i)) == kind && IsActive(table.at(i), radiantDate, activeDay))
            entries.push_back({i, activeDay});
    }
    return entries;
}

void PrintSheetLine(TextPages& pages, const ViewState& screen, const Radiant& r, int activeDay) {
    pages.PrintLine(SheetLine(r, activeDay), OnScreenChart(screen, PositionAt(r, activeDay)));
}

} // namespace

SheetSelection SelectSheetRadiants(const RadiantTable& table, int radiantDate, bool imoShown,
                                   bool terentjevaShown) {
    SheetSelection s;
    if (imoShown)
        s.imo = activeOfKind(table, radiantDate, RadiantKind::Imo);
    if (terentjevaShown)
        s.terentjeva = activeOfKind(table, radiantDate, RadiantKind::Terentjeva);
    return s;
}

bool OnScreenChart(const ViewState& screen, RadiantPosition at) {
    int x = 0;
    int y = 0;
    return Project(screen, at.ra, at.dec, x, y) && x >= 0 && y >= 0 && x < screen.ChartSize &&
           y < screen.ChartSize;
}

void PrintActiveSheet(Printer& printer, SheetUnits units, const RadiantTable& table,
                      const SheetSelection& selection, const ViewState& screen, int day,
                      int month) {
    TextPages pages(printer, units, "Datos carta",
                    {SheetTitle(day, month), kSheetColumns, kSheetUnderline});
    for (const SheetEntry& e : selection.imo)
        PrintSheetLine(pages, screen, table.at(e.index), e.activeDay);
    pages.SkipLine();
    for (const SheetEntry& e : selection.terentjeva)
        PrintSheetLine(pages, screen, table.at(e.index), e.activeDay);
    pages.finish();
}
