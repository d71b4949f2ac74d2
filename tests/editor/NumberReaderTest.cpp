#include "editor/NumberReader.h"
#include "geometry/Calendar.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(NumberReader, StrictPiecesWithLeadingBlanksAndSign) {
    EXPECT_EQ(ReadInteger(" 05"), 5);
    EXPECT_EQ(ReadInteger("-12"), -12);
    EXPECT_EQ(ReadInteger("+7"), 7);
    for (const char* bad : {"", "  ", "5 ", "1.0", "+", "0x1", "1e2", "--1"})
        EXPECT_FALSE(ReadInteger(bad)) << bad;
    EXPECT_EQ(ReadReal("-05.5"), -5.5);
    EXPECT_EQ(ReadReal(" 046.0"), 46.0);
    EXPECT_EQ(ReadReal("+0.12"), 0.12);
    for (const char* bad : {"", "5.5 ", "1.2.3", ".", "1,5", "nan", "inf", "1e5"})
        EXPECT_FALSE(ReadReal(bad)) << bad;
}

TEST(NumberReader, PointWhateverTheLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "es_ES.UTF-8"))
        GTEST_SKIP() << "no Spanish locale here";
    EXPECT_EQ(ReadReal("2.60"), 2.6);
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(NumberReader, TrimBlanks) {
    EXPECT_EQ(TrimBlanks("  100  "), "100");
    EXPECT_EQ(TrimBlanks("    "), "");
}
