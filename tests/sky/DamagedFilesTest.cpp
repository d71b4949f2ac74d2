// Data files damaged in the ways a disk or a hand edit damages them: every failure is the
// program's own error, in Spanish, naming the file by its full path; damaged radiant records are
// refused before any chart code sees them.
#include "sky/Errors.h"
#include "sky/Radiant.h"
#include "sky/SkyFigures.h"
#include "sky/StarTable.h"
#include "tests/support/RadiantFiles.h"
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <memory>

namespace {

struct Loader {
    const char* file;
    std::function<void(const std::string&)> load;
};

std::vector<Loader> loaders() {
    return {
        {"festrella", [](const std::string& d) { LoadStars(*std::make_unique<StarTable>(), d); }},
        {"ffigura", [](const std::string& d) { LoadFigures(*std::make_unique<FigureTable>(), d); }},
        {"fnombre", [](const std::string& d) { LoadNames(*std::make_unique<NameTable>(), d); }},
        {"ftriangulo",
         [](const std::string& d) { LoadTriangles(*std::make_unique<TriangleTable>(), d); }},
        {"fnumero", [](const std::string& d) { LoadNumbers(*std::make_unique<NumberTable>(), d); }},
        {"fradiante", [](const std::string& d) { ReadRadiantFile(d, "fradiante"); }},
        {"fradter", [](const std::string& d) { ReadRadiantFile(d, "fradter"); }},
    };
}

// The error code a loader raises for its file, or 0 when it loads; any other exception fails.
int errorCodeOf(const Loader& l, const TempDir& dir) {
    try {
        l.load(dir.path());
    } catch (const InOutError& e) {
        EXPECT_EQ(e.file(), dir.file(l.file));
        return e.code();
    } catch (const std::exception& e) {
        ADD_FAILURE() << l.file << ": " << e.what();
        return -1;
    }
    return 0;
}

} // namespace

TEST(DamagedFiles, AFolderInPlaceOfAFileIsAccessDenied) {
    for (const Loader& l : loaders()) {
        TempDir dir;
        std::filesystem::create_directory(dir.file(l.file));
        EXPECT_EQ(errorCodeOf(l, dir), InOutError::AccessDenied) << l.file;
    }
}

TEST(DamagedFiles, ADiskThatFailsToReadIsADiskReadError) {
    // Reading this process's memory from address 0, which is never mapped, fails with EIO:
    // a real read error of a regular file.
    const std::string failing = "/proc/self/mem";
    if (!std::filesystem::is_regular_file(failing))
        GTEST_SKIP() << "no " << failing;
    for (const Loader& l : loaders()) {
        TempDir dir;
        std::filesystem::create_symlink(failing, dir.file(l.file));
        EXPECT_EQ(errorCodeOf(l, dir), InOutError::DiskRead) << l.file;
    }
}

TEST(RadiantFiles, LargeFilesAreReadRecordByRecordUpToTheTablesFlaggedRecords) {
    TempDir dir;
    // Over 1 MiB of unflagged records, then three flagged ones.
    std::vector<Radiant> records(16000, Perseids("OFF"));
    for (Radiant& r : records)
        r.DrawFlag = 0;
    for (const char* code : {"AAA", "BBB", "CCC"})
        records.push_back(Perseids(code));
    const auto bytes = RadiantFileBytes(records);
    ASSERT_GT(bytes.size(), 1u << 20);
    dir.write("fradiante", bytes);
    dir.write("fradter", std::string());

    RadiantTable table;
    std::vector<std::string> lines;
    LoadRadiants(table, lines, dir.path());
    ASSERT_EQ(table.count(), 3);
    EXPECT_EQ(table.at(2).Code, "CCC");
    // The listings and the editor read every record, flagged or not.
    const auto all = ReadRadiantFile(dir.path(), "fradiante");
    ASSERT_EQ(all.size(), records.size());
    EXPECT_EQ(all.back().Code, "CCC");
}

TEST(RadiantFiles, DamagedValuesAreRefusedNamingFileRecordAndField) {
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    struct Case {
        std::function<void(Radiant&)> damage;
        const char* field;
    };
    const Case cases[] = {
        {[](Radiant& r) { r.RA = nan; }, "A.R."},
        {[](Radiant& r) { r.Dec = -inf; }, "Dec"},
        {[](Radiant& r) { r.RA = 3e38f; }, "A.R."},
        {[](Radiant& r) { r.DriftRA = nan; }, "Deriva A.R."},
        {[](Radiant& r) { r.DriftDec = 1000.1f; }, "Deriva Dec"},
        {[](Radiant& r) { r.V = inf; }, "V"},
        {[](Radiant& r) { r.R = -2e9f; }, "R"},
        {[](Radiant& r) { r.StartDay = -5; }, "Inicio"},
        {[](Radiant& r) { r.EndDay = 731; }, "Fin"},
        {[](Radiant& r) { r.MaxDay = 32767; }, "Máximo"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        Radiant bad = Perseids("BAD");
        c.damage(bad);
        dir.write("fradiante",
                  RadiantFileBytes({Perseids("AAA"), Perseids("BBB"), bad, Perseids("CCC")}));
        dir.write("fradter", RadiantFileBytes({Perseids("T01")}));
        RadiantTable table;
        std::vector<std::string> lines;
        std::vector<std::string> reported;
        LoadRadiants(table, lines, dir.path(),
                     [&](const VelumbraError& e) { reported.push_back(ErrorText(e)); });
        ASSERT_EQ(reported.size(), 1u) << c.field;
        const std::string& text = reported[0];
        EXPECT_EQ(text.rfind("Registro 3 dañado: " + std::string(c.field) + " vale ", 0), 0u)
            << text;
        EXPECT_NE(text.find("\n" + dir.file("fradiante") + "\n"), std::string::npos) << text;
        // The records before the damaged one, then the next file.
        ASSERT_EQ(table.count(), 3) << c.field;
        EXPECT_EQ(table.at(1).Code, "BBB");
        EXPECT_EQ(table.at(2).Code, "T01");
        EXPECT_EQ(lines.size(), 3u);
        EXPECT_THROW(ReadRadiantFile(dir.path(), "fradiante"), DamagedRecordError) << c.field;
    }
}

TEST(RadiantFiles, EveryRecordTheEditorCanWriteIsAccepted) {
    // The editor's extremes, then the widest values the reader admits.
    Radiant low = Perseids(), high = Perseids(), widest = Perseids();
    low.RA = low.V = low.R = 0.0f;
    low.Dec = -90.0f;
    low.DriftRA = low.DriftDec = -3.0f;
    low.StartDay = low.MaxDay = 0;
    high.RA = 359.9f;
    high.Dec = 90.0f;
    high.DriftRA = high.DriftDec = 3.0f;
    high.V = 99.9f;
    high.R = 5.0f;
    high.EndDay = high.MaxDay = 730;
    widest.RA = widest.V = kRadiantValueLimit;
    widest.Dec = widest.DriftRA = -kRadiantValueLimit;
    TempDir dir;
    dir.write("fradter", RadiantFileBytes({low, high, widest}));
    EXPECT_EQ(ReadRadiantFile(dir.path(), "fradter").size(), 3u);
}
