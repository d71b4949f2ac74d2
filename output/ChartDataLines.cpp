#include "output/ChartDataLines.h"

#include "geometry/Calendar.h"
#include "geometry/Numbers.h"

std::string RadiantDateLine(int day, int month) {
    return "Fecha de radiantes: " + std::to_string(day) + " de " + MonthName(month);
}

std::string CentreLine(const ViewState& v) {
    return "Centro de la carta (J2000).  AR: " + std::to_string(v.CentreRA) +
           "    DEC: " + std::to_string(v.CentreDec);
}

std::string OffsetsLine(const ViewState& v) {
    return "X0=" + FormatFloat("0.00", v.X0) + " Y0=" + FormatFloat("0.00", v.Y0);
}
