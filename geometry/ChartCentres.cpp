#include "geometry/ChartCentres.h"

void ShowStandardChart(ViewState& view, int index) {
    const ChartCentre& centre = kChartCentres.at(static_cast<std::size_t>(index));
    view.ZoomLevel = 1;
    view.CentreRA = centre.ra;
    view.CentreDec = centre.dec;
    view.deriveForRedraw();
}
