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

} // namespace

void DrawGrid(Canvas& c, const ViewState& v, char letter) {
    c.pen.color = colors::Red;
    GridLines vertical{};
    GridLines horizontal{};
    if (!layoutOf(letter, vertical, horizontal))
        return;
    const int n = v.ChartSize;
    const auto pixel = [&v](int halfCells) {
        return static_cast<int>(Round(halfCells * 0.5 * v.GridStep));
    };
    for (int i = 0; i < vertical.count; ++i) {
        const int x = pixel(vertical.halfCells[i]);
        c.MoveTo(x, 0);
        c.LineTo(x, n);
    }
    for (int i = 0; i < horizontal.count; ++i) {
        const int y = pixel(horizontal.halfCells[i]);
        c.MoveTo(0, y);
        c.LineTo(n, y);
    }
}

void DrawFrame(Canvas& c, const ViewState& v) {
    c.pen.style = PenStyle::Solid;
    c.pen.color = colors::Black;
    // On the outermost pixel rows and columns: LineTo leaves its end pixel, the next line paints
    // it.
    const int last = v.ChartSize - 1;
    c.MoveTo(0, 0);
    c.LineTo(last, 0);
    c.LineTo(last, last);
    c.LineTo(0, last);
    c.LineTo(0, 0);
}
