#pragma once
// A radiant record as the twelve texts of an editor grid row, and back. Texts are UTF-8; the
// record's code and name are Windows-1252.
#include "sky/Radiant.h"

#include <array>
#include <string>
#include <variant>

enum class RadiantList { Imo, Terentjeva };

enum Column {
    ColCode,
    ColName,
    ColStart,
    ColEnd,
    ColMax,
    ColArDec,
    ColDeriva,
    ColDiam,
    ColR,
    ColV,
    ColThz,
    ColDib,
    kColumns
};

using RadiantRow = std::array<std::string, kColumns>;

// Header texts of the grid's row 0.
RadiantRow HeaderRow(RadiantList mode);

// The texts of a record; Terentjeva rows leave the maximum, R and Thz empty.
RadiantRow RecordToRow(const Radiant& r, RadiantList mode);

// The texts a commit writes from the edit fields: the code without blanks, Thz trimmed.
RadiantRow CommittedRow(const RadiantRow& fields);

// The texts a commit checks and writes: each field as the user left it, but a field still as
// it was shown keeps the row's own text, which its mask may not have been able to show whole.
RadiantRow KeepUntouched(const RadiantRow& row, const RadiantRow& shown, const RadiantRow& fields);

// The edit field texts of a new record.
RadiantRow NewRecordFields(RadiantList mode);

// A field refused by its check: the column and the check's message.
struct FieldFault {
    int column;
    std::string message;
};

// The record of a row, after the checks of the mode; a Terentjeva record gets R 0, Thz 0 and
// the middle of its period as maximum.
std::variant<Radiant, FieldFault> RowToRecord(const RadiantRow& row, RadiantList mode);
