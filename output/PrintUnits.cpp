#include "output/PrintUnits.h"

#include "geometry/Numbers.h"

#include <cstdint>

float PrintUnitFor(int portraitWidth) {
    return static_cast<float>((portraitWidth - 1) * 0.005);
}

void TakePrintUnits(Printer& printer, ViewState& view) {
    printer.setOrientation(Printer::Orientation::Portrait);
    view.PrintUnit = PrintUnitFor(printer.pageWidth());
    view.PrintMargin = static_cast<std::int16_t>(Round(view.PrintUnit * 5.0));
}
