#include "platform/ChartView.h"
#include "tests/windows/EverythingShown.h"
#include "tests/windows/FormFixture.h"

#include <QImage>

// Redraws must stay pixel for pixel what they were when the reference images were made; speed
// work on the canvas or the layers may not change a single pixel. With VELUMBRA_WRITE_REFERENCE
// set, the images are written instead (only when a visible change is intended).
class ReferenceImage : public FormFixture {
  protected:
    void expectMatches(const char* name) {
        const QString path = QStringLiteral(VELUMBRA_REFERENCE_DIR "/") + name + ".png";
        const QImage& drawn = form->PaintBox1->buffer();
        if (qEnvironmentVariableIsSet("VELUMBRA_WRITE_REFERENCE")) {
            ASSERT_TRUE(drawn.save(path));
            return;
        }
        const QImage reference = QImage(path).convertToFormat(drawn.format());
        ASSERT_FALSE(reference.isNull()) << path.toStdString();
        ASSERT_EQ(reference.size(), drawn.size());
        int differing = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                differing += drawn.pixel(x, y) != reference.pixel(x, y);
        EXPECT_EQ(differing, 0) << name;
    }
};

TEST_F(ReferenceImage, ChartOneWithEverythingShown) {
    start();
    ShowEverything(*form);
    ChooseChart(*form, 0, 1);
    form->RedrawChart();
    expectMatches("chart1-everything");
}

TEST_F(ReferenceImage, ZoomedChartWithMarkedStars) {
    start();
    ShowEverything(*form);
    ChooseChart(*form, 8, 3);
    form->Dibujarmagnitud1Click();
    for (auto [x, y] : {std::pair{225, 225}, {100, 300}, {300, 120}, {40, 40}})
        form->PaintBox1MouseUp(x, y);
    expectMatches("chart9-zoom3-marks");
}

TEST_F(ReferenceImage, DefaultChartFive) {
    start();
    ChooseChart(*form, 4, 1);
    expectMatches("chart5-default");
}
