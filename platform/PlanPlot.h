#pragma once
// The night's plan as a plot: one curve per radiant, altitude or expected hourly rate against
// local time, with the hours the Moon is up shaded (darker the fuller it is). Without a plot
// to draw it says why.
#include "plan/NightPlan.h"

#include <QChartView>
#include <QString>

class PlanPlot : public QChartView {
  public:
    explicit PlanPlot(QWidget* parent = nullptr);
    void showPlan(const NightPlan& plan, bool rates);
    // Why there is no plot; empty when there is one.
    const QString& note() const { return note_; }

  protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

  private:
    QString note_;
};
