#include "output/ObservationReport.h"

#include "geometry/Numbers.h"
#include "geometry/ViewState.h"
#include "observation/DecimalText.h"
#include "output/PlanPage.h"
#include "output/PrintUnits.h"
#include "output/SheetHeader.h"
#include "output/ZhrPlot.h"
#include "platform/Printer.h"
#include "render/Canvas.h"
#include "sky/Ansi.h"

#include <algorithm>

namespace {

constexpr int kFirstLineRow = 36;
constexpr int kLineStep = 3;
constexpr int kLastRow = 263;
constexpr int kPlotRows = 85;

// Pads by characters, not bytes, so accented names keep the columns.
std::string pad(const std::string& text, std::size_t width) {
    std::size_t chars = 0;
    for (char c : text)
        chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return chars >= width ? text + " " : text + std::string(width - chars, ' ');
}

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string clock(std::int64_t ut) {
    const std::string text = FormatUt(ut); // YYYY-MM-DD HH:MM:SS
    return text.substr(11, 5);
}

std::string periodTimes(const Period& p) {
    const std::string date = FormatUt(p.startUt);
    return date.substr(8, 2) + "/" + date.substr(5, 2) + " " + clock(p.startUt) + "-" +
           clock(p.endUt);
}

std::string result(const ShowerRate& r) {
    if (r.kind == RateKind::Zhr)
        return "ZHR " + FormatFloat("0.0", r.zhr) + " ± " + FormatFloat("0.0", r.zhrError);
    if (r.kind == RateKind::Sporadic)
        return r.reason + ", tasa horaria " + FormatFloat("0.0", r.hourlyRate);
    return r.reason;
}

std::vector<std::string> sessionLines(const Observation& o) {
    PlanRequest night;
    night.year = o.evening.year;
    night.month = o.evening.month;
    night.day = o.evening.day;
    std::vector<std::string> lines{
        NightTitle(night),
        "OBSERVADOR: " + o.observerName +
            (o.observerCode.empty() ? "" : " (código IMO " + o.observerCode + ")"),
        "LUGAR: " + o.site.name + (o.site.country.empty() ? "" : ", " + o.site.country),
        "LATITUD " + FormatFloat("+00.0000;-00.0000", o.site.latitude) + "  LONGITUD " +
            FormatFloat("+000.0000;-000.0000", o.site.longitude) + " (ESTE +)  ALTITUD " +
            FormatFloat("0", o.site.elevationMetres) + " m  HORA LOCAL = UT" +
            FormatFloat("+0.0;-0.0", o.utcOffset),
        "",
        "LLUVIAS OBSERVADAS:"};
    for (const ObservedShower& s : o.showers) {
        std::string line = "  " + pad(s.code, 5) + pad(s.name, 26);
        if (s.code != kSporadicCode)
            line += "AR " + FormatFloat("000.0", s.ra) + "  DEC " +
                    FormatFloat("+00.0;-00.0", s.dec) + "  V " + FormatFloat("0", s.velocity) +
                    " km/s  ";
        lines.push_back(line + "r " + FormatFloat("0.00", s.populationIndex));
    }
    return lines;
}

std::vector<std::string> periodLines(const Observation& o, const ObservationRates& rates) {
    std::vector<std::string> lines{
        "", "PERIODO (UT)        TEFF     F    LM  CAMPO AR/DEC  LLUVIA    N  ALTURA  RESULTADO",
        std::string(96, '-')};
    for (std::size_t i = 0; i < o.periods.size(); ++i) {
        const Period& p = o.periods[i];
        const std::string field =
            p.ra && p.dec ? FormatFloat("000.0", *p.ra) + "/" + FormatFloat("+00.0;-00.0", *p.dec)
                          : "";
        const std::string head = pad(periodTimes(p), 18) + padLeft(FormatFloat("0.00", p.teff), 6) +
                                 padLeft(FormatFloat("0.00", p.f), 6) +
                                 padLeft(FormatFloat("0.0", p.lm), 6) + "  " + pad(field, 13);
        for (std::size_t k = 0; k < p.counts.size(); ++k) {
            const ShowerRate& r = rates.periods[i].showers[k];
            const std::string altitude = r.altitude ? FormatFloat("+00.0;-00.0", *r.altitude) : "";
            lines.push_back((k == 0 ? head : std::string(head.size(), ' ')) +
                            pad(p.counts[k].code, 6) +
                            padLeft(std::to_string(p.counts[k].number), 5) + padLeft(altitude, 8) +
                            "  " + result(r));
        }
    }
    return lines;
}

std::vector<std::string> magnitudeLines(const Observation& o) {
    std::vector<std::string> lines{"", "DISTRIBUCIONES DE MAGNITUD"};
    std::string header = pad("PERIODO (UT)", 18) + "LLUVIA";
    for (int m = kBrightestMagnitude; m < kBrightestMagnitude + kMagnitudeClasses; ++m)
        header += padLeft(FormatFloat("+0;-0;0", m), 5);
    lines.push_back(header + "  TOTAL");
    const std::size_t heading = lines.size();
    for (const Period& p : o.periods)
        for (const ShowerCount& c : p.counts) {
            if (!c.magnitudes)
                continue;
            std::string line = pad(periodTimes(p), 18) + pad(c.code, 6);
            for (double n : *c.magnitudes)
                line += padLeft(n == 0 ? "." : DecimalText(n, 1), 5);
            const double total = MagnitudeTotal(*c.magnitudes);
            line += "  " + DecimalText(total, 1);
            if (total != c.number)
                line += " (N = " + std::to_string(c.number) + ")";
            lines.push_back(line);
        }
    if (lines.size() == heading)
        return {};
    return lines;
}

std::vector<std::string> populationLines(const ObservationRates& rates) {
    std::vector<std::string> lines;
    for (const PopulationEstimate& e : rates.populationIndex)
        lines.push_back("ÍNDICE DE POBLACIÓN DE " + e.code + ": " +
                        (e.r ? "r = " + FormatFloat("0.00", *e.r) : std::string("sin estimar")) +
                        " (" + DecimalText(e.meteors, 1) +
                        (e.meteors == 1 ? " meteoro" : " meteoros") +
                        (e.r ? ")" : ", hacen falta 30)"));
    if (!lines.empty())
        lines.insert(lines.begin(), "");
    return lines;
}

// Canvas text is Windows-1252; a character it lacks prints as "?".
std::string ansi(const std::string& utf8) {
    if (auto text = Utf8ToAnsi(utf8))
        return *text;
    std::string text;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = 1;
        while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80)
            ++n;
        text += Utf8ToAnsi(utf8.substr(i, n)).value_or("?");
        i += n;
    }
    return text;
}

} // namespace

std::vector<std::string> ObservationReportLines(const Observation& o,
                                                const ObservationRates& rates) {
    std::vector<std::string> lines = sessionLines(o);
    for (const auto& part : {periodLines(o, rates), magnitudeLines(o), populationLines(rates)})
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

void PrintObservationReport(Printer& printer, const Observation& o, const ObservationRates& rates,
                            const Bitmap& logo) {
    ViewState v;
    TakePrintUnits(printer, v);
    printer.setTitle("Informe de observación");
    Canvas& c = printer.canvas();
    auto y = [&](int row) { return v.PrintMargin + static_cast<int>(Round(row * v.PrintUnit)); };
    // Paper shorter than A4 ends its rows sooner.
    int lastRow = kLastRow;
    while (lastRow > kFirstLineRow + kLineStep &&
           y(lastRow) + c.TextHeight("0") > printer.pageHeight())
        --lastRow;
    int row = 0;
    bool begun = false;
    const std::vector<std::string> titles{ansi("INFORME DE OBSERVACIÓN VISUAL DE METEOROS")};
    auto startPage = [&] {
        StartTitledSheetPage(printer, v, logo, titles, begun);
        row = kFirstLineRow;
    };
    startPage();
    for (const std::string& line : ObservationReportLines(o, rates)) {
        if (row > lastRow)
            startPage();
        c.TextOut(v.PrintMargin, y(row), ansi(line));
        row += kLineStep;
    }
    if (row + kPlotRows > lastRow)
        startPage();
    std::int64_t from = o.periods.empty() ? 0 : o.periods.front().startUt;
    std::int64_t to = from;
    for (const Period& p : o.periods) {
        from = std::min(from, p.startUt);
        to = std::max(to, p.endUt);
    }
    const int width = printer.pageWidth();
    DrawZhrPlot(c, {v.PrintMargin, y(row + kLineStep), width - v.PrintMargin, y(row + kPlotRows)},
                v.PrintUnit, ZhrSeriesOf(o, rates), from, to);
    printer.endDoc();
}
