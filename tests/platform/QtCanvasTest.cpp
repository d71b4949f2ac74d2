#include "platform/QtCanvas.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// A white image with a canvas open on it; pixels read back after the painter ends.
class Surface {
  public:
    explicit Surface(int size = 20) : image_(size, size, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        canvas.begin(&image_);
    }
    QtCanvas canvas;
    bool black(int x, int y) {
        canvas.end();
        return image_.pixelColor(x, y) == QColor(Qt::black);
    }
    QColor at(int x, int y) {
        canvas.end();
        return image_.pixelColor(x, y);
    }
    int blackCount() {
        canvas.end();
        int n = 0;
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                n += image_.pixelColor(x, y) == QColor(Qt::black);
        return n;
    }

  private:
    QImage image_;
};

} // namespace

TEST(QtCanvas, LineToLeavesItsEndPixelUnpaintedInEveryDirection) {
    const std::pair<QPoint, QPoint> lines[] = {
        {{2, 5}, {12, 5}},  {{12, 5}, {2, 5}},  {{5, 2}, {5, 12}}, {{5, 12}, {5, 2}},
        {{2, 2}, {12, 12}}, {{12, 12}, {2, 2}}, {{2, 12}, {12, 2}}};
    for (auto [from, to] : lines) {
        Surface s;
        s.canvas.MoveTo(from.x(), from.y());
        s.canvas.LineTo(to.x(), to.y());
        EXPECT_TRUE(s.black(from.x(), from.y())) << from.x() << "," << from.y();
        EXPECT_FALSE(s.black(to.x(), to.y())) << to.x() << "," << to.y();
        EXPECT_EQ(s.blackCount(), 10)
            << from.x() << "," << from.y() << " -> " << to.x() << "," << to.y();
    }
}

TEST(QtCanvas, DottedAndDashedLinesLeaveRegularGaps) {
    Surface dotted(40);
    dotted.canvas.pen.style = PenStyle::Dot;
    dotted.canvas.MoveTo(0, 1);
    dotted.canvas.LineTo(12, 1);
    QString row;
    for (int x = 0; x < 13; ++x)
        row += dotted.black(x, 1) ? '#' : '.';
    EXPECT_EQ(row, "###...###....");

    Surface dashed(40);
    dashed.canvas.pen.style = PenStyle::Dash;
    dashed.canvas.MoveTo(0, 1);
    dashed.canvas.LineTo(30, 1);
    EXPECT_EQ(dashed.blackCount(), 18 + 6);
}

TEST(QtCanvas, LinesReachingOutsideTheImageKeepTheirInsidePixels) {
    Surface s(10);
    s.canvas.MoveTo(-30, 4);
    s.canvas.LineTo(30, 4); // crosses the whole image
    s.canvas.MoveTo(-30, -3);
    s.canvas.LineTo(40, -3); // wholly above it
    s.canvas.MoveTo(-7, 12);
    s.canvas.LineTo(12, -7); // a diagonal through a corner
    for (int x = 0; x < 10; ++x)
        EXPECT_TRUE(s.black(x, 4)) << x;
    EXPECT_TRUE(s.black(5, 0));
    EXPECT_TRUE(s.black(0, 5));
    EXPECT_EQ(s.blackCount(), 10 + 6 - 1);
}

TEST(QtCanvas, ClosedOutlineCoversEveryCornerOnce) {
    Surface s(10);
    s.canvas.MoveTo(0, 0);
    for (auto [x, y] : {std::pair{9, 0}, {9, 9}, {0, 9}, {0, 0}})
        s.canvas.LineTo(x, y);
    for (auto [x, y] : {std::pair{0, 0}, {9, 0}, {9, 9}, {0, 9}, {5, 0}, {9, 5}, {5, 9}, {0, 5}})
        EXPECT_TRUE(s.black(x, y)) << x << "," << y;
    EXPECT_EQ(s.blackCount(), 36);
}

TEST(QtCanvas, EllipseCoversItsBoxUpToButNotIncludingRightAndBottom) {
    for (int side = 2; side <= 9; ++side) {
        Surface s;
        s.canvas.brush = colors::Black;
        s.canvas.Ellipse(5, 5, 5 + side, 5 + side);
        int minX = 99, maxX = -1, minY = 99, maxY = -1;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if (s.black(x, y)) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
        EXPECT_EQ(minX, 5) << side;
        EXPECT_EQ(minY, 5) << side;
        EXPECT_EQ(maxX, 4 + side) << side;
        EXPECT_EQ(maxY, 4 + side) << side;
    }
}

TEST(QtCanvas, TextCellIsFilledWithTheBrush) {
    Surface s(60);
    s.canvas.brush = {0, 0, 255};
    s.canvas.font.face = "Arial";
    s.canvas.font.size = 8;
    const int w = s.canvas.TextWidth("42");
    const int h = s.canvas.TextHeight("42");
    EXPECT_GT(w, 4);
    EXPECT_GE(h, 10);
    s.canvas.TextOut(10, 10, "42");
    EXPECT_EQ(s.at(10, 10), QColor(0, 0, 255));
    EXPECT_EQ(s.at(10 + w - 1, 10 + h - 1), QColor(0, 0, 255));
    EXPECT_EQ(s.at(10 + w, 10 + h), QColor(Qt::white));
    EXPECT_EQ(s.at(9, 9), QColor(Qt::white));
}

TEST(QtCanvas, AttributesSurviveFromOnePaintingToTheNext) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas;
    canvas.begin(&image);
    canvas.pen.color = colors::Red;
    canvas.end();
    canvas.begin(&image);
    canvas.MoveTo(0, 5);
    canvas.LineTo(9, 5);
    canvas.end();
    EXPECT_EQ(image.pixelColor(3, 5), QColor(Qt::red));
}

// On the screen raster a label is written from the pixels Qt painted for it once; on any other
// surface Qt paints it each time. Both give the same pixels, also for a label the edge cuts.
TEST(QtCanvas, ScreenLabelsAreThePixelsQtPaints) {
    struct Case {
        const char* face;
        int size;
        bool bold;
        Color color;
        int x, y;
        const char* text;
    };
    const Case cases[] = {
        {"Arial", 8, true, colors::Black, 10, 10, "PER"},
        {"MS Sans Serif", 8, false, colors::Green, 30, 40, "12-8"},
        {"Arial", 5, false, colors::Red, -6, 50, "ETA"},
        {"Arial", 8, true, colors::Black, 70, -4, "T12"},
        {"DejaVu Sans Condensed", 7, true, colors::Blue, 55, 70, "17"},
        {"Arial", 8, false, colors::Black, 40, 88, "Gem\xEDnidas"},
    };
    for (const Case& c : cases) {
        QImage screen(100, 100, QImage::Format_RGB32);
        QImage other(100, 100, QImage::Format_RGB888);
        for (QImage* image : {&screen, &other}) {
            image->fill(Qt::white);
            QtCanvas canvas;
            canvas.begin(image);
            canvas.font = Font{c.face, c.size, c.bold, c.color};
            canvas.brush = {255, 255, 200};
            canvas.TextOut(c.x, c.y, c.text);
            canvas.end();
        }
        int inked = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                ASSERT_EQ(screen.pixelColor(x, y), other.pixelColor(x, y))
                    << c.text << " at " << x << "," << y;
                inked += screen.pixelColor(x, y) == QColor(c.color.r, c.color.g, c.color.b);
            }
        EXPECT_GT(inked, 8) << c.text;
    }
}
