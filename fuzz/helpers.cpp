// The number and calendar helpers on any input: a double for Round and FormatFloat, two
// integers for the calendar, a long double for the angles, and the rest as a number pattern.
#include "fuzz/FuzzInput.h"
#include "geometry/Angles.h"
#include "geometry/Calendar.h"
#include "geometry/Numbers.h"

#include <cstring>

namespace {

template <typename T> T take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double x = take<double>(data, size);
    const int day = take<std::int32_t>(data, size);
    const int month = take<std::int32_t>(data, size);
    const long double angle = static_cast<long double>(take<double>(data, size));
    const std::string pattern(reinterpret_cast<const char*>(data), size);
    Expecting([&] { Round(x); });
    Expecting([&] { DayOfYear(day, month); });
    Expecting([&] {
        int d = 0;
        int m = 0;
        DayToDate(day, d, m);
    });
    MonthName(month);
    RepeatChar(day % 1000, 'x');
    Expecting([&] { ArcSine(angle); });
    Tangent(angle);
    FormatFloat(pattern, x);
    return 0;
}
