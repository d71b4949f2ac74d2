#include "tests/windows/FormFixture.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>

#include <filesystem>

using Startup = FormFixture;

TEST_F(Startup, ShowsChartOneWithTheStartingStatusTexts) {
    start();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    EXPECT_EQ(form->cbCarta->currentIndex(), 0);
    EXPECT_EQ(status(0), "Centro (J2000): 030 +56");
    EXPECT_EQ(status(1), "Mag: 7");
    EXPECT_EQ(status(2), "");
    EXPECT_EQ(status(3), "Zoom: 1");
    EXPECT_EQ(form->view().ChartSize, 450);
    EXPECT_EQ(form->view().GridStep, 90);
    EXPECT_EQ(form->sky().stars.count(), 15925);
}

TEST_F(Startup, LaysOutThePrintUnitFromThePortraitPageWidth) {
    start();
    EXPECT_EQ(printer.orientation, Printer::Orientation::Portrait);
    EXPECT_FLOAT_EQ(form->view().PrintUnit, 24.0f);
    EXPECT_EQ(form->view().PrintMargin, 120);
}

TEST_F(Startup, ButtonsStartInTheirDesignStates) {
    start();
    for (QToolButton* down :
         {form->sbCoord, form->sbConstelaciones, form->sbZonas, form->sbEstrellas})
        EXPECT_TRUE(down->isChecked()) << down->objectName().toStdString();
    for (QToolButton* up :
         {form->sbNombres, form->sbPintaMag, form->sbRad, form->sbRadTer, form->sbDesRad})
        EXPECT_FALSE(up->isChecked()) << up->objectName().toStdString();
    for (QToolButton* off : {form->sbMagMas, form->sbZMenos, form->sbRad, form->sbRadTer,
                             form->sbGoRad, form->SpeedButton1, form->SpeedButton4})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_FALSE(impresion->rbDatos->isEnabled());
    EXPECT_EQ(form->lbDesRad->count(), form->sky().radiants.count());
}

TEST_F(Startup, MissingFileStopsLoadingWithItsErrorAndLeavesTheChartUnselected) {
    std::filesystem::remove(dir.file("fnombre"));
    start();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith("File not found"));
    EXPECT_TRUE(dialogs.errors[0].contains("fnombre"));
    EXPECT_EQ(form->cbCarta->currentIndex(), -1);
    EXPECT_EQ(form->sky().stars.count(), 15925); // loaded before the failure
    EXPECT_EQ(form->sky().radiants.count(), 0);  // after it, never read
}

TEST_F(Startup, RunsOnlyOnce) {
    start();
    form->cbCarta->setCurrentIndex(4);
    form->cbCartaClick();
    form->FormActivate();
    EXPECT_EQ(form->cbCarta->currentIndex(), 4);
    EXPECT_EQ(status(0), "Centro (J2000): 210 +05");
}
