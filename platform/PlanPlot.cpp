#include "platform/PlanPlot.h"

#include "output/PlanChart.h"
#include "platform/NightInks.h"
#include "platform/NightMode.h"
#include "platform/QtCanvas.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

namespace {

QColor toQ(Color c) {
    return QColor(c.r, c.g, c.b);
}

QColor nightColour(const QColor& day) {
    return QColor::fromRgba(NightRgb(day.rgba()));
}

// Qt Charts keep a light theme of their own whatever the palette: at night the plot takes the
// night's reds, each curve a red of its colour's weight, like every window.
void showAtNight(QChart& chart) {
    const QPalette night = NightPalette();
    chart.setBackgroundBrush(night.base());
    chart.legend()->setLabelColor(night.color(QPalette::Text));
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsColor(night.color(QPalette::Text));
        axis->setTitleBrush(night.text());
        axis->setLinePenColor(night.color(QPalette::Light));
        axis->setGridLineColor(night.color(QPalette::Mid));
    }
    for (QAbstractSeries* series : chart.series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            QPen pen = line->pen();
            pen.setColor(nightColour(pen.color()));
            line->setPen(pen);
        } else if (auto* area = qobject_cast<QAreaSeries*>(series)) {
            area->setColor(nightColour(area->color()));
        }
    }
}

} // namespace

PlanPlot::PlanPlot(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("PlanPlot"));
    setRenderHint(QPainter::Antialiasing, true);
    setMinimumSize(560, 320);
}

void PlanPlot::showPlan(const NightPlan& plan, bool rates) {
    const PlanChart data = MakePlanChart(plan, rates);
    note_ = FromAnsi(data.note);
    auto* chart = new QChart;
    if (!data.note.empty()) {
        chart->legend()->hide();
    } else {
        chart->legend()->setAlignment(Qt::AlignRight);
        // The Moon's hours as bands the height of the plot.
        auto* moonTop = new QLineSeries;
        for (const auto& [from, to] : data.moonUp)
            moonTop->append({{from, 0}, {from, data.top}, {to, data.top}, {to, 0}});
        auto* moon = new QAreaSeries(moonTop);
        moonTop->setParent(moon); // an area does not own the line that bounds it
        moon->setName(FromAnsi(data.moonLabel));
        moon->setColor(toQ(data.moonShade));
        moon->setBorderColor(Qt::transparent);
        chart->addSeries(moon);
        for (const PlanCurve& c : data.curves) {
            auto* line = new QLineSeries;
            line->setName(FromAnsi(c.label));
            QPen pen(toQ(c.color));
            pen.setWidth(2);
            pen.setStyle(c.dashed ? Qt::DashLine : Qt::SolidLine);
            line->setPen(pen);
            for (const auto& [hours, value] : c.points)
                line->append(hours, value);
            chart->addSeries(line);
        }
        auto* x = new QCategoryAxis;
        x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        x->setTitleText(QStringLiteral("Hora local"));
        x->setRange(data.from, data.to);
        x->setStartValue(data.from);
        for (const HourMark& h : data.hours) {
            // Category labels must differ: noon to noon ends where it starts.
            QString label = QString::fromStdString(h.label);
            while (x->categoriesLabels().contains(label))
                label += QLatin1Char(' ');
            x->append(label, h.hours);
        }
        auto* y = new QValueAxis;
        y->setRange(0, data.top);
        y->setTickCount(data.valueSteps + 1);
        y->setLabelFormat(QStringLiteral("%.0f"));
        y->setTitleText(FromAnsi(data.valueTitle));
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        for (QAbstractSeries* series : chart->series()) {
            series->attachAxis(x);
            series->attachAxis(y);
        }
    }
    if (NightModeShown())
        showAtNight(*chart);
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

void PlanPlot::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (note_.isEmpty())
        return;
    painter->save();
    painter->setPen(palette().color(QPalette::WindowText));
    painter->drawText(sceneRect().adjusted(40, 40, -40, -40), Qt::AlignCenter | Qt::TextWordWrap,
                      note_);
    painter->restore();
}
