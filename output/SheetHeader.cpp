#include "output/SheetHeader.h"

#include "geometry/Numbers.h"
#include "platform/Printer.h"
#include "render/Canvas.h"

void PrintSheetHeader(Canvas& canvas, const ViewState& v, const Bitmap& logo) {
    const int m = v.PrintMargin;
    const int logoSide = static_cast<int>(Round(20.0 * v.PrintUnit));
    const int textX = m + static_cast<int>(Round(25.0 * v.PrintUnit));
    canvas.brush = colors::White;
    canvas.font.face = "Arial";
    canvas.font.bold = true;
    // Black whatever the printout before left.
    canvas.font.color = colors::Black;
    canvas.StretchDraw(m, m, m + logoSide, m + logoSide, logo);
    canvas.font.size = 30;
    canvas.TextOut(textX, m + logoSide - canvas.TextHeight("S"), "TALVIK");
    canvas.font.size = 8;
    canvas.TextOut(textX, m, "KELVARO  -  SECCION DE METEOROS");
}

void StartTitledSheetPage(Printer& printer, const ViewState& v, const Bitmap& logo,
                          const std::vector<std::string>& titles, bool& begun) {
    if (begun)
        printer.newPage();
    else
        printer.beginDoc();
    begun = true;
    Canvas& c = printer.canvas();
    PrintSheetHeader(c, v, logo);
    c.font = Font{"Arial", 10, true, colors::Black};
    int row = 25;
    for (const std::string& title : titles) {
        c.TextOut(v.PrintMargin, v.PrintMargin + static_cast<int>(Round(row * v.PrintUnit)), title);
        row += 5;
    }
    c.font = Font{"Courier New", 8, false, colors::Black};
}
