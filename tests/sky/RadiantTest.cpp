#include "sky/Radiant.h"
#include "sky/Errors.h"
#include "tests/support/RadiantFiles.h"
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Radiant radiant(const std::string& code, const std::string& name, int flag = 1) {
    Radiant r;
    r.Code = code;
    r.Name = name;
    r.StartDay = 354;
    r.EndDay = 375;
    r.MaxDay = 364;
    r.RA = 46.0f;
    r.Dec = -5.5f;
    r.DriftRA = 1.35f;
    r.DriftDec = 0.5f;
    r.DiamRA = 20;
    r.DiamDec = 15;
    r.V = 66.0f;
    r.R = 2.5f;
    r.Thz = 0x1234;
    r.DrawFlag = static_cast<std::uint8_t>(flag);
    return r;
}

std::vector<Radiant> numbered(int n, const std::string& prefix) {
    std::vector<Radiant> v;
    for (int i = 0; i < n; ++i)
        v.push_back(radiant(prefix, "Stream " + std::to_string(i)));
    return v;
}

unsigned u16At(const unsigned char* b, int at) {
    return b[at] | (b[at + 1] << 8);
}

float f32At(const unsigned char* b, int at) {
    const std::uint32_t u = b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                            (static_cast<std::uint32_t>(b[at + 3]) << 24);
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f;
}

} // namespace

TEST(RadiantRecord, FieldsSitAtTheirOffsets) {
    unsigned char b[kRadiantRecordSize];
    std::memset(b, 0xEE, sizeof b);
    EncodeRadiant(radiant("PER", "Perseids"), b);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(b + 1), 3), "PER");
    EXPECT_EQ(b[5], 8);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(b + 6), 8), "Perseids");
    EXPECT_EQ(u16At(b, 31), 354u);
    EXPECT_EQ(u16At(b, 33), 375u);
    EXPECT_EQ(u16At(b, 35), 364u);
    EXPECT_EQ(f32At(b, 37), 46.0f);
    EXPECT_EQ(f32At(b, 41), -5.5f);
    EXPECT_EQ(f32At(b, 45), 1.35f);
    EXPECT_EQ(f32At(b, 49), 0.5f);
    EXPECT_EQ(u16At(b, 53), 20u);
    EXPECT_EQ(u16At(b, 55), 15u);
    EXPECT_EQ(f32At(b, 57), 66.0f);
    EXPECT_EQ(f32At(b, 61), 2.5f);
    EXPECT_EQ(b[65], 0x34);
    EXPECT_EQ(b[66], 0x12);
    EXPECT_EQ(b[67], 1);
}

TEST(RadiantRecord, RoundTripsAndClipsShortStrings) {
    const Radiant r = radiant("T49A", "Northern December delta A");
    unsigned char b[kRadiantRecordSize];
    EncodeRadiant(r, b);
    Radiant back;
    DecodeRadiant(b, back);
    EXPECT_EQ(back.Code, r.Code);
    EXPECT_EQ(back.Name, r.Name);
    // Every numeric field survives when the decoded record encodes to the same bytes.
    unsigned char again[kRadiantRecordSize];
    EncodeRadiant(back, again);
    EXPECT_EQ(Bytes(again, again + kRadiantRecordSize), Bytes(b, b + kRadiantRecordSize));

    EncodeRadiant(radiant("ABCDEFG", std::string(30, 'n')), b);
    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(b[5], 25);
    EXPECT_EQ(u16At(b, 31), 354u) << "a long name must not spill into StartDay";

    // A length byte above the capacity reads no further than the field.
    b[0] = 200;
    b[5] = 255;
    DecodeRadiant(b, back);
    EXPECT_EQ(back.Code, "ABCD");
    EXPECT_EQ(back.Name, std::string(25, 'n'));
}

TEST(RadiantKind, SecondCharacterTellsTheList) {
    EXPECT_EQ(KindOf(radiant("PER", "")), RadiantKind::Imo);
    EXPECT_EQ(KindOf(radiant("000", "")), RadiantKind::Terentjeva);
    EXPECT_EQ(KindOf(radiant("T49A", "")), RadiantKind::Terentjeva);
    EXPECT_EQ(KindOf(radiant("p1", "")), RadiantKind::Terentjeva);
    EXPECT_EQ(KindOf(radiant("Pe", "")), RadiantKind::None);
    EXPECT_EQ(KindOf(radiant("P", "")), RadiantKind::None);
    EXPECT_EQ(KindOf(radiant("", "")), RadiantKind::None);
}

TEST(LoadRadiants, KeepsFlaggedRecordsImoFirstWithMatchingLines) {
    TempDir dir;
    dir.write("fradiante",
              RadiantFileBytes({radiant("PER", "Perseids"), radiant("XYZ", "Hidden", 0),
                                radiant("GEM", "Geminids", 2)}));
    dir.write("fradter", RadiantFileBytes({radiant("M123", "Off", 0),
                                           radiant("T49A", "Northern December delta A")}));
    RadiantTable table;
    std::vector<std::string> lines{"stale"};
    LoadRadiants(table, lines, dir.path());
    ASSERT_EQ(table.count(), 3);
    EXPECT_EQ(table.RadiantCount(), 2);
    EXPECT_EQ(table.at(0).Code, "PER");
    EXPECT_EQ(table.at(1).Code, "GEM");
    EXPECT_EQ(table.at(2).Code, "T49A");
    EXPECT_EQ(lines, (std::vector<std::string>{"PER  Perseids", "GEM  Geminids",
                                               "T49A  Northern December delta A"}));
    EXPECT_THROW(table.at(3), RangeError);

    Radiant longName = radiant("AB", std::string(40, 'x'));
    EXPECT_EQ(RadiantLine(longName), "AB  " + std::string(27, 'x'));
}

TEST(LoadRadiants, NoFlaggedRecordGivesAnEmptyTable) {
    TempDir dir;
    dir.write("fradiante", RadiantFileBytes({radiant("PER", "Perseids", 0)}));
    dir.write("fradter", std::string());
    RadiantTable table;
    std::vector<std::string> lines{"stale"};
    LoadRadiants(table, lines, dir.path());
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.RadiantCount(), -1);
    EXPECT_TRUE(lines.empty());
}

TEST(LoadRadiants, TableHolds301AndTheNextNamesTheFileBeingRead) {
    TempDir dir;
    RadiantTable table;
    std::vector<std::string> lines;

    dir.write("fradiante", RadiantFileBytes(numbered(200, "AAA")));
    dir.write("fradter", RadiantFileBytes(numbered(101, "T11")));
    LoadRadiants(table, lines, dir.path());
    EXPECT_EQ(table.count(), 301);
    EXPECT_EQ(table.RadiantCount(), 300);

    struct Case {
        int imo, ter;
        const char* file;
    };
    for (const Case& c : {Case{302, 0, "fradiante"}, Case{200, 102, "fradter"}}) {
        dir.write("fradiante", RadiantFileBytes(numbered(c.imo, "AAA")));
        dir.write("fradter", RadiantFileBytes(numbered(c.ter, "T11")));
        try {
            LoadRadiants(table, lines, dir.path());
            ADD_FAILURE() << "no error for " << c.imo + c.ter << " flagged records";
        } catch (const RangeError& e) {
            EXPECT_EQ(e.file(), dir.file(c.file));
        }
        EXPECT_EQ(table.count(), 301);
        ASSERT_EQ(lines.size(), 301u);
        EXPECT_EQ(lines[300], RadiantLine(table.at(300)));
    }
}

// The main window goes on after each error: an overflow is told once, naming the file whose
// record did not fit, and the file read after it adds nothing and raises nothing.
TEST(LoadRadiants, AnOverflowIsToldOnceNamingTheFileThatOverflowed) {
    struct Case {
        int imo, ter;
        const char* file;
    };
    for (const Case& c : {Case{305, 4, "fradiante"}, Case{302, 0, "fradiante"},
                          Case{301, 3, "fradter"}, Case{250, 60, "fradter"}}) {
        TempDir dir;
        dir.write("fradiante", RadiantFileBytes(numbered(c.imo, "AAA")));
        dir.write("fradter", RadiantFileBytes(numbered(c.ter, "T11")));
        RadiantTable table;
        std::vector<std::string> lines;
        std::vector<std::string> named;
        LoadRadiants(table, lines, dir.path(), [&](const VelumbraError& e) {
            EXPECT_NE(dynamic_cast<const RangeError*>(&e), nullptr) << e.what();
            named.push_back(e.file());
        });
        EXPECT_EQ(named, std::vector<std::string>{dir.file(c.file)}) << c.imo << "+" << c.ter;
        EXPECT_EQ(table.count(), 301);
        ASSERT_EQ(lines.size(), 301u);
        EXPECT_EQ(lines[300], RadiantLine(table.at(300)));
    }
}

TEST(LoadRadiants, MissingOrTornFilesStopWithTableAndLinesInStep) {
    TempDir dir;
    RadiantTable table;
    std::vector<std::string> lines;
    try {
        LoadRadiants(table, lines, dir.path());
        FAIL() << "no error without fradiante";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::FileNotFound);
        EXPECT_EQ(e.file(), dir.file("fradiante"));
    }

    dir.write("fradiante", RadiantFileBytes({radiant("PER", "Perseids")}));
    try {
        LoadRadiants(table, lines, dir.path());
        FAIL() << "no error without fradter";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::FileNotFound);
        EXPECT_EQ(e.file(), dir.file("fradter"));
    }
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(lines.size(), 1u);

    Bytes torn = RadiantFileBytes({radiant("T12", "One"), radiant("T13", "Two")});
    torn.resize(torn.size() - 1);
    dir.write("fradter", torn);
    try {
        LoadRadiants(table, lines, dir.path());
        FAIL() << "no error for a partial record";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::ReadBeyondEnd);
        EXPECT_EQ(e.file(), dir.file("fradter"));
    }
    EXPECT_EQ(table.count(), 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "T12  One");
    EXPECT_THROW(ReadRadiantFile(dir.path(), "fradter"), InOutError);
}

TEST(RadiantRules, ActivityAcrossTheYearEnd) {
    Radiant r = radiant("DUM", "");
    int active = 0;
    EXPECT_TRUE(IsActive(r, 359, active));
    EXPECT_EQ(active, 359);
    EXPECT_TRUE(IsActive(r, 5, active));
    EXPECT_EQ(active, 370);
    EXPECT_FALSE(IsActive(r, 15, active));
    EXPECT_EQ(active, 380);
    EXPECT_FALSE(IsActive(r, 349, active));
    EXPECT_EQ(active, 714);
    EXPECT_TRUE(IsActive(r, 354, active));

    r.StartDay = 100;
    r.EndDay = 120;
    for (int day = 1; day <= 365; ++day) {
        EXPECT_EQ(IsActive(r, day, active), day >= 100 && day <= 120) << day;
        EXPECT_EQ(active, day);
    }
    r.DrawFlag = 0;
    EXPECT_FALSE(IsActive(r, 110, active));
}

TEST(RadiantRules, DriftMovesInWholeDegreesTiesToEven) {
    Radiant r = radiant("PER", "");
    r.MaxDay = 220;
    r.RA = 46.0f;
    r.Dec = 10.5f;
    r.DriftRA = 1.35f;
    r.DriftDec = 0.5f;
    RadiantPosition p = PositionAt(r, 215);
    EXPECT_EQ(p.ra, 39.0f);
    EXPECT_EQ(p.dec, 8.5f); // -2.5 goes to -2
    p = PositionAt(r, 223);
    EXPECT_EQ(p.ra, 50.0f);  // 4.05
    EXPECT_EQ(p.dec, 12.5f); // 1.5 goes to 2
    r.DriftRA = 0.5f;
    EXPECT_EQ(PositionAt(r, 215).ra, 44.0f);
    EXPECT_EQ(PositionAt(r, 220).dec, 10.5f);
}
