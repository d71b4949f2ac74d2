#include "render/RadiantOutline.h"
#include "geometry/Projection.h"
#include "render/Layers.h"

#include "LayerFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using fixtures::radiant;
using fixtures::radiants;
using fixtures::segments;

namespace {

struct Sweep {
    int centreDec;
    int zoom;
    float dec;
    int diamRA;
    int diamDec;
};

// Views from pole to pole at several zooms, radiants from the centre out past the visible
// limit and over the poles, in the sizes of the lists, the edge sizes and one so large that
// its outline turns round a pole from any declination.
std::vector<Sweep> sweep() {
    std::vector<Sweep> cases;
    const int sizes[][2] = {{5, 5}, {20, 15}, {0, 10}, {1, 1}, {160, 100}};
    for (int centreDec : {-90, -56, 0, 33, 90})
        for (int zoom : {1, 5})
            for (float dec = -89.5f; dec <= 89.5f; dec += 9.7f)
                for (const auto& size : sizes)
                    cases.push_back({centreDec, zoom, dec, size[0], size[1]});
    return cases;
}

bool touchesChart(const RecordingCanvas& c, int chartSize) {
    for (const CanvasOp& op : c.ops) {
        const bool text = op.kind == CanvasOp::Text;
        // A label's cell at size 8 in the recording's metrics; a line between its two ends.
        const int left = text ? op.x1 : std::min(op.x1, op.x2);
        const int right =
            text ? op.x1 + 6 * static_cast<int>(op.text.size()) : std::max(op.x1, op.x2);
        const int top = text ? op.y1 : std::min(op.y1, op.y2);
        const int bottom = text ? op.y1 + 12 : std::max(op.y1, op.y2);
        if (right >= 0 && left <= chartSize && bottom >= 0 && top <= chartSize)
            return true;
    }
    return false;
}

} // namespace

// The screen outline takes its points by plain arithmetic where the chart's arithmetic of arc
// sines, arc tangents and singles would give the same pixel, and that arithmetic elsewhere.
TEST(RadiantOutline, ScreenTracingDrawsTheLinesOfTheChartsArithmetic) {
    int outlines = 0;
    for (const Sweep& s : sweep()) {
        const ViewState v = ViewAt(30, s.centreDec, s.zoom);
        const Outline outline = MakeOutline(s.diamRA, s.diamDec);
        for (float ra = 0; ra < 360; ra += 31.7f) {
            int x = 0;
            int y = 0;
            if (!Project(v, ra, s.dec, x, y))
                continue;
            RecordingCanvas careful;
            RecordingCanvas quick;
            TraceOutline(careful, v, Project, ra, s.dec, outline, x, y);
            TraceOutlineOnScreen(quick, v, ra, s.dec, outline, x, y);
            ASSERT_EQ(segments(quick), segments(careful))
                << "view dec " << s.centreDec << " zoom " << s.zoom << ", radiant " << ra << " "
                << s.dec << " size " << s.diamRA << "/" << s.diamDec;
            ++outlines;
        }
    }
    EXPECT_GT(outlines, 2000);
}

// A symbol left out of the layer is one of which nothing would have shown on the chart; every
// other one is drawn whole.
TEST(RadiantOutline, OnlySymbolsWhollyOffTheChartAreLeftOut) {
    int leftOut = 0;
    int drawn = 0;
    for (const Sweep& s : sweep()) {
        const ViewState v = ViewAt(30, s.centreDec, s.zoom);
        for (float ra = 0; ra < 360; ra += 17.3f) {
            Radiant r = radiant("PER", 200, 240, 220, ra, s.dec);
            r.DiamRA = static_cast<std::int16_t>(s.diamRA);
            r.DiamDec = static_cast<std::int16_t>(s.diamDec);
            RecordingCanvas layer;
            DrawRadiants(layer, v, radiants({r}), 220, true, true);
            RecordingCanvas whole;
            DrawRadiantSymbol(whole, v, ra, s.dec, "PER", s.diamRA, s.diamDec);
            if (layer.ops.empty() && !whole.ops.empty()) {
                ++leftOut;
                ASSERT_FALSE(touchesChart(whole, v.ChartSize))
                    << "view dec " << s.centreDec << " zoom " << s.zoom << ", radiant " << ra << " "
                    << s.dec << " size " << s.diamRA << "/" << s.diamDec;
            } else {
                ++drawn;
                ASSERT_EQ(segments(layer), segments(whole));
            }
        }
    }
    EXPECT_GT(leftOut, 500);
    EXPECT_GT(drawn, 500);
}
