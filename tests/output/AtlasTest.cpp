#include "output/Atlas.h"
#include "geometry/ChartCentres.h"
#include "tests/output/SheetFixtures.h"
#include "tests/render/LayerFixtures.h"
#include "tests/support/PlanFixtures.h"

#include <algorithm>
#include <optional>

using fixtures::radiant;
using Orientation = Printer::Orientation;

namespace {

class ScriptedProgress : public Progress {
  public:
    std::vector<std::string> steps;
    std::string cancelAt;
    bool advance(int done, const std::string& next) override {
        EXPECT_EQ(done, static_cast<int>(steps.size())) << next;
        steps.push_back(next);
        return next != cancelAt;
    }
};

class Atlas : public SheetPrinting {
  protected:
    ScriptedProgress progress;

    void SetUp() override {
        SheetPrinting::SetUp();
        add(1, radiant("PER", 200, 240, 224, 48, 58));
    }

    bool pageHas(std::size_t page, const std::string& text) const {
        const auto& items = job().pages.at(page).items;
        return std::any_of(items.begin(), items.end(),
                           [&](const CanvasOp& op) { return op.text == text; });
    }
    // The sky holds no stars or figures: the only thin lines are the grid's.
    bool pageHasGrid(std::size_t page) const {
        const auto& items = job().pages.at(page).items;
        return std::any_of(items.begin(), items.end(), [](const CanvasOp& op) {
            return op.kind == CanvasOp::Line && op.pen.width == 1;
        });
    }
};

TEST_F(Atlas, TwelveChartsThenTheSheetThenThePlanInOneDocument) {
    ASSERT_TRUE(PrintAtlas(printer, sources, AtlasContentsFor(sources, PerseidsNightFromMadrid()),
                           progress));
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(job().title, "Atlas de cartas");
    EXPECT_TRUE(job().ended);
    EXPECT_FALSE(job().aborted);
    ASSERT_EQ(job().pages.size(), 14u);
    for (std::size_t i = 0; i < 12; ++i) {
        const ChartCentre& c = kChartCentres[i];
        EXPECT_EQ(job().pages[i].orientation, Orientation::Landscape) << i;
        EXPECT_TRUE(pageHas(i, "Centro de la carta (J2000).  AR: " + std::to_string(c.ra) +
                                   "    DEC: " + std::to_string(c.dec)))
            << "chart " << i + 1;
        EXPECT_TRUE(pageHas(i, "Fecha de radiantes: 12 de Agosto")) << i;
    }
    EXPECT_EQ(job().pages[12].orientation, Orientation::Portrait);
    EXPECT_TRUE(pageHas(12, "RADIANTES ACTIVOS, FECHA: 12 DE AGOSTO"));
    EXPECT_EQ(job().pages[13].orientation, Orientation::Portrait);
    EXPECT_TRUE(pageHas(13, "NOCHE DEL 12 AL 13 DE AGOSTO DE 2026"));
    EXPECT_EQ(progress.steps.front(), "Carta 1 de 12");
    EXPECT_EQ(progress.steps.size(), static_cast<std::size_t>(AtlasSteps(true)) + 1);
}

TEST_F(Atlas, WithBothRadiantListsHiddenTheChartsAreAllThereIs) {
    sources.options.imoRadiants = sources.options.terRadiants = false;
    ASSERT_TRUE(PrintAtlas(printer, sources, AtlasContents{}, progress));
    ASSERT_EQ(job().pages.size(), 12u);
    EXPECT_FALSE(pageHas(0, "Fecha de radiantes: 12 de Agosto"));
}

TEST_F(Atlas, ItsPagesAreToldBeforehandAndItKeepsTheDatesRadiantsWhenTheChartShowsNone) {
    add(1, radiant("T05", 220, 230, 225, 0, 0));
    struct Case {
        bool imo, ter;
        int date;
        bool plan;
        bool imoSheet, terSheet;
        std::size_t pages;
        std::vector<std::string> says;
    };
    const Case cases[] = {
        {true,
         true,
         224,
         true,
         true,
         true,
         14,
         {"- las 12 cartas Brno", "el 12 de agosto: 2 de las listas IMO y de Terentjeva;",
          "- el plan de la noche del 12 al 13 de agosto de 2026 en latitud 40.40, longitud "
          "-3.70."}},
        {true,
         false,
         224,
         false,
         true,
         false,
         13,
         {": 1 de la lista IMO;", "- sin plan de la noche: no hay un lugar guardado"}},
        // Applying a new date puts the radiant buttons up: the sheet is still there.
        {false,
         false,
         224,
         true,
         true,
         true,
         14,
         {": 2 de las listas IMO y de Terentjeva;", "(la carta no muestra radiantes"}},
        {false, false, 100, false, true, true, 12, {"- sin hoja de radiantes: ninguno de"}},
    };
    for (const Case& c : cases) {
        sources.options.imoRadiants = c.imo;
        sources.options.terRadiants = c.ter;
        sources.options.radiantDate = c.date;
        const std::optional<PlanRequest> night =
            c.plan ? std::optional(PerseidsNightFromMadrid()) : std::nullopt;
        const AtlasContents contents = AtlasContentsFor(sources, night);
        EXPECT_EQ(contents.imoSheet, c.imoSheet) << c.imo << c.ter;
        EXPECT_EQ(contents.terSheet, c.terSheet) << c.imo << c.ter;
        const std::string message = AtlasContentsMessage(sources, contents);
        for (const std::string& part : c.says)
            EXPECT_NE(message.find(part), std::string::npos) << part << "\n" << message;
        printer.jobs.clear();
        ASSERT_TRUE(PrintAtlas(printer, sources, contents, progress));
        EXPECT_EQ(job().pages.size(), c.pages) << message;
        progress.steps.clear();
    }
}

TEST_F(Atlas, EveryChartIsAtZoomOneWithItsGridAndTheWindowsViewIsKept) {
    view = ViewAt(100, 20, 3);
    sources.options.grid = false; // the grid button is up while zoomed
    sources.options.gridLetter = 'O';
    const ViewState before = view;
    ASSERT_TRUE(PrintAtlas(printer, sources, AtlasContentsFor(sources, std::nullopt), progress));
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_TRUE(pageHas(i, "X0=175.00 Y0=175.00")) << i;
        EXPECT_TRUE(pageHasGrid(i)) << i;
    }
    EXPECT_EQ(view.CentreRA, before.CentreRA);
    EXPECT_EQ(view.CentreDec, before.CentreDec);
    EXPECT_EQ(view.ZoomLevel, before.ZoomLevel);
    EXPECT_EQ(view.PrintFactor, before.PrintFactor);
    EXPECT_EQ(view.PrintUnit, before.PrintUnit);
}

TEST_F(Atlas, CancellingDropsTheDocument) {
    for (const char* step :
         {"Carta 1 de 12", "Carta 7 de 12", "Radiantes activos", "Plan de la noche", "Terminado"}) {
        printer.jobs.clear();
        progress.steps.clear();
        progress.cancelAt = step;
        EXPECT_FALSE(PrintAtlas(printer, sources,
                                AtlasContentsFor(sources, PerseidsNightFromMadrid()), progress))
            << step;
        EXPECT_EQ(progress.steps.back(), step);
        for (const auto& j : printer.jobs) {
            EXPECT_TRUE(j.aborted) << step;
            EXPECT_FALSE(j.ended) << step;
        }
    }
}

TEST_F(Atlas, AFailureHalfWayDropsTheDocument) {
    int logos = 0;
    sources.logo = [&] {
        if (++logos == 4)
            throw VelumbraError("No se pudo leer escudo.bmp", "escudo.bmp");
        return logo;
    };
    EXPECT_THROW(PrintAtlas(printer, sources, AtlasContentsFor(sources, PerseidsNightFromMadrid()),
                            progress),
                 VelumbraError);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(job().aborted);
    EXPECT_FALSE(job().ended);
    EXPECT_EQ(progress.steps.back(), "Carta 4 de 12");
}

} // namespace
