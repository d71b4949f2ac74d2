#include "geometry/Calendar.h"
#include "sky/Errors.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::pair<int, int> dateOf(int n) {
    int day = -1, month = -1;
    DayToDate(n, day, month);
    return {day, month};
}

} // namespace

TEST(DayOfYear, CountsThrough365DaysWithoutCheckingTheDay) {
    EXPECT_EQ(DayOfYear(1, 1), 1);
    EXPECT_EQ(DayOfYear(28, 2), 59);
    EXPECT_EQ(DayOfYear(1, 3), 60);
    EXPECT_EQ(DayOfYear(29, 2), 60);
    EXPECT_EQ(DayOfYear(1, 10), 274);
    EXPECT_EQ(DayOfYear(31, 12), 365);
    EXPECT_EQ(DayOfYear(0, 5), 120);
}

TEST(DayToDate, FollowingYearAndTheEnds) {
    using Date = std::pair<int, int>;
    EXPECT_EQ(dateOf(59), Date(28, 2));
    EXPECT_EQ(dateOf(60), Date(1, 3));
    EXPECT_EQ(dateOf(334), Date(30, 11));
    EXPECT_EQ(dateOf(335), Date(1, 12));
    EXPECT_EQ(dateOf(365), Date(31, 12));
    EXPECT_EQ(dateOf(366), Date(1, 1));
    EXPECT_EQ(dateOf(400), Date(4, 2));
    EXPECT_EQ(dateOf(730), Date(31, 12));
    EXPECT_EQ(dateOf(0), Date(0, 1));
    EXPECT_EQ(dateOf(731), Date(-1, -1)) << "nothing is written above 730";
    int day = 0, month = 0;
    EXPECT_THROW(DayToDate(-1, day, month), RangeError);
}

TEST(DayToDate, InvertsDayOfYearForEveryDate) {
    int n = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(month); ++day) {
            ASSERT_EQ(DayOfYear(day, month), ++n);
            EXPECT_EQ(dateOf(n), std::make_pair(day, month));
            EXPECT_EQ(dateOf(n + 365), std::make_pair(day, month));
        }
    }
    EXPECT_EQ(n, 365);
}

TEST(MonthName, SpanishNames) {
    const char* names[] = {"Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
                           "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(MonthName(m), names[m - 1]);
}

TEST(RepeatChar, CopiesTheCharacter) {
    EXPECT_EQ(RepeatChar(0, ' '), "");
    EXPECT_EQ(RepeatChar(5, ' '), "     ");
    EXPECT_EQ(RepeatChar(3, '-'), "---");
}

TEST(DayOfYear, ADayBeyondItsByteIsTheRangeError) {
    EXPECT_EQ(DayOfYear(255, 12), 334 + 255);
    for (int day :
         {256, -1, 100000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
        EXPECT_THROW(DayOfYear(day, 12), RangeError) << day;
}
