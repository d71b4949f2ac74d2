#include "geometry/AreaStars.h"
#include "tests/windows/FormFixture.h"
#include "windows/UMagLimite.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include <filesystem>

class MagLimite : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        start();
        window = std::make_unique<TFMagLimite>(
            form->model(), [this](const std::function<void()>& c) { form->changeChart(c); },
            dialogs);
    }
    void TearDown() override {
        window.reset();
        FormFixture::TearDown();
    }
    std::uint8_t markOnDisk(int slot) {
        return dir.read("festrella")[form->sky().stars.at(slot).FilePos * 17u + 14u];
    }
    std::unique_ptr<TFMagLimite> window;
};

TEST_F(MagLimite, ChoosingAnAreaCentresTheChartOnItWithItsOutline) {
    form->sbZonas->setChecked(false);
    window->upArea->setValue(9);
    const SkyLabel& label = form->sky().numbers.at(9);
    EXPECT_EQ(form->view().CentreRA, label.RA);
    EXPECT_EQ(form->view().CentreDec, label.Dec);
    EXPECT_EQ(form->cbCarta->currentIndex(), 12);
    EXPECT_TRUE(form->sbZonas->isChecked());
    EXPECT_EQ(status(0), QStringLiteral("Centro (J2000): 163 +17"));
}

TEST_F(MagLimite, TheCountReadsTheTableAndSaysWhenItIsOutside) {
    window->upArea->setValue(9);
    window->upEstrellas->setValue(3);
    EXPECT_TRUE(window->lResultado->text().contains(QStringLiteral("<b>2.2</b>")));
    window->upEstrellas->setValue(0);
    EXPECT_TRUE(window->lResultado->text().startsWith(QStringLiteral("Menos estrellas")));
    EXPECT_TRUE(window->lResultado->text().contains(QStringLiteral("inferior a 1.3")));
    window->upEstrellas->setValue(46);
    EXPECT_TRUE(window->lResultado->text().contains(QStringLiteral("superior a 7.5")));
    window->upArea->setValue(1);
    window->upEstrellas->setValue(7);
    EXPECT_TRUE(window->lResultado->text().contains(QStringLiteral("<b>4.9</b>")));
}

TEST_F(MagLimite, MarkingAnAreaWritesEachStarAndClearingRestoresTheFile) {
    const auto original = dir.read("festrella");
    window->upArea->setValue(9);
    form->sbPintaMag->setChecked(false);
    window->bMarcarClick();
    const auto inside = StarsInArea(form->sky().stars, form->sky().triangles, 9);
    ASSERT_FALSE(inside.empty());
    for (int slot : inside) {
        EXPECT_EQ(form->sky().stars.at(slot).LabelMark, 1);
        EXPECT_EQ(markOnDisk(slot), 1) << slot;
    }
    EXPECT_TRUE(form->sbPintaMag->isChecked());
    EXPECT_TRUE(
        window->lMarcas->text().contains(QStringLiteral("%1 marcas escritas").arg(inside.size())));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    window->bBorrarClick();
    EXPECT_EQ(dir.read("festrella"), original);
}

TEST_F(MagLimite, AFailedWriteStopsWithASpanishErrorAndTheMemoryKeepsTheFile) {
    window->upArea->setValue(2);
    std::filesystem::remove(dir.file("festrella"));
    window->bMarcarClick();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("Se escribieron 0 marcas")));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("festrella")));
    for (int slot : StarsInArea(form->sky().stars, form->sky().triangles, 2))
        EXPECT_EQ(form->sky().stars.at(slot).LabelMark, 0);
}

TEST_F(MagLimite, TheMenuItemOpensTheWindowOnAreaOne) {
    form->Magnitudlimite1->trigger();
    EXPECT_EQ(dialogs.execs, 1);
    EXPECT_EQ(form->view().CentreRA, form->sky().numbers.at(1).RA);
    EXPECT_EQ(form->view().CentreDec, form->sky().numbers.at(1).Dec);
}
