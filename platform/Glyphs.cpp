#include "platform/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include <cmath>

namespace {

constexpr int kSize = 18;

void arrow(QPainter& p, int angle) {
    p.save();
    p.translate(kSize / 2.0, kSize / 2.0);
    p.rotate(angle);
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(QPolygonF({QPointF(0, -6), QPointF(6, 2), QPointF(2, 2), QPointF(2, 7),
                             QPointF(-2, 7), QPointF(-2, 2), QPointF(-6, 2)}));
    p.restore();
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(Qt::black, 1.5));
    p.drawEllipse(QRectF(2, 2, 10, 10));
    p.drawLine(QPointF(11, 11), QPointF(16, 16));
    p.drawLine(QPointF(4.5, 7), QPointF(9.5, 7));
    if (plus)
        p.drawLine(QPointF(7, 4.5), QPointF(7, 9.5));
}

void star(QPainter& p, QPointF c, double r, const QColor& fill) {
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = i % 2 ? r * 0.45 : r;
        poly << QPointF(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(poly);
}

void magnitude(QPainter& p, bool up) {
    star(p, QPointF(7, 8), up ? 4 : 6, Qt::black);
    p.setPen(QPen(Qt::darkRed, 1.5));
    p.drawLine(QPointF(12, 13), QPointF(17, 13));
    if (up)
        p.drawLine(QPointF(14.5, 10.5), QPointF(14.5, 15.5));
}

void radiant(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour, 1.3));
    p.drawEllipse(QRectF(6, 6, 6, 6));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawLine(QPointF(9 + 4.5 * std::cos(a), 9 + 4.5 * std::sin(a)),
                   QPointF(9 + 8 * std::cos(a), 9 + 8 * std::sin(a)));
    }
}

void paint(QPainter& p, Glyph g) {
    switch (g) {
    case Glyph::ArrowUp:
        return arrow(p, 0);
    case Glyph::ArrowRight:
        return arrow(p, 90);
    case Glyph::ArrowDown:
        return arrow(p, 180);
    case Glyph::ArrowLeft:
        return arrow(p, 270);
    case Glyph::Arrows:
        p.setPen(QPen(QColor(0, 0, 128), 1.5));
        p.drawLine(2, 9, 16, 9);
        p.drawLine(9, 2, 9, 16);
        p.drawPolyline(QPolygon({QPoint(6, 5), QPoint(9, 2), QPoint(12, 5)}));
        p.drawPolyline(QPolygon({QPoint(6, 13), QPoint(9, 16), QPoint(12, 13)}));
        p.drawPolyline(QPolygon({QPoint(5, 6), QPoint(2, 9), QPoint(5, 12)}));
        p.drawPolyline(QPolygon({QPoint(13, 6), QPoint(16, 9), QPoint(13, 12)}));
        return;
    case Glyph::ZoomIn:
        return magnifier(p, true);
    case Glyph::ZoomOut:
        return magnifier(p, false);
    case Glyph::MagUp:
        return magnitude(p, true);
    case Glyph::MagDown:
        return magnitude(p, false);
    case Glyph::Stars:
        star(p, QPointF(6, 6), 5, Qt::black);
        star(p, QPointF(13, 12), 3.5, Qt::black);
        star(p, QPointF(5, 14), 2.5, Qt::black);
        return;
    case Glyph::Figures:
        p.setPen(QPen(Qt::blue, 1.2));
        p.drawPolyline(QPolygon({QPoint(2, 14), QPoint(6, 6), QPoint(11, 9), QPoint(16, 3)}));
        p.drawLine(11, 9, 13, 16);
        p.setBrush(Qt::black);
        for (QPoint q : {QPoint(2, 14), QPoint(6, 6), QPoint(11, 9), QPoint(16, 3), QPoint(13, 16)})
            p.drawEllipse(q, 1, 1);
        return;
    case Glyph::Grid:
        p.setPen(QPen(Qt::red, 1));
        for (int v : {3, 9, 15}) {
            p.drawLine(v, 1, v, 17);
            p.drawLine(1, v, 17, v);
        }
        return;
    case Glyph::Zones:
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawPolygon(QPolygon({QPoint(2, 15), QPoint(9, 2), QPoint(16, 15)}));
        p.setPen(Qt::black);
        p.setFont(QFont(QStringLiteral("Arial"), 6, QFont::Bold));
        p.drawText(QRect(4, 7, 10, 8), Qt::AlignCenter, QStringLiteral("5"));
        return;
    case Glyph::Calendar:
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(2, 3, 14, 13);
        p.fillRect(QRect(3, 4, 13, 3), Qt::darkRed);
        p.setFont(QFont(QStringLiteral("Arial"), 6));
        p.drawText(QRect(2, 7, 14, 9), Qt::AlignCenter, QStringLiteral("12"));
        return;
    case Glyph::Radiants:
        return radiant(p, Qt::black);
    case Glyph::RadiantsTer:
        radiant(p, Qt::darkMagenta);
        return;
    case Glyph::Drift:
        p.setPen(QPen(QColor(0, 128, 0), 1.2, Qt::SolidLine));
        p.drawLine(2, 15, 15, 3);
        p.setBrush(Qt::white);
        p.drawEllipse(QPoint(4, 13), 2, 2);
        p.drawEllipse(QPoint(9, 8), 2, 2);
        p.drawEllipse(QPoint(14, 4), 2, 2);
        return;
    case Glyph::GoTo:
        p.setPen(QPen(Qt::black, 1.2));
        p.drawEllipse(QRectF(3, 3, 12, 12));
        p.drawLine(9, 0, 9, 6);
        p.drawLine(9, 12, 9, 18);
        p.drawLine(0, 9, 6, 9);
        p.drawLine(12, 9, 18, 9);
        return;
    case Glyph::Save:
        p.setPen(Qt::black);
        p.setBrush(QColor(40, 40, 120));
        p.drawRect(2, 2, 14, 14);
        p.fillRect(QRect(5, 3, 8, 5), Qt::white);
        p.fillRect(QRect(5, 11, 8, 5), Qt::lightGray);
        return;
    case Glyph::Print:
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(5, 1, 8, 6);
        p.setBrush(Qt::gray);
        p.drawRect(1, 7, 16, 7);
        p.setBrush(Qt::white);
        p.drawRect(5, 11, 8, 6);
        return;
    case Glyph::About:
        p.setPen(QPen(QColor(0, 0, 128), 1.5));
        p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
        p.setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
        return;
    }
}

} // namespace

QIcon MakeGlyph(Glyph g) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, g);
    p.end();
    return QIcon(pm);
}
