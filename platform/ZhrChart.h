#pragma once
// The night's zenithal hourly rates against universal time on screen: one series per shower in
// the colours of the printed plot, a point at the middle of each period with its error as a bar.
#include "observation/Rates.h"

#include <QChartView>

class ZhrChart : public QChartView {
  public:
    explicit ZhrChart(QWidget* parent = nullptr);
    void showRates(const Observation& observation, const ObservationRates& rates);
};
