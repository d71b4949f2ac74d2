#pragma once
// Radiant records and column access shared by the tests of the printed sheets.
#include "sky/Radiant.h"
#include "tests/support/SkyFixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// A Terentjeva stream: four-character code, no R and no rate.
inline Radiant TerentjevaStream() {
    Radiant r = Perseids();
    r.Code = "T123";
    r.Name = "Kappa Cygnidas";
    r.R = 0;
    r.Thz = 0;
    return r;
}

// Whether a heading of a column header starts at a column.
inline bool HeadingAt(const std::string& columns, const std::string& heading, std::size_t column) {
    return columns.compare(column, heading.size(), heading) == 0 &&
           (column == 0 || columns[column - 1] == ' ');
}

// The characters of a line from a column on, `width` of them.
inline std::string Column(const std::string& line, std::size_t column, std::size_t width) {
    return column < line.size() ? line.substr(column, width) : std::string();
}

// Each text stands at its column of the line.
inline void ExpectColumns(const std::string& line,
                          const std::vector<std::pair<std::size_t, std::string>>& fields) {
    for (const auto& [column, text] : fields)
        EXPECT_EQ(Column(line, column, text.size()), text) << "column " << column << " of\n"
                                                           << line;
}
