#include "platform/QtCanvas.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
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

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace {
QColor toQ(Color c) {
    return QColor(c.r, c.g, c.b);
}

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

QtCanvas::~QtCanvas() {
    end();
}

void QtCanvas::begin(QPaintDevice* device) {
    end();
    dpi_ = device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    pixelExact_ = device->devType() == QInternal::Image || device->devType() == QInternal::Widget;
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
    // Exact lines are walked pixel by pixel with their own dash pattern.
    p.setStyle(pixelExact_ && pen.width <= 1 ? Qt::SolidLine : toQ(pen.style));
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
    applyPen();
    if (!pixelExact_ || pen.width > 1) {
        painter_->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
        return;
    }
    // Qt's own cosmetic lines leave out whichever end comes last in its drawing order, so the
    // screen walks the line itself: every pixel from the start up to, not including, the end.
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDash[] = {18, 6};
    const int* pattern = pen.style == PenStyle::Dot ? kDot : kDash;
    const bool styled = pen.style != PenStyle::Solid;
    points_.clear();
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    int x = from.x;
    int y = from.y;
    int run = 0;
    int phase = 0;
    while (x != to.x || y != to.y) {
        if (!styled || phase == 0)
            points_.emplace_back(x, y);
        if (styled && ++run == pattern[phase]) {
            run = 0;
            phase ^= 1;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    if (!points_.empty())
        painter_->drawPoints(points_.data(), static_cast<int>(points_.size()));
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
