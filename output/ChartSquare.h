#pragma once
// The chart square of the printed page on its own, for a vector picture: the paper forms of
// every layer on a square the size of a 1200 dpi A4 page's printable width, blanked around the
// chart like the page, with the picture's caption in its lower-left corner.
#include "output/PrintCommand.h"
#include "render/Canvas.h"

// The square's side in device units, and the resolution its fonts are sized for.
inline constexpr int kChartSquareSide = 9583;
inline constexpr int kChartSquareDpi = 1200;

// Draws on a canvas of kChartSquareSide units at kChartSquareDpi; works on a copy of the view.
void DrawChartSquare(Canvas& c, const PrintSources& sources);
