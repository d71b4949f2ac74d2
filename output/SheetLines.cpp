#include "output/SheetLines.h"

#include "geometry/Calendar.h"
#include "geometry/Numbers.h"
#include "output/TextColumns.h"

#include <cctype>

PageHeading SheetHeading(int day, int month) {
    std::string name = MonthName(month);
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return {"RADIANTES ACTIVOS, FECHA: " + FormatFloat("00", day) + " DE " + name,
            "COD  NOMBRE                     AR     DEC    TAM.R  R     V     THZ  ",
            "---- -------------------------  -----  -----  -----  ----  ----  -----"};
}

std::string SheetLine(const Radiant& r, int activeDay) {
    const RadiantPosition at = PositionAt(r, activeDay);
    const bool imo = KindOf(r) == RadiantKind::Imo;
    std::string line = PadRight(r.Code, 4) + " " + PadRight(r.Name, 25) + "  ";
    line += NumberField("000.0", at.ra, 5) + "  ";
    line += NumberField("+00.0;-00.0", at.dec, 5) + "  ";
    line += SizeField(r.DiamRA, r.DiamDec) + "  ";
    line += imo ? NumberField("0.00", r.R, 4) + "  " : std::string(6, ' ');
    line += NumberField("00.0", r.V, 4) + "  ";
    line += imo ? RateField(r.Thz) + "  " : std::string(7, ' ');
    return line;
}
