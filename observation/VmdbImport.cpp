#include "observation/VmdbImport.h"

#include "observation/ObservationChecks.h"
#include "observation/Rates.h"
#include "observation/VmdbTable.h"
#include "sky/Errors.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::size_t kLargestFile = 64u << 20;

std::string quoted(const std::string& text) {
    return "«" + text + "»";
}

enum class Kind { Sessions, Rates, Magnitudes };

// Told by a column only its kind has.
Kind kindOf(const VmdbTable& t) {
    if (t.has("teff"))
        return Kind::Rates;
    if (t.has("mag 0"))
        return Kind::Magnitudes;
    if (t.has("latitude"))
        return Kind::Sessions;
    throw VmdbError("El archivo " + quoted(t.name()) +
                    " no es un archivo de la VMDB: no tiene la columna «teff» de las tasas, "
                    "«mag 0» de las magnitudes ni «latitude» de las sesiones. Elija los "
                    "archivos de sesiones, tasas y magnitudes.");
}

std::string magnitudeColumn(int magnitude) {
    return magnitude < 0 ? "mag n" + std::to_string(-magnitude)
                         : "mag " + std::to_string(magnitude);
}

// Where each value of an observation came from, to name the line of a fault found later.
struct PeriodLines {
    std::size_t rateRow = 0;
    std::vector<std::size_t> countRows;
    std::vector<std::optional<std::size_t>> magnitudeRows;
};

struct Session {
    std::size_t row = 0;
    Observation observation;
    std::vector<PeriodLines> lines;
};

class Import {
  public:
    Import(const VmdbTable* sessions, const VmdbTable* rates, const VmdbTable* magnitudes)
        : sessions_(*sessions), rates_(*rates), magnitudes_(magnitudes) {}

    std::vector<Observation> run(const ShowerLookup& lookup) {
        sessions_.require({"session id", "latitude", "longitude"});
        rates_.require(
            {"obs session id", "start date", "end date", "teff", "f", "lm", "shower", "number"});
        if (magnitudes_)
            magnitudes_->require({"obs session id", "shower", "start date", "end date"});
        readSessions();
        readRates();
        if (magnitudes_)
            readMagnitudes();
        std::vector<Observation> observations;
        for (Session& s : list_) {
            if (s.observation.periods.empty())
                sessions_.fail(s.row, "session id",
                               "la sesión no tiene ninguna línea en " + quoted(rates_.name()) +
                                   ".");
            completeNight(s.observation, lookup);
            check(s);
            observations.push_back(std::move(s.observation));
        }
        return observations;
    }

  private:
    void readSessions() {
        for (std::size_t row = 0; row < sessions_.rows(); ++row) {
            const std::int64_t id = sessions_.id(row, "session id");
            if (!index_.emplace(id, list_.size()).second)
                sessions_.fail(row, "session id",
                               "la sesión " + std::to_string(id) + " aparece dos veces.");
            Session s;
            s.row = row;
            Observation& o = s.observation;
            o.observerCode = sessions_.text(row, "observer id");
            o.observerName = sessions_.text(row, "actual observer name");
            o.site.latitude = sessions_.number(row, "latitude");
            o.site.longitude = sessions_.number(row, "longitude");
            o.site.elevationMetres = sessions_.optionalNumber(row, "elevation").value_or(0);
            o.site.name = sessions_.text(row, "city");
            o.site.country = sessions_.text(row, "country");
            list_.push_back(std::move(s));
        }
    }

    Session& sessionOf(const VmdbTable& t, std::size_t row) {
        const std::int64_t id = t.id(row, "obs session id");
        const auto found = index_.find(id);
        if (found == index_.end())
            t.fail(row, "obs session id",
                   "la sesión " + std::to_string(id) + " no está en el archivo de sesiones " +
                       quoted(sessions_.name()) + ".");
        return list_[found->second];
    }

    void readRates() {
        for (std::size_t row = 0; row < rates_.rows(); ++row) {
            Session& s = sessionOf(rates_, row);
            Period p;
            p.startUt = rates_.time(row, "start date");
            p.endUt = rates_.time(row, "end date");
            p.teff = rates_.number(row, "teff");
            p.f = rates_.number(row, "f");
            p.lm = rates_.number(row, "lm");
            p.ra = rates_.optionalNumber(row, "ra");
            p.dec = rates_.optionalNumber(row, "decl");
            p.method = rates_.text(row, "method");
            const ShowerCount count{rates_.text(row, "shower"), rates_.count(row, "number"),
                                    std::nullopt};
            if (count.code.empty())
                rates_.fail(row, "shower", "falta el código de la lluvia.");
            std::size_t at = 0;
            while (at < s.observation.periods.size() && !samePeriod(s.observation.periods[at], p))
                ++at;
            if (at == s.observation.periods.size()) {
                s.observation.periods.push_back(p);
                s.lines.push_back({row, {}, {}});
            }
            Period& period = s.observation.periods[at];
            for (const ShowerCount& c : period.counts)
                if (c.code == count.code)
                    rates_.fail(row, "shower",
                                "la lluvia " + count.code + " ya tiene una línea de este periodo.");
            period.counts.push_back(count);
            s.lines[at].countRows.push_back(row);
            s.lines[at].magnitudeRows.push_back(std::nullopt);
        }
    }

    static bool samePeriod(const Period& a, const Period& b) {
        return a.startUt == b.startUt && a.endUt == b.endUt && a.teff == b.teff && a.f == b.f &&
               a.lm == b.lm && a.ra == b.ra && a.dec == b.dec && a.method == b.method;
    }

    void readMagnitudes() {
        const VmdbTable& t = *magnitudes_;
        for (std::size_t row = 0; row < t.rows(); ++row) {
            Session& s = sessionOf(t, row);
            const std::string code = t.text(row, "shower");
            const std::int64_t start = t.time(row, "start date");
            const std::int64_t end = t.time(row, "end date");
            MagnitudeCounts counts{};
            for (int i = 0; i < kMagnitudeClasses; ++i)
                counts[static_cast<std::size_t>(i)] =
                    t.magnitudeCount(row, magnitudeColumn(kBrightestMagnitude + i));
            if (!attach(s, code, start, end, counts, row))
                t.fail(row, "shower",
                       "no hay en " + quoted(rates_.name()) + " una línea de la lluvia " + code +
                           " del mismo periodo que espere esta distribución.");
        }
    }

    static bool attach(Session& s, const std::string& code, std::int64_t start, std::int64_t end,
                       const MagnitudeCounts& counts, std::size_t row) {
        for (std::size_t p = 0; p < s.observation.periods.size(); ++p) {
            Period& period = s.observation.periods[p];
            if (period.startUt != start || period.endUt != end)
                continue;
            for (std::size_t c = 0; c < period.counts.size(); ++c)
                if (period.counts[c].code == code && !period.counts[c].magnitudes) {
                    period.counts[c].magnitudes = counts;
                    s.lines[p].magnitudeRows[c] = row;
                    return true;
                }
        }
        return false;
    }

    static void completeNight(Observation& o, const ShowerLookup& lookup) {
        const double longitude = std::isfinite(o.site.longitude) ? o.site.longitude : 0;
        o.utcOffset = std::round(std::max(-12.0, std::min(12.0, longitude / 15)));
        if (!o.periods.empty()) {
            std::int64_t first = o.periods.front().startUt;
            for (const Period& p : o.periods)
                first = std::min(first, p.startUt);
            const auto offset = static_cast<std::int64_t>(o.utcOffset) * kHour;
            o.evening = DateOfUt(first + offset - 12 * kHour);
        }
        o.morning = NextDay(o.evening);
        for (const Period& p : o.periods)
            for (const ShowerCount& c : p.counts) {
                bool known = false;
                for (const ObservedShower& s : o.showers)
                    known = known || s.code == c.code;
                if (!known)
                    o.showers.push_back(showerOf(c.code, o.evening, lookup));
            }
    }

    static ObservedShower showerOf(const std::string& code, const CivilDate& evening,
                                   const ShowerLookup& lookup) {
        if (lookup)
            if (auto found = lookup(code, evening))
                return *found;
        ObservedShower s;
        s.code = code;
        if (code == kSporadicCode)
            s.populationIndex = kSporadicPopulationIndex;
        return s;
    }

    // A fault of the whole observation, told at the line and column it came from.
    void check(const Session& s) const {
        const auto faults = CheckObservation(s.observation);
        if (faults.empty())
            return;
        const ObservationFault& f = faults.front();
        using Field = ObservationField;
        if (f.row == 0) {
            const char* column = f.field == Field::Longitude ? "longitude" : "latitude";
            sessions_.fail(s.row, column, f.message);
        }
        const std::size_t p = static_cast<std::size_t>(f.row - 1);
        const PeriodLines& lines = s.lines[p];
        std::size_t c = 0;
        while (c + 1 < lines.countRows.size() && s.observation.periods[p].counts[c].code != f.code)
            ++c;
        switch (f.field) {
        case Field::Magnitude:
            magnitudes_->fail(*lines.magnitudeRows[c], magnitudeColumn(f.magnitude), f.message);
        case Field::Count:
            rates_.fail(lines.countRows[c], f.code.empty() ? "shower" : "number", f.message);
        default:
            rates_.fail(lines.rateRow, rateColumn(f.field), f.message);
        }
    }

    static const char* rateColumn(ObservationField field) {
        switch (field) {
        case ObservationField::Start:
            return "start date";
        case ObservationField::Teff:
            return "teff";
        case ObservationField::F:
            return "f";
        case ObservationField::Lm:
            return "lm";
        case ObservationField::FieldRa:
            return "ra";
        case ObservationField::FieldDec:
            return "decl";
        default:
            return "end date";
        }
    }

    const VmdbTable& sessions_;
    const VmdbTable& rates_;
    const VmdbTable* magnitudes_;
    std::map<std::int64_t, std::size_t> index_;
    std::vector<Session> list_;
};

} // namespace

std::vector<Observation> ImportVmdb(const std::vector<VmdbText>& files,
                                    const ShowerLookup& lookup) {
    std::vector<std::unique_ptr<VmdbTable>> tables;
    const VmdbTable* byKind[3] = {nullptr, nullptr, nullptr};
    const char* kindNames[3] = {"sesiones", "tasas", "magnitudes"};
    for (const VmdbText& file : files) {
        tables.push_back(std::make_unique<VmdbTable>(file));
        const auto kind = static_cast<std::size_t>(kindOf(*tables.back()));
        if (byKind[kind])
            throw VmdbError("Los archivos " + quoted(byKind[kind]->name()) + " y " +
                            quoted(file.name) + " son los dos de " + kindNames[kind] +
                            ". Elija un solo archivo de cada clase.");
        byKind[kind] = tables.back().get();
    }
    for (std::size_t kind = 0; kind < 2; ++kind)
        if (!byKind[kind])
            throw VmdbError(std::string("Falta el archivo de ") + kindNames[kind] +
                            " de la VMDB. Elija a la vez los archivos de sesiones, tasas y, si "
                            "los hay, magnitudes.");
    return Import(byKind[0], byKind[1], byKind[2]).run(lookup);
}

std::vector<Observation> ReadVmdbFiles(const std::vector<std::string>& paths,
                                       const ShowerLookup& lookup) {
    std::vector<VmdbText> files;
    for (const std::string& path : paths) {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        if (!error && size <= kLargestFile)
            text << in.rdbuf();
        if (error || size > kLargestFile || !in)
            throw VmdbError(ErrorText(VelumbraError(
                "No se puede leer el archivo como archivo de la VMDB.", path,
                "Compruebe que existe, que puede leerlo y que es un archivo de texto.")));
        files.push_back({path, text.str()});
    }
    return ImportVmdb(files, lookup);
}
