#include "geometry/Numbers.h"

#include "sky/Errors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

long long Round(double x) {
    const double r = std::nearbyint(x);
    // 2^63 is exact in a double; the range of long long is [-2^63, 2^63).
    constexpr double kLimit = 9223372036854775808.0;
    if (!(r >= -kLimit && r < kLimit))
        throw RangeError();
    return static_cast<long long>(r);
}

namespace {

struct Picture {
    std::string prefix, suffix;
    int minIntDigits = 0;
    int decimals = 0;
};

Picture parsePicture(const std::string& section) {
    Picture p;
    const auto first = section.find_first_of("0#.");
    const auto last = section.find_last_of("0#.");
    if (first == std::string::npos) {
        p.prefix = section;
        return p;
    }
    p.prefix = section.substr(0, first);
    p.suffix = section.substr(last + 1);
    bool afterPoint = false;
    for (auto i = first; i <= last; ++i) {
        const char c = section[i];
        if (c == '.')
            afterPoint = true;
        else if (afterPoint && (c == '0' || c == '#'))
            ++p.decimals;
        else if (c == '0')
            ++p.minIntDigits;
    }
    return p;
}

// The decimal digits of |value| rounded half away from zero to `decimals` places, taken from
// its 17 significant digits: a value stored just below a half (2.675 is 2.67499...) rounds down.
std::string roundedDigits(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.16e", std::fabs(value));
    std::string mantissa;
    int exponent = 0;
    for (const char* c = buf; *c; ++c) {
        if (*c == 'e') {
            exponent = std::atoi(c + 1);
            break;
        }
        // Digits only: the C library writes the locale's decimal separator, often a comma.
        if (*c >= '0' && *c <= '9')
            mantissa += *c;
    }
    // Digits as an integer scaled by 10^decimals: position of the point is exponent + 1.
    const int pointPos = exponent + 1 + decimals;
    std::string digits;
    if (pointPos <= 0) {
        const bool up = pointPos == 0 && mantissa[0] >= '5';
        return up ? "1" : "0";
    }
    bool roundUp = false;
    if (pointPos < static_cast<int>(mantissa.size())) {
        digits = mantissa.substr(0, pointPos);
        roundUp = mantissa[pointPos] >= '5';
    } else {
        digits = mantissa + std::string(pointPos - mantissa.size(), '0');
    }
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i];
    }
    return digits;
}

std::string applyPicture(const Picture& p, double value) {
    std::string digits = roundedDigits(value, p.decimals);
    const int want = p.decimals + std::max(p.minIntDigits, 1);
    if (static_cast<int>(digits.size()) < want)
        digits.insert(0, want - digits.size(), '0');
    std::string intPart = digits.substr(0, digits.size() - p.decimals);
    // Leading zeros beyond the required digits are dropped ("#0.0" of 5 is "5.0").
    while (static_cast<int>(intPart.size()) > p.minIntDigits && intPart.size() > 1 &&
           intPart[0] == '0')
        intPart.erase(0, 1);
    if (p.minIntDigits == 0 && intPart == "0" && p.decimals > 0)
        intPart.clear();
    std::string out = p.prefix + intPart;
    if (p.decimals > 0)
        out += "." + digits.substr(digits.size() - p.decimals);
    return out + p.suffix;
}

bool allZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

} // namespace

std::string FormatFloat(const std::string& pattern, double value) {
    std::vector<std::string> sections;
    std::string::size_type start = 0;
    for (;;) {
        const auto semi = pattern.find(';', start);
        sections.push_back(pattern.substr(start, semi - start));
        if (semi == std::string::npos)
            break;
        start = semi + 1;
    }
    const Picture positive = parsePicture(sections[0]);
    if (sections.size() >= 3 && !sections[2].empty()) {
        const Picture zero = parsePicture(sections[2]);
        if (allZero(roundedDigits(value, positive.decimals)))
            return applyPicture(zero, 0.0);
    }
    if (value < 0) {
        if (sections.size() >= 2 && !sections[1].empty())
            return applyPicture(parsePicture(sections[1]), value);
        if (!allZero(roundedDigits(value, positive.decimals)))
            return "-" + applyPicture(positive, value);
    }
    return applyPicture(positive, value);
}
