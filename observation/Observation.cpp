#include "observation/Observation.h"

#include <cstdio>

double MagnitudeTotal(const MagnitudeCounts& counts) {
    double total = 0;
    for (double n : counts)
        total += n;
    return total;
}

bool operator==(const ObservingSite& a, const ObservingSite& b) {
    return a.name == b.name && a.country == b.country && a.latitude == b.latitude &&
           a.longitude == b.longitude && a.elevationMetres == b.elevationMetres;
}

bool operator==(const ObservedShower& a, const ObservedShower& b) {
    return a.code == b.code && a.name == b.name && a.ra == b.ra && a.dec == b.dec &&
           a.velocity == b.velocity && a.populationIndex == b.populationIndex;
}

bool operator==(const ShowerCount& a, const ShowerCount& b) {
    return a.code == b.code && a.number == b.number && a.magnitudes == b.magnitudes;
}

bool operator==(const Period& a, const Period& b) {
    return a.startUt == b.startUt && a.endUt == b.endUt && a.teff == b.teff && a.f == b.f &&
           a.lm == b.lm && a.ra == b.ra && a.dec == b.dec && a.method == b.method &&
           a.counts == b.counts;
}

bool operator==(const CivilDate& a, const CivilDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool operator==(const Observation& a, const Observation& b) {
    return a.id == b.id && a.observerName == b.observerName && a.observerCode == b.observerCode &&
           a.site == b.site && a.evening == b.evening && a.morning == b.morning &&
           a.utcOffset == b.utcOffset && a.showers == b.showers && a.periods == b.periods;
}

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

bool validDate(int y, int m, int d) {
    if (m < 1 || m > 12 || d < 1)
        return false;
    const CivilDate back = civilFromDays(daysFromCivil(y, m, d));
    return back.year == y && back.month == m && back.day == d;
}

// Exactly `width` digits from text[at].
bool digits(const std::string& text, std::size_t at, std::size_t width, int& value) {
    if (at + width > text.size())
        return false;
    value = 0;
    for (std::size_t i = at; i < at + width; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

CivilDate NextDay(const CivilDate& date) {
    return civilFromDays(daysFromCivil(date.year, date.month, date.day) + 1);
}

std::int64_t MidnightUt(const CivilDate& date) {
    return daysFromCivil(date.year, date.month, date.day) * kSecondsPerDay;
}

CivilDate DateOfUt(std::int64_t seconds) {
    return civilFromDays(floorDiv(seconds, kSecondsPerDay));
}

std::string FormatUt(std::int64_t seconds) {
    const CivilDate date = DateOfUt(seconds);
    const std::int64_t ofDay = seconds - MidnightUt(date);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.year, date.month,
                  date.day, static_cast<int>(ofDay / 3600), static_cast<int>(ofDay / 60 % 60),
                  static_cast<int>(ofDay % 60));
    return text;
}

std::optional<std::int64_t> ParseUt(const std::string& text) {
    int y, mo, d, h, mi, s = 0;
    const bool shape = (text.size() == 16 || text.size() == 19) && digits(text, 0, 4, y) &&
                       text[4] == '-' && digits(text, 5, 2, mo) && text[7] == '-' &&
                       digits(text, 8, 2, d) && (text[10] == ' ' || text[10] == 'T') &&
                       digits(text, 11, 2, h) && text[13] == ':' && digits(text, 14, 2, mi) &&
                       (text.size() == 16 || (text[16] == ':' && digits(text, 17, 2, s)));
    if (!shape || !validDate(y, mo, d) || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return MidnightUt({y, mo, d}) + h * 3600 + mi * 60 + s;
}
