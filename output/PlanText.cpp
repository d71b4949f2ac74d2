#include "output/PlanText.h"

#include "geometry/Calendar.h"
#include "geometry/Numbers.h"

namespace {

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::string span(const NightPlan& plan) {
    return " de " + LocalTime(plan.duskHours) + " a " + LocalTime(plan.dawnHours) + ", hora local.";
}

} // namespace

std::string NightTitle(const PlanRequest& q) {
    const int days = q.month == 2 && leapYear(q.year) ? 29 : DaysInMonth(q.month);
    int day = q.day + 1, month = q.month, year = q.year;
    if (day > days) {
        day = 1;
        month = month % 12 + 1;
        if (month == 1)
            ++year;
    }
    std::string text = "NOCHE DEL " + std::to_string(q.day);
    if (month != q.month)
        text += " DE " + UpperCase(MonthName(q.month));
    if (year != q.year)
        text += " DE " + std::to_string(q.year);
    return text + " AL " + std::to_string(day) + " DE " + UpperCase(MonthName(month)) + " DE " +
           std::to_string(year);
}

std::string LocalTime(double localHours) {
    const long long minutes = Round(localHours * 60.0);
    const long long ofDay = ((minutes % 1440) + 1440) % 1440;
    return FormatFloat("00", static_cast<double>(ofDay / 60)) + ":" +
           FormatFloat("00", static_cast<double>(ofDay % 60));
}

std::string NightSummary(const NightPlan& plan) {
    switch (plan.night.kind) {
    case DarkInterval::Kind::Astronomical:
        return "Noche astron\xF3mica (Sol a m\xE1s de 18 grados bajo el horizonte)" + span(plan);
    case DarkInterval::Kind::Nautical:
        return "Sin noche astron\xF3mica: crep\xFAsculo n\xE1utico (Sol a m\xE1s de 12 grados bajo "
               "el horizonte)" +
               span(plan);
    case DarkInterval::Kind::Polar:
        return "Noche polar: el Sol no sube de 18 grados bajo el horizonte en todo el d\xED"
               "a," +
               span(plan);
    case DarkInterval::Kind::None:
        break;
    }
    return "El Sol no baja de 12 grados bajo el horizonte: no hay noche oscura para observar.";
}

std::string UpperCase(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        // Windows-1252 puts the accented capitals 32 below their small letters.
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
            c = static_cast<char>(u - 32);
    }
    return text;
}
