#include "output/ListingLines.h"

#include "output/TextColumns.h"

const char* ListingFile(ListingKind kind) {
    return kind == ListingKind::Imo ? kImoRadiantFile : kTerentjevaRadiantFile;
}

PageHeading ListingHeading(ListingKind kind) {
    if (kind == ListingKind::Imo)
        return {"LISTADO DE RADIANTES",
                "COD NOMBRE                     INI.   FIN    MAX.   AR     DEC    D.AR   "
                "D.DEC  TAM.R  R     V     THZ    D",
                "--- -------------------------  -----  -----  -----  -----  -----  -----  "
                "-----  -----  ----  ----  -----  -"};
    return {"LISTADO DE RADIANTES DE TERENTJEVA",
            "COD  NOMBRE                     INI.   FIN    AR     DEC    D.AR   D.DEC  "
            "TAM.R  V     D",
            "---- -------------------------  -----  -----  -----  -----  -----  -----  "
            "-----  ----  -"};
}

std::string ListingLine(ListingKind kind, const Radiant& r) {
    const bool imo = kind == ListingKind::Imo;
    std::string line = PadRight(r.Code, imo ? 3 : 4) + " " + PadRight(r.Name, 25) + "  ";
    line += DayMonthField(r.StartDay) + "  ";
    line += DayMonthField(r.EndDay) + "  ";
    if (imo)
        line += DayMonthField(r.MaxDay) + "  ";
    line += NumberField("000.0", r.RA, 5) + "  ";
    line += NumberField("+00.0;-00.0", r.Dec, 5) + "  ";
    line += NumberField("+0.00;-0.00", r.DriftRA, 5) + "  ";
    line += NumberField("+0.00;-0.00", r.DriftDec, 5) + "  ";
    line += SizeField(r.DiamRA, r.DiamDec) + "  ";
    if (imo)
        line += NumberField("0.00", r.R, 4) + "  ";
    line += NumberField("00.0", r.V, 4) + "  ";
    if (imo)
        line += RateField(r.Thz) + "  ";
    return line + (r.DrawFlag != 0 ? "S" : "");
}
