#include "output/PlanPage.h"
#include "platform/Printer.h"
#include "render/RecordingCanvas.h"
#include "tests/support/PlanFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A portrait A4 page at 1200 dpi, pages counted.
class PagePrinter : public Printer {
  public:
    int pages = 0;
    bool ended = false;
    RecordingCanvas canvas_;
    void setOrientation(Orientation) override {}
    int pageWidth() override { return 9583; }
    int pageHeight() override { return 13699; }
    void setTitle(const std::string&) override {}
    void beginDoc() override { pages = 1; }
    void newPage() override { ++pages; }
    void endDoc() override { ended = true; }
    void abortDoc() override {}
    void setCopies(int) override {}
    Canvas& canvas() override { return canvas_; }
};

// A plan with n radiants and the given samples, every value known.
NightPlan plan(int showers, int samples) {
    NightPlan p;
    p.night = {DarkInterval::Kind::Astronomical, 0, 1};
    for (int t = 0; t < samples; ++t) {
        p.times.push_back(t);
        p.localHours.push_back(22.0 + 0.5 * t);
        p.moonAltitude.push_back(-12.4);
        p.moonIllumination.push_back(0.456);
    }
    for (int i = 0; i < showers; ++i) {
        ShowerPlan s;
        s.code = "S" + std::to_string(i);
        s.name = "Lluvia " + std::to_string(i);
        s.rateKnown = i % 2 == 0;
        s.zhr = 100;
        s.r = 2.2;
        s.altitude.assign(static_cast<std::size_t>(samples), 35.6);
        s.rate.assign(static_cast<std::size_t>(samples), 41.6);
        p.showers.push_back(s);
    }
    return p;
}

std::vector<std::string> texts(const RecordingCanvas& c) {
    std::vector<std::string> out;
    for (const CanvasOp& op : c.of(CanvasOp::Text))
        out.push_back(op.text);
    return out;
}

} // namespace

TEST(PlanPage, TitlesCoverTheMonthAndYearEnds) {
    PlanRequest q = PerseidsNightFromMadrid();
    EXPECT_EQ(NightTitle(q), "NOCHE DEL 12 AL 13 DE AGOSTO DE 2026");
    q.day = 31;
    EXPECT_EQ(NightTitle(q), "NOCHE DEL 31 DE AGOSTO AL 1 DE SEPTIEMBRE DE 2026");
    q.month = 12;
    EXPECT_EQ(NightTitle(q), "NOCHE DEL 31 DE DICIEMBRE DE 2026 AL 1 DE ENERO DE 2027");
    q.month = 2;
    q.day = 28;
    q.year = 2028; // a leap year: the real calendar has the 29th
    EXPECT_EQ(NightTitle(q), "NOCHE DEL 28 AL 29 DE FEBRERO DE 2028");
    EXPECT_EQ(LocalTime(22.5), "22:30");
    EXPECT_EQ(LocalTime(24.0), "00:00");
    EXPECT_EQ(LocalTime(29.5), "05:30");
    EXPECT_EQ(LocalTime(-0.5), "23:30");
}

TEST(PlanPage, RowsHoldTimeMoonAndEachRadiantsAltitudeAndRate) {
    const auto blocks = NightPlanBlocks(plan(2, 3), PerseidsNightFromMadrid());
    // Intro, one table block, a blank, two radiant lines.
    ASSERT_EQ(blocks.size(), 5u);
    const auto& table = blocks[1];
    ASSERT_EQ(table.size(), 1u + 3u + 3u);
    EXPECT_EQ(table[1], "HORA   LUNA      S0        S1        ");
    EXPECT_EQ(table[2], "         h   %     h  THE    h  THE  ");
    EXPECT_EQ(table[4], "22:00  -12  46   +36   42  +36    -  ");
    EXPECT_EQ(table[6].substr(0, 5), "23:00");
    EXPECT_NE(blocks[3][0].find("THZ 100  r 2.20"), std::string::npos);
    EXPECT_EQ(blocks[4][0].find("THZ"), std::string::npos);
}

TEST(PlanPage, ManyRadiantsMakeBlocksOfTenAndPagesNeverSplitABlock) {
    PagePrinter printer;
    PrintNightPlan(printer, plan(25, 40), PerseidsNightFromMadrid(), {});
    EXPECT_TRUE(printer.ended);
    // Three blocks of 43 lines: no two fit on one page together with the intro; the plot
    // takes a fourth.
    EXPECT_EQ(printer.pages, 4);
    const float unit = (9583 - 1) * 0.005f;
    const int margin = static_cast<int>(unit * 5 + 0.5f);
    const auto ops = printer.canvas_.of(CanvasOp::Text);
    int titles = 0;
    for (const CanvasOp& op : ops) {
        EXPECT_LE(op.y1, margin + static_cast<int>(263 * unit + 0.5f)) << op.text;
        titles += op.text == "NOCHE DEL 12 AL 13 DE AGOSTO DE 2026";
    }
    EXPECT_EQ(titles, 4);
    const auto all = texts(printer.canvas_);
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [](const std::string& t) { return t.rfind("HORA ", 0) == 0; }),
              3);
}

TEST(PlanPage, ANightWithoutDarknessSaysSo) {
    NightPlan p = plan(1, 0);
    p.night.kind = DarkInterval::Kind::None;
    PagePrinter printer;
    PrintNightPlan(printer, p, PerseidsNightFromMadrid(), {});
    const auto all = texts(printer.canvas_);
    EXPECT_NE(std::find_if(all.begin(), all.end(),
                           [](const std::string& t) {
                               return t.find("NO HAY NOCHE OSCURA") != std::string::npos;
                           }),
              all.end());
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [](const std::string& t) { return t.rfind("HORA ", 0) == 0; }),
              0);
}

TEST(PlanPage, TheNightIsToldByItsTwilightTimesNotByItsFirstAndLastSamples) {
    struct Case {
        DarkInterval::Kind kind;
        double dusk, dawn;
        int samples; // from 22:00, half an hour apart
        std::string says;
    };
    const Case cases[] = {
        {DarkInterval::Kind::Astronomical, 23.0028, 29.6656, 13,
         "NOCHE ASTRON\xD3MICA (SOL A M\xC1S DE 18 GRADOS BAJO EL HORIZONTE) DE 23:00 A 05:40, "
         "HORA LOCAL."},
        {DarkInterval::Kind::Nautical, 23.6889, 28.065, 9,
         "SIN NOCHE ASTRON\xD3MICA: CREP\xDASCULO N\xC1UTICO (SOL A M\xC1S DE 12 GRADOS BAJO EL "
         "HORIZONTE) DE 23:41 A 04:04, HORA LOCAL."},
        {DarkInterval::Kind::None, 0, 0, 0,
         "EL SOL NO BAJA DE 12 GRADOS BAJO EL HORIZONTE: NO HAY NOCHE OSCURA PARA OBSERVAR."},
    };
    for (const Case& c : cases) {
        NightPlan p = plan(1, c.samples);
        p.night.kind = c.kind;
        p.duskHours = c.dusk;
        p.dawnHours = c.dawn;
        // The window's words, in capitals.
        EXPECT_EQ(NightPlanBlocks(p, PerseidsNightFromMadrid())[0][1], c.says);
    }
}

TEST(PlanPage, HasTheSheetsHeaderAndThePlotUnderTheTable) {
    PagePrinter printer;
    PrintNightPlan(printer, plan(2, 13), PerseidsNightFromMadrid(),
                   {Bitmap{1, 1, {colors::Black}}, true});
    const auto logo = printer.canvas_.of(CanvasOp::Picture);
    ASSERT_EQ(logo.size(), 1u);
    int title = 0, lastRow = 0, plot = 0;
    for (const CanvasOp& op : printer.canvas_.of(CanvasOp::Text)) {
        title = op.text == "PLAN DE LA NOCHE DE OBSERVACION DE METEOROS" ? op.y1 : title;
        lastRow = op.text.rfind("04:00  ", 0) == 0 ? op.y1 : lastRow;
        plot = op.text == "Tasa horaria esperada (THE)" ? op.y1 : plot;
    }
    EXPECT_GT(title, logo[0].y2);
    EXPECT_GT(lastRow, title);
    EXPECT_GT(plot, lastRow);
    const auto all = texts(printer.canvas_);
    EXPECT_NE(std::find(all.begin(), all.end(), "TALVIK"), all.end());
}
