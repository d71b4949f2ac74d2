#include "platform/NightMode.h"
#include "tests/windows/FormFixture.h"
#include "windows/UPlanNoche.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>

namespace {

// Pixels of any colour but the night's reds: white, greys, the day's colours. The style's bevels
// lay a faint white over their edges at night too, which stays below this.
int notRed(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += qGreen(c) > 48 || qBlue(c) > 48;
        }
    return n;
}

} // namespace

class NightMode : public FormFixture {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Velumbra"), QStringLiteral("Velumbra")).clear();
        FormFixture::SetUp();
        start();
        form->show();
    }
    void TearDown() override {
        // The palette and style are the whole program's: the next test starts in daylight.
        ShowNightMode(false, *form);
        FormFixture::TearDown();
    }
    // The widget once the palette change posted to every widget has reached it.
    QImage shot(QWidget& w) {
        QApplication::processEvents();
        return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

// Saved pictures keep their colours: they draw on a canvas of their own.
TEST_F(NightMode, EveryWindowTurnsRedOnBlackAndBackPixelForPixelButNotThePictures) {
    const QImage day = shot(*form);
    const QImage dayDialog = shot(*impresion);
    ASSERT_GT(notRed(day), 1000);
    dialogs.pictureNames = {dir.file("dia.png"), dir.file("noche.png")};
    form->SpeedButton5Click();
    form->Modonocturno1->trigger();
    EXPECT_TRUE(RememberedNightMode());
    EXPECT_EQ(notRed(shot(*form)), 0);
    EXPECT_EQ(notRed(shot(*impresion)), 0);
    TFPlanNoche plan(form->sky().radiants, 12, 8, dialogs);
    plan.eLatitud->setText(QStringLiteral("40.4"));
    plan.eLongitud->setText(QStringLiteral("-3.7"));
    plan.bCalcularClick();
    plan.findChild<QTabWidget*>()->setCurrentIndex(1);
    plan.resize(820, 640);
    EXPECT_EQ(notRed(shot(plan)), 0);
    form->SpeedButton5Click();
    const QImage night(QString::fromStdString(dir.file("noche.png")));
    EXPECT_GT(notRed(night.convertToFormat(QImage::Format_RGB32)), 100000); // white paper
    EXPECT_EQ(night, QImage(QString::fromStdString(dir.file("dia.png"))));
    form->Modonocturno1->trigger();
    EXPECT_FALSE(RememberedNightMode());
    EXPECT_EQ(shot(*form), day);
    EXPECT_EQ(shot(*impresion), dayDialog);
}
