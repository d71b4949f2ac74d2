#include "output/ChartPage.h"

#include "geometry/Numbers.h"
#include "output/ChartDataLines.h"
#include "output/PrintUnits.h"
#include "render/Layers.h"

#include <utility>

namespace {

// A coordinate k layout units from the margin.
int fromMargin(const ViewState& v, double k) {
    return v.PrintMargin + static_cast<int>(Round(k * v.PrintUnit));
}

// The blank observing form, filled in by hand outside: its lines at k layout units down.
const std::pair<int, const char*> kFormLines[] = {
    {30, "FECHA: __________________________________"},
    {38, "OBSERVADOR: _____________________________"},
    {46, "_________________________________________"},
    {54, "LUGAR DE OBSERVACION:____________________"},
    {62, "_________________________________________"},
    {70, "LON: _____________     LAT: _____________"},
    {85, "NOTAS:"},
};

} // namespace

// The frame is drawn again: a white text cell crossing the chart edge must not leave a hole in
// it.
void BlankAroundChart(Canvas& c, const ViewState& v, int w1, int h1) {
    const int m = v.PrintMargin;
    const int side = static_cast<int>(Round(5000.0 * v.PrintFactor));
    c.brush = colors::White;
    c.FillRect(0, 0, w1, m - 1);
    c.FillRect(0, 0, m - 1, h1);
    c.FillRect(0, side + m + 2, w1, h1);
    c.FillRect(side + m + 2, 0, w1, h1);
    DrawFramePrint(c, v);
}

namespace {

void drawPage(Canvas& c, PrintSources& s, const Bitmap& logo, int w1, int h1) {
    // Every page starts from the same font, whatever the previous printout left.
    c.font = Font{"Arial", 8, false, colors::Black};
    DrawChartPrint(c, s.view, s.sky, s.options);
    BlankAroundChart(c, s.view, w1, h1);
    c.brush = colors::Black;
    PrintObservingForm(c, s, logo);
}

} // namespace

int ColumnX(const ViewState& v) {
    return static_cast<int>(Round(200.0 * v.PrintUnit + 10));
}

void PrintChartPage(Printer& printer, PrintSources& s) {
    ViewState& v = s.view;
    TakePrintUnits(printer, v);
    printer.setOrientation(Printer::Orientation::Landscape);
    const int h1 = printer.pageHeight() - 1;
    const int w1 = printer.pageWidth() - 1;
    v.PrintScale = static_cast<std::int16_t>(v.ZoomLevel * 1000);
    printer.setTitle("Carta");
    v.PrintFactor = static_cast<float>((h1 - 2 * v.PrintMargin) * 0.0002);
    // Read before the job opens; a missing logo leaves its square empty.
    const Bitmap logo = s.logo ? s.logo() : Bitmap{};
    printer.beginDoc();
    try {
        drawPage(printer.canvas(), s, logo, w1, h1);
    } catch (...) {
        printer.abortDoc();
        throw;
    }
    printer.endDoc();
}

void PrintChartHeader(Canvas& c, const ViewState& v, const Bitmap& logo) {
    const int column = ColumnX(v);
    const int m = v.PrintMargin;
    const int logoSide = static_cast<int>(Round(20.0 * v.PrintUnit));
    c.brush = colors::White;
    c.font.face = "Arial";
    c.font.bold = true;
    c.StretchDraw(column, m, column + logoSide, m + logoSide, logo);
    c.font.size = 30;
    c.TextOut(column + static_cast<int>(Round(25.0 * v.PrintUnit)),
              m + logoSide - c.TextHeight("S"), "TALVIK");
    c.font.size = 8;
    const int y = m - static_cast<int>(Round(v.PrintUnit)) - c.TextHeight("S");
    c.TextOut(m, y, "KELVARO");
    const std::string section = "SECCION DE METEOROS";
    c.TextOut(fromMargin(v, 190) - c.TextWidth(section), y, section);
}

void PrintObservingForm(Canvas& c, const PrintSources& s, const Bitmap& logo) {
    const ViewState& v = s.view;
    PrintChartHeader(c, v, logo);
    const std::string face = c.font.face.substr(0, 20);
    c.brush = colors::White;
    c.font.bold = true;
    c.font.size = 8;
    c.font.face = "Courier New";
    const int column = ColumnX(v);
    for (const auto& [k, text] : kFormLines)
        c.TextOut(column, fromMargin(v, k), text);
    c.font.face = face;
    if (s.options.imoRadiants || s.options.terRadiants)
        c.TextOut(column, fromMargin(v, 177), RadiantDateLine(s.dateDay, s.dateMonth));
    c.TextOut(column, fromMargin(v, 182), CentreLine(v));
    c.TextOut(column, fromMargin(v, 187), OffsetsLine(v));
}
