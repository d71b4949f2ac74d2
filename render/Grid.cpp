#include "geometry/Numbers.h"
#include "render/Layers.h"

namespace {

// Grid line positions counted in half cells, so that one table serves the half and the whole
// positions of every layout, in screen pixels now and in printed chart units later.
struct GridLines {
    const int* halfCells;
    int count;
};

constexpr int kWhole[] = {2, 4, 6, 8};
constexpr int kHalf[] = {1, 3, 5, 7, 9};
constexpr GridLines kWholeLines{kWhole, 4};
constexpr GridLines kHalfLines{kHalf, 5};

bool layoutOf(char letter, GridLines& vertical, GridLines& horizontal) {
    switch (letter) {
    case 'H':
        vertical = kWholeLines;
        horizontal = kHalfLines;
        return true;
    case 'V':
        vertical = kHalfLines;
        horizontal = kWholeLines;
        return true;
    case 'O':
        vertical = kWholeLines;
        horizontal = kWholeLines;
        return true;
    default:
        return false;
    }
}

// The layout's vertical lines, then its horizontal ones, across the square from `from` to `to`;
// `at` turns a position in half cells into a coordinate of the surface.
template <typename AtFn> void drawGridLines(Canvas& c, char letter, AtFn at, int from, int to) {
    GridLines vertical{};
    GridLines horizontal{};
    if (!layoutOf(letter, vertical, horizontal))
        return;
    for (int i = 0; i < vertical.count; ++i) {
        const int x = at(vertical.halfCells[i]);
        c.MoveTo(x, from);
        c.LineTo(x, to);
    }
    for (int i = 0; i < horizontal.count; ++i) {
        const int y = at(horizontal.halfCells[i]);
        c.MoveTo(from, y);
        c.LineTo(to, y);
    }
}

void drawSquare(Canvas& c, int low, int high) {
    c.MoveTo(low, low);
    c.LineTo(high, low);
    c.LineTo(high, high);
    c.LineTo(low, high);
    c.LineTo(low, low);
}

// A chart-unit coordinate on paper, each one rounded on its own.
int printed(const ViewState& v, double units) {
    return static_cast<int>(Round(units * v.PrintFactor)) + v.PrintMargin;
}

} // namespace

void DrawGrid(Canvas& c, const ViewState& v, char letter) {
    c.pen.color = colors::Red;
    drawGridLines(
        c, letter,
        [&v](int halfCells) { return static_cast<int>(Round(halfCells * 0.5 * v.GridStep)); }, 0,
        v.ChartSize);
}

void DrawGridPrint(Canvas& c, const ViewState& v, char letter) {
    c.pen = Pen{colors::Black, 1, PenStyle::Solid};
    drawGridLines(
        c, letter, [&v](int halfCells) { return printed(v, halfCells * 500.0); }, printed(v, 0),
        printed(v, 5000));
}

void DrawFrame(Canvas& c, const ViewState& v) {
    c.pen.style = PenStyle::Solid;
    c.pen.color = colors::Black;
    // On the outermost pixel rows and columns: LineTo leaves its end pixel, the next line paints
    // it.
    drawSquare(c, 0, v.ChartSize - 1);
}

void DrawFramePrint(Canvas& c, const ViewState& v) {
    c.pen = Pen{colors::Black, 3, PenStyle::Solid};
    drawSquare(c, v.PrintMargin, printed(v, 5000));
    c.pen.width = 1;
}
