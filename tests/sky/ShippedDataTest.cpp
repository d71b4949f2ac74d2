#include "sky/Radiant.h"
#include "sky/SkyData.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <memory>

namespace {

const std::string kData = VELUMBRA_DATA_DIR;

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

} // namespace

TEST(ShippedData, CatalogueHoldsExactly15925StarsEachKnowingItsPosition) {
    EXPECT_EQ(std::filesystem::file_size(kData + "/festrella"), kStarSlots * kStarRecordSize);
    auto table = std::make_unique<StarTable>();
    LoadStars(*table, kData);
    ASSERT_EQ(table->count(), kStarSlots);
    for (int slot = 1; slot <= kStarSlots; ++slot) {
        ASSERT_TRUE(table->at(slot).loaded);
        ASSERT_EQ(table->at(slot).FilePos, slot - 1);
    }
    SortStars(*table);
    for (int slot = 2; slot <= kStarSlots; ++slot)
        ASSERT_LT(table->at(slot - 1).StarNumber, table->at(slot).StarNumber) << slot;
}

TEST(ShippedData, EveryStrokeFindsItsStarAndLabelsAreComplete) {
    auto sky = std::make_unique<SkyData>();
    ASSERT_NO_THROW(LoadSky(*sky, kData));
    EXPECT_LE(std::filesystem::file_size(kData + "/ffigura"), 931 * kFigureRecordSize);
    int strokes = 0;
    for (int k = 1; k <= FigureTable::size(); ++k) {
        const StrokePoint& p = sky->figures.at(k);
        EXPECT_LE(p.Op, 1) << k;
        if (p.StarNumber != 0) {
            ++strokes;
            EXPECT_NE(FindStar(sky->stars, p.StarNumber), 0) << "figure " << k;
        }
    }
    EXPECT_GT(strokes, 0);
    for (int k = 1; k <= TriangleTable::size(); ++k) {
        const StrokePoint& p = sky->triangles.at(k);
        EXPECT_LE(p.Op, 1) << k;
        ASSERT_NE(p.StarNumber, 0) << "triangle slot " << k << " left empty";
        EXPECT_NE(FindStar(sky->stars, p.StarNumber), 0) << "triangle " << k;
    }
    for (int k = 1; k <= NameTable::size(); ++k) {
        const SkyLabel& l = sky->names.at(k);
        EXPECT_EQ(l.Text.size(), 3u) << k;
        EXPECT_TRUE(l.RA >= 0 && l.RA <= 360 && l.Dec >= -90 && l.Dec <= 90) << k;
    }
    for (int k = 1; k <= NumberTable::size(); ++k) {
        const SkyLabel& l = sky->numbers.at(k);
        EXPECT_EQ(l.Text, std::to_string(k));
        EXPECT_TRUE(l.RA >= 0 && l.RA <= 360 && l.Dec >= -90 && l.Dec <= 90) << k;
    }
}

TEST(ShippedData, RadiantRecordsAreWellFormed) {
    int flagged = 0;
    for (const char* name : {"fradiante", "fradter"}) {
        const bool imo = std::string(name) == "fradiante";
        const auto records = ReadRadiantFile(kData, name);
        EXPECT_FALSE(records.empty()) << name;
        for (const Radiant& r : records) {
            SCOPED_TRACE(std::string(name) + " " + r.Code);
            EXPECT_TRUE(1 <= r.StartDay && r.StartDay <= 365);
            EXPECT_TRUE(r.StartDay <= r.MaxDay && r.MaxDay <= r.EndDay && r.EndDay <= 730);
            EXPECT_TRUE(r.RA >= 0 && r.RA <= 360 && r.Dec >= -90 && r.Dec <= 90);
            EXPECT_TRUE(r.DriftRA >= -3 && r.DriftRA <= 3 && r.DriftDec >= -3 && r.DriftDec <= 3);
            EXPECT_TRUE(r.DiamRA >= 0 && r.DiamRA <= 20 && r.DiamDec >= 0 && r.DiamDec <= 20);
            EXPECT_TRUE(r.V >= 0 && r.V <= 99.9f && r.R >= 0 && r.R <= 5);
            EXPECT_EQ(r.DrawFlag, 1);
            EXPECT_LE(r.Name.size(), 25u);
            if (imo) {
                EXPECT_TRUE(r.Code.size() == 3 && isCapital(r.Code[0]) && isCapital(r.Code[1]) &&
                            isCapital(r.Code[2]));
                EXPECT_EQ(KindOf(r), RadiantKind::Imo);
            } else {
                EXPECT_TRUE(r.Code.size() >= 2 && isDigit(r.Code[1]));
                EXPECT_EQ(KindOf(r), RadiantKind::Terentjeva);
            }
            flagged += r.DrawFlag != 0;
        }
    }
    EXPECT_LE(flagged, kRadiantSlots);

    RadiantTable table;
    std::vector<std::string> lines;
    LoadRadiants(table, lines, kData);
    EXPECT_EQ(table.count(), flagged);
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(flagged));
}
