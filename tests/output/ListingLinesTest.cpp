#include "output/ListingLines.h"
#include "tests/output/LineFixtures.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using Headings = std::vector<std::pair<std::string, std::size_t>>;

void expectHeadings(ListingKind kind, const Headings& headings, std::size_t length) {
    const PageHeading heading = ListingHeading(kind);
    for (const auto& [name, column] : headings)
        EXPECT_TRUE(HeadingAt(heading.columns, name, column)) << name;
    EXPECT_EQ(heading.columns.size(), length);
    EXPECT_EQ(heading.underline.size(), length);
}

} // namespace

TEST(ListingLine, ImoFieldsStartUnderTheirHeadings) {
    expectHeadings(ListingKind::Imo,
                   {{"COD", 0},
                    {"NOMBRE", 4},
                    {"INI.", 31},
                    {"FIN", 38},
                    {"MAX.", 45},
                    {"AR", 52},
                    {"DEC", 59},
                    {"D.AR", 66},
                    {"D.DEC", 73},
                    {"TAM.R", 80},
                    {"R", 87},
                    {"V", 93},
                    {"THZ", 99},
                    {"D", 106}},
                   107);
    Radiant r = Perseids();
    r.DriftRA = 0.25f;
    r.DriftDec = -0.1f;
    r.Thz = 5;
    ExpectColumns(ListingLine(ListingKind::Imo, r), {{0, "PER "},
                                                     {4, "Perseidas                  "},
                                                     {31, "16/07  "},
                                                     {38, "24/08  "},
                                                     {45, "12/08  "},
                                                     {52, "048.0  "},
                                                     {59, "+58.0  "},
                                                     {66, "+0.25  "},
                                                     {73, "-0.10  "},
                                                     {80, "05/05  "},
                                                     {87, "2.20  "},
                                                     {93, "59.0  "},
                                                     {99, "    5  "},
                                                     {106, "S"}});
}

TEST(ListingLine, TerentjevaLayoutHasNoMaximumRNorRate) {
    expectHeadings(ListingKind::Terentjeva,
                   {{"COD", 0},
                    {"NOMBRE", 5},
                    {"INI.", 32},
                    {"FIN", 39},
                    {"AR", 46},
                    {"DEC", 53},
                    {"D.AR", 60},
                    {"D.DEC", 67},
                    {"TAM.R", 74},
                    {"V", 81},
                    {"D", 87}},
                   88);
    const std::string line = ListingLine(ListingKind::Terentjeva, TerentjevaStream());
    ExpectColumns(line, {{0, "T123 "},
                         {5, "Kappa Cygnidas             "},
                         {32, "16/07  "},
                         {39, "24/08  "},
                         {46, "048.0  "},
                         {53, "+58.0  "},
                         {60, "+1.35  "},
                         {67, "+0.12  "},
                         {74, "05/05  "},
                         {81, "59.0  "},
                         {87, "S"}});
    EXPECT_EQ(line.size(), 88u);
}

TEST(ListingLine, DaysOfTheFollowingYearPrintAsTheirDate) {
    Radiant r = Perseids();
    r.StartDay = 227;
    r.EndDay = 370;
    r.MaxDay = 365;
    ExpectColumns(ListingLine(ListingKind::Imo, r), {{31, "15/08"}, {38, "05/01"}, {45, "31/12"}});
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
    ExpectColumns(ListingLine(ListingKind::Imo, r), {{31, "*****  *****  *****  "},
                                                     {52, "048.0"},
                                                     {73, "*****  "},
                                                     {80, "05/05"},
                                                     {87, "****  "},
                                                     {93, "59.0"},
                                                     {106, "S"}});
}

TEST(ListingLine, CodeLongerThanItsColumnIsPrintedWhole) {
    Radiant r = Perseids();
    r.Code = "PERS";
    const std::string line = ListingLine(ListingKind::Imo, r);
    ExpectColumns(line, {{0, "PERS P"}, {32, "16/07"}});
    EXPECT_EQ(line.size(), 108u);
}

TEST(ListingKind, EachListingPrintsItsOwnFileUnderItsTitle) {
    EXPECT_STREQ(ListingFile(ListingKind::Imo), "fradiante");
    EXPECT_STREQ(ListingFile(ListingKind::Terentjeva), "fradter");
    EXPECT_EQ(ListingHeading(ListingKind::Imo).title, "LISTADO DE RADIANTES");
    EXPECT_EQ(ListingHeading(ListingKind::Terentjeva).title, "LISTADO DE RADIANTES DE TERENTJEVA");
}
