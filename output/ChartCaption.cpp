#include "output/ChartCaption.h"

#include "output/ChartDataLines.h"

void DrawChartCaption(Canvas& c, const ViewState& v, int height, bool radiantsShown, int day,
                      int month) {
    c.font.color = colors::Black;
    c.font.face = "Arial";
    c.font.size = 8;
    c.font.bold = false;
    c.brush = colors::White;
    if (radiantsShown)
        c.TextOut(10, height - 45, RadiantDateLine(day, month));
    c.TextOut(10, height - 30, CentreLine(v));
    c.TextOut(10, height - 15, OffsetsLine(v));
}
