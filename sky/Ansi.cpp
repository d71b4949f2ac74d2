#include "sky/Ansi.h"

#include <array>
#include <cstdint>

namespace {

// The code points of bytes 0x80..0x9F; the other bytes are their own code points. The five
// bytes the code page leaves unassigned map to the control characters of the same number.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePoint(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80u] : char32_t(byte);
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<unsigned char> ansiByte(char32_t c) {
    for (unsigned byte = 0; byte < 256; ++byte)
        if (codePoint(static_cast<unsigned char>(byte)) == c)
            return static_cast<unsigned char>(byte);
    return std::nullopt;
}

// The next code point of a UTF-8 text, advancing i; nothing on a malformed sequence.
std::optional<char32_t> nextCodePoint(const std::string& s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80)
        return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4)
        return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c;
}

} // namespace

std::string AnsiToUtf8(const std::string& ansi) {
    std::string out;
    for (const char ch : ansi)
        appendUtf8(out, codePoint(static_cast<unsigned char>(ch)));
    return out;
}

std::optional<std::string> Utf8ToAnsi(const std::string& utf8, std::string* bad) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const auto c = nextCodePoint(utf8, i);
        const auto byte = c ? ansiByte(*c) : std::nullopt;
        if (!byte) {
            if (bad)
                *bad = utf8.substr(start, i - start);
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}
