#include "output/PlanChartPrint.h"

#include "geometry/Numbers.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kTitleRows = 5;
constexpr int kPlotRows = 70;
constexpr int kUnderPlotRows = 11;
constexpr int kLegendColumns = 3;
constexpr int kLegendStep = 3;
constexpr Color kGrid{150, 150, 150};

int legendLines(const PlanChart& chart) {
    const int entries = static_cast<int>(chart.curves.size()) + 1;
    return (entries + kLegendColumns - 1) / kLegendColumns;
}

int px(double units, float unit) {
    return static_cast<int>(Round(units * unit));
}

Pen curvePen(const PlanCurve& curve, float unit) {
    return {curve.color, std::max(1, px(0.35, unit)),
            curve.dashed ? PenStyle::Dash : PenStyle::Solid};
}

} // namespace

int PlanChartRows(const PlanChart& chart) {
    return kTitleRows + kPlotRows + kUnderPlotRows + kLegendStep * legendLines(chart);
}

void PrintPlanChart(Canvas& c, const PlanChart& chart, int left, int top, int width, float unit) {
    const int x0 = left + px(12, unit);
    const int x1 = left + width - px(2, unit);
    const int y0 = top + px(kTitleRows, unit);
    const int y1 = y0 + px(kPlotRows, unit);
    auto x = [&](double hours) {
        return x0 +
               static_cast<int>(Round((hours - chart.from) / (chart.to - chart.from) * (x1 - x0)));
    };
    auto y = [&](double value) {
        return y1 - static_cast<int>(Round(value / chart.top * (y1 - y0)));
    };
    c.brush = colors::White;
    c.font = Font{"Arial", 8, false, colors::Black};
    c.TextOut(left, top, chart.valueTitle);

    c.brush = chart.moonShade;
    for (const auto& [from, to] : chart.moonUp)
        c.FillRect(x(from), y0, x(to), y1);
    c.brush = colors::White;

    const int thin = std::max(1, px(0.1, unit));
    const int half = c.TextHeight("0") / 2;
    for (int k = 0; k <= chart.valueSteps; ++k) {
        const double value = chart.top * k / chart.valueSteps;
        const std::string label = FormatFloat("0", value);
        c.pen = Pen{kGrid, thin, PenStyle::Dot};
        c.MoveTo(x0, y(value));
        c.LineTo(x1, y(value));
        c.TextOut(x0 - px(2, unit) - c.TextWidth(label), y(value) - half, label);
    }
    for (const HourMark& h : chart.hours) {
        c.MoveTo(x(h.hours), y0);
        c.LineTo(x(h.hours), y1);
        c.TextOut(x(h.hours) - c.TextWidth(h.label) / 2, y1 + px(1.5, unit), h.label);
    }
    c.TextOut((x0 + x1 - c.TextWidth("Hora local")) / 2, y1 + px(5.5, unit), "Hora local");

    for (const PlanCurve& curve : chart.curves) {
        c.pen = curvePen(curve, unit);
        c.MoveTo(x(curve.points.front().first), y(curve.points.front().second));
        for (const auto& [hours, value] : curve.points)
            c.LineTo(x(hours), y(value));
    }
    c.pen = Pen{colors::Black, std::max(1, px(0.15, unit)), PenStyle::Solid};
    c.MoveTo(x0, y0);
    for (const auto& [cx, cy] : {std::pair{x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}})
        c.LineTo(cx, cy);

    // The legend: the Moon first, then the radiants, in columns under the plot.
    const int lines = legendLines(chart);
    const int column = (x1 - left) / kLegendColumns;
    for (int i = 0; i <= static_cast<int>(chart.curves.size()); ++i) {
        const int lx = left + column * (i / lines);
        const int ly = y1 + px(kUnderPlotRows + kLegendStep * (i % lines), unit);
        const int mid = ly + half;
        if (i == 0) {
            c.brush = chart.moonShade;
            c.FillRect(lx, mid - px(1, unit), lx + px(6, unit), mid + px(1, unit));
            c.brush = colors::White;
        } else {
            const PlanCurve& curve = chart.curves[static_cast<std::size_t>(i - 1)];
            c.pen = curvePen(curve, unit);
            c.MoveTo(lx, mid);
            c.LineTo(lx + px(6, unit), mid);
        }
        c.TextOut(lx + px(8, unit), ly,
                  i == 0 ? chart.moonLabel : chart.curves[static_cast<std::size_t>(i - 1)].label);
    }
}
