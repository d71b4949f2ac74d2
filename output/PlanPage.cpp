#include "output/PlanPage.h"

#include "geometry/Calendar.h"
#include "geometry/Numbers.h"
#include "platform/Printer.h"
#include "render/Canvas.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr std::size_t kShowersPerBlock = 10;
constexpr int kFirstRow = 18;
constexpr int kLastRow = 263;

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::string padRight(std::string s, std::size_t width) {
    s.resize(std::max(width, s.size()), ' ');
    return s;
}

std::string padLeft(const std::string& s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

std::string darkness(DarkInterval::Kind kind) {
    switch (kind) {
    case DarkInterval::Kind::Astronomical:
        return "NOCHE ASTRONOMICA (SOL A MAS DE 18 GRADOS BAJO EL HORIZONTE)";
    case DarkInterval::Kind::Nautical:
        return "SIN NOCHE ASTRONOMICA: CREPUSCULO NAUTICO (SOL A MAS DE 12 GRADOS BAJO EL "
               "HORIZONTE)";
    case DarkInterval::Kind::Polar:
        return "NOCHE POLAR: EL SOL NO SUBE DE 18 GRADOS BAJO EL HORIZONTE";
    case DarkInterval::Kind::None:
        break;
    }
    return "EL SOL NO BAJA DE 12 GRADOS BAJO EL HORIZONTE: NO HAY NOCHE OSCURA PARA OBSERVAR";
}

std::vector<std::string> tableBlock(const NightPlan& plan, std::size_t from) {
    const std::size_t to = std::min(plan.showers.size(), from + kShowersPerBlock);
    // Every column's heading ends over its numbers' last digit.
    std::string names = "HORA   LUNA      ";
    std::string units = "         h   %   ";
    for (std::size_t i = from; i < to; ++i) {
        names += padRight(plan.showers[i].code, 10);
        units += "  h  THZ  ";
    }
    std::vector<std::string> lines{names, units, RepeatChar(static_cast<int>(units.size()), '-')};
    for (std::size_t t = 0; t < plan.times.size(); ++t) {
        std::string line = LocalTime(plan.localHours[t]) + "  " +
                           FormatFloat("+00;-00", plan.moonAltitude[t]) + " " +
                           padLeft(FormatFloat("0", 100 * plan.moonIllumination[t]), 3) + "   ";
        for (std::size_t i = from; i < to; ++i) {
            const ShowerPlan& s = plan.showers[i];
            line += FormatFloat("+00;-00", s.altitude[t]) + "  " +
                    padLeft(s.rateKnown ? FormatFloat("0", s.rate[t]) : "-", 3) + "  ";
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace

std::string NightTitle(const PlanRequest& q) {
    const int days = q.month == 2 && leapYear(q.year) ? 29 : DaysInMonth(q.month);
    int day = q.day + 1, month = q.month, year = q.year;
    if (day > days) {
        day = 1;
        month = month % 12 + 1;
        if (month == 1)
            ++year;
    }
    std::string text = "NOCHE DEL " + std::to_string(q.day);
    if (month != q.month)
        text += " DE " + upper(MonthName(q.month));
    if (year != q.year)
        text += " DE " + std::to_string(q.year);
    return text + " AL " + std::to_string(day) + " DE " + upper(MonthName(month)) + " DE " +
           std::to_string(year);
}

std::string LocalTime(double localHours) {
    const long long minutes = Round(localHours * 60.0);
    const long long ofDay = ((minutes % 1440) + 1440) % 1440;
    return FormatFloat("00", static_cast<double>(ofDay / 60)) + ":" +
           FormatFloat("00", static_cast<double>(ofDay % 60));
}

std::vector<std::vector<std::string>> NightPlanBlocks(const NightPlan& plan, const PlanRequest& q) {
    std::vector<std::vector<std::string>> blocks;
    std::vector<std::string> intro{
        "LUGAR: LATITUD " + FormatFloat("+00.00;-00.00", q.site.latitude) + "  LONGITUD " +
            FormatFloat("+000.00;-000.00", q.site.longitude) + " (ESTE +)  HORA LOCAL = UTC" +
            FormatFloat("+0.00;-0.00", q.utcOffset) + "  MAG. LIMITE " +
            FormatFloat("0.0", q.limitingMagnitude),
        darkness(plan.night.kind)};
    if (!plan.times.empty())
        intro.push_back("DE " + LocalTime(plan.localHours.front()) + " A " +
                        LocalTime(plan.localHours.back()) +
                        " HORA LOCAL, CADA MEDIA HORA. h: ALTURA EN GRADOS; LUNA %: PARTE "
                        "ILUMINADA.");
    intro.push_back("THZ = ZHR x SEN(h) / r^(6.5 - MAG. LIMITE); 0 CON EL RADIANTE BAJO EL "
                    "HORIZONTE; - SIN ZHR O r.");
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
        std::string line = padRight(s.code, 5) + padRight(s.name, 27) + "AR " +
                           FormatFloat("000.0", s.position.ra) + "  DEC " +
                           FormatFloat("+00.0;-00.0", s.position.dec);
        if (s.rateKnown)
            line += "  ZHR " + FormatFloat("0", s.zhr) + "  r " + FormatFloat("0.00", s.r);
        blocks.push_back({line});
    }
    return blocks;
}

void PrintNightPlan(Printer& printer, const NightPlan& plan, const PlanRequest& q) {
    printer.setTitle("Plan de la noche");
    printer.setOrientation(Printer::Orientation::Portrait);
    const float unit = static_cast<float>(printer.pageWidth() - 1) * 0.005f;
    const int margin = static_cast<int>(Round(unit * 5.0));
    Canvas& c = printer.canvas();
    auto y = [&](int row) { return margin + static_cast<int>(Round(row * unit)); };
    int row = 0;
    bool begun = false;
    auto startPage = [&] {
        if (begun)
            printer.newPage();
        else
            printer.beginDoc();
        begun = true;
        c.brush = colors::White;
        c.font = Font{"Arial", 10, true, colors::Black};
        c.TextOut(margin, y(8), "PLAN DE LA NOCHE DE OBSERVACION DE METEOROS");
        c.TextOut(margin, y(13), NightTitle(q));
        c.font = Font{"Courier New", 8, false, colors::Black};
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
    printer.endDoc();
}
