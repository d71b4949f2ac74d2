#include "output/SheetLines.h"
#include "tests/output/LineFixtures.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct Field {
    const char* heading;
    std::size_t column;
};
// Each field starts under its heading.
constexpr Field kSheetFields[] = {{"COD", 0},    {"NOMBRE", 5}, {"AR", 32}, {"DEC", 39},
                                  {"TAM.R", 46}, {"R", 53},     {"V", 59},  {"THZ", 65}};

} // namespace

TEST(SheetLine, ImoFieldsStartUnderTheirHeadings) {
    const std::string columns = kSheetColumns;
    for (const Field& f : kSheetFields)
        EXPECT_TRUE(HeadingAt(columns, f.heading, f.column)) << f.heading;
    EXPECT_EQ(std::string(kSheetUnderline).size(), 70u);

    // 12 August is day 224, the maximum: the position is the stored one.
    const std::string line = SheetLine(Perseids(), 224);
    EXPECT_EQ(Column(line, 0, 5), "PER  ");
    EXPECT_EQ(Column(line, 5, 27), "Perseidas                  ");
    EXPECT_EQ(Column(line, 32, 7), "048.0  ");
    EXPECT_EQ(Column(line, 39, 7), "+58.0  ");
    EXPECT_EQ(Column(line, 46, 7), "05/05  ");
    EXPECT_EQ(Column(line, 53, 6), "2.20  ");
    EXPECT_EQ(Column(line, 59, 6), "59.0  ");
    EXPECT_EQ(Column(line, 65, 7), "  100  ");
    EXPECT_EQ(line.size(), 72u);
}

TEST(SheetLine, PositionDriftsInWholeDegreesToTheDate) {
    // Five days before the maximum: -6.75 rounds to -7, -0.6 to -1.
    const std::string line = SheetLine(Perseids(), 219);
    EXPECT_EQ(Column(line, 32, 5), "041.0");
    EXPECT_EQ(Column(line, 39, 5), "+57.0");
}

TEST(SheetLine, TerentjevaRowLeavesRAndThzBlankAndKeepsVUnderTheImoV) {
    const std::string imo = SheetLine(Perseids(), 224);
    const std::string ter = SheetLine(TerentjevaStream(), 224);
    EXPECT_EQ(Column(ter, 0, 5), "T123 ");
    EXPECT_EQ(Column(ter, 53, 6), "      ");
    EXPECT_EQ(Column(ter, 59, 4), Column(imo, 59, 4));
    EXPECT_EQ(Column(ter, 65, 7), "       ");
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
    const std::string line = SheetLine(r, 222);
    EXPECT_EQ(Column(line, 32, 8), "-099.5  ");
    EXPECT_EQ(Column(line, 40, 5), "+58.0");
}

TEST(SheetLine, AccentedNameIsOneColumnPerCharacter) {
    Radiant r = Perseids();
    r.Name = "Gem\xEDnidas"; // Windows-1252
    const std::string line = SheetLine(r, 224);
    EXPECT_EQ(Column(line, 5, 9), "Gem\xEDnidas");
    EXPECT_EQ(Column(line, 32, 5), "048.0");
}

TEST(SheetLine, NumberThatIsNotFiniteIsMarkedInItsColumn) {
    Radiant r = Perseids();
    r.V = std::numeric_limits<float>::quiet_NaN();
    r.DriftRA = std::numeric_limits<float>::infinity();
    const std::string line = SheetLine(r, 220);
    EXPECT_EQ(Column(line, 32, 7), "*****  ");
    EXPECT_EQ(Column(line, 39, 5), "+58.0");
    EXPECT_EQ(Column(line, 59, 6), "****  ");
    EXPECT_EQ(Column(line, 65, 5), "  100");
}

TEST(SheetTitle, DayInTwoDigitsAndMonthInCapitals) {
    EXPECT_EQ(SheetTitle(5, 8), "RADIANTES ACTIVOS, FECHA: 05 DE AGOSTO");
    EXPECT_EQ(SheetTitle(12, 9), "RADIANTES ACTIVOS, FECHA: 12 DE SEPTIEMBRE");
}
