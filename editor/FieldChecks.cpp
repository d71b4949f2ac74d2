#include "editor/FieldChecks.h"

#include "editor/NumberReader.h"
#include "geometry/Calendar.h"
#include "sky/Ansi.h"

namespace {

// Characters first..first+count-1 (counted from 1) of the text cut to `cut`.
std::string piece(const std::string& text, std::size_t cut, std::size_t first, std::size_t count) {
    const std::string shown = text.substr(0, cut);
    return first - 1 < shown.size() ? shown.substr(first - 1, count) : std::string();
}

bool realIn(const std::string& text, float low, float high) {
    const auto v = ReadReal(text);
    return v && static_cast<float>(*v) >= low && static_cast<float>(*v) <= high;
}

bool integerIn(const std::string& text, long low, long high) {
    const auto v = ReadInteger(text);
    return v && *v >= low && *v <= high;
}

bool fitsAnsi(const std::string& utf8, std::size_t capacity, const char* what,
              std::string& message) {
    std::string bad;
    const auto ansi = Utf8ToAnsi(utf8, &bad);
    if (!ansi) {
        message = std::string("El carácter «") + bad + "» " + what +
                  " no se puede guardar en el archivo de radiantes";
        return false;
    }
    if (ansi->size() > capacity) {
        message = std::string("Demasiados caracteres ") + what + ": caben " +
                  std::to_string(capacity) + " y hay " + std::to_string(ansi->size());
        return false;
    }
    return true;
}

} // namespace

bool CheckDayMonth(const std::string& text) {
    const auto day = ReadInteger(piece(text, 5, 1, 2));
    const auto month = ReadInteger(piece(text, 5, 4, 2));
    return day && month && *month >= 1 && *month <= 12 && *day >= 1 &&
           *day <= DaysInMonth(static_cast<int>(*month));
}

bool CheckArDec(const std::string& text) {
    const bool ra = realIn(piece(text, 11, 1, 5), 0.0f, 359.9f);
    const bool dec = realIn(piece(text, 11, 7, 5), -90.0f, 90.0f);
    return ra && dec;
}

bool CheckDiametro(const std::string& text) {
    const bool ra = integerIn(piece(text, 5, 1, 2), 0, 20);
    const bool dec = integerIn(piece(text, 5, 4, 2), 0, 20);
    return ra && dec;
}

bool CheckDeriva(const std::string& text) {
    const bool ra = realIn(piece(text, 11, 1, 5), -3.0f, 3.0f);
    const bool dec = realIn(piece(text, 11, 7, 5), -3.0f, 3.0f);
    return ra && dec;
}

bool CheckR(const std::string& text) {
    return realIn(text.substr(0, 5), 0.0f, 5.0f);
}

bool CheckV(const std::string& text) {
    return realIn(text.substr(0, 5), 0.0f, 100.0f);
}

bool CheckThz(const std::string& text) {
    // The record holds Thz in a 16-bit field.
    return integerIn(TrimBlanks(text).substr(0, 5), 0, 32767);
}

bool CheckNombre(const std::string& utf8, std::string& message) {
    return fitsAnsi(utf8, 25, "del nombre", message);
}

bool CheckCodigo(const std::string& utf8, std::string& message) {
    return fitsAnsi(utf8, 4, "del código", message);
}

std::optional<FieldFault> CheckFields(const RadiantRow& f, RadiantList mode) {
    std::string message;
    if (!CheckNombre(f[ColName], message))
        return FieldFault{ColName, message};
    if (!CheckCodigo(TrimBlanks(f[ColCode]), message))
        return FieldFault{ColCode, message};
    const bool imo = mode == RadiantList::Imo;
    struct Step {
        int column;
        bool (*check)(const std::string&);
        const char* message;
        bool imoOnly;
    };
    const Step chain[] = {
        {ColStart, CheckDayMonth, "Formato de Día/Mes incorrecto", false},
        {ColEnd, CheckDayMonth, "Formato de Día/Mes incorrecto", false},
        {ColMax, CheckDayMonth, "Formato de Día/Mes incorrecto", true},
        {ColArDec, CheckArDec, "Formato de Ar/Dec incorrecto", false},
        {ColDiam, CheckDiametro, "Formato de Diametro incorrecto", false},
        {ColDeriva, CheckDeriva, "Formato de Deriva incorrecto", false},
        {ColR, CheckR, "Formato de R incorrecto", true},
        {ColV, CheckV, "Formato de V incorrecto", false},
        {ColThz, CheckThz, "Formato de Thz incorrecto", true},
    };
    for (const Step& s : chain)
        if ((imo || !s.imoOnly) && !s.check(f[static_cast<std::size_t>(s.column)]))
            return FieldFault{s.column, s.message};
    return std::nullopt;
}
