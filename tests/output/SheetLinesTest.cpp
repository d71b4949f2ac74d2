#include "output/SheetLines.h"
#include "tests/output/LineFixtures.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

TEST(SheetLine, ImoFieldsStartUnderTheirHeadings) {
    const PageHeading heading = SheetHeading(12, 8);
    const std::pair<const char*, std::size_t> headings[] = {{"COD", 0},  {"NOMBRE", 5}, {"AR", 32},
                                                            {"DEC", 39}, {"TAM.R", 46}, {"R", 53},
                                                            {"V", 59},   {"THZ", 65}};
    for (const auto& [name, column] : headings)
        EXPECT_TRUE(HeadingAt(heading.columns, name, column)) << name;
    EXPECT_EQ(heading.columns.size(), 70u);
    EXPECT_EQ(heading.underline.size(), 70u);

    // 12 August is day 224, the maximum: the position is the stored one.
    const std::string line = SheetLine(Perseids(), 224);
    ExpectColumns(line, {{0, "PER  "},
                         {5, "Perseidas                  "},
                         {32, "048.0  "},
                         {39, "+58.0  "},
                         {46, "05/05  "},
                         {53, "2.20  "},
                         {59, "59.0  "},
                         {65, "  100  "}});
    EXPECT_EQ(line.size(), 72u);
}

TEST(SheetLine, PositionDriftsInWholeDegreesToTheDate) {
    // Five days before the maximum: -6.75 rounds to -7, -0.6 to -1.
    ExpectColumns(SheetLine(Perseids(), 219), {{32, "041.0"}, {39, "+57.0"}});
}

TEST(SheetLine, TerentjevaRowLeavesRAndThzBlankAndKeepsVUnderTheImoV) {
    const std::string imo = SheetLine(Perseids(), 224);
    const std::string ter = SheetLine(TerentjevaStream(), 224);
    ExpectColumns(ter, {{0, "T123 "}, {53, "      "}, {59, Column(imo, 59, 4)}, {65, "       "}});
    EXPECT_EQ(ter.size(), imo.size());
}

TEST(SheetLine, RateIsRightAlignedInFiveColumns) {
    Radiant r = Perseids();
    r.Thz = 120;
    EXPECT_EQ(Column(SheetLine(r, 224), 65, 5), "  120");
    r.Thz = 0;
    EXPECT_EQ(Column(SheetLine(r, 224), 65, 5), "    0");
    // A rate is an unsigned count: the largest the field holds still fits its column.
    r.Thz = -1;
    EXPECT_EQ(Column(SheetLine(r, 224), 65, 5), "65535");
}

TEST(SheetLine, RightAscensionIsNotWrappedPastThreeSixty) {
    Radiant r = Perseids();
    r.RA = 359.0f;
    r.DriftRA = 1.0f;
    EXPECT_EQ(Column(SheetLine(r, 226), 32, 5), "361.0");
    // Below zero it keeps its sign and widens, pushing the rest along.
    r.RA = 0.5f;
    r.DriftRA = 50.0f;
    ExpectColumns(SheetLine(r, 222), {{32, "-099.5  "}, {40, "+58.0"}});
}

TEST(SheetLine, AccentedNameIsOneColumnPerCharacter) {
    Radiant r = Perseids();
    r.Name = "Gem\xEDnidas"; // Windows-1252
    ExpectColumns(SheetLine(r, 224), {{5, "Gem\xEDnidas"}, {32, "048.0"}});
}

TEST(SheetLine, NumberThatIsNotFiniteIsMarkedInItsColumn) {
    Radiant r = Perseids();
    r.V = std::numeric_limits<float>::quiet_NaN();
    r.DriftRA = std::numeric_limits<float>::infinity();
    ExpectColumns(SheetLine(r, 220),
                  {{32, "*****  "}, {39, "+58.0"}, {59, "****  "}, {65, "  100"}});
}

TEST(SheetHeading, DayInTwoDigitsAndMonthInCapitals) {
    EXPECT_EQ(SheetHeading(5, 8).title, "RADIANTES ACTIVOS, FECHA: 05 DE AGOSTO");
    EXPECT_EQ(SheetHeading(12, 9).title, "RADIANTES ACTIVOS, FECHA: 12 DE SEPTIEMBRE");
}
