#pragma once
// The lines that identify a chart, on the printed page and on the saved picture.
#include "geometry/ViewState.h"

#include <string>

// "Fecha de radiantes: 12 de Agosto", from the positions of the radiant date controls.
std::string RadiantDateLine(int day, int month);
// "Centro de la carta (J2000).  AR: 30    DEC: 56"
std::string CentreLine(const ViewState& v);
// "X0=175.00 Y0=175.00"
std::string OffsetsLine(const ViewState& v);
