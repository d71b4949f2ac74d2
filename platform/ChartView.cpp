#include "platform/ChartView.h"

#include <QMouseEvent>
#include <QPainter>

ChartView::ChartView(int size, QWidget* parent)
    : QWidget(parent), buffer_(size, size, QImage::Format_RGB32) {
    buffer_.fill(Qt::white);
    setFixedSize(size, size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::paintEvent(QPaintEvent*) {
    if (onPaint)
        onPaint();
    QPainter p(this);
    p.drawImage(0, 0, buffer_);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp && rect().contains(event->position().toPoint()))
        onMouseUp(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
}
