#include "output/SheetHeader.h"

#include "geometry/Numbers.h"
#include "render/Canvas.h"

void PrintSheetHeader(Canvas& canvas, SheetUnits units) {
    const int logoSide = static_cast<int>(Round(20 * units.printUnit));
    const int textX = units.printMargin + static_cast<int>(Round(25 * units.printUnit));
    canvas.brush = colors::White;
    canvas.font.face = "Arial";
    canvas.font.bold = true;
    canvas.font.size = 30;
    canvas.TextOut(textX, units.printMargin + logoSide - canvas.TextHeight("S"), "TALVIK");
    canvas.font.size = 8;
    canvas.TextOut(textX, units.printMargin, "KELVARO  -  SECCION DE METEOROS");
}
