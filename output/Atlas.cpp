#include "output/Atlas.h"

#include "geometry/Calendar.h"
#include "geometry/ChartCentres.h"
#include "geometry/Numbers.h"
#include "output/ActiveSheet.h"
#include "output/ChartPage.h"
#include "output/OneDocument.h"
#include "output/PlanPage.h"

#include <cctype>

namespace {
constexpr int kCharts = static_cast<int>(kChartCentres.size());

PrintSources sheetSources(const PrintSources& s, ViewState& screen, const AtlasContents& c) {
    PrintSources sheet{s.sky, screen, s.options, s.dateDay, s.dateMonth, s.logo};
    sheet.options.imoRadiants = c.imoSheet;
    sheet.options.terRadiants = c.terSheet;
    return sheet;
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

AtlasContents AtlasContentsFor(const PrintSources& s, std::optional<PlanRequest> plan) {
    const bool shown = s.options.imoRadiants || s.options.terRadiants;
    return {s.options.imoRadiants || !shown, s.options.terRadiants || !shown, std::move(plan)};
}

std::string AtlasContentsMessage(const PrintSources& s, const AtlasContents& c) {
    const std::string date = std::to_string(s.dateDay) + " de " + lower(MonthName(s.dateMonth));
    std::string text = "El atlas tendrá:\n- las " + std::to_string(kCharts) +
                       " cartas Brno, una por página apaisada;\n";
    ViewState screen = s.view;
    const SheetSelection sheet = SelectSheetRadiants(sheetSources(s, screen, c));
    const std::size_t count = sheet.imo.size() + sheet.terentjeva.size();
    const std::string lists = c.imoSheet && c.terSheet ? "las listas IMO y de Terentjeva"
                              : c.imoSheet             ? "la lista IMO"
                                                       : "la lista de Terentjeva";
    if (count == 0)
        text += "- sin hoja de radiantes: ninguno de " + lists + " está activo el " + date + ";\n";
    else
        text += "- la hoja de radiantes activos el " + date + ": " + std::to_string(count) +
                " de " + lists + ";\n";
    if (!s.options.imoRadiants && !s.options.terRadiants && c.imoSheet && c.terSheet)
        text += "  (la carta no muestra radiantes: la hoja toma los de las dos listas)\n";
    if (c.plan)
        text += "- el plan de la " + lower(NightTitle(*c.plan)) + " en latitud " +
                FormatFloat("0.00", c.plan->site.latitude) + ", longitud " +
                FormatFloat("0.00", c.plan->site.longitude) + ".\n";
    else
        text += "- sin plan de la noche: no hay un lugar guardado. Calcule el plan una vez en "
                "«Archivo» > «Planificar la noche...» para que el atlas lo lleve.\n";
    return text + "¿Exportar el atlas?";
}

int AtlasSteps(bool withPlan) {
    return kCharts + 1 + (withPlan ? 1 : 0);
}

bool PrintAtlas(Printer& printer, const PrintSources& s, const AtlasContents& contents,
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
    PrintSources sheet = sheetSources(s, screen, contents);
    PrintActiveSheet(document, sheet);
    if (contents.plan) {
        if (!next("Plan de la noche"))
            return false;
        const PlanRequest& q = *contents.plan;
        PrintNightPlan(document, MakeNightPlan(s.sky.radiants, q), q,
                       {s.logo ? s.logo() : Bitmap{}, false});
    }
    // A cancel pressed while the last page was drawn still counts.
    if (!progress.advance(done, "Terminado"))
        return false;
    document.finish();
    return true;
}
