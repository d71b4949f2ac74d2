#include "observation/VmdbFields.h"

#include "editor/NumberReader.h"

std::optional<std::vector<std::string>> SplitVmdbLine(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    bool wasQuoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                field += line[++i];
            else
                quoted = false;
        } else if (c == '"' && TrimBlanks(field).empty()) {
            quoted = wasQuoted = true;
            field.clear();
        } else if (c == ';') {
            fields.push_back(wasQuoted ? field : TrimBlanks(field));
            field.clear();
            wasQuoted = false;
        } else if (!wasQuoted || c != ' ') {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields.push_back(wasQuoted ? field : TrimBlanks(field));
    return fields;
}

std::string VmdbField(const std::string& text) {
    std::string field;
    bool quote = false;
    for (char c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
        quote = quote || c == ';' || c == '"';
        if (c == '"')
            field += '"';
        field += c;
    }
    return quote ? '"' + field + '"' : field;
}

std::string JoinVmdbLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i ? ";" : "") + fields[i];
    return line + '\n';
}
