#include "platform/QtCanvas.h"

#include "platform/NightInks.h"
#include "render/Bitmap.h"
#include "sky/Ansi.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>

QString FromAnsi(const std::string& text) {
    // Chart labels are plain ASCII; only the rare accented name needs the decoder.
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return QString::fromStdString(AnsiToUtf8(text));
}

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace {
QColor toQ(Color c) {
    return QColor(c.r, c.g, c.b);
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

void QtCanvas::begin(QPaintDevice* device, Inks inks) {
    end();
    dpi_ = device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    night_ = inks == Inks::Night;
    // The image's bits are taken before the painter opens on them; both then write in place.
    if (device->devType() == QInternal::Image)
        raster_.attach(static_cast<QImage*>(device));
    else
        raster_.detach();
    painter_ = std::make_unique<QPainter>(device);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    const QPaintEngine* engine = painter_->paintEngine();
    characters_ =
        engine && (engine->type() == QPaintEngine::SVG || engine->type() == QPaintEngine::Picture);
    lineScale_ = 1;
    penApplied_ = brushApplied_ = false;
    fontEntry_ = paintedFont_ = nullptr;
}

void QtCanvas::clipTo(int width, int height) {
    if (painter_)
        painter_->setClipRect(QRect(0, 0, width, height));
}

void QtCanvas::end() {
    if (painter_)
        painter_->end();
    painter_.reset();
    raster_.detach();
}

Color QtCanvas::ink(Color c) const {
    return night_ ? NightInk(c) : c;
}

void QtCanvas::applyPen() {
    if (penApplied_ && samePen(appliedPen_, pen))
        return;
    QPen p(toQ(ink(pen.color)));
    // Only the screen raster keeps hair lines; on paper a width is device pixels, so a
    // 1200 dpi page gets the thin line a printer driver draws, not a viewer's hairline.
    const int width = raster_.attached() && pen.width <= 1 ? 0 : std::max(1, pen.width);
    p.setWidthF(width * lineScale_);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    if (pen.style == PenStyle::Solid) {
        p.setStyle(Qt::SolidLine);
    } else {
        // The screen's dots (3 on, 3 off) and dashes (18 on, 6 off) at 96 dpi, kept the same
        // length on any device. Qt counts a pattern in pen widths and its own patterns are a
        // few widths long, which at 1200 dpi print as a solid line.
        const qreal scale = dpi_ / 96.0 / (std::max(1, width) * lineScale_);
        const qreal on = (pen.style == PenStyle::Dot ? 3 : 18) * scale;
        const qreal off = (pen.style == PenStyle::Dot ? 3 : 6) * scale;
        p.setDashPattern({on, off});
    }
    painter_->setPen(p);
    appliedPen_ = pen;
    penApplied_ = true;
}

void QtCanvas::applyBrush() {
    if (brushApplied_ && appliedBrush_ == brush)
        return;
    painter_->setBrush(toQ(ink(brush)));
    appliedBrush_ = brush;
    brushApplied_ = true;
}

QtCanvas::FontEntry& QtCanvas::currentFont() {
    if (fontEntry_ && sameFont(cachedFont_, font))
        return *fontEntry_;
    const std::string key = font.face + '/' + std::to_string(font.size) + '/' +
                            (font.bold ? "b" : "r") + '/' + std::to_string(dpi_);
    auto& entry = fonts_[key];
    if (!entry) {
        QFont f(QString::fromStdString(font.face));
        // Sizes are points; pixel size from the device resolution keeps screen and paper alike.
        f.setPixelSize(std::max(1, (font.size * dpi_ + 36) / 72));
        f.setBold(font.bold);
        f.setStyleStrategy(QFont::NoAntialias);
        entry = std::make_unique<FontEntry>(f);
    }
    cachedFont_ = font;
    fontEntry_ = entry.get();
    return *entry;
}

const QtCanvas::FontEntry::Text& QtCanvas::FontEntry::text(const std::string& s) {
    auto found = texts.find(s);
    if (found == texts.end()) {
        const QString q = FromAnsi(s);
        QTextLayout layout(q, font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e6);
        line.setPosition(QPointF(0, -line.ascent()));
        layout.endLayout();
        found = texts
                    .emplace(
                        s, Text{layout.glyphRuns(), metrics.horizontalAdvance(q), {}, false, false})
                    .first;
    }
    return found->second;
}

const QtCanvas::FontEntry::Text& QtCanvas::FontEntry::withInk(const std::string& s) {
    text(s);
    Text& t = texts.find(s)->second;
    if (t.inkTaken)
        return t;
    t.inkTaken = true;
    // Room around the cell for glyphs reaching past it.
    const int pad = metrics.height();
    QImage scratch(t.width + 2 * pad, metrics.height() + 2 * pad, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setPen(Qt::black);
        for (const QGlyphRun& run : t.glyphs)
            p.drawGlyphRun(QPointF(pad, pad + metrics.ascent()), run);
    }
    t.inkPlain = true;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width();) {
            const QRgb c = row[x] & 0xFFFFFF;
            if (c == 0xFFFFFF) {
                ++x;
                continue;
            }
            if (c != 0)
                t.inkPlain = false;
            const int start = x;
            while (x < scratch.width() && (row[x] & 0xFFFFFF) == 0)
                ++x;
            if (x == start)
                ++x;
            t.ink.push_back({y - pad, start - pad, x - pad});
        }
    }
    return t;
}

void QtCanvas::drawLine(Point from, Point to) {
    if (!painter_)
        return;
    // Qt's own cosmetic lines leave out whichever end comes last in its drawing order; the
    // screen walks each line itself, from its start up to, not including, its end.
    if (raster_.attached() && pen.width <= 1) {
        // Most lines of a small radiant outline end on the pixel they start from: no pixel.
        if (from.x == to.x && from.y == to.y)
            return;
        raster_.line(from, to, Pen{ink(pen.color), pen.width, pen.style});
        return;
    }
    applyPen();
    painter_->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (!painter_ || right <= left || bottom <= top)
        return;
    if (raster_.attached() && pen.width <= 1) {
        raster_.ellipse(left, top, right, bottom, ink(pen.color), ink(brush));
        return;
    }
    applyPen();
    applyBrush();
    painter_->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::SetPixel(int x, int y, Color c) {
    if (!painter_)
        return;
    if (raster_.attached()) {
        raster_.pixel(x, y, ink(c));
        return;
    }
    penApplied_ = false;
    painter_->setPen(QPen(toQ(ink(c)), 0));
    painter_->drawPoint(x, y);
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    if (!painter_)
        return;
    FontEntry& f = currentFont();
    if (paintedFont_ != &f) {
        painter_->setFont(f.font);
        paintedFont_ = &f;
    }
    const FontEntry::Text& t = raster_.attached() ? f.withInk(text) : f.text(text);
    const QRect cell(x, y, t.width, f.metrics.height());
    // Labels of radiants and drift ticks off the chart are many; a glyph reaches past its cell
    // by less than the cell's height.
    const int reach = cell.height();
    if (raster_.attached() && !raster_.touches(cell.left() - reach, cell.top() - reach,
                                               cell.right() + 1 + reach, cell.bottom() + 1 + reach))
        return;
    if (raster_.attached()) {
        raster_.fill(cell.left(), cell.top(), cell.left() + cell.width(),
                     cell.top() + cell.height(), ink(brush));
        if (t.inkPlain) {
            for (const FontEntry::Text::Run& run : t.ink)
                raster_.fill(x + run.x0, y + run.dy, x + run.x1, y + run.dy + 1, ink(font.color));
            return;
        }
    } else {
        painter_->fillRect(cell, toQ(ink(brush)));
    }
    painter_->setPen(toQ(ink(font.color)));
    penApplied_ = false;
    const QPointF baseline(x, y + f.metrics.ascent());
    if (characters_) {
        painter_->drawText(baseline, FromAnsi(text));
        return;
    }
    for (const QGlyphRun& run : t.glyphs)
        painter_->drawGlyphRun(baseline, run);
}

int QtCanvas::TextWidth(const std::string& text) {
    return currentFont().text(text).width;
}

int QtCanvas::TextHeight(const std::string&) {
    return currentFont().metrics.height();
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
    if (!painter_ || right <= left || bottom <= top)
        return;
    if (raster_.attached()) {
        raster_.fill(left, top, right, bottom, ink(brush));
        return;
    }
    painter_->fillRect(QRect(left, top, right - left, bottom - top), toQ(ink(brush)));
}

void QtCanvas::StretchDraw(int left, int top, int right, int bottom, const Bitmap& picture) {
    if (!painter_ || picture.empty() || right <= left || bottom <= top)
        return;
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const Color c = ink(picture.pixels[static_cast<std::size_t>(y * picture.width + x)]);
            row[x] = qRgb(c.r, c.g, c.b);
        }
    }
    painter_->drawImage(QRect(left, top, right - left, bottom - top), image);
}
