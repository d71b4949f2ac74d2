#include "platform/ChartView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

namespace {
constexpr int kWheelNotch = 120; // eighths of a degree, one step of a common mouse wheel
}

ChartView::ChartView(int size, QWidget* parent)
    : QWidget(parent), buffer_(size, size, QImage::Format_RGB32) {
    buffer_.fill(Qt::white);
    resize(size, size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

int ChartView::deviceSide() const {
    return qRound(width() * devicePixelRatioF());
}

void ChartView::resizeEvent(QResizeEvent*) {
    if (onResize)
        onResize();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, buffer_);
}

void ChartView::mousePressEvent(QMouseEvent*) {
    pressed_ = true;
    ignoreDoubleClick_ = false;
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (ignoreDoubleClick_) {
        ignoreDoubleClick_ = false;
        pressed_ = false;
        return;
    }
    mousePressEvent(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    // A release counts only after a press here: not the end of a drag from elsewhere, nor the
    // second click of a double-click whose first click closed a panel over the chart.
    const bool click = pressed_ && event->buttons() == Qt::NoButton;
    if (event->buttons() == Qt::NoButton)
        pressed_ = false;
    if (click && onMouseUp && rect().contains(event->position().toPoint()))
        onMouseUp(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    if (onKey && onKey(event->key()))
        return;
    QWidget::keyPressEvent(event);
}

void ChartView::wheelEvent(QWheelEvent* event) {
    wheelAngle_ += event->angleDelta().y();
    while (wheelAngle_ >= kWheelNotch || wheelAngle_ <= -kWheelNotch) {
        const int notch = wheelAngle_ > 0 ? 1 : -1;
        wheelAngle_ -= notch * kWheelNotch;
        if (onWheel)
            onWheel(notch);
    }
    event->accept();
}
