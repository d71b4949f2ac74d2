#include "platform/Logo.h"
#include "platform/PictureFile.h"
#include "platform/QtCanvas.h"
#include "sky/Errors.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A 1200 dpi surface drawn through the painter, as a printer page is; its pixel format keeps the
// screen's own raster out.
class Paper {
  public:
    Paper() : image_(700, 12, QImage::Format_RGB888) {
        image_.fill(Qt::white);
        const int dotsPerMetre = static_cast<int>(1200 / 0.0254);
        image_.setDotsPerMeterX(dotsPerMetre);
        image_.setDotsPerMeterY(dotsPerMetre);
        canvas.begin(&image_);
    }
    QtCanvas canvas;
    bool black(int x, int y) {
        canvas.end();
        return image_.pixelColor(x, y) == QColor(Qt::black);
    }

  private:
    QImage image_;
};

} // namespace

// The screen's 18-on 6-off dashes and 3-on 3-off dots, as long on paper as on the screen: at
// 1200 dpi 225 and 75 device pixels, 37.5 and 37.5.
TEST(PaperPen, DashesAndDotsKeepTheirScreenLengthAtPrinterResolution) {
    const struct {
        PenStyle style;
        int inkAt, gapAt;
    } cases[] = {{PenStyle::Dash, 200, 260}, {PenStyle::Dot, 20, 55}};
    for (const auto& k : cases) {
        Paper p;
        p.canvas.pen = Pen{colors::Black, 1, k.style};
        p.canvas.MoveTo(0, 5);
        p.canvas.LineTo(690, 5);
        EXPECT_TRUE(p.black(k.inkAt, 5));
        EXPECT_FALSE(p.black(k.gapAt, 5));
    }
}

TEST(PictureFile, ANameEndingInPngIsSavedAsPng) {
    TempDir dir;
    QImage chart(30, 20, QImage::Format_RGB32);
    chart.fill(Qt::red);
    SavePicture(chart, dir.file("carta.png"));
    EXPECT_EQ(dir.read("carta.png").at(1), 'P');
    EXPECT_EQ(QImage(QString::fromStdString(dir.file("carta.png"))).pixelColor(3, 3),
              QColor(Qt::red));
}

TEST(PictureFile, AWriteIntoAMissingFolderSaysWhichFile) {
    TempDir dir;
    QImage chart(30, 20, QImage::Format_RGB32);
    const std::string target = dir.file("no-such-folder/carta.bmp");
    try {
        SavePicture(chart, target);
        FAIL() << "a write into a missing folder succeeded";
    } catch (const VelumbraError& e) {
        EXPECT_EQ(e.file(), target);
        EXPECT_NE(std::string(e.what()).find("No se pudo guardar"), std::string::npos);
    }
}

// Root writes anyway; the test also runs as an ordinary user.
TEST(PictureFile, AWriteRefusedByTheFolderLeavesTheOldFileWhole) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into a write-protected folder";
    TempDir dir;
    QImage chart(30, 20, QImage::Format_RGB32);
    chart.fill(Qt::blue);
    SavePicture(chart, dir.file("vieja.bmp"));
    const std::vector<unsigned char> before = dir.read("vieja.bmp");
    const QString folder = QString::fromStdString(dir.path());
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QImage bigger(400, 400, QImage::Format_RGB32);
    bigger.fill(Qt::green);
    EXPECT_THROW(SavePicture(bigger, dir.file("vieja.bmp")), VelumbraError);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(dir.read("vieja.bmp"), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1);
}

TEST(Logo, ReadFromTheDataFolderAndEmptyWhenMissingOrUnreadable) {
    const Bitmap shipped = LoadLogo(VELUMBRA_DATA_DIR);
    EXPECT_FALSE(shipped.empty());
    EXPECT_EQ(shipped.pixels.size(), static_cast<std::size_t>(shipped.width * shipped.height));
    TempDir dir;
    EXPECT_TRUE(LoadLogo(dir.path()).empty());
    dir.write("escudo.bmp", std::string("BM not really a bitmap"));
    EXPECT_TRUE(LoadLogo(dir.path()).empty());
}
