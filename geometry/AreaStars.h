#pragma once
// The numbered limiting-magnitude areas as outlines on the sphere: area k is the k-th closed
// stroke of the zone table, the outline the chart draws, with great-circle sides.
#include "sky/SkyFigures.h"
#include "sky/StarTable.h"

#include <vector>

// Star numbers of the corners of area k (1..30) in outline order; empty when the zone table
// has no such stroke.
std::vector<std::int32_t> AreaCorners(const TriangleTable& zones, int area);

// Slots of the loaded stars inside area k, its corner stars included, in table order. Empty
// when the area has no outline or a corner star is missing from the catalogue.
std::vector<int> StarsInArea(const StarTable& stars, const TriangleTable& zones, int area);
