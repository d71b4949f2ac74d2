#include "observation/VmdbTable.h"

#include "editor/NumberReader.h"
#include "observation/ObservationChecks.h"
#include "observation/VmdbFields.h"

#include <cctype>
#include <cmath>

namespace {

std::string columnName(std::string text) {
    for (char& c : text)
        c = c == '_' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string quoted(const std::string& text) {
    return "«" + text + "»";
}

const std::string kAdvice = " Corrija el archivo e importe de nuevo; no se ha importado nada.";

} // namespace

VmdbTable::VmdbTable(const VmdbText& file) : name_(file.name) {
    std::size_t at = file.text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int line = 0;
    while (at < file.text.size()) {
        std::size_t end = file.text.find('\n', at);
        if (end == std::string::npos)
            end = file.text.size();
        std::string text = file.text.substr(at, end - at);
        at = end + 1;
        ++line;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (TrimBlanks(text).empty())
            continue;
        auto fields = SplitVmdbLine(text);
        if (!fields)
            throw VmdbError("Archivo " + quoted(name_) + ", línea " + std::to_string(line) +
                            ": unas comillas abiertas no se cierran en la línea." + kAdvice);
        if (header_.empty()) {
            for (const std::string& f : *fields)
                header_.push_back(columnName(f));
        } else {
            rows_.push_back({line, std::move(*fields)});
        }
    }
    if (header_.empty())
        throw VmdbError("El archivo " + quoted(name_) +
                        " está vacío: no tiene la línea de los nombres de las columnas." + kAdvice);
}

int VmdbTable::columnOf(const std::string& column) const {
    for (std::size_t i = 0; i < header_.size(); ++i)
        if (header_[i] == column)
            return static_cast<int>(i);
    return -1;
}

bool VmdbTable::has(const std::string& column) const {
    return columnOf(column) >= 0;
}

void VmdbTable::require(const std::vector<std::string>& columns) const {
    for (const std::string& c : columns)
        if (!has(c))
            throw VmdbError("Archivo " + quoted(name_) + ", línea 1: falta la columna " +
                            quoted(c) + "." + kAdvice);
}

std::string VmdbTable::text(std::size_t row, const std::string& column) const {
    const int i = columnOf(column);
    const auto& fields = rows_.at(row).fields;
    return i >= 0 && static_cast<std::size_t>(i) < fields.size()
               ? fields[static_cast<std::size_t>(i)]
               : std::string();
}

void VmdbTable::fail(std::size_t row, const std::string& column, const std::string& what) const {
    throw VmdbError("Archivo " + quoted(name_) + ", línea " + std::to_string(rows_.at(row).line) +
                    ", columna " + std::to_string(columnOf(column) + 1) + " (" + column +
                    "): " + what + kAdvice);
}

std::string VmdbTable::required(std::size_t row, const std::string& column) const {
    std::string value = text(row, column);
    if (value.empty())
        fail(row, column, "falta el valor.");
    return value;
}

std::int64_t VmdbTable::id(std::size_t row, const std::string& column) const {
    const std::string value = required(row, column);
    const auto n = ReadInteger(value);
    if (!n || *n <= 0)
        fail(row, column, quoted(value) + " no es un número entero mayor que 0.");
    return *n;
}

double VmdbTable::number(std::size_t row, const std::string& column) const {
    const std::string value = required(row, column);
    const auto n = ReadReal(value);
    if (!n || !std::isfinite(*n))
        fail(row, column, quoted(value) + " no es un número escrito con punto decimal.");
    return *n;
}

std::optional<double> VmdbTable::optionalNumber(std::size_t row, const std::string& column) const {
    if (text(row, column).empty())
        return std::nullopt;
    return number(row, column);
}

std::int64_t VmdbTable::time(std::size_t row, const std::string& column) const {
    const std::string value = required(row, column);
    const auto t = ParseUt(value);
    if (!t)
        fail(row, column,
             quoted(value) + " no es una fecha y hora UT de la forma AAAA-MM-DD HH:MM:SS.");
    return *t;
}

int VmdbTable::count(std::size_t row, const std::string& column) const {
    const std::string value = required(row, column);
    const auto n = ReadCount(value);
    if (!n)
        fail(row, column, quoted(value) + " no es un número entero de meteoros, 0 o más.");
    return *n;
}

double VmdbTable::magnitudeCount(std::size_t row, const std::string& column) const {
    const std::string value = text(row, column);
    if (value.empty())
        return 0;
    const auto n = ReadMagnitudeCount(value);
    if (!n)
        fail(row, column, quoted(value) + " no es un número entero o medio de meteoros.");
    return *n;
}
