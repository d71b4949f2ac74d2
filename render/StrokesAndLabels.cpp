#include "geometry/Projection.h"
#include "render/Layers.h"

#include <cstdint>
#include <string>

namespace {

// The polyline rule of the figure and triangle layers. A record whose star is missing is
// skipped without touching the flag, so the next line continues from the last point reached.
// A line never runs to or from an invisible point: the first visible point after one, or at
// the start, is a move whatever its code. `line(op, x, y)` acts on the codes other than 0.
template <typename Table, typename ProjectFn, typename LineFn>
void walkStrokes(Canvas& c, const StarTable& stars, const Table& t, ProjectFn project,
                 LineFn line) {
    bool previousVisible = false;
    for (int i = 1; i <= Table::size(); ++i) {
        const StrokePoint& p = t.at(i);
        const int slot = FindStar(stars, p.StarNumber);
        if (slot == 0)
            continue;
        const Star& s = stars.at(slot);
        int x = 0;
        int y = 0;
        const bool visible =
            project(s.RA * kHundredthArcsecToDeg, s.Dec * kHundredthArcsecToDeg, x, y);
        if (visible) {
            if (!previousVisible || p.Op == 0)
                c.MoveTo(x, y);
            else
                line(p.Op, x, y);
        }
        previousVisible = visible;
    }
}

template <typename Table, typename ProjectFn, typename LabelFn>
void forEachVisibleLabel(const Table& t, ProjectFn project, LabelFn label) {
    for (int i = 1; i <= Table::size(); ++i) {
        const SkyLabel& l = t.at(i);
        int x = 0;
        int y = 0;
        if (project(l.RA, l.Dec, x, y))
            label(l.Text, x, y);
    }
}

void writeCentred(Canvas& c, const std::string& text, int x, int y) {
    const int w = c.TextWidth(text);
    const int h = c.TextHeight(text);
    c.TextOut(x - w / 2, y - h / 2, text);
}

auto screenProjection(const ViewState& v) {
    return [&v](double ra, double dec, int& x, int& y) { return Project(v, ra, dec, x, y); };
}

auto printProjection(const ViewState& v) {
    return [&v](double ra, double dec, int& x, int& y) { return ProjectPrint(v, ra, dec, x, y); };
}

// Code 5 continues a figure like code 1.
auto figureLine(Canvas& c) {
    return [&c](std::uint8_t op, int x, int y) {
        if (op == 1 || op == 5) {
            c.pen.style = PenStyle::Solid;
            c.LineTo(x, y);
        }
    };
}

// Code 5 continues a figure but draws nothing in a zone outline.
auto zoneLine(Canvas& c) {
    return [&c](std::uint8_t op, int x, int y) {
        if (op == 1)
            c.LineTo(x, y);
    };
}

// Far edge of the printed chart square: 190 units from its near edge at the margin.
double squareEnd(const ViewState& v) {
    return v.PrintMargin + 190.0 * v.PrintUnit;
}

} // namespace

void DrawFigures(Canvas& c, const ViewState& v, const StarTable& stars, const FigureTable& t) {
    c.pen.color = colors::Blue;
    c.pen.style = PenStyle::Solid;
    walkStrokes(c, stars, t, screenProjection(v), figureLine(c));
}

void DrawFiguresPrint(Canvas& c, const ViewState& v, const StarTable& stars, const FigureTable& t) {
    c.pen = Pen{colors::Black, 1, PenStyle::Solid};
    walkStrokes(c, stars, t, printProjection(v), figureLine(c));
}

void DrawNames(Canvas& c, const ViewState& v, const NameTable& t) {
    c.font.face = "Arial";
    c.font.size = 8;
    c.font.color = colors::Blue;
    c.font.bold = false;
    forEachVisibleLabel(t, screenProjection(v), [&c](const std::string& text, int x, int y) {
        writeCentred(c, text, x, y);
    });
}

void DrawNamesPrint(Canvas& c, const ViewState& v, const NameTable& t) {
    c.brush = colors::White;
    // A name is kept by its anchor: inside the square inset by 5 units on every side.
    const double low = v.PrintMargin + 5.0 * v.PrintUnit;
    const double high = squareEnd(v) - 5.0 * v.PrintUnit;
    forEachVisibleLabel(t, printProjection(v), [&](const std::string& text, int x, int y) {
        if (low < x && x < high && low < y && y < high)
            writeCentred(c, text, x, y);
    });
}

void DrawTriangles(Canvas& c, const ViewState& v, const StarTable& stars, const TriangleTable& t) {
    c.pen.color = colors::Black;
    c.pen.style = PenStyle::Dot;
    walkStrokes(c, stars, t, screenProjection(v), zoneLine(c));
}

void DrawTrianglesPrint(Canvas& c, const ViewState& v, const StarTable& stars,
                        const TriangleTable& t) {
    c.pen = Pen{colors::Black, 1, PenStyle::Dash};
    walkStrokes(c, stars, t, printProjection(v), zoneLine(c));
}

void DrawZoneNumbers(Canvas& c, const ViewState& v, const NumberTable& t) {
    // No size: the numbers take the one the layer before left (7 after the stars).
    c.font.face = kZoneNumberFace;
    c.font.color = colors::Black;
    c.font.bold = true;
    forEachVisibleLabel(t, screenProjection(v), [&c](const std::string& text, int x, int y) {
        writeCentred(c, text, x, y);
    });
}

void DrawZoneNumbersPrint(Canvas& c, const ViewState& v, const NumberTable& t) {
    c.font.bold = true;
    c.font.size = 8;
    c.brush = colors::White;
    // A number is kept only when its whole box lies inside the printed square.
    const int m = v.PrintMargin;
    const double end = squareEnd(v);
    forEachVisibleLabel(t, printProjection(v), [&](const std::string& text, int x, int y) {
        const int halfW = c.TextWidth(text) / 2;
        const int halfH = c.TextHeight(text) / 2;
        if (m + halfW < x && x < end - halfW && m + halfH < y && y < end - halfH)
            writeCentred(c, text, x, y);
    });
}
