#pragma once
// The night's plan as a plot: one curve per radiant, altitude or expected hourly rate against
// local time, with the hours the Moon is up shaded (darker the fuller it is).
#include "plan/NightPlan.h"

#include <QChartView>

class PlanPlot : public QChartView {
  public:
    explicit PlanPlot(QWidget* parent = nullptr);
    void showPlan(const NightPlan& plan, bool rates);
};
