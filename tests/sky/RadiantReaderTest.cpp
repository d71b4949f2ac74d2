#include "sky/RadiantReader.h"
#include "sky/Errors.h"
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<Radiant> twoRecords() {
    Radiant a;
    a.Code = "PER";
    a.Name = "Perseidas";
    a.DrawFlag = 1;
    Radiant b = a;
    b.Code = "T12";
    b.Name = "Sin dibujar";
    b.DrawFlag = 0;
    return {a, b};
}

std::vector<std::string> readCodes(RadiantReader& reader) {
    std::vector<std::string> codes;
    Radiant r;
    while (reader.next(r))
        codes.push_back(r.Code + "/" + r.Name);
    return codes;
}

} // namespace

TEST(RadiantReader, EveryRecordInFileOrderFlaggedOrNot) {
    TempDir dir;
    dir.write("fradter", RadiantFileBytes(twoRecords()));
    RadiantReader reader(dir.path(), "fradter");
    EXPECT_EQ(readCodes(reader), (std::vector<std::string>{"PER/Perseidas", "T12/Sin dibujar"}));
    EXPECT_FALSE(reader.torn());
}

TEST(RadiantReader, PartialLastRecordEndsTheRecordsAndIsTold) {
    TempDir dir;
    auto bytes = RadiantFileBytes(twoRecords());
    bytes.resize(bytes.size() - 1);
    dir.write("fradiante", bytes);
    RadiantReader reader(dir.path(), "fradiante");
    EXPECT_EQ(readCodes(reader), std::vector<std::string>{"PER/Perseidas"});
    EXPECT_TRUE(reader.torn());
}

TEST(RadiantReader, MissingOrUnreadableFileRaisesTheInputOutputError) {
    TempDir dir;
    try {
        RadiantReader reader(dir.path(), "fradiante");
        FAIL() << "a missing file must be reported";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::FileNotFound);
        EXPECT_EQ(e.file(), "fradiante");
    }
    std::filesystem::create_directory(dir.file("fradter"));
    EXPECT_THROW(
        {
            RadiantReader reader(dir.path(), "fradter");
            Radiant r;
            reader.next(r);
        },
        InOutError);
}
