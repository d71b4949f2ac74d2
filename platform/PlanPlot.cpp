#include "platform/PlanPlot.h"

#include "platform/QtCanvas.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

PlanPlot::PlanPlot(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("PlanPlot"));
    setRenderHint(QPainter::Antialiasing, true);
    setMinimumSize(560, 320);
}

void PlanPlot::showPlan(const NightPlan& plan, bool rates) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    auto when = [&](std::size_t t) { return plan.localHours[t]; };
    double top = rates ? 10.0 : 90.0;
    // A radiant keeps its colour whichever curve is shown.
    static const QColor palette[] = {
        QColor(31, 119, 180),  QColor(214, 39, 40),  QColor(44, 160, 44),   QColor(255, 127, 14),
        QColor(148, 103, 189), QColor(140, 86, 75),  QColor(227, 119, 194), QColor(23, 190, 207),
        QColor(188, 189, 34),  QColor(127, 127, 127)};
    std::vector<QLineSeries*> curves;
    for (std::size_t i = 0; i < plan.showers.size(); ++i) {
        const ShowerPlan& s = plan.showers[i];
        if (rates && !s.rateKnown)
            continue;
        auto* line = new QLineSeries;
        line->setName(FromAnsi(s.code));
        QPen pen(palette[i % std::size(palette)]);
        pen.setWidth(2);
        pen.setStyle(i < std::size(palette) ? Qt::SolidLine : Qt::DashLine);
        line->setPen(pen);
        for (std::size_t t = 0; t < plan.times.size(); ++t) {
            const double value = rates ? s.rate[t] : std::max(0.0, s.altitude[t]);
            line->append(when(t), value);
            top = std::max(top, value);
        }
        curves.push_back(line);
    }
    if (rates)
        top = std::ceil(top / 50.0) * 50.0;

    // The Moon's hours as a band the height of the plot.
    auto* moonTop = new QLineSeries;
    double lit = 0;
    for (std::size_t t = 0; t < plan.times.size(); ++t) {
        const double height = plan.moonAltitude[t] > 0 ? top : 0.0;
        // Moonrise and moonset are drawn upright, halfway between two samples.
        if (t > 0 && (plan.moonAltitude[t - 1] > 0) != (plan.moonAltitude[t] > 0)) {
            const double middle = (when(t - 1) + when(t)) / 2;
            moonTop->append(middle, top - height);
            moonTop->append(middle, height);
        }
        moonTop->append(when(t), height);
        lit = std::max(lit, plan.moonIllumination[t]);
    }
    auto* moon = new QAreaSeries(moonTop);
    moonTop->setParent(moon); // an area does not own the line that bounds it
    moon->setName(QStringLiteral("Luna sobre el horizonte (%1 %)").arg(std::lround(100 * lit)));
    moon->setColor(QColor(90, 90, 120, 30 + static_cast<int>(90 * lit)));
    moon->setBorderColor(Qt::transparent);
    chart->addSeries(moon);
    for (QLineSeries* line : curves)
        chart->addSeries(line);

    // Whole hours of local time, past midnight counted on from 24.
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setTitleText(QStringLiteral("Hora local"));
    if (!plan.times.empty()) {
        x->setRange(plan.localHours.front(), plan.localHours.back());
        for (double h = std::ceil(plan.localHours.front()); h <= plan.localHours.back(); ++h)
            x->append(
                QStringLiteral("%1:00").arg(static_cast<int>(h) % 24, 2, 10, QLatin1Char('0')), h);
    }
    auto* y = new QValueAxis;
    y->setRange(0, top);
    y->setTickCount(rates ? 6 : 7);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(rates ? QStringLiteral("THZ (meteoros por hora)")
                          : QStringLiteral("Altura del radiante (grados)"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}
