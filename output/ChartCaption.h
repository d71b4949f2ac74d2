#pragma once
// The caption of a saved chart picture: the chart data lines in its lower-left corner.
#include "geometry/ViewState.h"
#include "render/Canvas.h"

// Writes the lines over the chart of the given height; the date line only when radiants are
// shown. The font stays Arial 8 regular black afterwards, as the next redraw expects.
void DrawChartCaption(Canvas& c, const ViewState& v, int height, bool radiantsShown, int day,
                      int month);
