#pragma once
// The printed chart page: the chart square on the left, the society lines above it, and on the
// right the logo, a blank observing form and the lines that identify the chart.
#include "output/PrintCommand.h"
#include "render/Canvas.h"

// One landscape page as one job, on the paper the printer holds now.
void PrintChartPage(Printer& printer, PrintSources& sources);

// The header column right of the chart: the header, the form and the chart data lines.
void PrintObservingForm(Canvas& c, const PrintSources& sources, const Bitmap& logo);

// The logo with "TALVIK" beside it, and the society lines above the chart.
void PrintChartHeader(Canvas& c, const ViewState& v, const Bitmap& logo);

// Wipes everything outside the chart square of a page reaching to (w1, h1), in white.
void BlankAroundChart(Canvas& c, const ViewState& v, int w1, int h1);

// Left edge of the header column: Round(200 x PrintUnit + 10).
int ColumnX(const ViewState& v);
