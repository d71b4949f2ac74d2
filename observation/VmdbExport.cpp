#include "observation/VmdbExport.h"

#include "observation/DecimalText.h"
#include "observation/ObservationChecks.h"
#include "observation/VmdbFields.h"
#include "sky/WholeFile.h"

#include <cstdio>
#include <stdexcept>

namespace {

constexpr std::int64_t kLinesPerSession = 10000;

std::string optionalNumber(const std::optional<double>& value) {
    return value ? ShortestDecimal(*value) : std::string();
}

std::string magnitudeColumn(int magnitude) {
    return magnitude < 0 ? "mag n" + std::to_string(-magnitude)
                         : "mag " + std::to_string(magnitude);
}

std::string sessionLine(const Observation& o) {
    return JoinVmdbLine({std::to_string(VmdbSessionId(o)), VmdbField(o.observerCode),
                         VmdbField(o.observerName), ShortestDecimal(o.site.latitude),
                         ShortestDecimal(o.site.longitude), ShortestDecimal(o.site.elevationMetres),
                         VmdbField(o.site.name), VmdbField(o.site.country)});
}

std::string lineId(const Observation& o, std::int64_t place) {
    if (place >= kLinesPerSession)
        throw std::length_error(
            "La observación tiene más de 9999 cuentas: no cabe en los archivos de la VMDB.");
    return std::to_string(VmdbSessionId(o) * kLinesPerSession + place);
}

} // namespace

std::int64_t VmdbSessionId(const Observation& o) {
    return o.id > 0 ? o.id : 1;
}

VmdbTexts ExportVmdb(const Observation& o) {
    VmdbTexts files;
    files.sessions = "session id;observer id;actual observer name;latitude;longitude;elevation;"
                     "city;country\n" +
                     sessionLine(o);
    files.rates = "rate id;user id;obs session id;start date;end date;ra;decl;teff;f;lm;shower;"
                  "method;number\n";
    std::vector<std::string> magnitudeHeader{"magnitude id", "user id",    "obs session id",
                                             "shower",       "start date", "end date"};
    for (int i = 0; i < kMagnitudeClasses; ++i)
        magnitudeHeader.push_back(magnitudeColumn(kBrightestMagnitude + i));
    files.magnitudes = JoinVmdbLine(magnitudeHeader);
    const std::string session = std::to_string(VmdbSessionId(o));
    const std::string user = VmdbField(o.observerCode);
    std::int64_t rateLines = 0;
    std::int64_t magnitudeLines = 0;
    for (const Period& p : o.periods) {
        const std::string start = FormatUt(p.startUt);
        const std::string end = FormatUt(p.endUt);
        for (const ShowerCount& c : p.counts) {
            files.rates +=
                JoinVmdbLine({lineId(o, ++rateLines), user, session, start, end,
                              optionalNumber(p.ra), optionalNumber(p.dec), ShortestDecimal(p.teff),
                              ShortestDecimal(p.f), ShortestDecimal(p.lm), VmdbField(c.code),
                              VmdbField(p.method), std::to_string(c.number)});
            if (!c.magnitudes)
                continue;
            std::vector<std::string> line{lineId(o, ++magnitudeLines), user,  session,
                                          VmdbField(c.code),           start, end};
            for (double n : *c.magnitudes)
                line.push_back(ShortestDecimal(n));
            files.magnitudes += JoinVmdbLine(line);
        }
    }
    return files;
}

VmdbTexts VmdbFileNames(const Observation& o) {
    char night[16];
    std::snprintf(night, sizeof night, "%04d-%02d-%02d", o.evening.year, o.evening.month,
                  o.evening.day);
    const std::string base = std::string(night) + "_" + std::to_string(VmdbSessionId(o)) + "_";
    return {base + "sesiones.csv", base + "tasas.csv", base + "magnitudes.csv"};
}

std::string WriteVmdbFiles(const std::string& folder, const Observation& o) {
    const auto faults = CheckObservation(o);
    if (!faults.empty())
        return "La observación no se puede exportar: " + faults.front().message;
    std::size_t lines = 0;
    for (const Period& p : o.periods)
        lines += p.counts.size();
    if (lines >= kLinesPerSession)
        return "La observación no se puede exportar: tiene " + std::to_string(lines) +
               " cuentas de lluvias y los archivos admiten 9999. Junte periodos cortos en uno.";
    const VmdbTexts texts = ExportVmdb(o);
    const VmdbTexts names = VmdbFileNames(o);
    const std::pair<const std::string*, const std::string*> files[] = {
        {&names.sessions, &texts.sessions},
        {&names.rates, &texts.rates},
        {&names.magnitudes, &texts.magnitudes}};
    std::string written;
    for (const auto& [name, text] : files) {
        const std::string path = folder + "/" + *name;
        try {
            WriteWholeFile(path, "No se ha podido escribir el archivo",
                           std::vector<unsigned char>(text->begin(), text->end()));
        } catch (const WriteFailure& e) {
            return ErrorText(VelumbraError(
                e.what() + (written.empty() ? "" : " Ya se escribieron " + written + "."), path,
                e.advice() + " Elija otra carpeta y exporte de nuevo."));
        }
        written += (written.empty() ? "" : " y ") + *name;
    }
    return {};
}
