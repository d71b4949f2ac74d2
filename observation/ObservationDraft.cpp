#include "observation/ObservationDraft.h"
#include "geometry/Calendar.h"

#include "editor/NumberReader.h"
#include "observation/DecimalText.h"
#include "observation/PeriodText.h"

namespace {

using Field = ObservationField;

std::string quoted(const std::string& text) {
    return "«" + text + "»";
}

class Reader {
  public:
    std::vector<ObservationFault> faults;

    std::optional<double> number(const std::string& text, int row, Field field,
                                 const std::string& name, const std::string& example) {
        const std::optional<double> value = ReadReal(TrimBlanks(text));
        if (!value)
            fail(row, field,
                 name + ": " + quoted(text) + " no es un número. Escríbalo con punto decimal, " +
                     "por ejemplo " + example + ".");
        return value;
    }

    std::optional<double> optionalNumber(const std::string& text, int row, Field field,
                                         const std::string& name, const std::string& example) {
        if (TrimBlanks(text).empty())
            return std::nullopt;
        return number(text, row, field, name, example);
    }

    void fail(int row, Field field, const std::string& message, const std::string& code = {},
              int magnitude = 0) {
        faults.push_back({row, field, code, magnitude, message});
    }
};

std::string rowName(int row) {
    return "Periodo " + std::to_string(row);
}

std::optional<MagnitudeCounts> readMagnitudes(const PeriodDraft& d, const std::string& code,
                                              int row, Reader& reader) {
    const auto typed = d.magnitudes.find(code);
    if (typed == d.magnitudes.end())
        return std::nullopt;
    MagnitudeCounts m{};
    bool any = false;
    for (int i = 0; i < kMagnitudeClasses; ++i) {
        const std::string& text = typed->second[static_cast<std::size_t>(i)];
        if (TrimBlanks(text).empty())
            continue;
        any = true;
        if (const auto fault = CheckMagnitudeText(row, code, kBrightestMagnitude + i, text))
            reader.faults.push_back(*fault);
        m[static_cast<std::size_t>(i)] = ReadMagnitudeCount(text).value_or(0);
    }
    return any ? std::optional<MagnitudeCounts>(m) : std::nullopt;
}

Period readPeriod(const PeriodDraft& d, int row, NightSpan night,
                  const std::vector<ObservedShower>& showers, Reader& reader) {
    Period p;
    const std::string name = rowName(row);
    auto time = [&](const std::string& text, Field field, const char* label) {
        const std::optional<std::int64_t> ut = ReadPeriodTime(text, night);
        if (!ut)
            reader.fail(row, field,
                        name + ", " + label + ": " + quoted(text) +
                            " no es una hora. Escriba la hora UT como 23:30 o la fecha y la "
                            "hora como 2026-08-12 23:30.");
        return ut.value_or(0);
    };
    p.startUt = time(d.start, Field::Start, "inicio");
    p.endUt = time(d.end, Field::End, "fin");
    p.teff = reader.number(d.teff, row, Field::Teff, name + ", Teff", "0.95").value_or(0);
    if (const std::optional<double> f = ReadCloudFactor(d.f))
        p.f = *f;
    else
        reader.fail(row, Field::F,
                    name + ", F: " + quoted(d.f) +
                        " no es un factor de nubes. Escriba F (1 sin nubes, por ejemplo 1.25) "
                        "o la parte del campo cubierta en tanto por ciento (por ejemplo 20%).");
    p.lm = reader.number(d.lm, row, Field::Lm, name + ", magnitud límite", "6.5").value_or(0);
    p.ra = reader.optionalNumber(d.ra, row, Field::FieldRa, name + ", AR del campo", "300.5");
    p.dec = reader.optionalNumber(d.dec, row, Field::FieldDec, name + ", Dec del campo", "45");
    p.method = TrimBlanks(d.method);
    for (const ObservedShower& s : showers) {
        const auto typed = d.counts.find(s.code);
        const std::string count = typed == d.counts.end() ? std::string() : typed->second;
        const std::optional<MagnitudeCounts> magnitudes = readMagnitudes(d, s.code, row, reader);
        if (TrimBlanks(count).empty()) {
            // A blank count: the shower was not watched in this period.
            if (magnitudes)
                reader.fail(row, Field::Count,
                            name + ", " + s.code +
                                ": hay magnitudes pero no el número de meteoros. Escriba el "
                                "número (0 si no vio ninguno).",
                            s.code);
            continue;
        }
        if (const auto fault = CheckCountText(row, s.code, count))
            reader.faults.push_back(*fault);
        p.counts.push_back({s.code, ReadCount(count).value_or(0), magnitudes});
    }
    return p;
}

std::string decimal(double value) {
    return ShortestDecimal(value);
}

} // namespace

DraftReading ReadDraft(const ObservationDraft& d) {
    Reader reader;
    DraftReading reading;
    Observation& o = reading.observation;
    o.id = d.id;
    o.observerName = TrimBlanks(d.observerName);
    o.observerCode = TrimBlanks(d.observerCode);
    o.site.name = TrimBlanks(d.siteName);
    o.site.country = TrimBlanks(d.country);
    o.site.latitude =
        reader.number(d.latitude, 0, Field::Latitude, "Latitud del lugar", "40.4168").value_or(0);
    o.site.longitude = reader
                           .number(d.longitude, 0, Field::Longitude, "Longitud del lugar",
                                   "-3.7038 (oeste negativa)")
                           .value_or(0);
    o.site.elevationMetres =
        reader.optionalNumber(d.elevation, 0, Field::Elevation, "Altitud del lugar", "657")
            .value_or(0);
    o.evening = d.evening;
    o.morning = d.morning;
    o.utcOffset = d.utcOffset;
    o.showers = d.showers;
    const NightSpan night = NightWindow(o);
    for (std::size_t i = 0; i < d.periods.size(); ++i)
        o.periods.push_back(
            readPeriod(d.periods[i], static_cast<int>(i) + 1, night, d.showers, reader));
    reading.faults = reader.faults.empty() ? CheckObservation(o) : reader.faults;
    return reading;
}

ObservationDraft DraftOf(const Observation& o) {
    ObservationDraft d;
    d.id = o.id;
    d.observerName = o.observerName;
    d.observerCode = o.observerCode;
    d.siteName = o.site.name;
    d.country = o.site.country;
    d.latitude = decimal(o.site.latitude);
    d.longitude = decimal(o.site.longitude);
    d.elevation = decimal(o.site.elevationMetres);
    d.evening = o.evening;
    d.morning = o.morning;
    d.utcOffset = o.utcOffset;
    d.showers = o.showers;
    const NightSpan night = NightWindow(o);
    for (const Period& p : o.periods) {
        PeriodDraft pd{PeriodTimeText(p.startUt, night),
                       PeriodTimeText(p.endUt, night),
                       decimal(p.teff),
                       decimal(p.f),
                       decimal(p.lm),
                       p.ra ? decimal(*p.ra) : std::string(),
                       p.dec ? decimal(*p.dec) : std::string(),
                       p.method,
                       {},
                       {}};
        for (const ShowerCount& c : p.counts) {
            pd.counts[c.code] = std::to_string(c.number);
            if (!c.magnitudes)
                continue;
            MagnitudeTexts& texts = pd.magnitudes[c.code];
            for (int i = 0; i < kMagnitudeClasses; ++i)
                texts[static_cast<std::size_t>(i)] =
                    decimal((*c.magnitudes)[static_cast<std::size_t>(i)]);
        }
        d.periods.push_back(pd);
    }
    return d;
}
