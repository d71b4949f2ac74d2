#include "output/ListingLines.h"
#include "tests/output/LineFixtures.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using Fields = std::vector<std::pair<std::string, std::size_t>>;

// Heading and column of every field of a layout.
const Fields kImoFields{{"COD", 0}, {"NOMBRE", 4}, {"INI.", 31}, {"FIN", 38},   {"MAX.", 45},
                        {"AR", 52}, {"DEC", 59},   {"D.AR", 66}, {"D.DEC", 73}, {"TAM.R", 80},
                        {"R", 87},  {"V", 93},     {"THZ", 99},  {"D", 106}};
const Fields kTerentjevaFields{{"COD", 0},    {"NOMBRE", 5}, {"INI.", 32}, {"FIN", 39},
                               {"AR", 46},    {"DEC", 53},   {"D.AR", 60}, {"D.DEC", 67},
                               {"TAM.R", 74}, {"V", 81},     {"D", 87}};

void expectHeadings(ListingKind kind, const Fields& fields, std::size_t length) {
    const std::string columns = ListingColumns(kind);
    for (const auto& [heading, column] : fields)
        EXPECT_TRUE(HeadingAt(columns, heading, column)) << heading;
    EXPECT_EQ(columns.size(), length);
    EXPECT_EQ(ListingUnderline(kind).size(), length);
}

} // namespace

TEST(ListingLine, ImoFieldsStartUnderTheirHeadings) {
    expectHeadings(ListingKind::Imo, kImoFields, 107);
    Radiant r = Perseids();
    r.DriftRA = 0.25f;
    r.DriftDec = -0.1f;
    r.Thz = 5;
    const std::string line = ListingLine(ListingKind::Imo, r);
    EXPECT_EQ(Column(line, 0, 4), "PER ");
    EXPECT_EQ(Column(line, 4, 27), "Perseidas                  ");
    EXPECT_EQ(Column(line, 31, 7), "16/07  ");
    EXPECT_EQ(Column(line, 38, 7), "24/08  ");
    EXPECT_EQ(Column(line, 45, 7), "12/08  ");
    EXPECT_EQ(Column(line, 52, 7), "048.0  ");
    EXPECT_EQ(Column(line, 59, 7), "+58.0  ");
    EXPECT_EQ(Column(line, 66, 7), "+0.25  ");
    EXPECT_EQ(Column(line, 73, 7), "-0.10  ");
    EXPECT_EQ(Column(line, 80, 7), "05/05  ");
    EXPECT_EQ(Column(line, 87, 6), "2.20  ");
    EXPECT_EQ(Column(line, 93, 6), "59.0  ");
    EXPECT_EQ(Column(line, 99, 7), "    5  ");
    EXPECT_EQ(Column(line, 106, 2), "S");
}

TEST(ListingLine, TerentjevaLayoutHasNoMaximumRNorRate) {
    expectHeadings(ListingKind::Terentjeva, kTerentjevaFields, 88);
    const std::string line = ListingLine(ListingKind::Terentjeva, TerentjevaStream());
    EXPECT_EQ(Column(line, 0, 5), "T123 ");
    EXPECT_EQ(Column(line, 5, 27), "Kappa Cygnidas             ");
    EXPECT_EQ(Column(line, 32, 7), "16/07  ");
    EXPECT_EQ(Column(line, 39, 7), "24/08  ");
    EXPECT_EQ(Column(line, 46, 7), "048.0  ");
    EXPECT_EQ(Column(line, 53, 7), "+58.0  ");
    EXPECT_EQ(Column(line, 60, 7), "+1.35  ");
    EXPECT_EQ(Column(line, 67, 7), "+0.12  ");
    EXPECT_EQ(Column(line, 74, 7), "05/05  ");
    EXPECT_EQ(Column(line, 81, 6), "59.0  ");
    EXPECT_EQ(Column(line, 87, 2), "S");
}

TEST(ListingLine, DaysOfTheFollowingYearPrintAsTheirDate) {
    Radiant r = Perseids();
    r.StartDay = 227;
    r.EndDay = 370;
    r.MaxDay = 365;
    const std::string line = ListingLine(ListingKind::Imo, r);
    EXPECT_EQ(Column(line, 31, 5), "15/08");
    EXPECT_EQ(Column(line, 38, 5), "05/01");
    EXPECT_EQ(Column(line, 45, 5), "31/12");
}

TEST(ListingLine, DrawMarkOnlyForFlaggedRecords) {
    Radiant r = Perseids();
    r.DrawFlag = 0;
    const std::string line = ListingLine(ListingKind::Imo, r);
    EXPECT_EQ(line.size(), 106u);
    EXPECT_EQ(line.find('S', 100), std::string::npos);
    r.DrawFlag = 7;
    EXPECT_EQ(ListingLine(ListingKind::Imo, r).substr(106), "S");
}

TEST(ListingLine, UnprintableFieldsAreMarkedAndTheRestStaysInPlace) {
    Radiant r = Perseids();
    r.StartDay = 0;
    r.EndDay = 731;
    r.MaxDay = -3;
    r.DriftDec = std::numeric_limits<float>::quiet_NaN();
    r.R = -std::numeric_limits<float>::infinity();
    const std::string line = ListingLine(ListingKind::Imo, r);
    EXPECT_EQ(Column(line, 31, 19), "*****  *****  *****");
    EXPECT_EQ(Column(line, 52, 5), "048.0");
    EXPECT_EQ(Column(line, 73, 7), "*****  ");
    EXPECT_EQ(Column(line, 80, 5), "05/05");
    EXPECT_EQ(Column(line, 87, 6), "****  ");
    EXPECT_EQ(Column(line, 93, 4), "59.0");
    EXPECT_EQ(Column(line, 106, 1), "S");
}

TEST(ListingLine, CodeLongerThanItsColumnIsPrintedWhole) {
    Radiant r = Perseids();
    r.Code = "PERS";
    const std::string line = ListingLine(ListingKind::Imo, r);
    EXPECT_EQ(Column(line, 0, 6), "PERS P");
    EXPECT_EQ(Column(line, 32, 5), "16/07");
    EXPECT_EQ(line.size(), 108u);
}

TEST(ListingKind, EachListingPrintsItsOwnFileUnderItsTitle) {
    EXPECT_STREQ(ListingFile(ListingKind::Imo), "fradiante");
    EXPECT_STREQ(ListingFile(ListingKind::Terentjeva), "fradter");
    EXPECT_EQ(ListingTitle(ListingKind::Terentjeva), "LISTADO DE RADIANTES DE TERENTJEVA");
}
