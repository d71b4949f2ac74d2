#include "output/Atlas.h"
#include "geometry/ChartCentres.h"
#include "tests/output/SheetFixtures.h"
#include "tests/render/LayerFixtures.h"
#include "tests/support/PlanFixtures.h"

#include <algorithm>

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
    // Both lists on the sheet, and the plan.
    const AtlasContents both{true, true, PerseidsNightFromMadrid()};

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
    ASSERT_TRUE(PrintAtlas(printer, sources, both, progress));
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

TEST_F(Atlas, EveryChartIsAtZoomOneWithItsGridAndTheWindowsViewIsKept) {
    view = ViewAt(100, 20, 3);
    sources.options.grid = false; // the grid button is up while zoomed
    sources.options.gridLetter = 'O';
    const ViewState before = view;
    ASSERT_TRUE(PrintAtlas(printer, sources, {true, true, std::nullopt}, progress));
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
        EXPECT_FALSE(PrintAtlas(printer, sources, both, progress)) << step;
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
    EXPECT_THROW(PrintAtlas(printer, sources, both, progress), VelumbraError);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(job().aborted);
    EXPECT_FALSE(job().ended);
    EXPECT_EQ(progress.steps.back(), "Carta 4 de 12");
}

} // namespace
