#include "sky/LimitTable.h"
#include "sky/Errors.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Area 9 as published: 1 star 1.3, 2 stars 2.2, 4 stars 2.6, ... 45 stars 7.5.
LimitTable shippedTable() {
    LimitTable t;
    LoadLimits(t, VELUMBRA_DATA_DIR);
    return t;
}

// A valid file of one row per area, with `extra` put in front of it.
std::string validFile(const std::string& extra = {}) {
    std::string text = extra;
    for (int k = 1; k <= kLimitAreas; ++k)
        text += (k < 10 ? " " : "") + std::to_string(k) + "   5 4.0\r\n";
    return text;
}

} // namespace

TEST(LimitTable, ShippedFileLoadsEveryAreaWithRisingRows) {
    const LimitTable t = shippedTable();
    int rows = 0;
    for (int k = 1; k <= kLimitAreas; ++k) {
        const auto& area = t.area(k);
        ASSERT_GE(area.size(), 9u) << "area " << k;
        for (std::size_t i = 1; i < area.size(); ++i) {
            EXPECT_GT(area[i].count, area[i - 1].count) << "area " << k;
            EXPECT_GE(area[i].tenths, area[i - 1].tenths) << "area " << k;
        }
        rows += static_cast<int>(area.size());
    }
    EXPECT_EQ(rows, 588);
    EXPECT_THROW(t.area(0), RangeError);
    EXPECT_THROW(t.area(31), RangeError);
}

TEST(LimitTable, ReadingsFollowTheCountTable) {
    const LimitTable t = shippedTable();
    using W = LimitReading::Where;
    struct Case {
        int area, count;
        W where;
        int tenths;
    };
    for (const Case c : {
             Case{9, 1, W::Table, 13},   // first row
             Case{9, 3, W::Table, 22},   // between 2 (2.2) and 4 (2.6): the lower row
             Case{9, 10, W::Table, 50},  // between 8 (5.0) and 11 (5.6)
             Case{9, 11, W::Table, 56},  // exactly a row
             Case{9, 45, W::Table, 75},  // last row
             Case{9, 46, W::Above, 75},  // beyond the table
             Case{9, 0, W::Below, 13},   // below the first row
             Case{1, 1, W::Below, 32},   // area 1 starts at 2 stars
             Case{1, 2, W::Table, 32},   // first row of area 1
             Case{1, 7, W::Table, 49},   // 6 (4.9) .. 8 (5.0)
             Case{30, 999, W::Above, 75} // area 30 ends at 32 stars
         }) {
        const LimitReading r = ReadLimit(t, c.area, c.count);
        EXPECT_EQ(r.where, c.where) << "area " << c.area << " count " << c.count;
        EXPECT_EQ(r.tenths, c.tenths) << "area " << c.area << " count " << c.count;
    }
}

TEST(LimitTable, BadFilesStopTheLoadAndLeaveNoHalfTable) {
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"area out of range", validFile("31   5 4.0\r\n")},
        {"magnitude without point", validFile(" 1   4 40 \r\n")},
        {"count not a number", validFile(" 1  x5 4.0\r\n")},
        {"counts not rising", validFile(" 1   5 3.0\r\n")},
        {"magnitude falling", " 1   4 4.5\r\n" + validFile()},
        {"areas out of order", validFile() + " 3  90 7.0\r\n"},
        {"an area missing", " 1   5 4.0\r\n 2   5 4.0\r\n"},
        {"empty file", ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("fmaglim", c.text);
        LimitTable t;
        try {
            LoadLimits(t, dir.path());
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const VelumbraError& e) {
            EXPECT_EQ(e.file(), dir.file("fmaglim")) << c.what;
        }
        for (int k = 1; k <= kLimitAreas; ++k)
            EXPECT_TRUE(t.area(k).empty()) << c.what;
    }
    TempDir dir;
    LimitTable t;
    EXPECT_THROW(LoadLimits(t, dir.path()), InOutError);
    dir.write("fmaglim", validFile());
    ASSERT_NO_THROW(LoadLimits(t, dir.path()));
    EXPECT_EQ(ReadLimit(t, 30, 5).tenths, 40);
}
