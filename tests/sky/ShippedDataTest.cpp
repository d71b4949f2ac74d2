#include "geometry/Calendar.h"
#include "sky/Radiant.h"
#include "sky/SkyData.h"
#include "tests/support/RadiantFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>

namespace {

const std::string kData = VELUMBRA_DATA_DIR;

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

// Printable Windows-1252 and not UTF-8: no control bytes, none of the five unassigned code
// points, and no accented letter written as a UTF-8 pair ("Ã­" for "í").
bool isWindows1252Text(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            return false;
        const bool utf8Lead = b == 0xC2 || b == 0xC3;
        if (utf8Lead && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80)
            return false;
    }
    return true;
}

std::vector<Radiant> withCode(const std::vector<Radiant>& records, const std::string& code) {
    std::vector<Radiant> out;
    std::copy_if(records.begin(), records.end(), std::back_inserter(out),
                 [&code](const Radiant& r) { return r.Code == code; });
    return out;
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
            EXPECT_LE(r.DrawFlag, 1);
            EXPECT_TRUE(!r.Name.empty() && r.Name.size() <= 25u);
            EXPECT_TRUE(isWindows1252Text(r.Name)) << r.Name;
            // Spanish plurals: "Perseidas", never "Perseids".
            EXPECT_EQ(r.Name.find("ids"), std::string::npos) << r.Name;
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

TEST(ShippedData, ImoListIsThe2026WorkingListWithTheAntihelionSourceInPieces) {
    const auto records = ReadRadiantFile(kData, "fradiante");
    std::set<std::string> flaggedShowers;
    for (const Radiant& r : records) {
        if (r.DrawFlag != 0 && r.Code != "ANT") {
            EXPECT_TRUE(flaggedShowers.insert(r.Code).second) << r.Code << " twice";
        }
    }
    EXPECT_EQ(flaggedShowers.size(), 37u);
    EXPECT_EQ(flaggedShowers.count("SLY"), 1u);

    // Showers the IMO has dropped since 2018 stay in the file for the editor, not drawn.
    for (const char* code : {"GNO", "PAU", "DLM", "CCY", "DPC", "NUE", "TAH", "DAU"}) {
        const auto dropped = withCode(records, code);
        ASSERT_EQ(dropped.size(), 1u) << code;
        EXPECT_EQ(dropped[0].DrawFlag, 0) << code;
    }
    // "Var" in the calendar: no rate.
    for (const char* code : {"PPU", "JBO", "AMO", "PHO"})
        EXPECT_EQ(withCode(records, code).at(0).Thz, 0) << code;

    // Consecutive pieces covering 10 December to 10 September, each named by its months.
    const auto pieces = withCode(records, "ANT");
    const std::vector<std::string> names = {"dic-ene", "ene-feb", "feb-mar", "mar-abr", "abr-may",
                                            "may-jun", "jun-jul", "jul-ago", "ago-sep"};
    ASSERT_EQ(pieces.size(), names.size());
    EXPECT_EQ(pieces.front().StartDay, DayOfYear(10, 12));
    EXPECT_EQ(pieces.back().EndDay, DayOfYear(10, 9));
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        EXPECT_EQ(pieces[k].Name, "Antihelio " + names[k]);
        EXPECT_EQ(pieces[k].DrawFlag, 1);
        int day = 0;
        int month = 0;
        DayToDate(pieces[k].StartDay, day, month);
        EXPECT_EQ(std::pair(day, month), std::pair(10, static_cast<int>(k + 11) % 12 + 1));
        if (k > 0) {
            EXPECT_EQ(pieces[k].StartDay, pieces[k - 1].EndDay % 365 + 1) << pieces[k].Name;
        }
    }
}

TEST(ShippedData, PerseidsAndGeminidsOf2026) {
    const auto records = ReadRadiantFile(kData, "fradiante");
    const Radiant per = withCode(records, "PER").at(0);
    EXPECT_EQ(per.Name, "Perseidas");
    EXPECT_EQ(per.DrawFlag, 1);
    EXPECT_EQ(per.MaxDay, DayOfYear(13, 8));
    EXPECT_FLOAT_EQ(per.RA, 48.0f);
    EXPECT_FLOAT_EQ(per.Dec, 58.0f);
    EXPECT_EQ(per.Thz, 100);
    // The drift of the 2025 position table: 10 August (45, +57) to 15 August (51, +58).
    EXPECT_FLOAT_EQ(per.DriftRA, 1.2f);
    EXPECT_FLOAT_EQ(per.DriftDec, 0.2f);

    const Radiant gem = withCode(records, "GEM").at(0);
    EXPECT_EQ(gem.Name, "Gem\xEDnidas");
    EXPECT_EQ(gem.MaxDay, DayOfYear(14, 12));
    EXPECT_EQ(gem.Thz, 150);
}

TEST(ShippedData, EveryRecordRoundTripsThroughTheCodecByteForByte) {
    for (const char* name : {"fradiante", "fradter"}) {
        std::ifstream in(kData + "/" + name, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
        ASSERT_EQ(bytes.size() % kRadiantRecordSize, 0u) << name;
        for (std::size_t at = 0; at < bytes.size(); at += kRadiantRecordSize) {
            Radiant r;
            DecodeRadiant(bytes.data() + at, r);
            unsigned char again[kRadiantRecordSize];
            EncodeRadiant(r, again);
            EXPECT_TRUE(std::equal(again, again + kRadiantRecordSize, bytes.data() + at))
                << name << " " << r.Code;
            if (r.Code == "PER") {
                EXPECT_EQ(bytes[at + 5], 9);
                EXPECT_EQ(std::string(bytes.begin() + at + 6, bytes.begin() + at + 15),
                          "Perseidas");
            }
        }
    }
}
