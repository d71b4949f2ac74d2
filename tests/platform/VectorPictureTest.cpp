#include "geometry/Calendar.h"
#include "output/ChartPage.h"
#include "output/ChartSquare.h"
#include "platform/RecordingPrinter.h"
#include "tests/support/SkyFixtures.h"

#include <gtest/gtest.h>

namespace {

class VectorPicture : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadSky(sky, VELUMBRA_DATA_DIR);
        ChartOptions& o = sources.options;
        o.names = o.labels = o.imoRadiants = true;
        o.radiantDate = DayOfYear(12, 8);
    }
    SkyData sky;
    ViewState view = ViewAt(30, 56);
    PrintSources sources{sky, view, {}, 12, 8, {}};
};

// What was drawn before the first white fill: the chart, before anything is blanked.
std::vector<CanvasOp> chartOps(const std::vector<CanvasOp>& ops) {
    auto end = std::find_if(ops.begin(), ops.end(), [](const CanvasOp& op) {
        return op.kind == CanvasOp::Fill && op.brush == colors::White;
    });
    return {ops.begin(), end};
}

bool same(const CanvasOp& a, const CanvasOp& b) {
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.text == b.text && a.pen.width == b.pen.width && a.font.size == b.font.size;
}

} // namespace

// On a 1200 dpi A4 printer the printed page's chart square and the picture's are one drawing.
TEST_F(VectorPicture, TheSquareIsDrawnAsThePrintedPagesChart) {
    RecordingCanvas square;
    DrawChartSquare(square, sources);
    RecordingPrinter a4;
    a4.width = kChartSquareSide;
    a4.height = 13546;
    PrintChartPage(a4, sources);
    const auto picture = chartOps(square.ops);
    const auto page = chartOps(a4.jobs.at(0).pages.at(0).items);
    EXPECT_GT(picture.size(), 1000u);
    ASSERT_EQ(picture.size(), page.size());
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), page.begin(), same));
    // Blanked like the page, then captioned.
    EXPECT_EQ(square.of(CanvasOp::Fill).size(), 4u);
    EXPECT_EQ(square.ops.back().text, "X0=175.00 Y0=175.00");
}
