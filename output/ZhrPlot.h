#pragma once
// The ZHR of each shower against universal time, on paper: a frame with the hours UT along the
// bottom and the rate up the side, each shower a series of points in its colour joined by
// lines, every point with its error bar, and a legend of the showers' codes.
#include "observation/Rates.h"
#include "render/Canvas.h"

#include <cstdint>
#include <vector>

struct PlotBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The colour of the n-th series, from a few that stay apart on paper.
Color ZhrSeriesColor(std::size_t n);

// `unit` sizes the pens and marks (the sheet's PrintUnit); the time axis runs from `fromUt` to
// `toUt`. With no series the frame says there is no ZHR to draw.
void DrawZhrPlot(Canvas& canvas, PlotBox box, float unit, const std::vector<ZhrSeries>& series,
                 std::int64_t fromUt, std::int64_t toUt);
