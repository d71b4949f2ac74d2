#include "tests/windows/EverythingShown.h"
#include "tests/windows/FormFixture.h"

#include "platform/ChartView.h"

#include <QFile>
#include <QImage>

namespace {

// Rows [from, to) of two pictures are the same.
bool sameRows(const QImage& a, const QImage& b, int from, int to) {
    for (int y = from; y < to; ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

} // namespace

class SavePicture : public FormFixture {
  protected:
    QImage screen() const {
        return form->PaintBox1->buffer().convertToFormat(QImage::Format_RGB32);
    }
    QImage saved(const std::string& name) const {
        return QImage(QString::fromStdString(dir.file(name))).convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(SavePicture, ABareNameIsSavedAsABitmapWithTheCaptionAndTheScreenKeepsNone) {
    start();
    dialogs.pictureNames = {dir.file("carta")};
    form->SpeedButton5Click();
    ASSERT_TRUE(QFile::exists(QString::fromStdString(dir.file("carta.bmp"))));
    EXPECT_EQ(dir.read("carta.bmp").at(0), 'B');
    const QImage picture = saved("carta.bmp");
    ASSERT_EQ(picture.size(), QSize(450, 450));
    const QImage shown = screen();
    // The chart down to the caption as on the screen; the centre and offset lines differ; no
    // radiants, so the date line's place shows the chart.
    EXPECT_TRUE(sameRows(picture, shown, 0, 420));
    EXPECT_FALSE(sameRows(picture, shown, 420, 435));
    EXPECT_FALSE(sameRows(picture, shown, 435, 447));
    form->RedrawChart();
    EXPECT_TRUE(sameRows(shown, screen(), 0, 450));
}

TEST_F(SavePicture, TwoSavesOfTwoViewsGiveTwoFilesWithTheirOwnCaptions) {
    start();
    dialogs.pictureNames = {dir.file("uno.bmp"), dir.file("cinco.bmp")};
    form->SpeedButton5Click();
    const QImage chart1 = screen();
    ChooseChart(*form, 4, 1);
    ShowEverything(*form);
    form->SpeedButton5Click();
    const QImage chart5 = screen();
    const QImage uno = saved("uno.bmp");
    const QImage cinco = saved("cinco.bmp");
    EXPECT_TRUE(sameRows(uno, chart1, 0, 400));
    EXPECT_TRUE(sameRows(cinco, chart5, 0, 400));
    EXPECT_FALSE(sameRows(uno, cinco, 0, 400));
    // With radiants on, the date line is written too.
    EXPECT_FALSE(sameRows(cinco, chart5, 405, 418));
    EXPECT_FALSE(sameRows(uno, cinco, 420, 435));
}

TEST_F(SavePicture, ACancelledDialogWritesNothingAndAFailedWriteNamesTheFile) {
    start();
    const QImage before = screen();
    form->SpeedButton5Click();
    EXPECT_TRUE(dir.read("carta.bmp").empty());
    dialogs.pictureNames = {dir.file("falta/carta.bmp")};
    form->SpeedButton5Click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("falta/carta.bmp")));
    EXPECT_TRUE(sameRows(before, screen(), 0, 450));
}

TEST_F(SavePicture, AnSvgNameSavesTheVectorChart450PixelsWideWithItsLabelsAsText) {
    start();
    ShowEverything(*form);
    const QImage before = screen();
    dialogs.pictureNames = {dir.file("carta.svg")};
    form->SpeedButton5Click();
    const auto bytes = dir.read("carta.svg");
    const std::string svg(bytes.begin(), bytes.end());
    // 450 pixels at the 96 dpi browsers and Inkscape take.
    for (const char* text : {"<svg width=\"119.063mm\" height=\"119.063mm\"", ">PER<", ">CAS<",
                             ">Fecha de radiantes: 12 de Agosto<"})
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    EXPECT_TRUE(sameRows(before, screen(), 0, 450));
}
