#include "tests/windows/FormFixture.h"
#include "windows/UAcercade.h"

#include <QComboBox>
#include <QToolButton>

class Navigation : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        start();
    }
    void freeCentreAt(int ra, int dec) {
        form->SpeedButton8Click();
        form->view().CentreRA = ra;
        form->view().CentreDec = dec;
    }
    void setStep(const char* step) {
        while (form->SBEscala->text() != step)
            form->SBEscalaClick();
    }
};

TEST_F(Navigation, RightAscensionFoldsButKeeps360) {
    freeCentreAt(350, 0);
    setStep("25");
    form->SpeedButton4Click();
    EXPECT_EQ(form->view().CentreRA, 15);

    freeCentreAt(10, 0);
    form->SpeedButton2Click();
    EXPECT_EQ(form->view().CentreRA, 345);

    freeCentreAt(350, 0);
    setStep("10");
    form->SpeedButton4Click();
    EXPECT_EQ(form->view().CentreRA, 360);
    EXPECT_EQ(status(0), "Centro (J2000): 360 +00");
}

TEST_F(Navigation, DeclinationClampsAtThePoles) {
    setStep("25");
    freeCentreAt(0, 80);
    form->SpeedButton3Click();
    EXPECT_EQ(form->view().CentreDec, 90);
    freeCentreAt(0, -80);
    form->SpeedButton1Click();
    EXPECT_EQ(form->view().CentreDec, -90);
    EXPECT_EQ(status(0), "Centro (J2000): 000 -90");
}

TEST_F(Navigation, StepCyclesTenTwentyFiveOne) {
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        seen << form->SBEscala->text();
        form->SBEscalaClick();
    }
    EXPECT_EQ(seen, QStringList({"10", "25", "1", "10"}));
}

TEST_F(Navigation, ArrowsOnAStandardChartMoveFromItsCentre) {
    form->cbCarta->setCurrentIndex(7);
    form->cbCartaClick();
    EXPECT_EQ(status(0), "Centro (J2000): 151 -05");
    EXPECT_FALSE(form->SpeedButton4->isEnabled());
    form->SpeedButton8Click();
    EXPECT_TRUE(form->SpeedButton4->isEnabled());
    EXPECT_EQ(form->cbCarta->currentIndex(), 12);
    form->SpeedButton4Click();
    EXPECT_EQ(form->view().CentreRA, 161);
    EXPECT_EQ(form->view().CentreDec, -5);
}

TEST_F(Navigation, ZoomingOffAStandardChartFreesItAndDropsTheGrid) {
    form->sbZMasClick();
    EXPECT_EQ(form->cbCarta->currentIndex(), 12);
    EXPECT_EQ(form->cbCarta->currentText(), "  ----");
    EXPECT_FALSE(form->sbCoord->isChecked());
    EXPECT_FALSE(form->sbCoord->isEnabled());
    EXPECT_TRUE(form->SpeedButton1->isEnabled());
    EXPECT_EQ(status(0), "Centro (J2000): 030 +56");
    EXPECT_EQ(status(3), "Zoom: 2");

    for (int i = 0; i < 3; ++i)
        form->sbZMasClick();
    EXPECT_EQ(form->view().ZoomLevel, 5);
    EXPECT_FALSE(form->sbZMas->isEnabled());

    for (int i = 0; i < 4; ++i)
        form->sbZMenosClick();
    EXPECT_EQ(form->view().ZoomLevel, 1);
    EXPECT_FALSE(form->sbZMenos->isEnabled());
    EXPECT_TRUE(form->sbCoord->isEnabled());
    EXPECT_FALSE(form->sbCoord->isChecked()); // back at zoom 1 the grid stays off
}

TEST_F(Navigation, ChoosingFreeItemWhileZoomedResetsZoomAndKeepsCentre) {
    form->sbZMasClick();
    form->sbZMasClick();
    form->cbCarta->setCurrentIndex(12);
    form->cbCartaClick();
    EXPECT_EQ(form->view().ZoomLevel, 1);
    EXPECT_TRUE(form->sbCoord->isChecked());
    EXPECT_EQ(form->view().CentreRA, 30);
    EXPECT_EQ(form->view().CentreDec, 56);
    EXPECT_TRUE(form->SpeedButton2->isEnabled());
}

TEST_F(Navigation, MagnitudeButtonsKeepTheLimitInRange) {
    for (int i = 0; i < 7; ++i)
        form->sbMagMenosClick();
    EXPECT_EQ(form->view().MagLimit, 0);
    EXPECT_FALSE(form->sbMagMenos->isEnabled());
    EXPECT_TRUE(form->sbMagMas->isEnabled());
    EXPECT_EQ(status(1), "Mag: 0");
    form->sbMagMasClick();
    EXPECT_TRUE(form->sbMagMenos->isEnabled());
}

TEST_F(Navigation, ClickingTheCentrePixelKeepsTheCentreAndFreesTheChart) {
    form->PaintBox1MouseUp(225, 225);
    EXPECT_EQ(form->view().CentreRA, 30);
    EXPECT_EQ(form->view().CentreDec, 56);
    EXPECT_EQ(form->cbCarta->currentIndex(), 12);
}

TEST_F(Navigation, ClickRecentresOnTheClickedPointAndKeepsZoom) {
    form->sbZMasClick();
    form->PaintBox1MouseUp(225, 100); // north of the centre
    EXPECT_GT(form->view().CentreDec, 56);
    EXPECT_EQ(form->view().ZoomLevel, 2);
}

TEST_F(Navigation, GridLayoutFollowsTheChart) {
    form->cbCarta->setCurrentIndex(4);
    form->cbCartaClick();
    EXPECT_EQ(GridLetterFor(form->cbCarta->currentIndex()), 'V');
    EXPECT_EQ(GridLetterFor(6), 'H');
    EXPECT_EQ(GridLetterFor(12), 'O');
}

TEST_F(Navigation, AboutButtonShowsTheAboutBoxModally) {
    TAboutBox about(dir.path());
    form->AboutBox = &about;
    form->SpeedButton7Click();
    EXPECT_EQ(dialogs.execs, 1);
    EXPECT_EQ(about.windowTitle(), "Acerca de Velumbra");
}
