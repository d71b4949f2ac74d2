#include "platform/PixelRaster.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>

bool PixelRaster::attach(QImage* image) {
    const auto format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) {
        bits_ = nullptr;
        return false;
    }
    bits_ = reinterpret_cast<QRgb*>(image->bits());
    stride_ = static_cast<int>(image->bytesPerLine() / 4);
    width_ = image->width();
    height_ = image->height();
    return true;
}

void PixelRaster::line(Point from, Point to, const Pen& pen) {
    // Lines between points far off the image (still visible on the sky) are common when
    // zoomed; one wholly beside the image on any side has no pixel to set.
    if ((from.x < 0 && to.x < 0) || (from.y < 0 && to.y < 0) ||
        (from.x >= width_ && to.x >= width_) || (from.y >= height_ && to.y >= height_))
        return;
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDash[] = {18, 6};
    const int* pattern = pen.style == PenStyle::Dot ? kDot : kDash;
    const bool styled = pen.style != PenStyle::Solid;
    const QRgb colour = rgb(pen.color);
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
        if ((!styled || phase == 0) && x >= 0 && y >= 0 && x < width_ && y < height_)
            bits_[y * stride_ + x] = colour;
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
}

const PixelRaster::Mask& PixelRaster::maskFor(int width, int height) {
    const auto key = std::make_pair(width, height);
    auto found = masks_.find(key);
    if (found != masks_.end())
        return found->second;
    // A margin around the box catches any pixel Qt puts outside it.
    Mask m;
    m.offset = -2;
    m.side = std::max(width, height) + 4;
    QImage scratch(m.side, m.side, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(255, 0, 0), 0));
        p.setBrush(QColor(0, 0, 255));
        p.drawEllipse(QRect(-m.offset, -m.offset, width - 1, height - 1));
    }
    for (int y = 0; y < m.side; ++y) {
        for (int x = 0; x < m.side;) {
            const QRgb c = scratch.pixel(x, y);
            const unsigned char cell = c == qRgb(255, 0, 0) ? 1 : c == qRgb(0, 0, 255) ? 2 : 0;
            int end = x + 1;
            while (end < m.side && scratch.pixel(end, y) == c)
                ++end;
            if (cell != 0)
                m.runs.push_back({y + m.offset, x + m.offset, end + m.offset, cell});
            x = end;
        }
    }
    return masks_.emplace(key, std::move(m)).first->second;
}

void PixelRaster::ellipse(int left, int top, int right, int bottom, Color outline, Color fill) {
    const Mask& m = maskFor(right - left, bottom - top);
    const QRgb colours[] = {0, rgb(outline), rgb(fill)};
    for (const Mask::Run& r : m.runs) {
        const int y = top + r.y;
        if (y < 0 || y >= height_)
            continue;
        QRgb* row = bits_ + y * stride_;
        const int x0 = std::max(left + r.x0, 0);
        const int x1 = std::min(left + r.x1, width_);
        for (int x = x0; x < x1; ++x)
            row[x] = colours[r.cell];
    }
}

void PixelRaster::fill(int left, int top, int right, int bottom, Color c) {
    const QRgb colour = rgb(c);
    const int x0 = std::max(left, 0);
    const int x1 = std::max(x0, std::min(right, width_));
    // White and black, the usual fills, are one byte repeated: memset is the fastest fill.
    const bool byteFill = c.r == c.g && c.g == c.b && (c.r == 0 || c.r == 255);
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
        QRgb* row = bits_ + y * stride_;
        if (byteFill)
            std::memset(row + x0, c.r, static_cast<std::size_t>(x1 - x0) * sizeof(QRgb));
        else
            std::fill(row + x0, row + x1, colour);
    }
}
