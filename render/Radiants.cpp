#include "geometry/Calendar.h"
#include "geometry/Projection.h"
#include "render/Layers.h"
#include "render/RadiantOutline.h"

#include <algorithm>
#include <cmath>

namespace {

// The radiants of the shown lists active on the date, each at its position for the date.
template <typename SymbolFn>
void forEachShownRadiant(const RadiantTable& t, int radiantDate, bool showImo, bool showTerentjeva,
                         SymbolFn symbol) {
    for (const ActiveRadiant& a : ActiveRadiants(t, radiantDate, showImo, showTerentjeva)) {
        const Radiant& r = t.at(a.index);
        symbol(r, PositionAt(r, a.activeDay));
    }
}

// The label centred on the radiant and the outline around it, once the surface's attributes
// are set. A position that is not a number (a damaged record) has no place on the chart. With
// `onChartOnly` a symbol wholly outside the screen chart is left out: none of it would show.
template <typename OutlineFn>
void drawScreenSymbol(Canvas& c, const ViewState& v, float ra, float dec, const std::string& code,
                      OutlineFn outline, bool onChartOnly) {
    // Set before the visibility test: the drift layer inherits this size whenever a radiant
    // came here, shown or not.
    c.font.face = "Arial";
    c.font.size = 8;
    c.font.color = colors::Black;
    c.font.bold = true;
    c.pen.color = colors::Black;
    c.pen.width = 1;
    int x = 0;
    int y = 0;
    if (!std::isfinite(ra) || !std::isfinite(dec) || !Project(v, ra, dec, x, y))
        return;
    const Outline& shape = outline();
    const std::string measured = TrimBlanks(code);
    const int width = c.TextWidth(measured);
    const int height = c.TextHeight(measured);
    if (onChartOnly &&
        !OutlineMayReachChart(v, ra, dec, shape, x, y, std::max(c.TextWidth(code), height)))
        return;
    c.TextOut(x - width / 2, y - height / 2, code);
    TraceOutlineOnScreen(c, v, ra, dec, shape, x, y);
}

template <typename OutlineFn>
void drawPaperSymbol(Canvas& c, const ViewState& v, float ra, float dec, const std::string& code,
                     OutlineFn outline) {
    // The size is the one the layers before left: 8 after the zone numbers, 5 after the stars.
    c.font.color = colors::Black;
    c.font.bold = true;
    c.pen = Pen{colors::Black, 1, PenStyle::Solid};
    c.brush = colors::White;
    int x = 0;
    int y = 0;
    if (!std::isfinite(ra) || !std::isfinite(dec) || !ProjectPrint(v, ra, dec, x, y))
        return;
    const std::string measured = TrimBlanks(code);
    c.TextOut(x - c.TextWidth(measured) / 2, y - c.TextHeight(measured) / 2, code);
    TraceOutline(c, v, ProjectPrint, ra, dec, outline(), x, y);
}

} // namespace

void DrawRadiants(Canvas& c, const ViewState& v, const RadiantTable& t, int radiantDate,
                  bool showImo, bool showTerentjeva) {
    OutlineSizes sizes;
    forEachShownRadiant(
        t, radiantDate, showImo, showTerentjeva, [&](const Radiant& r, RadiantPosition p) {
            drawScreenSymbol(
                c, v, p.ra, p.dec, r.Code,
                [&]() -> const Outline& { return sizes.of(r.DiamRA, r.DiamDec); }, true);
        });
}

void DrawRadiantsPrint(Canvas& c, const ViewState& v, const RadiantTable& t, int radiantDate,
                       bool showImo, bool showTerentjeva) {
    OutlineSizes sizes;
    forEachShownRadiant(
        t, radiantDate, showImo, showTerentjeva, [&](const Radiant& r, RadiantPosition p) {
            drawPaperSymbol(c, v, p.ra, p.dec, r.Code,
                            [&]() -> const Outline& { return sizes.of(r.DiamRA, r.DiamDec); });
        });
}

void DrawRadiantSymbol(Canvas& c, const ViewState& v, float ra, float dec, const std::string& code,
                       int diamRA, int diamDec) {
    OutlineSizes sizes;
    drawScreenSymbol(
        c, v, ra, dec, code, [&]() -> const Outline& { return sizes.of(diamRA, diamDec); }, false);
}

void DrawRadiantSymbolPrint(Canvas& c, const ViewState& v, float ra, float dec,
                            const std::string& code, int diamRA, int diamDec) {
    OutlineSizes sizes;
    drawPaperSymbol(c, v, ra, dec, code,
                    [&]() -> const Outline& { return sizes.of(diamRA, diamDec); });
}
