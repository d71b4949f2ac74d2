#include "geometry/Numbers.h"
#include "sky/Errors.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

TEST(Round, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(2.6), 3);
    EXPECT_EQ(Round(-2.6), -3);
    EXPECT_EQ(Round(2.4999999), 2);
}

struct Formatted {
    const char* pattern;
    double value;
    const char* text;
};

TEST(FormatFloat, PatternsOfTheProgram) {
    const Formatted cases[] = {
        {"00", 5, "05"},
        {"00", 42, "42"},
        {"00", -7, "-07"},
        {"00", -15, "-15"},
        {"00", 105, "105"},
        {"000", 30, "030"},
        {"+00;-00", 56, "+56"},
        {"+00;-00", -5, "-05"},
        {"+00;-00", 0, "+00"},
        {"000.0", 46, "046.0"},
        {"000.0", 359.96, "360.0"},
        {"+00.0;-00.0", -5.5, "-05.5"},
        {"+00.0;-00.0", 0, "+00.0"},
        {"+00.0;-00.0", 12.34, "+12.3"},
        {"+0.00;-0.00;+0.00", -0.1, "-0.10"},
        {"+0.00;-0.00;+0.00", -0.001, "+0.00"},
        {"+0.00;-0.00;+0.00", 1.35, "+1.35"},
        {"0.00", 175, "175.00"},
        {"0.00", 87.5, "87.50"},
        {"0.00", 58.333333, "58.33"},
        {"00.0", 3, "03.0"},
        // Halves round away from zero, unlike Round.
        {"0.0", 0.25, "0.3"},
        {"00", 2.5, "03"},
        {"00", -2.5, "-03"},
        {"00", 0.4, "00"},
        {"00", -0.4, "00"},
    };
    for (const Formatted& c : cases)
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text) << c.pattern << " of " << c.value;
}

// The desktop toolkit adopts the user's locale at start-up; a Spanish one writes decimal
// commas in the C library, and the charts must still show points.
TEST(FormatFloat, DecimalPointWhateverTheLocale) {
    std::string chosen;
    for (const char* name : {"es_ES.UTF-8", "es_ES.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen.empty())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string a = FormatFloat("0.00", 87.5);
    const std::string b = FormatFloat("+00.0;-00.0", -5.5);
    const std::string c = FormatFloat("00", 42);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(a, "87.50") << chosen;
    EXPECT_EQ(b, "-05.5") << chosen;
    EXPECT_EQ(c, "42") << chosen;
}

TEST(Round, BeyondTheIntegerRangeIsTheRangeError) {
    EXPECT_EQ(Round(9.2e18), 9200000000000000000LL);
    EXPECT_EQ(Round(-9223372036854775808.0), std::numeric_limits<long long>::min());
    for (double x :
         {9223372036854775808.0, -9.3e18, 1e300, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(Round(x), RangeError) << x;
}

TEST(RoundClearOfHalf, RoundsLikeRoundAwayFromHalvesAndRefusesNearThem) {
    struct Case {
        double x;
        bool clear;
        long long rounded;
    };
    const Case cases[] = {{2.4, true, 2},         {2.6, true, 3},          {-2.4, true, -2},
                          {-2.6, true, -3},       {-0.3, true, 0},         {7.0, true, 7},
                          {-7.0, true, -7},       {2.5, false, 0},         {-2.5, false, 0},
                          {3.5 + 1e-9, false, 0}, {-3.5 - 1e-9, false, 0}, {2e9, false, 0}};
    for (const Case& c : cases) {
        long long rounded = 0;
        EXPECT_EQ(RoundClearOfHalf(c.x, 1e-7, rounded), c.clear) << c.x;
        EXPECT_EQ(rounded, c.rounded) << c.x;
        if (c.clear) {
            EXPECT_EQ(rounded, Round(c.x)) << c.x;
        }
    }
}
