#include "output/PlanPage.h"

#include "geometry/Calendar.h"
#include "geometry/Numbers.h"
#include "output/PlanChartPrint.h"
#include "output/PrintUnits.h"
#include "output/SheetHeader.h"
#include "output/TextColumns.h"
#include "platform/Printer.h"
#include "render/Canvas.h"

#include <algorithm>

namespace {

constexpr std::size_t kShowersPerBlock = 10;
// Under the society header, as on the radiant sheet.
constexpr int kFirstRow = 36;
constexpr int kLastRow = 263;

std::vector<std::string> tableBlock(const NightPlan& plan, std::size_t from) {
    const std::size_t to = std::min(plan.showers.size(), from + kShowersPerBlock);
    // Every column's heading ends over its numbers' last digit.
    std::string names = "HORA   LUNA      ";
    std::string units = "         h   %   ";
    for (std::size_t i = from; i < to; ++i) {
        names += PadRight(plan.showers[i].code, 10);
        units += "  h  THE  ";
    }
    std::vector<std::string> lines{names, units, RepeatChar(static_cast<int>(units.size()), '-')};
    for (std::size_t t = 0; t < plan.times.size(); ++t) {
        std::string line = LocalTime(plan.localHours[t]) + "  " +
                           FormatFloat("+00;-00", plan.moonAltitude[t]) + " " +
                           PadLeft(FormatFloat("0", 100 * plan.moonIllumination[t]), 3) + "   ";
        for (std::size_t i = from; i < to; ++i) {
            const ShowerPlan& s = plan.showers[i];
            line += FormatFloat("+00;-00", s.altitude[t]) + "  " +
                    PadLeft(s.rateKnown ? FormatFloat("0", s.rate[t]) : "-", 3) + "  ";
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace

std::vector<std::vector<std::string>> NightPlanBlocks(const NightPlan& plan, const PlanRequest& q) {
    std::vector<std::vector<std::string>> blocks;
    std::vector<std::string> intro{
        "LUGAR: LATITUD " + FormatFloat("+00.00;-00.00", q.site.latitude) + "  LONGITUD " +
            FormatFloat("+000.00;-000.00", q.site.longitude) + " (ESTE +)  HORA LOCAL = UTC" +
            FormatFloat("+0.00;-0.00", q.utcOffset) + "  MAG. LIMITE " +
            FormatFloat("0.0", q.limitingMagnitude),
        UpperCase(NightSummary(plan))};
    if (!plan.times.empty())
        intro.push_back("CADA MEDIA HORA (UNA NOCHE CORTA, EN SUS EXTREMOS). h: ALTURA EN GRADOS; "
                        "LUNA %: ILUMINADA.");
    intro.push_back("THE: TASA HORARIA ESPERADA = THZ x SEN(h) / r^(6.5 - MAG. LIMITE); 0 BAJO EL "
                    "HORIZONTE; - SIN THZ O r.");
    blocks.push_back(intro);
    if (plan.showers.empty())
        blocks.push_back({"", "NINGUN RADIANTE ACTIVO ESA NOCHE."});
    if (plan.times.empty())
        return blocks;
    for (std::size_t from = 0; from < plan.showers.size(); from += kShowersPerBlock) {
        std::vector<std::string> block{""};
        const auto table = tableBlock(plan, from);
        block.insert(block.end(), table.begin(), table.end());
        blocks.push_back(block);
    }
    blocks.push_back({""});
    for (const ShowerPlan& s : plan.showers) {
        std::string line = PadRight(s.code, 5) + PadRight(s.name, 27) + "AR " +
                           FormatFloat("000.0", s.position.ra) + "  DEC " +
                           FormatFloat("+00.0;-00.0", s.position.dec);
        if (s.rateKnown)
            line += "  THZ " + FormatFloat("0", s.zhr) + "  r " + FormatFloat("0.00", s.r);
        blocks.push_back({line});
    }
    return blocks;
}

void PrintNightPlan(Printer& printer, const NightPlan& plan, const PlanRequest& q,
                    const PlanPaper& paper) {
    printer.setTitle("Plan de la noche");
    ViewState units;
    TakePrintUnits(printer, units);
    const float unit = units.PrintUnit;
    const int margin = units.PrintMargin;
    Canvas& c = printer.canvas();
    auto y = [&](int row) { return margin + static_cast<int>(Round(row * unit)); };
    int row = 0;
    bool begun = false;
    const std::vector<std::string> titles{"PLAN DE LA NOCHE DE OBSERVACION DE METEOROS",
                                          NightTitle(q)};
    auto startPage = [&] {
        StartTitledSheetPage(printer, units, paper.logo, titles, begun);
        row = kFirstRow;
    };
    startPage();
    const int perPage = (kLastRow - kFirstRow) / 3 + 1;
    for (const auto& block : NightPlanBlocks(plan, q)) {
        const int lines = static_cast<int>(block.size());
        if (row != kFirstRow && lines <= perPage && row + 3 * (lines - 1) > kLastRow)
            startPage();
        for (const std::string& line : block) {
            if (row > kLastRow)
                startPage();
            c.TextOut(margin, y(row), line);
            row += 3;
        }
    }
    const PlanChart chart = MakePlanChart(plan, paper.rates);
    if (chart.note.empty()) {
        if (row + PlanChartRows(chart) > kLastRow)
            startPage();
        PrintPlanChart(c, chart, margin, y(row + 2), printer.pageWidth() - 2 * margin, unit);
    }
    printer.endDoc();
}
