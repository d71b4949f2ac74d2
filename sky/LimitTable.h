#pragma once
// The IMO count tables: for each of the 30 limiting-magnitude areas, how many stars seen inside
// it (corners included) give which limiting magnitude. Read from the data file fmaglim.
#include <array>
#include <string>
#include <vector>

constexpr int kLimitAreas = 30;

struct LimitRow {
    int count = 0;
    int tenths = 0; // limiting magnitude x 10
};

class LimitTable {
  public:
    // Rows of area 1..30, counts rising; a broken area number raises the range error.
    const std::vector<LimitRow>& area(int k) const;
    std::vector<LimitRow>& area(int k);
    void clear();

  private:
    std::array<std::vector<LimitRow>, kLimitAreas> areas_;
};

// Reads fmaglim: one row per line, "AA CCC M.M" (area, stars counted, magnitude). Areas come in
// order, counts and magnitudes rise within an area and every area has rows; anything else stops
// the load with an error naming the line, and the table is left empty.
void LoadLimits(LimitTable& table, const std::string& dataDir);

struct LimitReading {
    // Fewer stars than the table's first row, a row's value, or more than its last row.
    enum class Where { Below, Table, Above } where = Where::Table;
    int tenths = 0; // the first row's value when Below, the last row's when Above
};

// A count between two rows reads the lower row: the conservative value.
LimitReading ReadLimit(const LimitTable& table, int area, int count);
