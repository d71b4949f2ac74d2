#pragma once
// Fields of the printed text sheets, one Windows-1252 byte a character so that columns of a
// fixed-width font line up whatever the accents. A field that cannot be shown prints as a run
// of '*' as wide as its column, so the rest of the line stays in place.
#include <string>

// Text padded with blanks to width; a longer text is kept whole and pushes the rest along.
std::string PadRight(const std::string& text, int width);
// Text with blanks before it up to width; a longer text is kept whole.
std::string PadLeft(const std::string& text, int width);

// A number in a FormatFloat picture; a value that is not finite prints as the placeholder.
std::string NumberField(const char* pattern, double value, int width);

// A day of the year as "dd/mm" (a day of the following year, above 365, as its date there); a
// day the calendar cannot show (below 1 or above 730) prints as the placeholder.
std::string DayMonthField(int day);

// The radiant size "00/00" from its two diameters.
std::string SizeField(int diamRA, int diamDec);

// The hourly rate, an unsigned 16-bit count, right-aligned in five columns.
std::string RateField(int thz);
