#pragma once
// A canvas that records every operation with the attributes in force, for tests of the layer
// rules. Text metrics are deterministic: each character is 6 pixels wide at size 8 (scaled
// with the size, rounded down, at least 1), and a text is size * 3 / 2 pixels high.
#include "render/Canvas.h"

#include <string>
#include <vector>

struct CanvasOp {
    enum Kind { Line, Ellipse, Pixel, Text, Fill, Picture } kind = Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line ends, or box left/top/right/bottom, or point
    std::string text;
    Pen pen;
    Color brush;
    Font font;
    Color pixel;
};

class RecordingCanvas : public Canvas {
  public:
    std::vector<CanvasOp> ops;

    void Ellipse(int left, int top, int right, int bottom) override;
    void SetPixel(int x, int y, Color c) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void StretchDraw(int left, int top, int right, int bottom, const Bitmap& picture) override;

    std::vector<CanvasOp> of(CanvasOp::Kind kind) const;

  protected:
    void drawLine(Point from, Point to) override;

  private:
    CanvasOp make(CanvasOp::Kind kind) const;
};
