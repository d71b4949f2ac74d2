#include "model/ChartModel.h"

#include "platform/RecordingPrinter.h"
#include "sky/LabelMarks.h"
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShower.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

class Model : public ::testing::Test {
  protected:
    TempDir dir;
    ChartModel model{dir.path()};
    ChartInputs in;

    void SetUp() override {
        dir.copyFrom(VELUMBRA_DATA_DIR, {"festrella", "ffigura", "fnombre", "ftriangulo", "fnumero",
                                         "fradiante", "fradter", "fmaglim"});
    }
    void start() {
        RecordingPrinter printer;
        model.start(450, printer, RaiseError);
        in = inputsShown();
    }
    // The controls as the window would show them, read back as its next inputs.
    ChartInputs inputsShown() const {
        const ChartControls c = model.controls();
        ChartInputs next = in;
        next.toggles = c.checked;
        next.chartIndex = c.chartIndex;
        next.driftSelected = c.driftSelected;
        return next;
    }
    void redraw() {
        RecordingCanvas canvas;
        model.read(in);
        model.draw(canvas);
        in = inputsShown();
    }
    // Applies the date and lists the active radiants of both lists.
    std::vector<std::string> listOn(int day, int month) {
        in.day = day;
        in.month = month;
        model.read(in);
        model.applyRadiantDate();
        in = inputsShown();
        in.toggles.imoRadiants = in.toggles.terRadiants = true;
        model.read(in);
        std::vector<std::string> lines = model.listActiveRadiants();
        in = inputsShown();
        return lines;
    }
};

TEST_F(Model, ZoomAndMagnitudeStopAtTheirLimitsAndZoomingPutsTheGridAway) {
    start();
    redraw();
    for (int i = 0; i < 6; ++i)
        model.zoomIn();
    EXPECT_EQ(model.view().ZoomLevel, 5);
    EXPECT_FALSE(model.controls().zoomIn);
    redraw();
    EXPECT_FALSE(in.toggles.grid);
    EXPECT_FALSE(model.controls().grid);
    EXPECT_EQ(in.chartIndex, kFreeCentre);
    for (int i = 0; i < 6; ++i)
        model.zoomOut();
    EXPECT_EQ(model.view().ZoomLevel, 1);
    EXPECT_FALSE(model.controls().zoomOut);
    EXPECT_FALSE(model.controls().magUp);
    for (int i = 0; i < 9; ++i)
        model.magDown();
    EXPECT_EQ(model.view().MagLimit, 0);
    EXPECT_FALSE(model.controls().magDown);
    model.chooseChart();
    in = inputsShown();
    redraw();
    EXPECT_TRUE(in.toggles.grid);
    EXPECT_TRUE(model.controls().grid);
}

TEST_F(Model, ANewDateEmptiesTheGoToTable) {
    start();
    ASSERT_FALSE(listOn(12, 8).empty());
    EXPECT_TRUE(model.controls().goTo);
    EXPECT_NE(model.goToEntry(1).ra, 0.0f);
    model.applyRadiantDate();
    EXPECT_EQ(model.goToEntry(1).ra, 0.0f);
    EXPECT_FALSE(model.controls().goTo);
    EXPECT_FALSE(model.controls().checked.imoRadiants);
}

TEST_F(Model, OnlyTheAntihelionPieceOfTheDateIsPreselected) {
    start();
    const struct {
        int day, month;
        const char* piece;
    } dates[] = {{9, 8, "ANT  Antihelio jul-ago"},
                 {10, 8, "ANT  Antihelio ago-sep"},
                 {9, 1, "ANT  Antihelio dic-ene"},
                 {10, 1, "ANT  Antihelio ene-feb"}};
    for (const auto& d : dates) {
        in.driftSelected.assign(in.driftSelected.size(), false);
        listOn(d.day, d.month);
        std::vector<std::string> selected;
        for (std::size_t i = 0; i < in.driftSelected.size(); ++i)
            if (in.driftSelected[i] && model.sky().driftLines[i].rfind("ANT", 0) == 0)
                selected.push_back(model.sky().driftLines[i]);
        EXPECT_EQ(selected, std::vector<std::string>{d.piece}) << d.day << "/" << d.month;
    }
}

TEST_F(Model, APeriodAcrossTheNewYearIsListedOnBothSidesWithItsDriftCounted) {
    // 20 December to 10 January, maximum on 30 December (day 364).
    dir.write("fradiante", RadiantFileBytes({TestShower("QUA", "Cuadrante", 354, 375, 364)}));
    dir.write("fradter", RadiantFileBytes({}));
    start();
    const struct {
        int day, month;
        bool listed;
        float ra; // 46 + Round(days from the maximum x 1.35)
    } dates[] = {{20, 12, true, 46 - 14}, {5, 1, true, 46 + 8}, {11, 1, false, 0}};
    for (const auto& d : dates) {
        EXPECT_EQ(listOn(d.day, d.month).size(), d.listed ? 1u : 0u) << d.day << "/" << d.month;
        if (d.listed) {
            EXPECT_FLOAT_EQ(model.goToEntry(1).ra, d.ra) << d.day << "/" << d.month;
        }
    }
}

TEST_F(Model, CentringOnAnAreaShowsItsZonesOnAFreeCentre) {
    start();
    in.toggles.zones = false;
    model.read(in);
    model.centreOnArea(9);
    in = inputsShown();
    redraw();
    EXPECT_EQ(model.view().CentreRA, model.sky().numbers.at(9).RA);
    EXPECT_EQ(model.view().CentreDec, model.sky().numbers.at(9).Dec);
    EXPECT_EQ(in.chartIndex, kFreeCentre);
    EXPECT_TRUE(in.toggles.zones);
    EXPECT_EQ(model.controls().status[0], "Centro (J2000): 163 +17");
}

// The third write puts the new mark on the disk but reports a failure, and putting the old
// bytes back fails too: the file keeps the new mark, and so must the chart and the count.
TEST_F(Model, AnAreaMarkingThatFailsHalfWayShowsWhatTheFileHolds) {
    start();
    const auto marks = [this] {
        int n = 0;
        for (int slot = 1; slot <= kStarSlots; ++slot)
            n += model.sky().stars.at(slot).LabelMark != 0;
        return n;
    };
    const int before = marks();
    int calls = 0;
    const RecordWrite failing = [&calls](std::FILE* f, long offset, const unsigned char* bytes,
                                         std::size_t size) {
        ++calls;
        if (calls == 4)
            return false;
        const bool ok = WriteRecordBytes(f, offset, bytes, size);
        return ok && calls != 3;
    };
    try {
        model.markArea(9, true, failing);
        FAIL() << "the failed write was not reported";
    } catch (const MarkRunStopped& e) {
        EXPECT_EQ(e.written(), 3);
        EXPECT_EQ(e.file(), dir.file("festrella"));
    }
    const std::vector<unsigned char> file = dir.read("festrella");
    for (int slot = 1; slot <= kStarSlots; ++slot) {
        const Star& star = model.sky().stars.at(slot);
        if (star.loaded) {
            EXPECT_EQ(star.LabelMark, file.at(star.FilePos * 17u + 14u)) << "slot " << slot;
        }
    }
    EXPECT_EQ(marks() - before, 3);
    EXPECT_TRUE(model.controls().checked.labels);
}

} // namespace
