#include "observation/WatchedShowers.h"

#include "editor/NumberReader.h"
#include "geometry/Calendar.h"
#include "observation/Rates.h"
#include "sky/Ansi.h"

#include <algorithm>
#include <cmath>

namespace {

std::string codeOf(const Radiant& r) {
    return TrimBlanks(AnsiToUtf8(r.Code));
}

ObservedShower showerAt(const Radiant& r, int activeDay) {
    const RadiantPosition p = PositionAt(r, activeDay);
    // A drift may carry the right ascension past 0 or 360.
    const double ra = std::fmod(std::fmod(static_cast<double>(p.ra), 360.0) + 360.0, 360.0);
    return {codeOf(r),
            TrimBlanks(AnsiToUtf8(r.Name)),
            ra,
            static_cast<double>(p.dec),
            static_cast<double>(r.V),
            static_cast<double>(r.R)};
}

int dayOf(const CivilDate& evening) {
    return DayOfYear(evening.day, evening.month);
}

} // namespace

ObservedShower SporadicShower() {
    return {kSporadicCode, "Esporádicos", 0, 0, 0, kSporadicPopulationIndex};
}

std::vector<ObservedShower> ShowersActiveOn(const RadiantTable& radiants,
                                            const CivilDate& evening) {
    std::vector<ObservedShower> showers;
    for (const ActiveRadiant& a : ActiveRadiants(radiants, dayOf(evening), true, true)) {
        const Radiant& r = radiants.at(a.index);
        const bool known =
            std::any_of(showers.begin(), showers.end(),
                        [&](const ObservedShower& s) { return s.code == codeOf(r); });
        if (!known && codeOf(r) != kSporadicCode)
            showers.push_back(showerAt(r, a.activeDay));
    }
    showers.push_back(SporadicShower());
    return showers;
}

std::optional<ObservedShower> ShowerOfLists(const RadiantTable& radiants, const std::string& code,
                                            const CivilDate& evening) {
    if (code == kSporadicCode)
        return SporadicShower();
    for (int i = 0; i < radiants.count(); ++i) {
        const Radiant& r = radiants.at(i);
        if (codeOf(r) != code)
            continue;
        int activeDay = 0;
        IsActive(r, dayOf(evening), activeDay);
        return showerAt(r, std::clamp<int>(activeDay, r.StartDay, std::max(r.StartDay, r.EndDay)));
    }
    return std::nullopt;
}
