#include "sky/LimitTable.h"

#include "sky/BinaryFile.h"
#include "sky/Errors.h"
#include "sky/TextFile.h"

namespace {
const char* const kLimitFile = "fmaglim";

std::size_t index(int k) {
    if (k < 1 || k > kLimitAreas)
        throw RangeError(kLimitFile);
    return static_cast<std::size_t>(k - 1);
}

const char* const kReinstall = "Reinstale el archivo de datos.";

[[noreturn]] void badLine(const std::string& path, int line, const std::string& what) {
    throw VelumbraError("Línea " + std::to_string(line) + " de la tabla de recuentos: " + what +
                            ".",
                        path, kReinstall);
}

// "M.M": the digits either side of the point, as tenths.
int parseTenths(const std::string& path, const std::string& text, int line) {
    if (text.size() != 3 || text[1] != '.' || text[0] < '0' || text[0] > '9' || text[2] < '0' ||
        text[2] > '9')
        badLine(path, line, "magnitud '" + text + "' no válida");
    return (text[0] - '0') * 10 + (text[2] - '0');
}
} // namespace

const std::vector<LimitRow>& LimitTable::area(int k) const {
    return areas_[index(k)];
}

std::vector<LimitRow>& LimitTable::area(int k) {
    return areas_[index(k)];
}

void LimitTable::clear() {
    for (auto& rows : areas_)
        rows.clear();
}

void LoadLimits(LimitTable& table, const std::string& dataDir) {
    table.clear();
    try {
        const std::string path = DataPath(dataDir, kLimitFile);
        TextFile file(path);
        int line = 0;
        int lastArea = 0;
        while (!file.atEnd()) {
            const std::string text = file.readLine(16);
            ++line;
            if (text.empty())
                continue;
            const int area = ParseInt32(Columns(text, 1, 2), path);
            const int count = ParseInt32(Columns(text, 4, 3), path);
            const int tenths = parseTenths(path, Columns(text, 8, 3), line);
            if (area < lastArea || area > kLimitAreas || area < 1)
                badLine(path, line, "área " + std::to_string(area) + " fuera de orden");
            std::vector<LimitRow>& rows = table.area(area);
            if (!rows.empty() && (count <= rows.back().count || tenths < rows.back().tenths))
                badLine(path, line, "los recuentos y las magnitudes deben crecer");
            if (count < 0)
                badLine(path, line, "recuento negativo");
            rows.push_back({count, tenths});
            lastArea = area;
        }
        for (int k = 1; k <= kLimitAreas; ++k)
            if (table.area(k).empty())
                throw VelumbraError("Falta la tabla de recuentos del área " + std::to_string(k) +
                                        ".",
                                    path, kReinstall);
    } catch (...) {
        // Half a table would give wrong magnitudes for the areas it lacks.
        table.clear();
        throw;
    }
}

LimitReading ReadLimit(const LimitTable& table, int area, int count) {
    const std::vector<LimitRow>& rows = table.area(area);
    if (rows.empty() || count < rows.front().count)
        return {LimitReading::Where::Below, rows.empty() ? 0 : rows.front().tenths};
    if (count > rows.back().count)
        return {LimitReading::Where::Above, rows.back().tenths};
    int tenths = rows.front().tenths;
    for (const LimitRow& row : rows)
        if (row.count <= count)
            tenths = row.tenths;
    return {LimitReading::Where::Table, tenths};
}
