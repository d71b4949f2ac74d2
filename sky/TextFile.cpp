#include "sky/TextFile.h"

#include "sky/Errors.h"

#include <limits>

std::string TextFile::readLine(std::size_t maxChars) {
    std::string line;
    for (;;) {
        const int c = file_.get();
        if (c == EOF || c == '\n')
            break;
        if (c == '\r') {
            if (file_.peek() == '\n')
                file_.get();
            break;
        }
        if (line.size() < maxChars)
            line += static_cast<char>(c);
    }
    return line;
}

bool TextFile::atEnd() {
    return file_.peek() == EOF;
}

std::string Columns(const std::string& line, std::size_t from, std::size_t count) {
    if (from < 1 || from > line.size())
        return {};
    return line.substr(from - 1, count);
}

std::int32_t ParseInt32(const std::string& text, const std::string& file) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        throw ConvertError(text, file);
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            throw ConvertError(text, file);
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            throw ConvertError(text, file);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        throw ConvertError(text, file);
    return static_cast<std::int32_t>(value);
}

std::int16_t ParseInt16(const std::string& text, const std::string& file) {
    const std::int32_t value = ParseInt32(text, file);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw RangeError(file);
    return static_cast<std::int16_t>(value);
}
