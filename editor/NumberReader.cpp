#include "editor/NumberReader.h"

#include <cctype>
#include <charconv>

namespace {

// The unsigned digits of a piece after its blanks and sign; negative tells the sign.
std::optional<std::string> digitsOf(const std::string& text, bool allowPoint, bool& negative) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-')
        ++i;
    const std::string body = text.substr(i);
    int digits = 0;
    int points = 0;
    for (const char c : body) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            ++digits;
        else if (c == '.' && allowPoint)
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    return body;
}

} // namespace

namespace {

template <typename T, typename... Format>
std::optional<T> readNumber(const std::string& text, bool allowPoint, Format... format) {
    bool negative = false;
    const auto body = digitsOf(text, allowPoint, negative);
    if (!body)
        return std::nullopt;
    T value = 0;
    const auto [end, ec] =
        std::from_chars(body->data(), body->data() + body->size(), value, format...);
    if (ec != std::errc() || end != body->data() + body->size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

std::optional<long> ReadInteger(const std::string& text) {
    return readNumber<long>(text, false);
}

std::optional<double> ReadReal(const std::string& text) {
    return readNumber<double>(text, true, std::chars_format::fixed);
}
