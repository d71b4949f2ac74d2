#pragma once
// Numbers written with a decimal point whatever the locale.
#include <string>

// The shortest text that reads back as the same double ("0.95", "40.4168", "2").
std::string ShortestDecimal(double value);
// Rounded to at most `decimals` places, without trailing zeros ("1.25", "7.02", "90.5", "2").
std::string DecimalText(double value, int decimals);
