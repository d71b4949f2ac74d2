#pragma once
#include "geometry/ViewState.h"
#include "sky/StarTable.h"

// Slot of the loaded star projected nearest to the pixel (x, y), 0 when no star is visible.
// Every loaded star takes part, drawn or not; at equal distance the first in table order wins.
int NearestStar(const ViewState& v, const StarTable& stars, int x, int y);
