#include "output/ChartCaption.h"
#include "render/RecordingCanvas.h"
#include "tests/support/SkyFixtures.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::pair<int, std::string>> lines(const RecordingCanvas& c) {
    std::vector<std::pair<int, std::string>> out;
    for (const CanvasOp& op : c.of(CanvasOp::Text)) {
        EXPECT_EQ(op.x1, 10);
        out.emplace_back(op.y1, op.text);
    }
    return out;
}

} // namespace

TEST(ChartCaption, ThreeLinesInTheLowerLeftCornerOfTheChart) {
    RecordingCanvas c;
    c.font = Font{"MS Sans Serif", 7, true, colors::Blue};
    const ViewState v = ViewAt(151, -5);
    DrawChartCaption(c, v, 450, true, 12, 8);
    using L = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(lines(c), (L{{405, "Fecha de radiantes: 12 de Agosto"},
                           {420, "Centro de la carta (J2000).  AR: 151    DEC: -5"},
                           {435, "X0=175.00 Y0=175.00"}}));
    for (const CanvasOp& op : c.ops) {
        EXPECT_EQ(op.font.face, "Arial");
        EXPECT_EQ(op.font.size, 8);
        EXPECT_FALSE(op.font.bold);
        EXPECT_EQ(op.font.color, colors::Black);
        EXPECT_EQ(op.brush, colors::White);
    }
}

TEST(ChartCaption, WithoutRadiantsTheDateLineIsLeftOut) {
    RecordingCanvas c;
    const ViewState v = ViewAt(30, 56, 3);
    DrawChartCaption(c, v, 450, false, 12, 8);
    using L = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(lines(c), (L{{420, "Centro de la carta (J2000).  AR: 30    DEC: 56"},
                           {435, "X0=58.33 Y0=58.33"}}));
}
