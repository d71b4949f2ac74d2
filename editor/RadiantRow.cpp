#include "editor/RadiantRow.h"

#include "editor/FieldChecks.h"
#include "editor/NumberReader.h"
#include "geometry/Calendar.h"
#include "geometry/Numbers.h"
#include "sky/Ansi.h"

#include <cmath>

namespace {

std::string number(const char* pattern, float value) {
    // A damaged record may hold a value that is not a number; its row shows it as such.
    return std::isfinite(value) ? FormatFloat(pattern, value) : "?";
}

std::string dayMonth(int n) {
    int day = 0;
    int month = 0;
    if (n >= 0)
        DayToDate(n, day, month);
    return FormatFloat("00", day) + "/" + FormatFloat("00", month);
}

std::string pair(const char* first, float a, const char* second, float b) {
    return number(first, a) + "/" + number(second, b);
}

// The pieces of a checked text: characters 1 to `width` and from `width` + 2 on.
std::string left(const std::string& text, std::size_t width) {
    return text.substr(0, width);
}
std::string right(const std::string& text, std::size_t width) {
    return text.substr(width + 1, width);
}

std::int16_t dayNumber(const std::string& text) {
    return DayOfYear(static_cast<int>(*ReadInteger(left(text, 2))),
                     static_cast<int>(*ReadInteger(right(text, 2))));
}

float real(const std::string& text) {
    return static_cast<float>(*ReadReal(text));
}

std::int16_t integer(const std::string& text) {
    return static_cast<std::int16_t>(*ReadInteger(text));
}

constexpr const char* kSigned2 = "+0.00;-0.00;+0.00";

} // namespace

RadiantRow HeaderRow(RadiantList mode) {
    return {mode == RadiantList::Imo ? "IMO" : "Num.",
            "Radiante",
            "Inicio",
            "Fin",
            "Max.",
            "Ar/Dec",
            "Deriva",
            "Diam.",
            "R",
            "V",
            "Thz",
            "Dib."};
}

RadiantRow RecordToRow(const Radiant& r, RadiantList mode) {
    const bool imo = mode == RadiantList::Imo;
    RadiantRow row;
    row[ColCode] = AnsiToUtf8(r.Code);
    row[ColName] = AnsiToUtf8(r.Name);
    row[ColStart] = dayMonth(r.StartDay);
    row[ColEnd] = dayMonth(r.EndDay);
    row[ColMax] = imo ? dayMonth(r.MaxDay) : "";
    row[ColArDec] = pair("000.0", r.RA, "+00.0;-00.0;+00.0", r.Dec);
    row[ColDeriva] = pair(kSigned2, r.DriftRA, kSigned2, r.DriftDec);
    row[ColDiam] = FormatFloat("00", r.DiamRA) + "/" + FormatFloat("00", r.DiamDec);
    row[ColR] = imo ? number("0.00", r.R) : "";
    row[ColV] = number("00.0", r.V);
    row[ColThz] = imo ? std::to_string(r.Thz) : "";
    row[ColDib] = r.DrawFlag != 0 ? "SI" : "NO";
    return row;
}

RadiantRow CommittedRow(const RadiantRow& fields) {
    RadiantRow row = fields;
    row[ColCode] = TrimBlanks(fields[ColCode]);
    row[ColThz] = TrimBlanks(fields[ColThz]);
    return row;
}

RadiantRow KeepUntouched(const RadiantRow& row, const RadiantRow& shown, const RadiantRow& fields) {
    RadiantRow kept = fields;
    for (std::size_t c = 0; c < kept.size(); ++c)
        if (fields[c] == shown[c])
            kept[c] = row[c];
    return kept;
}

RadiantRow NewRecordFields(RadiantList mode) {
    if (mode == RadiantList::Imo)
        return {"000",         "",      "01/01", "01/01", "01/01", "000.0/+00.0",
                "+0.00/+0.00", "05/05", "0.00",  "00.0",  "0",     "SI"};
    return {"T",           "",      "01/01", "01/01", "", "000.0/+00.0",
            "+1.00/+0.10", "05/05", "",      "00.0",  "", "SI"};
}

std::variant<Radiant, FieldFault> RowToRecord(const RadiantRow& row, RadiantList mode) {
    if (auto fault = CheckFields(row, mode))
        return *fault;
    Radiant r;
    r.Code = *Utf8ToAnsi(TrimBlanks(row[ColCode]));
    r.Name = *Utf8ToAnsi(row[ColName]);
    r.StartDay = dayNumber(row[ColStart]);
    r.EndDay = dayNumber(row[ColEnd]);
    if (r.EndDay < r.StartDay)
        r.EndDay = static_cast<std::int16_t>(r.EndDay + 365);
    if (mode == RadiantList::Imo) {
        r.MaxDay = dayNumber(row[ColMax]);
        if (r.MaxDay < r.StartDay)
            r.MaxDay = static_cast<std::int16_t>(r.MaxDay + 365);
        r.R = real(row[ColR].substr(0, 5));
        r.Thz = integer(TrimBlanks(row[ColThz]).substr(0, 5));
    } else {
        r.MaxDay = static_cast<std::int16_t>(r.StartDay + (r.EndDay - r.StartDay) / 2);
    }
    r.RA = real(left(row[ColArDec], 5));
    r.Dec = real(right(row[ColArDec], 5));
    r.DriftRA = real(left(row[ColDeriva], 5));
    r.DriftDec = real(right(row[ColDeriva], 5));
    r.DiamRA = integer(left(row[ColDiam], 2));
    r.DiamDec = integer(right(row[ColDiam], 2));
    r.V = real(row[ColV].substr(0, 5));
    r.DrawFlag = row[ColDib] == "SI" ? 1 : 0;
    return r;
}
