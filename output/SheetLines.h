#pragma once
// The lines of the active-radiant sheet: a radiant's data for the radiant date in fixed columns
// under "COD  NOMBRE  AR  DEC  TAM.R  R  V  THZ".
#include "output/PageHeading.h"
#include "sky/Radiant.h"

#include <string>

// The heading of the sheet's pages for the radiant date, titled e.g.
// "RADIANTES ACTIVOS, FECHA: 05 DE AGOSTO".
PageHeading SheetHeading(int day, int month);

// The line of a radiant on activeDay, its position drifted to that day. A Terentjeva radiant
// leaves the R and THZ columns blank.
std::string SheetLine(const Radiant& r, int activeDay);
