#pragma once
// The twelve standard charts ("Carta Brno" 1 to 12) and the view a chart is shown in when it
// is chosen.
#include "geometry/ViewState.h"

#include <array>

struct ChartCentre {
    int ra;
    int dec;
};

// Centres of the standard charts 1 to 12, by item index of the chart selector.
constexpr std::array<ChartCentre, 12> kChartCentres{{{30, 56},
                                                     {150, 56},
                                                     {270, 56},
                                                     {90, 5},
                                                     {210, 5},
                                                     {330, 5},
                                                     {30, -5},
                                                     {151, -5},
                                                     {270, -5},
                                                     {90, -56},
                                                     {210, -56},
                                                     {330, -56}}};

// The view of standard chart `index` (0 to 11) as choosing it shows it: zoom 1 on its centre,
// with the values every redraw derives.
void ShowStandardChart(ViewState& view, int index);
