#pragma once
// Direct pixel work on a 32-bit image, for the screen chart and bitmaps: every redraw draws
// thousands of one-pixel stars, small discs and thin lines, and going through QPainter for each
// costs more than the rest of the chart together. The pixels are exactly those of the canvas
// rules: lines without their end pixel, ellipses as Qt draws them aliased in the box.
#include "render/Canvas.h"

#include <QRgb>

#include <map>
#include <utility>
#include <vector>

class QImage;

class PixelRaster {
  public:
    // Attaches to an RGB32 or ARGB32 image; false (and detached) for any other format.
    bool attach(QImage* image);
    void detach() { bits_ = nullptr; }
    bool attached() const { return bits_ != nullptr; }

    void pixel(int x, int y, Color c) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            bits_[y * stride_ + x] = rgb(c);
    }
    // Thin line from `from` up to, not including, `to`, in the pen's colour and dash pattern.
    void line(Point from, Point to, const Pen& pen);
    // Aliased ellipse with a one-pixel outline, covering left/top up to right/bottom excluded.
    void ellipse(int left, int top, int right, int bottom, Color outline, Color fill);
    void fill(int left, int top, int right, int bottom, Color c);
    // Whether any of the box from left/top up to right/bottom excluded lies on the image.
    bool touches(int left, int top, int right, int bottom) const {
        return right > 0 && bottom > 0 && left < width_ && top < height_;
    }

  private:
    static QRgb rgb(Color c) { return qRgb(c.r, c.g, c.b); }
    // Which pixels of a box of this size the ellipse's outline and interior cover, taken once
    // from Qt's own rasteriser so the result matches it exactly.
    struct Mask {
        struct Run {
            int y, x0, x1;      // row and columns [x0, x1) from the box's left/top
            unsigned char cell; // 1 outline, 2 interior
        };
        int offset = 0; // of the scratch image's first row and column from the box's left/top
        int side = 0;
        std::vector<Run> runs;
    };
    const Mask& maskFor(int width, int height);

    QRgb* bits_ = nullptr;
    int stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::map<std::pair<int, int>, Mask> masks_;
};
