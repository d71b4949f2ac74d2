#include "platform/PlanPlot.h"

#include "platform/QtCanvas.h"

#include <QAreaSeries>
#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

PlanPlot::PlanPlot(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("PlanPlot"));
    setRenderHint(QPainter::Antialiasing, true);
    setMinimumSize(560, 320);
}

void PlanPlot::show(const NightPlan& plan, QDate night, bool rates) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    const QDateTime midnight(night, QTime(0, 0), Qt::UTC);
    auto when = [&](std::size_t t) {
        return static_cast<qreal>(
            midnight.addSecs(static_cast<qint64>(std::lround(plan.localHours[t] * 3600.0)))
                .toMSecsSinceEpoch());
    };
    double top = rates ? 10.0 : 90.0;
    std::vector<QLineSeries*> curves;
    for (const ShowerPlan& s : plan.showers) {
        if (rates && !s.rateKnown)
            continue;
        auto* line = new QLineSeries;
        line->setName(FromAnsi(s.code));
        for (std::size_t t = 0; t < plan.times.size(); ++t) {
            const double value = rates ? s.rate[t] : std::max(0.0, s.altitude[t]);
            line->append(when(t), value);
            top = std::max(top, value);
        }
        curves.push_back(line);
    }
    if (rates)
        top = std::ceil(top / 10.0) * 10.0;

    // The Moon's hours as a band the height of the plot.
    auto* moonTop = new QLineSeries;
    double lit = 0;
    for (std::size_t t = 0; t < plan.times.size(); ++t) {
        moonTop->append(when(t), plan.moonAltitude[t] > 0 ? top : 0.0);
        lit = std::max(lit, plan.moonIllumination[t]);
    }
    auto* moon = new QAreaSeries(moonTop);
    moon->setName(QStringLiteral("Luna sobre el horizonte (%1 %)").arg(std::lround(100 * lit)));
    moon->setColor(QColor(90, 90, 120, 40 + static_cast<int>(140 * lit)));
    moon->setBorderColor(Qt::transparent);
    chart->addSeries(moon);
    for (QLineSeries* line : curves)
        chart->addSeries(line);

    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("HH:mm"));
    x->setTitleText(QStringLiteral("Hora local"));
    x->setTickCount(8);
    auto* y = new QValueAxis;
    y->setRange(0, top);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(rates ? QStringLiteral("THZ (meteoros por hora)")
                          : QStringLiteral("Altura del radiante (grados)"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    if (!plan.times.empty())
        x->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(when(0)), Qt::UTC),
                    QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(when(plan.times.size() - 1)),
                                                   Qt::UTC));
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}
