#include "output/TextColumns.h"

#include "geometry/Calendar.h"
#include "geometry/Numbers.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr int kDayField = 5;
constexpr int kLastDay = 730;

std::string placeholder(int width) {
    return RepeatChar(width, '*');
}
} // namespace

std::string PadRight(const std::string& text, int width) {
    return text + RepeatChar(width - static_cast<int>(text.size()), ' ');
}

std::string PadLeft(const std::string& text, int width) {
    return RepeatChar(width - static_cast<int>(text.size()), ' ') + text;
}

std::string NumberField(const char* pattern, double value, int width) {
    return std::isfinite(value) ? FormatFloat(pattern, value) : placeholder(width);
}

std::string DayMonthField(int day) {
    if (day < 1 || day > kLastDay)
        return placeholder(kDayField);
    int d = 0;
    int m = 0;
    DayToDate(day, d, m);
    return FormatFloat("00", d) + "/" + FormatFloat("00", m);
}

std::string SizeField(int diamRA, int diamDec) {
    return FormatFloat("00", diamRA) + "/" + FormatFloat("00", diamDec);
}

std::string RateField(int thz) {
    const std::string digits = std::to_string(static_cast<std::uint16_t>(thz));
    return RepeatChar(5 - static_cast<int>(digits.size()), ' ') + digits;
}
