#include "output/ChartPage.h"
#include "platform/RecordingPrinter.h"
#include "render/Layers.h"
#include "tests/render/LayerFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using fixtures::radiant;
using fixtures::star;

namespace {

// Chart 8's centre with a bright star, a figure, a zone and a radiant on it, and a marked star
// right at the chart's edge whose label crosses the frame.
std::unique_ptr<SkyData> pageSky() {
    auto sky = std::make_unique<SkyData>();
    sky->stars.at(1) = star(1, 151, -5, 150, 1);
    sky->stars.at(2) = star(2, 155, 0, 300);
    sky->stars.at(3) = star(3, 145, -10, 450);
    sky->stars.setCount(3);
    SortStars(sky->stars);
    sky->figures.at(1) = {0, 1};
    sky->figures.at(2) = {1, 2};
    sky->triangles.at(1) = {0, 2};
    sky->triangles.at(2) = {1, 3};
    for (int i = 1; i <= NameTable::size(); ++i)
        sky->names.at(i) = {"LEO", 151, -5};
    for (int i = 1; i <= NumberTable::size(); ++i)
        sky->numbers.at(i) = {"7", 151, -5};
    sky->radiants.append(radiant("LEO", 200, 240, 224, 150, -4), "test");
    return sky;
}

ChartOptions only(bool ChartOptions::*toggle) {
    ChartOptions o;
    o.grid = o.figures = o.names = o.zones = o.stars = o.labels = false;
    o.imoRadiants = o.terRadiants = o.driftTracks = false;
    if (toggle)
        o.*toggle = true;
    o.radiantDate = 224;
    o.driftSelected = {true};
    return o;
}

class ChartPage : public ::testing::Test {
  protected:
    std::unique_ptr<SkyData> sky = pageSky();
    ViewState view = ViewAt(151, -5);
    RecordingPrinter printer;
    PrintSources sources{*sky, view, only(nullptr), 12, 8, [] {
                             Bitmap logo;
                             logo.width = logo.height = 2;
                             logo.pixels.assign(4, colors::Black);
                             return logo;
                         }};

    const std::vector<CanvasOp>& print() {
        PrintChartPage(printer, sources);
        return printer.jobs.back().pages.back().items;
    }
    static std::vector<CanvasOp> texts(const std::vector<CanvasOp>& items) {
        std::vector<CanvasOp> out;
        std::copy_if(items.begin(), items.end(), std::back_inserter(out),
                     [](const CanvasOp& op) { return op.kind == CanvasOp::Text; });
        return out;
    }
    static const CanvasOp* text(const std::vector<CanvasOp>& items, const std::string& s) {
        for (const CanvasOp& op : items)
            if (op.kind == CanvasOp::Text && op.text == s)
                return &op;
        return nullptr;
    }
};

struct Box {
    int l, t, r, b;
    friend bool operator==(const Box& a, const Box& b) {
        return a.l == b.l && a.t == b.t && a.r == b.r && a.b == b.b;
    }
};

Box boxOf(const CanvasOp& op) {
    return {op.x1, op.y1, op.x2, op.y2};
}

void expectFrame(const std::vector<CanvasOp>& items, std::size_t at) {
    const Box sides[] = {{120, 120, 4680, 120},
                         {4680, 120, 4680, 4680},
                         {4680, 4680, 120, 4680},
                         {120, 4680, 120, 120}};
    for (std::size_t i = 0; i < 4; ++i) {
        const CanvasOp& op = items.at(at + i);
        EXPECT_EQ(op.kind, CanvasOp::Line);
        EXPECT_TRUE(boxOf(op) == sides[i]) << "side " << i;
        EXPECT_EQ(op.pen.width, 3);
        EXPECT_EQ(op.pen.style, PenStyle::Solid);
    }
}

} // namespace

TEST_F(ChartPage, WorkedExampleOnAPageOf4801PixelsPortraitWidth) {
    sources.options.terRadiants = true;
    const std::vector<CanvasOp>& items = print();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const RecordingPrinter::Job& job = printer.jobs[0];
    EXPECT_EQ(job.title, "Carta");
    EXPECT_EQ(job.orientation, Printer::Orientation::Landscape);
    EXPECT_EQ(job.pages.size(), 1u);
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(view.PrintUnit, 24.0f);
    EXPECT_EQ(view.PrintMargin, 120);
    EXPECT_EQ(view.PrintFactor, static_cast<float>(4560 * 0.0002));
    EXPECT_EQ(view.PrintScale, 1000);
    EXPECT_EQ(ColumnX(view), 4810);

    // Frame first, the blanking of the margins, the frame again over any white cell.
    expectFrame(items, 0);
    const Box blanks[] = {
        {0, 0, 5999, 119}, {0, 0, 119, 4800}, {0, 4682, 5999, 4800}, {4682, 0, 5999, 4800}};
    for (std::size_t i = 0; i < 4; ++i) {
        const CanvasOp& op = items.at(4 + i);
        EXPECT_EQ(op.kind, CanvasOp::Fill);
        EXPECT_TRUE(boxOf(op) == blanks[i]) << "blank " << i;
        EXPECT_EQ(op.brush, colors::White);
    }
    expectFrame(items, 8);

    const CanvasOp& logo = items.at(12);
    EXPECT_EQ(logo.kind, CanvasOp::Picture);
    EXPECT_TRUE(boxOf(logo) == (Box{4810, 120, 5290, 600}));
    const CanvasOp* acronym = text(items, "TALVIK");
    ASSERT_TRUE(acronym);
    EXPECT_EQ(acronym->x1, 5410);
    EXPECT_EQ(acronym->y1, 600 - 45); // its cell ends at the logo's bottom (size 30: 45 high)
    EXPECT_EQ(acronym->font.size, 30);
    const CanvasOp* society = text(items, "KELVARO");
    const CanvasOp* section = text(items, "SECCION DE METEOROS");
    ASSERT_TRUE(society && section);
    EXPECT_EQ(society->x1, 120);
    EXPECT_EQ(society->y1, 96 - 12);
    EXPECT_EQ(section->y1, 96 - 12);
    EXPECT_EQ(section->x1 + 19 * 6, 4680);

    const int formY[] = {840, 1032, 1224, 1416, 1608, 1800, 2160};
    const std::vector<CanvasOp> all = texts(items);
    const std::size_t form = 4; // after TALVIK, KELVARO, SECCION
    for (std::size_t i = 0; i < 7; ++i) {
        const CanvasOp& op = all.at(form - 1 + i);
        EXPECT_EQ(op.x1, 4810);
        EXPECT_EQ(op.y1, formY[i]) << op.text;
        EXPECT_EQ(op.font.face, "Courier New");
        EXPECT_TRUE(op.font.bold);
    }
    EXPECT_EQ(all.at(form - 1).text, "FECHA: __________________________________");
    EXPECT_EQ(all.at(form + 5).text, "NOTAS:");
    const char* data[] = {"Fecha de radiantes: 12 de Agosto",
                          "Centro de la carta (J2000).  AR: 151    DEC: -5", "X0=175.00 Y0=175.00"};
    for (std::size_t i = 0; i < 3; ++i) {
        const CanvasOp& op = all.at(all.size() - 3 + i);
        EXPECT_EQ(op.text, data[i]);
        EXPECT_EQ(op.x1, 4810);
        EXPECT_EQ(op.y1, 4368 + 120 * static_cast<int>(i));
        EXPECT_EQ(op.font.face, "Arial");
    }
}

TEST_F(ChartPage, EachToggleGovernsItsOwnLayer) {
    const std::size_t bare = print().size();
    struct Case {
        bool ChartOptions::*toggle;
        void (*layer)(Canvas&, const ViewState&, const SkyData&, const ChartOptions&);
        std::size_t dateLine = 0; // the radiants bring the date line of the form
    };
    const Case cases[] = {
        {&ChartOptions::grid, [](Canvas& c, const ViewState& v, const SkyData&,
                                 const ChartOptions& o) { DrawGridPrint(c, v, o.gridLetter); }},
        {&ChartOptions::figures,
         [](Canvas& c, const ViewState& v, const SkyData& s, const ChartOptions&) {
             DrawFiguresPrint(c, v, s.stars, s.figures);
         }},
        {&ChartOptions::names, [](Canvas& c, const ViewState& v, const SkyData& s,
                                  const ChartOptions&) { DrawNamesPrint(c, v, s.names); }},
        {&ChartOptions::zones,
         [](Canvas& c, const ViewState& v, const SkyData& s, const ChartOptions&) {
             DrawTrianglesPrint(c, v, s.stars, s.triangles);
             DrawZoneNumbersPrint(c, v, s.numbers);
         }},
        {&ChartOptions::stars, [](Canvas& c, const ViewState& v, const SkyData& s,
                                  const ChartOptions&) { DrawStarsPrint(c, v, s.stars, false); }},
        {&ChartOptions::imoRadiants,
         [](Canvas& c, const ViewState& v, const SkyData& s, const ChartOptions& o) {
             DrawRadiantsPrint(c, v, s.radiants, o.radiantDate, true, false);
         },
         1},
        {&ChartOptions::driftTracks,
         [](Canvas& c, const ViewState& v, const SkyData& s, const ChartOptions& o) {
             DrawDriftTracksPrint(c, v, s.radiants, o.driftSelected);
         }},
    };
    for (const Case& k : cases) {
        sources.options = only(k.toggle);
        const std::vector<CanvasOp>& page = print();
        RecordingCanvas alone;
        k.layer(alone, view, *sky, sources.options);
        ASSERT_GT(alone.ops.size(), 0u);
        ASSERT_EQ(page.size(), bare + alone.ops.size() + k.dateLine) << (&k - cases);
        // Right after the frame, exactly where the layer alone puts them.
        for (std::size_t i = 0; i < alone.ops.size(); ++i) {
            const CanvasOp& a = alone.ops[i];
            const CanvasOp& p = page[4 + i];
            EXPECT_TRUE(p.kind == a.kind && boxOf(p) == boxOf(a) && p.text == a.text)
                << (&k - cases) << " item " << i;
        }
    }
}

TEST_F(ChartPage, EveryPageStartsFromTheSameFontWhateverThePreviousPrintoutLeft) {
    sources.options = only(&ChartOptions::names);
    const std::vector<CanvasOp> first = print();
    printer.canvas().font = Font{"Courier New", 30, true, colors::Blue};
    const std::vector<CanvasOp> second = print();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].font.face, second[i].font.face) << i;
        EXPECT_EQ(first[i].font.size, second[i].font.size) << i;
        EXPECT_EQ(first[i].font.bold, second[i].font.bold) << i;
    }
    const CanvasOp* name = text(first, "LEO");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->font.face, "Arial");
    EXPECT_EQ(name->font.size, 8);
    EXPECT_FALSE(name->font.bold);
}

TEST_F(ChartPage, AFailingLayerDropsTheJobInsteadOfPrintingHalfAPage) {
    sources.options = only(&ChartOptions::driftTracks);
    // A drift selection longer than the table reaches past its last record.
    sources.options.driftSelected.assign(400, true);
    EXPECT_ANY_THROW(print());
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].aborted);
    EXPECT_FALSE(printer.jobs[0].ended);
}
