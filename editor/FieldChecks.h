#pragma once
// The checks a row passes before the edit fields are written into it: each reads its pieces by
// character position with the strict number reader and refuses values outside its range.
#include "editor/RadiantRow.h"

#include <optional>
#include <string>

bool CheckDayMonth(const std::string& text);
bool CheckArDec(const std::string& text);
bool CheckDiametro(const std::string& text);
bool CheckDeriva(const std::string& text);
bool CheckR(const std::string& text);
bool CheckV(const std::string& text);
bool CheckThz(const std::string& text);
// The name fits its 25 bytes of Windows-1252, the code its 4; `message` tells why not.
bool CheckNombre(const std::string& utf8, std::string& message);
bool CheckCodigo(const std::string& utf8, std::string& message);

// The chain of the mode over the field texts (column order, blanks of the masks as spaces):
// the first check that fails, or nothing. Terentjeva leaves out the maximum, R and Thz.
std::optional<FieldFault> CheckFields(const RadiantRow& fields, RadiantList mode);
