#include "output/ChartSquare.h"

#include "geometry/Numbers.h"
#include "output/ChartDataLines.h"
#include "output/ChartPage.h"
#include "output/PrintUnits.h"
#include "render/Layers.h"

#include <cstdint>

void DrawChartSquare(Canvas& c, const PrintSources& s) {
    ViewState v = s.view;
    // The units of the page whose printable width is the square's side, turned landscape.
    v.PrintUnit = PrintUnitFor(kChartSquareSide);
    v.PrintMargin = static_cast<std::int16_t>(Round(v.PrintUnit * 5.0));
    v.PrintScale = static_cast<std::int16_t>(v.ZoomLevel * 1000);
    const int end = kChartSquareSide - 1;
    v.PrintFactor = static_cast<float>((end - 2 * v.PrintMargin) * 0.0002);
    c.font = Font{"Arial", 8, false, colors::Black};
    DrawChartPrint(c, v, s.sky, s.options);
    // Up to the square's edges: nothing is cut off by a printer's unprintable border here.
    BlankAroundChart(c, v, kChartSquareSide, kChartSquareSide);

    // The caption's lines five units apart, ending five units above the chart's bottom edge.
    c.font = Font{"Arial", 8, false, colors::Black};
    c.brush = colors::White;
    const int x = v.PrintMargin + static_cast<int>(Round(3.0 * v.PrintUnit));
    const int bottom = v.PrintMargin + static_cast<int>(Round(5000.0 * v.PrintFactor));
    const auto line = [&](int unitsUp) {
        return bottom - static_cast<int>(Round(unitsUp * v.PrintUnit)) - c.TextHeight("S");
    };
    if (s.options.imoRadiants || s.options.terRadiants)
        c.TextOut(x, line(13), RadiantDateLine(s.dateDay, s.dateMonth));
    c.TextOut(x, line(8), CentreLine(v));
    c.TextOut(x, line(3), OffsetsLine(v));
}
