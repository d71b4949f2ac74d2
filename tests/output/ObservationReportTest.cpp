#include "output/ObservationReport.h"
#include "editor/Ansi.h"
#include "geometry/Numbers.h"
#include "output/ZhrPlot.h"
#include "tests/support/ObservationFixtures.h"
#include "tests/support/RecordingPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A text on the page, given in UTF-8: the canvas holds Windows-1252.
bool onPage(const std::vector<CanvasOp>& items, const std::string& utf8) {
    const std::string ansi = Utf8ToAnsi(utf8).value();
    return std::any_of(items.begin(), items.end(), [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Text && op.text.find(ansi) != std::string::npos;
    });
}

TEST(ObservationReport, ThePageHoldsEveryResultAndThePlotOneSeriesPerShower) {
    const Observation o = PerseidObservationFromMadrid();
    const ObservationRates rates = ComputeRates(o);
    RecordingPrinter printer;
    PrintObservationReport(printer, o, rates, Bitmap{});
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto& job = printer.jobs[0];
    EXPECT_EQ(job.title, "Informe de observación");
    EXPECT_EQ(job.orientation, Printer::Orientation::Portrait);
    EXPECT_TRUE(job.ended);
    ASSERT_EQ(job.pages.size(), 1u);
    const auto& items = job.pages[0].items;

    // The society header, the night, each period's counts and conditions, each result.
    EXPECT_TRUE(onPage(items, "TALVIK"));
    EXPECT_TRUE(onPage(items, "NOCHE DEL 12 AL 13 DE AGOSTO DE 2026"));
    EXPECT_TRUE(onPage(items, "OBSERVADOR: Lucía Pérez (código IMO PERLU)"));
    EXPECT_TRUE(
        onPage(items, "12/08 23:30-00:30   1.00  1.05   6.4  310.0/+50.0  PER      31   +33.5"));
    for (const PeriodRates& p : rates.periods) {
        for (const ShowerRate& r : p.showers) {
            if (r.kind != RateKind::Zhr)
                continue;
            EXPECT_TRUE(onPage(items, "ZHR " + FormatFloat("0.0", r.zhr) + " ± " +
                                          FormatFloat("0.0", r.zhrError)))
                << r.code << " " << r.zhr;
        }
    }
    EXPECT_TRUE(onPage(items, "KCG       0   +64.2  sin meteoros"));
    EXPECT_TRUE(onPage(items, "SPO       8          sin ZHR para esporádicos, tasa horaria 10.5"));
    EXPECT_TRUE(onPage(items, "12/08 22:00-23:00 PER       .    .    .    .    1  0.5  1.5"));

    // The plot: a square mark per ZHR in its shower's colour, later periods further right,
    // each error bar as long as its ZHR's error on the same scale as the marks' heights.
    const auto series = ZhrSeriesOf(o, rates);
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].code, "PER");
    EXPECT_EQ(series[0].points.size(), 3u);
    EXPECT_EQ(series[1].points.size(), 2u);
    int axis = 0;
    for (const CanvasOp& op : items)
        if (op.kind == CanvasOp::Text && op.text == "UT")
            axis = op.y1;
    ASSERT_GT(axis, 0);
    for (std::size_t s = 0; s < series.size(); ++s) {
        std::vector<CanvasOp> marks;
        for (const CanvasOp& op : items)
            if (op.kind == CanvasOp::Fill && op.brush == ZhrSeriesColor(s))
                marks.push_back(op);
        ASSERT_EQ(marks.size(), series[s].points.size()) << series[s].code;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const ZhrPoint& p = series[s].points[i];
            const int x = (marks[i].x1 + marks[i].x2 - 1) / 2;
            const int y = (marks[i].y1 + marks[i].y2 - 1) / 2;
            EXPECT_TRUE(i == 0 || x > marks[i - 1].x2) << series[s].code << " " << i;
            const auto bar = std::find_if(items.begin(), items.end(), [&](const CanvasOp& op) {
                return op.kind == CanvasOp::Line && op.pen.color == ZhrSeriesColor(s) &&
                       op.x1 == x && op.x2 == x && std::min(op.y1, op.y2) < y &&
                       std::max(op.y1, op.y2) > y;
            });
            ASSERT_NE(bar, items.end()) << series[s].code << " " << i;
            const double perMeteor = std::abs(bar->y1 - bar->y2) / (2 * p.error);
            EXPECT_NEAR((bar->y1 + bar->y2) / 2.0, y, 1.0);
            EXPECT_GT(y, 0);
            EXPECT_LT(y, axis);
            // The same scale for every mark: its height over the axis per meteor an hour.
            const auto zero = std::find_if(items.begin(), items.end(), [](const CanvasOp& op) {
                return op.kind == CanvasOp::Text && op.text == "0";
            });
            ASSERT_NE(zero, items.end());
            const int zeroY = zero->y1 + 6; // the label's middle, 12 pixels high at size 8
            EXPECT_NEAR((zeroY - y) / p.zhr, perMeteor, 0.05 * perMeteor + 2 / p.zhr)
                << series[s].code << " " << i;
        }
        EXPECT_TRUE(std::any_of(items.begin(), items.end(), [&](const CanvasOp& op) {
            return op.kind == CanvasOp::Text && op.text == series[s].code &&
                   op.font.color == ZhrSeriesColor(s);
        })) << series[s].code;
    }
}

} // namespace
