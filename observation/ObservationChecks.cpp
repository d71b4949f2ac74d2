#include "observation/ObservationChecks.h"
#include "geometry/Calendar.h"

#include "editor/NumberReader.h"
#include "observation/DecimalText.h"

#include <cmath>
#include <set>

namespace {

using Field = ObservationField;

std::string number(double value) {
    return DecimalText(value, 2);
}

bool within(double value, double low, double high) {
    return value >= low && value <= high; // false for NaN as well
}

std::string rowName(int row) {
    return "Periodo " + std::to_string(row);
}

std::string magnitudeName(int magnitude) {
    return (magnitude > 0 ? "+" : "") + std::to_string(magnitude);
}

class Faults {
  public:
    void add(int row, Field field, std::string message, std::string code = {}, int magnitude = 0) {
        list.push_back({row, field, std::move(code), magnitude, std::move(message)});
    }
    std::vector<ObservationFault> list;
};

void checkSession(const Observation& o, Faults& faults) {
    if (!within(o.site.latitude, -90, 90))
        faults.add(0, Field::Latitude,
                   "Latitud del lugar: " + number(o.site.latitude) +
                       " está fuera de -90 a 90 grados. Escriba la latitud en grados, norte "
                       "positiva.");
    if (!within(o.site.longitude, -180, 180))
        faults.add(0, Field::Longitude,
                   "Longitud del lugar: " + number(o.site.longitude) +
                       " está fuera de -180 a 180 grados. Escriba la longitud en grados, este "
                       "positiva.");
    if (!(NextDay(o.evening) == o.morning))
        faults.add(0, Field::Night,
                   "Noche: la segunda fecha debe ser el día siguiente a la primera. Corrija "
                   "las fechas de la noche.");
    if (!within(o.utcOffset, -14, 14))
        faults.add(0, Field::UtcOffset,
                   "Diferencia con UT: " + number(o.utcOffset) +
                       " h está fuera de -14 a 14 horas. Corrija la hora local del lugar.");
    std::set<std::string> codes;
    for (const ObservedShower& s : o.showers) {
        if (s.code.empty())
            faults.add(0, Field::Shower,
                       "Lluvias observadas: hay una lluvia sin código. Escriba su código de "
                       "tres letras o quítela.");
        else if (!codes.insert(s.code).second)
            faults.add(0, Field::Shower,
                       "Lluvias observadas: " + s.code + " aparece dos veces. Quite una de ellas.",
                       s.code);
    }
}

void checkTimes(const Observation& o, const Period& p, int row, Faults& faults) {
    if (p.endUt <= p.startUt) {
        faults.add(row, Field::End,
                   rowName(row) + ", fin: " + FormatUt(p.endUt) +
                       " UT no es posterior al inicio (" + FormatUt(p.startUt) +
                       " UT). Corrija el inicio o el fin.");
        return;
    }
    const double hours = static_cast<double>(p.endUt - p.startUt) / 3600.0;
    if (hours > kLongestPeriodHours)
        faults.add(row, Field::End,
                   rowName(row) + ", fin: el periodo dura " + number(hours) +
                       " h, más de 7 horas. Divídalo en periodos más cortos.");
    const auto [nightStart, nightEnd] = NightWindow(o);
    if (p.startUt < nightStart)
        faults.add(row, Field::Start,
                   rowName(row) + ", inicio: " + FormatUt(p.startUt) +
                       " UT es anterior al mediodía que abre la noche (" + FormatUt(nightStart) +
                       " UT). Corrija la hora o la fecha de la noche.");
    if (p.endUt > nightEnd)
        faults.add(row, Field::End,
                   rowName(row) + ", fin: " + FormatUt(p.endUt) +
                       " UT es posterior al mediodía que cierra la noche (" + FormatUt(nightEnd) +
                       " UT). Corrija la hora o la fecha de la noche.");
    if (!(p.teff > 0))
        faults.add(row, Field::Teff,
                   rowName(row) + ", Teff: el tiempo efectivo debe ser mayor que 0 horas.");
    else if (p.teff > hours + 1e-9)
        faults.add(row, Field::Teff,
                   rowName(row) + ", Teff: " + number(p.teff) +
                       " h es más que la duración del periodo (" + number(hours) +
                       " h). Escriba un tiempo efectivo no mayor que el periodo.");
}

void checkConditions(const Period& p, int row, Faults& faults) {
    if (!(p.f >= 1))
        faults.add(row, Field::F,
                   rowName(row) + ", F: " + number(p.f) +
                       " es menor que 1. Escriba un factor de nubes de 1 o más (1 sin nubes).");
    if (!within(p.lm, 0, 8))
        faults.add(row, Field::Lm,
                   rowName(row) + ", magnitud límite: " + number(p.lm) +
                       " está fuera de 0 a 8. Escriba la magnitud límite del periodo.");
    if (p.ra && !within(*p.ra, 0, 360))
        faults.add(row, Field::FieldRa,
                   rowName(row) + ", AR del campo: " + number(*p.ra) +
                       " está fuera de 0 a 360 grados.");
    if (p.dec && !within(*p.dec, -90, 90))
        faults.add(row, Field::FieldDec,
                   rowName(row) + ", Dec del campo: " + number(*p.dec) +
                       " está fuera de -90 a 90 grados.");
}

bool wholeOrHalf(double value) {
    return value >= 0 && std::isfinite(value) && std::floor(value * 2) == value * 2;
}

void checkCounts(const Observation& o, const Period& p, int row, Faults& faults) {
    std::set<std::string> seen;
    for (const ShowerCount& c : p.counts) {
        bool watched = false;
        for (const ObservedShower& s : o.showers)
            watched = watched || s.code == c.code;
        if (!watched)
            faults.add(row, Field::Count,
                       rowName(row) + ", " + c.code +
                           ": la lluvia no está entre las observadas. Añádala a la lista de "
                           "lluvias o quite su cuenta.",
                       c.code);
        else if (!seen.insert(c.code).second)
            faults.add(row, Field::Count,
                       rowName(row) + ", " + c.code +
                           ": la lluvia tiene dos cuentas. Deje una sola.",
                       c.code);
        if (c.number < 0)
            faults.add(row, Field::Count,
                       rowName(row) + ", " + c.code + ": el número de meteoros (" +
                           std::to_string(c.number) + ") es negativo. Escriba 0 o más.",
                       c.code);
        if (!c.magnitudes)
            continue;
        for (int i = 0; i < kMagnitudeClasses; ++i) {
            const double n = (*c.magnitudes)[static_cast<std::size_t>(i)];
            const int m = kBrightestMagnitude + i;
            if (!wholeOrHalf(n))
                faults.add(row, Field::Magnitude,
                           rowName(row) + ", " + c.code + ", magnitud " + magnitudeName(m) + ": " +
                               number(n) +
                               " no es un número entero o medio de meteoros. Escriba 0, 0.5, "
                               "1, 1.5...",
                           c.code, m);
        }
    }
}

} // namespace

std::pair<std::int64_t, std::int64_t> NightWindow(const Observation& o) {
    const auto offset = static_cast<std::int64_t>(std::llround(o.utcOffset * 3600));
    const std::int64_t noon = MidnightUt(o.evening) + 12 * 3600 - offset;
    return {noon, noon + 24 * 3600};
}

std::vector<ObservationFault> CheckObservation(const Observation& o) {
    Faults faults;
    checkSession(o, faults);
    for (std::size_t i = 0; i < o.periods.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        checkTimes(o, o.periods[i], row, faults);
        checkConditions(o.periods[i], row, faults);
        checkCounts(o, o.periods[i], row, faults);
    }
    return faults.list;
}

std::optional<int> ReadCount(const std::string& text) {
    const std::optional<long> n = ReadInteger(TrimBlanks(text));
    if (!n || *n < 0 || *n > 1000000)
        return std::nullopt;
    return static_cast<int>(*n);
}

std::optional<double> ReadMagnitudeCount(const std::string& text) {
    const std::optional<double> n = ReadReal(TrimBlanks(text));
    if (!n || !wholeOrHalf(*n) || *n > 1000000)
        return std::nullopt;
    return *n;
}

std::optional<ObservationFault> CheckCountText(int row, const std::string& code,
                                               const std::string& text) {
    if (ReadCount(text))
        return std::nullopt;
    return ObservationFault{row, Field::Count, code, 0,
                            rowName(row) + ", " + code + ": \"" + text +
                                "\" no es un número de meteoros. Escriba un número entero, 0 "
                                "o más."};
}

std::optional<ObservationFault> CheckMagnitudeText(int row, const std::string& code, int magnitude,
                                                   const std::string& text) {
    if (ReadMagnitudeCount(text))
        return std::nullopt;
    return ObservationFault{row, Field::Magnitude, code, magnitude,
                            rowName(row) + ", " + code + ", magnitud " + magnitudeName(magnitude) +
                                ": \"" + text +
                                "\" no es un número entero o medio de meteoros. Escriba 0, "
                                "0.5, 1, 1.5..."};
}

std::optional<double> CloudFactor(double cloudPercentage) {
    if (!(cloudPercentage >= 0 && cloudPercentage < 100))
        return std::nullopt;
    return 1.0 / (1.0 - cloudPercentage / 100.0);
}
