#pragma once
// What is drawn over the stars: constellation figures and zone outlines (pen strokes between
// stars), constellation name labels and zone number labels (texts at sky positions).
#include "sky/FixedTable.h"

#include <cstdint>
#include <string>

// A pen operation at a star: 0 move, 1 line (5 also a line, in figures only).
struct StrokePoint {
    std::uint8_t Op = 0;
    std::int32_t StarNumber = 0;
};

// A short text at whole-degree sky coordinates.
struct SkyLabel {
    std::string Text;
    std::int16_t RA = 0;
    std::int16_t Dec = 0;
};

constexpr std::size_t kFigureRecordSize = 5;
using FigureTable = FixedTable<StrokePoint, 931>;
using TriangleTable = FixedTable<StrokePoint, 126>;
using NameTable = FixedTable<SkyLabel, 90>;
using NumberTable = FixedTable<SkyLabel, 30>;

void LoadFigures(FigureTable& table, const std::string& dataDir);
void LoadNames(NameTable& table, const std::string& dataDir);
void LoadTriangles(TriangleTable& table, const std::string& dataDir);
void LoadNumbers(NumberTable& table, const std::string& dataDir);
