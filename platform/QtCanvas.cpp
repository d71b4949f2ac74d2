#include "platform/QtCanvas.h"

#include <QImage>
#include <QPaintDevice>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cmath>
#include <cstdlib>

QString FromAnsi(const std::string& text) {
    QStringDecoder decode("Windows-1252");
    if (!decode.isValid())
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToAnsi(const QString& text) {
    QStringEncoder encode("Windows-1252");
    const QByteArray bytes = encode.isValid() ? QByteArray(encode(text)) : text.toLatin1();
    return bytes.toStdString();
}

namespace {
QColor toQ(Color c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle toQ(PenStyle s) {
    switch (s) {
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

bool samePen(const Pen& a, const Pen& b) {
    return a.color == b.color && a.width == b.width && a.style == b.style;
}

bool sameFont(const Font& a, const Font& b) {
    return a.face == b.face && a.size == b.size && a.bold == b.bold;
}
} // namespace

QtCanvas::~QtCanvas() { end(); }

void QtCanvas::begin(QPaintDevice* device) {
    end();
    dpi_ = device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    painter_ = std::make_unique<QPainter>(device);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    penApplied_ = brushApplied_ = fontCached_ = false;
}

void QtCanvas::end() {
    if (painter_)
        painter_->end();
    painter_.reset();
}

void QtCanvas::applyPen() {
    if (penApplied_ && samePen(appliedPen_, pen))
        return;
    QPen p(toQ(pen.color));
    p.setWidth(pen.width <= 1 ? 0 : pen.width);
    p.setStyle(toQ(pen.style));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    painter_->setPen(p);
    appliedPen_ = pen;
    penApplied_ = true;
}

void QtCanvas::applyBrush() {
    if (brushApplied_ && appliedBrush_ == brush)
        return;
    painter_->setBrush(toQ(brush));
    appliedBrush_ = brush;
    brushApplied_ = true;
}

const QFont& QtCanvas::qfont() {
    if (!fontCached_ || !sameFont(cachedFont_, font)) {
        QString face = QString::fromStdString(font.face);
        qfont_ = QFont(face);
        // Sizes are points; pixel size from the device resolution keeps screen and paper alike.
        qfont_.setPixelSize(std::max(1, (font.size * dpi_ + 36) / 72));
        qfont_.setBold(font.bold);
        qfont_.setStyleStrategy(QFont::NoAntialias);
        metrics_ = std::make_unique<QFontMetrics>(qfont_);
        cachedFont_ = font;
        fontCached_ = true;
    }
    return qfont_;
}

void QtCanvas::drawLine(Point from, Point to) {
    if (!painter_)
        return;
    if (from.x == to.x && from.y == to.y)
        return;
    applyPen();
    if (pen.width <= 1) {
        // The end pixel stays unpainted: stop one step short along the major axis.
        const int dx = to.x - from.x;
        const int dy = to.y - from.y;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        const double fx = from.x + dx * double(steps - 1) / steps;
        const double fy = from.y + dy * double(steps - 1) / steps;
        const QPoint last(static_cast<int>(std::lround(fx)), static_cast<int>(std::lround(fy)));
        painter_->drawLine(QPoint(from.x, from.y), last);
    } else {
        painter_->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    }
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (!painter_ || right <= left || bottom <= top)
        return;
    applyPen();
    applyBrush();
    painter_->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::SetPixel(int x, int y, Color c) {
    if (!painter_)
        return;
    painter_->save();
    painter_->setPen(QPen(toQ(c), 0));
    painter_->drawPoint(x, y);
    painter_->restore();
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    if (!painter_)
        return;
    const QFont& f = qfont();
    painter_->setFont(f);
    const QString s = FromAnsi(text);
    const QRect cell(x, y, metrics_->horizontalAdvance(s), metrics_->height());
    painter_->fillRect(cell, toQ(brush));
    painter_->setPen(toQ(font.color));
    penApplied_ = false;
    painter_->drawText(x, y + metrics_->ascent(), s);
}


int QtCanvas::TextWidth(const std::string& text) {
    qfont();
    return metrics_->horizontalAdvance(FromAnsi(text));
}

int QtCanvas::TextHeight(const std::string&) {
    qfont();
    return metrics_->height();
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
    if (!painter_ || right <= left || bottom <= top)
        return;
    painter_->fillRect(QRect(left, top, right - left, bottom - top), toQ(brush));
}
