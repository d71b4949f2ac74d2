#include "platform/ZhrChart.h"

#include "output/ZhrPlot.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

ZhrChart::ZhrChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("ZhrChart"));
    setRenderHint(QPainter::Antialiasing, true);
    setMinimumSize(480, 260);
}

void ZhrChart::showRates(const Observation& observation, const ObservationRates& rates) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    // Hours of UT from the midnight that starts the evening's date, on past 24.
    const std::int64_t midnight = MidnightUt(observation.evening);
    auto hours = [midnight](std::int64_t ut) { return static_cast<double>(ut - midnight) / 3600; };
    double first = 24, last = 24, top = 10;
    for (const Period& p : observation.periods) {
        first = std::min(first, hours(p.startUt));
        last = std::max(last, hours(p.endUt));
    }
    const std::vector<ZhrSeries> series = ZhrSeriesOf(observation, rates);
    std::vector<QLineSeries*> bars;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const Color c = ZhrSeriesColor(i);
        const QColor colour(c.r, c.g, c.b);
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(series[i].code));
        line->setPointsVisible(true);
        line->setPen(QPen(colour, 2));
        for (const ZhrPoint& p : series[i].points) {
            const double x = hours(p.middleUt), low = std::max(0.0, p.zhr - p.error),
                         high = p.zhr + p.error, cap = 0.08;
            line->append(x, p.zhr);
            auto* bar = new QLineSeries;
            bar->setPen(QPen(colour, 1));
            bar->append({QPointF(x - cap, low), QPointF(x + cap, low), QPointF(x, low),
                         QPointF(x, high), QPointF(x - cap, high), QPointF(x + cap, high)});
            bars.push_back(bar);
            top = std::max(top, high);
        }
        chart->addSeries(line);
    }
    for (QLineSeries* bar : bars) {
        chart->addSeries(bar);
        for (QLegendMarker* marker : chart->legend()->markers(bar))
            marker->setVisible(false);
    }
    if (series.empty())
        chart->setTitle(QString::fromUtf8("Ningún periodo da ZHR"));

    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setTitleText(QStringLiteral("Hora (UT)"));
    x->setRange(std::floor(first), std::ceil(last));
    for (double h = std::floor(first); h <= std::ceil(last); ++h)
        x->append(QStringLiteral("%1:00").arg((static_cast<int>(h) % 24 + 24) % 24, 2, 10,
                                              QLatin1Char('0')),
                  h);
    auto* y = new QValueAxis;
    y->setRange(0, std::ceil(top / 10) * 10);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("ZHR"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}
