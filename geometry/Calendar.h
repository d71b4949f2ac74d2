#pragma once
#include <cstdint>
#include <string>

// The program's fixed 365-day year: no leap day anywhere. A day number above 365 is a day of
// the following year (periods that cross the year end).

// Day number of (day, month): 1 January is 1, 31 December 365. The day is not checked against
// the month (29 February gives 60). A month outside 1..12 gives 0; a day outside the byte it is
// held in, 0..255, raises the range error.
std::int16_t DayOfYear(int day, int month);

// Day and month of a day number; 366..730 are read as days of the following year. Above 730
// nothing is written. A negative number raises the range error.
void DayToDate(int n, int& day, int& month);

// Spanish month name, "Enero" to "Diciembre"; empty outside 1..12.
std::string MonthName(int month);

// count copies of ch.
std::string RepeatChar(int count, char ch);

// The text without its leading and trailing blanks.
std::string TrimBlanks(const std::string& text);

// Days in the month of the 365-day year (February 28); 0 outside 1..12.
int DaysInMonth(int month);
