#include "geometry/Calendar.h"

#include "sky/Errors.h"

#include <array>

namespace {
constexpr std::array<int, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 12> kDaysBefore{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
const std::array<const char*, 12> kMonthNames{"Enero",      "Febrero", "Marzo",     "Abril",
                                              "Mayo",       "Junio",   "Julio",     "Agosto",
                                              "Septiembre", "Octubre", "Noviembre", "Diciembre"};
bool validMonth(int month) {
    return month >= 1 && month <= 12;
}
} // namespace

std::int16_t DayOfYear(int day, int month) {
    if (day < 0 || day > 255)
        throw RangeError();
    if (!validMonth(month))
        return 0;
    return static_cast<std::int16_t>(kDaysBefore[month - 1] + day);
}

void DayToDate(int n, int& day, int& month) {
    if (n < 0)
        throw RangeError();
    if (n > 365)
        n -= 365;
    for (int m = 1; m <= 12; ++m) {
        if (n <= kMonthDays[m - 1]) {
            day = n;
            month = m;
            return;
        }
        n -= kMonthDays[m - 1];
    }
}

std::string MonthName(int month) {
    return validMonth(month) ? kMonthNames[month - 1] : "";
}

std::string RepeatChar(int count, char ch) {
    return count > 0 ? std::string(static_cast<std::size_t>(count), ch) : std::string();
}

int DaysInMonth(int month) {
    return validMonth(month) ? kMonthDays[month - 1] : 0;
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
