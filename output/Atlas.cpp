#include "output/Atlas.h"

#include "geometry/ChartCentres.h"
#include "output/ActiveSheet.h"
#include "output/ChartPage.h"
#include "output/OneDocument.h"
#include "output/PlanPage.h"

namespace {
constexpr int kCharts = static_cast<int>(kChartCentres.size());
} // namespace

int AtlasSteps(bool withPlan) {
    return kCharts + 1 + (withPlan ? 1 : 0);
}

bool PrintAtlas(Printer& printer, const PrintSources& s, const std::optional<PlanRequest>& plan,
                Progress& progress) {
    OneDocument document(printer, "Atlas de cartas");
    int done = 0;
    auto next = [&](const std::string& step) { return progress.advance(done++, step); };
    for (int i = 0; i < kCharts; ++i) {
        if (!next("Carta " + std::to_string(i + 1) + " de " + std::to_string(kCharts)))
            return false;
        ViewState view = s.view;
        ShowStandardChart(view, i);
        PrintSources page{s.sky, view, s.options, s.dateDay, s.dateMonth, s.logo};
        page.options.grid = true;
        page.options.gridLetter = GridLetterFor(i);
        PrintChartPage(document, page);
    }
    if (!next("Radiantes activos"))
        return false;
    ViewState screen = s.view;
    PrintSources sheet{s.sky, screen, s.options, s.dateDay, s.dateMonth, s.logo};
    PrintActiveSheet(document, sheet);
    if (plan) {
        if (!next("Plan de la noche"))
            return false;
        PrintNightPlan(document, MakeNightPlan(s.sky.radiants, *plan), *plan,
                       {s.logo ? s.logo() : Bitmap{}, false});
    }
    // A cancel pressed while the last page was drawn still counts.
    if (!progress.advance(done, "Terminado"))
        return false;
    document.finish();
    return true;
}
