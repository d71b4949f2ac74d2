#include "platform/QtPrinter.h"
#include "render/Canvas.h"
#include "tests/support/TempDir.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

// A portrait page after a landscape one in the same PDF is drawn to its own foot: the clip of
// the first page must not cut the second.
TEST(PageTurn, APortraitPageAfterALandscapeOneIsDrawnWhole) {
    TempDir dir;
    const QString pdf = QString::fromStdString(dir.file("turn.pdf"));
    {
        QtPrinter printer(pdf);
        printer.setOrientation(Printer::Orientation::Landscape);
        printer.beginDoc();
        printer.setOrientation(Printer::Orientation::Portrait);
        printer.newPage();
        Canvas& c = printer.canvas();
        c.brush = colors::Black;
        // A band across the bottom tenth of the portrait page, below the landscape height.
        c.FillRect(0, printer.pageHeight() * 9 / 10, printer.pageWidth(), printer.pageHeight());
        printer.endDoc();
    }
    const QString png = QString::fromStdString(dir.file("page"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-f"),
                                 QStringLiteral("2"), QStringLiteral("-singlefile"),
                                 QStringLiteral("-png"), pdf, png}),
              0);
    const QImage page(png + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    ASSERT_LT(page.width(), page.height()) << "the second page is portrait";
    const int y = page.height() * 19 / 20;
    EXPECT_EQ(page.pixelColor(page.width() / 2, y), QColor(Qt::black));
}
