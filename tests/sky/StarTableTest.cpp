#include "sky/StarTable.h"
#include "sky/Errors.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Star makeStar(std::int32_t number, std::uint16_t filePos) {
    Star s;
    s.StarNumber = number;
    s.RA = number * 7;
    s.Dec = -number;
    s.Mag = static_cast<std::int16_t>(number % 700);
    s.FilePos = filePos;
    return s;
}

// A festrella holding the numbers in this order, each record carrying its own position.
Bytes catalogue(const std::vector<std::int32_t>& numbers) {
    Bytes bytes(numbers.size() * kStarRecordSize);
    for (std::size_t k = 0; k < numbers.size(); ++k)
        EncodeStar(makeStar(numbers[k], static_cast<std::uint16_t>(k)),
                   bytes.data() + k * kStarRecordSize);
    return bytes;
}

std::vector<std::int32_t> shuffledNumbers(int n, std::int32_t first, std::int32_t step) {
    std::vector<std::int32_t> v(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        v[static_cast<std::size_t>(i)] = first + step * i;
    std::shuffle(v.begin(), v.end(), std::mt19937(20240607));
    return v;
}

std::unique_ptr<StarTable> loadFrom(const TempDir& dir) {
    auto table = std::make_unique<StarTable>();
    LoadStars(*table, dir.path());
    return table;
}

} // namespace

TEST(StarRecord, FieldsSitAtTheirOffsetsLittleEndian) {
    Star s;
    s.StarNumber = 0x01020304;
    s.RA = 32400000;  // 90 degrees
    s.Dec = -1980000; // -5.5 degrees
    s.Mag = -146;     // -1.46
    s.LabelMark = 1;
    s.FilePos = 0x1234;
    unsigned char b[kStarRecordSize];
    EncodeStar(s, b);
    const Bytes expected{0x04, 0x03, 0x02, 0x01, 0x80, 0x62, 0xee, 0x01, 0xa0,
                         0xc9, 0xe1, 0xff, 0x6e, 0xff, 0x01, 0x34, 0x12};
    EXPECT_EQ(Bytes(b, b + kStarRecordSize), expected);

    Star back;
    back.loaded = true;
    DecodeStar(b, back);
    EXPECT_EQ(back.StarNumber, s.StarNumber);
    EXPECT_EQ(back.FilePos, 0x1234);
    EXPECT_EQ(back.LabelMark, 1);
    EXPECT_DOUBLE_EQ(back.RA * kHundredthArcsecToDeg, 90.0);
    EXPECT_DOUBLE_EQ(back.Dec * kHundredthArcsecToDeg, -5.5);
    EXPECT_DOUBLE_EQ(back.Mag * 0.01, -1.46);
    EXPECT_TRUE(back.loaded) << "decoding must not touch the in-memory flag";
}

TEST(StarTable, RandomOrderFileSortsAndEveryNumberIsFound) {
    TempDir dir;
    const auto numbers = shuffledNumbers(kStarSlots, 10, 3);
    dir.write("festrella", catalogue(numbers));
    auto table = loadFrom(dir);
    ASSERT_EQ(table->count(), kStarSlots);
    for (int slot = 1; slot <= kStarSlots; ++slot) {
        ASSERT_TRUE(table->at(slot).loaded);
        ASSERT_EQ(table->at(slot).FilePos, slot - 1);
    }

    SortStars(*table);
    for (int slot = 2; slot <= kStarSlots; ++slot)
        ASSERT_LT(table->at(slot - 1).StarNumber, table->at(slot).StarNumber);
    for (int slot = 1; slot <= kStarSlots; ++slot) {
        const Star& s = table->at(slot);
        ASSERT_EQ(FindStar(*table, s.StarNumber), slot);
        // The sort moves records, the position of each in the file stays with it.
        ASSERT_EQ(numbers[s.FilePos], s.StarNumber);
    }
    EXPECT_EQ(FindStar(*table, 10), 1);
    EXPECT_EQ(FindStar(*table, 10 + 3 * (kStarSlots - 1)), kStarSlots);
    for (std::int32_t absent : {9, 0, -10, 11, 12, 24002, 10 + 3 * kStarSlots, 2147483647})
        EXPECT_EQ(FindStar(*table, absent), 0) << absent;
}

TEST(StarTable, ShortCatalogueKeepsItsCountAndNeverFindsAnEmptySlot) {
    TempDir dir;
    dir.write("festrella", catalogue({500, 20, 7000}));
    auto table = loadFrom(dir);
    EXPECT_EQ(table->count(), 3);
    EXPECT_FALSE(table->at(4).loaded);
    SortStars(*table);
    EXPECT_EQ(table->count(), 3);
    EXPECT_EQ(FindStar(*table, 0), 0);
    EXPECT_EQ(FindStar(*table, 20), kStarSlots - 2);
    EXPECT_EQ(FindStar(*table, 500), kStarSlots - 1);
    EXPECT_EQ(FindStar(*table, 7000), kStarSlots);
    EXPECT_EQ(FindStar(*table, 19), 0);
    EXPECT_FALSE(table->at(1).loaded);
    EXPECT_TRUE(table->at(kStarSlots).loaded);
}

TEST(WriteStar, ChangesExactlyTheRecordAtItsFilePosAndTogglesBack) {
    TempDir dir;
    dir.write("festrella", catalogue(shuffledNumbers(50, 100, 1)));
    const Bytes before = dir.read("festrella");
    auto table = loadFrom(dir);
    SortStars(*table);
    const int slot = FindStar(*table, 137);
    ASSERT_NE(slot, 0);
    const std::size_t at = table->at(slot).FilePos * kStarRecordSize;
    ASSERT_NE(at, (slot - 1) * kStarRecordSize) << "choose a star that the sort moved";

    table->at(slot).LabelMark ^= 1;
    WriteStar(*table, slot, dir.path());
    const Bytes after = dir.read("festrella");
    ASSERT_EQ(after.size(), before.size());
    unsigned char record[kStarRecordSize];
    EncodeStar(table->at(slot), record);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i >= at && i < at + kStarRecordSize)
            ASSERT_EQ(after[i], record[i - at]) << i;
        else
            ASSERT_EQ(after[i], before[i]) << i;
    }
    EXPECT_NE(after[at + 14], before[at + 14]);

    table->at(slot).LabelMark ^= 1;
    WriteStar(*table, slot, dir.path());
    EXPECT_EQ(dir.read("festrella"), before);
}

TEST(WriteStar, MissingFileOrPositionPastTheEndRaisesWithoutWriting) {
    TempDir dir, empty;
    dir.write("festrella", catalogue(shuffledNumbers(50, 100, 1)));
    const Bytes before = dir.read("festrella");
    auto table = loadFrom(dir);
    try {
        WriteStar(*table, 1, empty.path());
        FAIL() << "no error for a missing festrella";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::FileNotFound);
        EXPECT_EQ(e.file(), empty.file("festrella"));
    }
    EXPECT_TRUE(empty.read("festrella").empty()) << "the write must not create the file";

    for (int place : {50, 51, 65535}) {
        table->at(1).place = place;
        EXPECT_THROW(WriteStar(*table, 1, dir.path()), InOutError) << place;
        EXPECT_EQ(dir.read("festrella"), before) << place;
    }
}

TEST(WriteStar, WriteProtectedCatalogueLoadsButRefusesTheMark) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes to read-only files";
    TempDir dir;
    dir.write("festrella", catalogue({1, 2, 3}));
    ASSERT_EQ(chmod(dir.file("festrella").c_str(), 0444), 0);
    auto table = loadFrom(dir);
    EXPECT_EQ(table->count(), 3);
    table->at(1).LabelMark = 1;
    EXPECT_THROW(WriteStar(*table, 1, dir.path()), InOutError);
    EXPECT_EQ(dir.read("festrella"), catalogue({1, 2, 3}));
}

TEST(LoadStars, BadFilesRaiseTheStandardErrors) {
    TempDir dir;
    auto table = std::make_unique<StarTable>();
    try {
        LoadStars(*table, dir.path());
        FAIL() << "no error for a missing festrella";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::FileNotFound);
        EXPECT_STREQ(e.what(), "No se encuentra el archivo");
        EXPECT_EQ(e.file(), dir.file("festrella"));
    }

    dir.write("festrella", std::string());
    EXPECT_NO_THROW(LoadStars(*table, dir.path()));
    EXPECT_EQ(table->count(), 0);

    Bytes torn = catalogue({7, 8, 9});
    torn.resize(torn.size() + 5, 0xAB);
    dir.write("festrella", torn);
    try {
        LoadStars(*table, dir.path());
        FAIL() << "no error for a partial record";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 100);
        EXPECT_STREQ(e.what(), "Lectura más allá del final del archivo");
    }
    EXPECT_EQ(table->count(), 3);
    EXPECT_EQ(table->at(3).StarNumber, 9);

    std::vector<std::int32_t> numbers(kStarSlots + 1);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = static_cast<std::int32_t>(i + 1);
    dir.write("festrella", catalogue(numbers));
    try {
        LoadStars(*table, dir.path());
        FAIL() << "no error for 15926 records";
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), "Error de rango");
        EXPECT_EQ(e.file(), dir.file("festrella"));
    }
    EXPECT_EQ(table->count(), kStarSlots);
    EXPECT_EQ(table->at(kStarSlots).StarNumber, kStarSlots);
}
