#include "output/ActiveSheet.h"
#include "geometry/Projection.h"
#include "output/SheetLines.h"
#include "tests/output/LineFixtures.h"
#include "tests/output/SheetFixtures.h"

#include <string>

namespace {

class ActiveSheet : public SheetPrinting {
  protected:
    void print(bool imo, bool terentjeva) {
        sources.options.imoRadiants = imo;
        sources.options.terRadiants = terentjeva;
        PrintActiveSheet(printer, sources);
    }
    int yOf(std::size_t page, const std::string& text) const {
        for (const CanvasOp& op : texts(page))
            if (op.text == text)
                return op.y1;
        return -1;
    }
};

} // namespace

TEST_F(ActiveSheet, PageLayoutInPrintUnitsFromTheMargin) {
    add(1, Perseids());
    sources.dateDay = 5;
    printer.canvas().font.color = colors::Green;
    print(true, true);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(job().title, "Datos carta");
    EXPECT_EQ(job().orientation, Printer::Orientation::Portrait);
    EXPECT_TRUE(job().ended);
    ASSERT_EQ(job().pages.size(), 1u);
    EXPECT_FLOAT_EQ(view.PrintUnit, 24.0f);

    const auto& items = job().pages[0].items;
    ASSERT_EQ(items.front().kind, CanvasOp::Picture);
    EXPECT_EQ(items.front().x1, 120);
    EXPECT_EQ(items.front().y1, 120);
    EXPECT_EQ(items.front().x2, 600);
    EXPECT_EQ(items.front().y2, 600);
    EXPECT_EQ(yOf(0, "KELVARO  -  SECCION DE METEOROS"), 120);
    EXPECT_EQ(yOf(0, "RADIANTES ACTIVOS, FECHA: 05 DE AGOSTO"), 720);
    EXPECT_EQ(yOf(0, SheetHeading(5, 8).columns), 888);
    EXPECT_EQ(yOf(0, SheetHeading(5, 8).underline), 960);
    for (const CanvasOp& op : texts(0)) {
        const bool society = op.text == "TALVIK" || op.text.rfind("KELVARO", 0) == 0;
        EXPECT_EQ(op.x1, society ? 720 : 120) << op.text;
        EXPECT_EQ(op.font.color, colors::Black) << op.text;
    }
    const auto page = lines(0);
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0].y1, 1032);
    EXPECT_EQ(page[0].font.face, "Courier New");
    EXPECT_EQ(page[0].font.size, 8);
}

TEST_F(ActiveSheet, SeventySixLinesAPageAndTheNextUnderItsOwnHeader) {
    add(77, Perseids());
    print(true, false);
    ASSERT_EQ(job().pages.size(), 2u);
    const auto first = lines(0);
    ASSERT_EQ(first.size(), 76u);
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(first[i].y1, 1032 + 72 * static_cast<int>(i));
    EXPECT_EQ(first.back().y1, 6432);
    EXPECT_GT(yOf(1, "TALVIK"), 0);
    EXPECT_EQ(heading(1), heading(0));
    ASSERT_EQ(lines(1).size(), 1u);
    EXPECT_EQ(lines(1)[0].y1, 1032);
}

TEST_F(ActiveSheet, OnlyTerentjevaShownStartsAtTheFirstRow) {
    add(3, Perseids());
    add(2, TerentjevaStream());
    print(false, true);
    ASSERT_EQ(printer.jobs.size(), 1u);
    ASSERT_EQ(job().pages.size(), 1u);
    const auto page = lines(0);
    ASSERT_EQ(page.size(), 2u);
    EXPECT_EQ(page[0].y1, 1032);
    EXPECT_EQ(page[0].text.substr(0, 4), "T123");
}

TEST_F(ActiveSheet, BlankLineBetweenGroupsUnlessAPageBreakTakesItsPlace) {
    // 74 IMO lines end at row 257: blank row 260, the Terentjeva line at 263 on the same page.
    add(74, Perseids());
    add(1, TerentjevaStream());
    print(true, true);
    ASSERT_EQ(job().pages.size(), 1u);
    EXPECT_EQ(lines(0).back().y1, 120 + 263 * 24);

    // 75 end at row 260: the Terentjeva group opens the next page at row 38.
    sky->radiants.clear();
    add(75, Perseids());
    add(1, TerentjevaStream());
    print(true, true);
    ASSERT_EQ(job().pages.size(), 2u);
    EXPECT_EQ(lines(0).back().y1, 120 + 260 * 24);
    ASSERT_EQ(lines(1).size(), 1u);
    EXPECT_EQ(lines(1)[0].y1, 1032);
    EXPECT_EQ(lines(1)[0].text.substr(0, 4), "T123");
}

TEST_F(ActiveSheet, BoldExactlyForRadiantsInsideTheScreenChart) {
    Radiant centre = Perseids();
    centre.RA = 30;
    centre.Dec = 56;
    centre.DriftRA = centre.DriftDec = 0;
    Radiant opposite = centre;
    opposite.RA = 210;
    opposite.Dec = -56;
    // Far enough to leave the chart, near enough for the projection to call it visible.
    Radiant offChart = centre;
    offChart.Dec = 0;
    int x = 0, y = 0;
    ASSERT_TRUE(Project(view, offChart.RA, offChart.Dec, x, y));
    ASSERT_GE(y, view.ChartSize);
    add(1, centre);
    add(1, opposite);
    add(1, offChart);
    print(true, false);
    const auto page = lines(0);
    ASSERT_EQ(page.size(), 3u);
    EXPECT_TRUE(page[0].font.bold);
    EXPECT_FALSE(page[1].font.bold);
    EXPECT_FALSE(page[2].font.bold);
}

TEST_F(ActiveSheet, NothingQualifyingBeginsNoJobAndSaysWhy) {
    add(2, Perseids());
    print(false, false);
    EXPECT_TRUE(printer.jobs.empty());
    sources.options.radiantDate = 100;
    print(true, true);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(SelectSheetRadiants(sources).empty());
    EXPECT_NE(NothingOnSheetMessage(sources).find("activo el 12 de Agosto"), std::string::npos);
}

TEST_F(ActiveSheet, ShowerOverTheNewYearOnBothSidesOfIt) {
    Radiant r = Perseids();
    r.StartDay = 350;
    r.EndDay = 375;
    r.MaxDay = 362;
    add(1, r);
    for (int date : {5, 354}) {
        sources.options.radiantDate = date;
        const SheetSelection s = SelectSheetRadiants(sources);
        ASSERT_EQ(s.imo.size(), 1u) << date;
        EXPECT_EQ(s.imo[0].activeDay, date == 5 ? 370 : 354);
    }
    sources.options.radiantDate = 15;
    EXPECT_TRUE(SelectSheetRadiants(sources).empty());
}

TEST_F(ActiveSheet, ShortPaperBreaksBeforeALineWouldFallOffIt) {
    printer.height = 6213; // Letter, 8.5 x 11 inches, at the same width
    add(150, Perseids());
    print(true, false);
    ASSERT_EQ(job().pages.size(), 3u);
    EXPECT_EQ(lines(0).size(), 72u);
    EXPECT_EQ(lines(1).size(), 72u);
    EXPECT_EQ(lines(2).size(), 6u);
    for (const auto& page : job().pages)
        for (const CanvasOp& op : page.items)
            EXPECT_LE(op.y1 + 12, printer.height) << op.text;
}

TEST_F(ActiveSheet, MissingLogoPrintsTheSheetWithoutIt) {
    logo = Bitmap{};
    add(2, Perseids());
    print(true, false);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(job().ended);
    for (const auto& op : job().pages[0].items)
        EXPECT_NE(op.kind, CanvasOp::Picture);
    EXPECT_EQ(lines(0).size(), 2u);
}
