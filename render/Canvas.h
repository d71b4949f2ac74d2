#pragma once
// The drawing surface every chart layer paints on: screen back buffer, printer page or a
// recording for the tests. Attributes persist between calls and between redraws; each layer
// sets only what it needs and inherits the rest. Texts are 8-bit Windows-1252 strings.
//
// Conventions: an ellipse or fill box covers left/top up to but not including right/bottom;
// LineTo does not paint its end pixel; TextOut fills the text cell with the brush colour.
#include <cstdint>
#include <string>

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Color a, Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Color a, Color b) { return !(a == b); }
};

namespace colors {
constexpr Color Black{0, 0, 0};
constexpr Color White{255, 255, 255};
constexpr Color Red{255, 0, 0};
constexpr Color Blue{0, 0, 255};
constexpr Color Green{0, 128, 0};
} // namespace colors

enum class PenStyle { Solid, Dash, Dot };

struct Pen {
    Color color = colors::Black;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

struct Font {
    std::string face = "MS Sans Serif";
    int size = 8; // points
    bool bold = false;
    Color color = colors::Black;
};

struct Point {
    int x = 0, y = 0;
};

struct Bitmap;

class Canvas {
  public:
    virtual ~Canvas() = default;

    Pen pen;
    Color brush = colors::White;
    Font font;

    void MoveTo(int x, int y) { current_ = {x, y}; }
    void LineTo(int x, int y) {
        drawLine(current_, {x, y});
        current_ = {x, y};
    }

    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void SetPixel(int x, int y, Color c) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    // The picture scaled into the box; an empty picture draws nothing.
    virtual void StretchDraw(int left, int top, int right, int bottom, const Bitmap& picture) = 0;

  protected:
    // A line from `from` to `to`, without its end pixel, in the current pen.
    virtual void drawLine(Point from, Point to) = 0;

  private:
    Point current_;
};
