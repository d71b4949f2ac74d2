#include "observation/PeriodText.h"
#include "geometry/Calendar.h"

#include "editor/NumberReader.h"
#include "observation/Observation.h"
#include "observation/ObservationChecks.h"

#include <cmath>

namespace {

constexpr std::int64_t kDay = 86400;

// Seconds of the day of "HH:MM" or "HH:MM:SS".
std::optional<std::int64_t> timeOfDay(const std::string& text) {
    if (text.size() != 5 && text.size() != 8)
        return std::nullopt;
    const std::optional<std::int64_t> full = ParseUt("2000-01-01 " + text);
    if (!full)
        return std::nullopt;
    return *full - MidnightUt({2000, 1, 1});
}

} // namespace

std::optional<std::int64_t> ReadPeriodTime(const std::string& text, NightSpan night) {
    const std::string typed = TrimBlanks(text);
    if (const std::optional<std::int64_t> full = ParseUt(typed))
        return full;
    const std::optional<std::int64_t> ofDay = timeOfDay(typed);
    if (!ofDay)
        return std::nullopt;
    std::int64_t ut = MidnightUt(DateOfUt(night.first)) + *ofDay;
    if (ut < night.first)
        ut += kDay;
    return ut;
}

std::string PeriodTimeText(std::int64_t ut, NightSpan night) {
    const std::string full = FormatUt(ut);
    if (ut < night.first || ut >= night.first + kDay)
        return full;
    const std::string time = full.substr(11);
    return time.substr(5) == ":00" ? time.substr(0, 5) : time;
}

std::optional<double> ReadCloudFactor(const std::string& text) {
    const std::string typed = TrimBlanks(text);
    if (typed.empty() || typed.back() != '%')
        return ReadReal(typed);
    const std::optional<double> part = ReadReal(TrimBlanks(typed.substr(0, typed.size() - 1)));
    const std::optional<double> f = part ? CloudFactor(*part) : std::nullopt;
    if (!f)
        return std::nullopt;
    // To three decimals, as F is written: the value shown again is the value kept.
    return std::round(*f * 1000) / 1000;
}
