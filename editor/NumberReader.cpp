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

std::optional<long> ReadInteger(const std::string& text) {
    bool negative = false;
    const auto body = digitsOf(text, false, negative);
    if (!body)
        return std::nullopt;
    long value = 0;
    const auto [end, ec] = std::from_chars(body->data(), body->data() + body->size(), value);
    if (ec != std::errc() || end != body->data() + body->size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> ReadReal(const std::string& text) {
    bool negative = false;
    const auto body = digitsOf(text, true, negative);
    if (!body)
        return std::nullopt;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(body->data(), body->data() + body->size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != body->data() + body->size())
        return std::nullopt;
    return negative ? -value : value;
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
