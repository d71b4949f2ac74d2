#include "geometry/HitTest.h"
#include "geometry/Projection.h"
#include "platform/ChartView.h"
#include "tests/windows/FormFixture.h"

#include <QAction>
#include <QToolButton>

#include <filesystem>
#include <sys/resource.h>

class Marking : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        start();
    }
    // Screen pixel of the star in a slot on the current chart.
    QPoint pixelOf(int slot) const {
        const Star& s = form->sky().stars.at(slot);
        int x = 0, y = 0;
        EXPECT_TRUE(Project(form->view(), s.RA * kHundredthArcsecToDeg,
                            s.Dec * kHundredthArcsecToDeg, x, y));
        return {x, y};
    }
    // A bright star near the centre of chart 1: Mirfak, HIP 15863.
    int mirfak() const { return FindStar(form->sky().stars, 15863); }
};

TEST_F(Marking, ModeSwitchHoldsTheLabelsButton) {
    form->Dibujarmagnitud1Click();
    EXPECT_TRUE(form->view().MarkMode);
    EXPECT_TRUE(form->Dibujarmagnitud1->isChecked());
    EXPECT_TRUE(form->sbPintaMag->isChecked());
    EXPECT_FALSE(form->sbPintaMag->isEnabled());
    EXPECT_EQ(form->PaintBox1->cursor().shape(), Qt::CrossCursor);
    form->Dibujarmagnitud1Click();
    EXPECT_FALSE(form->view().MarkMode);
    EXPECT_FALSE(form->Dibujarmagnitud1->isChecked());
    EXPECT_TRUE(form->sbPintaMag->isEnabled());
    EXPECT_TRUE(form->sbPintaMag->isChecked());
    EXPECT_EQ(form->PaintBox1->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(Marking, ClickTogglesExactlyOneByteAndTwiceRestoresTheFile) {
    const auto original = dir.read("festrella");
    ASSERT_NE(mirfak(), 0);
    const QPoint p = pixelOf(mirfak());
    // Another star may share the pixel; the one the click picks is the one written.
    const int slot = NearestStar(form->view(), form->sky().stars, p.x(), p.y());
    EXPECT_EQ(pixelOf(slot), p);
    const std::size_t offset = form->sky().stars.at(slot).FilePos * 17u + 14u;
    form->Dibujarmagnitud1Click();
    form->PaintBox1MouseUp(p.x(), p.y());

    const auto marked = dir.read("festrella");
    ASSERT_EQ(marked.size(), original.size());
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (i == offset)
            continue;
        ASSERT_EQ(marked[i], original[i]) << "byte " << i;
    }
    EXPECT_EQ(marked[offset], original[offset] ^ 1);
    EXPECT_EQ(form->sky().stars.at(slot).LabelMark, 1);
    EXPECT_EQ(form->view().CentreRA, 30); // marking never moves the chart

    form->PaintBox1MouseUp(p.x(), p.y());
    EXPECT_EQ(dir.read("festrella"), original);
}

TEST_F(Marking, FailedWriteShowsTheErrorAndKeepsScreenAndFileAlike) {
    const QPoint p = pixelOf(mirfak());
    const int slot = NearestStar(form->view(), form->sky().stars, p.x(), p.y());
    form->Dibujarmagnitud1Click();
    std::filesystem::remove(dir.file("festrella"));
    form->PaintBox1MouseUp(p.x(), p.y());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith("No se encuentra el archivo"));
    EXPECT_EQ(form->sky().stars.at(slot).LabelMark, 0);
}

TEST_F(Marking, AWriteBeyondTheFileSizeLimitIsReportedAndTheProgramGoesOn) {
    const auto original = dir.read("festrella");
    const QPoint p = pixelOf(mirfak());
    const int slot = NearestStar(form->view(), form->sky().stars, p.x(), p.y());
    ASSERT_GT(form->sky().stars.at(slot).place, 0);
    form->Dibujarmagnitud1Click();
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit low = previous;
    low.rlim_cur = kStarRecordSize; // below the record's place in the file
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &low), 0);
    form->PaintBox1MouseUp(p.x(), p.y());
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &previous), 0);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Error de escritura en disco"));
    EXPECT_EQ(form->sky().stars.at(slot).LabelMark, 0);
    EXPECT_EQ(dir.read("festrella"), original);
}
