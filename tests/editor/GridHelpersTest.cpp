#include "editor/EditMask.h"
#include "editor/RowSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

TEST(EditMask, TheEditorsMasksInTheToolkitsLanguage) {
    EXPECT_EQ(TranslateEditMask("00/00;1;_"), "99/99;_");
    EXPECT_EQ(TranslateEditMask(">AAA;1;_"), ">NNN;_");
    EXPECT_EQ(TranslateEditMask(">A<>Aaa;1;_"), ">N!Nnn;_");
    EXPECT_EQ(TranslateEditMask("000.0/#00.0;1;_"), "999.9/#99.9;_");
    EXPECT_EQ(TranslateEditMask("#0.00/#0.00;1;_"), "#9.99/#9.99;_");
    EXPECT_EQ(TranslateEditMask("0####;1;_"), "9####;_");
    // Literals the toolkit would read as positions are escaped.
    EXPECT_EQ(TranslateEditMask("\\A-0;1;*"), "\\A-9;*");
    EXPECT_EQ(TranslateEditMask("h0"), "\\h9;_");
}

namespace {

std::vector<std::string> sorted(std::vector<std::string> rows, std::vector<int>* ids = nullptr) {
    std::vector<int> id(rows.size());
    for (std::size_t k = 0; k < id.size(); ++k)
        id[k] = static_cast<int>(k);
    // Rows 1..n as in the grid; index 0 is the header and never moves.
    rows.insert(rows.begin(), "header");
    id.insert(id.begin(), -1);
    QuickSortRows(
        1, static_cast<int>(rows.size()) - 1, [&](int r) { return rows[r]; },
        [&](int a, int b) {
            std::swap(rows[a], rows[b]);
            std::swap(id[a], id[b]);
        });
    EXPECT_EQ(rows[0], "header");
    if (ids)
        *ids = id;
    rows.erase(rows.begin());
    return rows;
}

} // namespace

TEST(RowSort, ByteOrderUpperBeforeLowerAccentsAfterZ) {
    const std::vector<std::string> rows{"zeta", "\xE1rbol", "Beta", "alfa",
                                        "Alfa", "Al",       "100",  "20"};
    EXPECT_EQ(sorted(rows), (std::vector<std::string>{"100", "20", "Al", "Alfa", "Beta", "alfa",
                                                      "zeta", "\xE1rbol"}));
}

TEST(RowSort, RandomRowsEndSortedAndWhole) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::vector<std::string> rows(random() % 40 + 1);
        for (auto& r : rows)
            r = std::string(1, static_cast<char>('a' + random() % 5)) +
                std::to_string(random() % 3);
        std::vector<int> ids;
        const auto out = sorted(rows, &ids);
        EXPECT_TRUE(std::is_sorted(out.begin(), out.end()));
        for (std::size_t k = 0; k < out.size(); ++k)
            EXPECT_EQ(out[k], rows[static_cast<std::size_t>(ids[k + 1])]);
    }
}
