#pragma once
// The night's plot on paper, drawn through the Canvas in PrintUnit steps: the value axis, the
// hour marks, the Moon's hours shaded, a line per radiant and the legend under it.
#include "output/PlanChart.h"

// Rows of PrintUnit the plot takes with its legend.
int PlanChartRows(const PlanChart& chart);

// Draws the plot with its top left corner at (left, top), `width` pixels wide.
void PrintPlanChart(Canvas& canvas, const PlanChart& chart, int left, int top, int width,
                    float unit);
