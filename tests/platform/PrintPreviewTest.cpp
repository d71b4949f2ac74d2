#include "platform/PrintPreview.h"
#include "geometry/Calendar.h"
#include "output/ActiveSheet.h"
#include "output/ChartPage.h"
#include "output/Listing.h"
#include "output/ObservationReport.h"
#include "output/PlanPage.h"
#include "platform/Dialogs.h"
#include "platform/PdfFile.h"
#include "tests/support/ObservationFixtures.h"
#include "tests/support/PlanFixtures.h"
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The text of each page of a PDF file, its spacing left out.
QStringList pdfPages(const QString& file) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QChar('\f'));
    pages.removeLast(); // after the last page's form feed
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

// Each page the preview shows, painted as on a screen, on a page of its own in a PDF file;
// whether the first is wider than high.
bool renderPreview(PrintPreview& preview, const QString& file) {
    auto* view = preview.findChild<QPrintPreviewWidget*>()->findChild<QGraphicsView*>();
    QList<QGraphicsItem*> pages = view->scene()->items(Qt::AscendingOrder);
    pages.removeIf([](QGraphicsItem* item) { return item->parentItem() != nullptr; });
    std::sort(pages.begin(), pages.end(), [](QGraphicsItem* a, QGraphicsItem* b) {
        return a->sceneBoundingRect().top() < b->sceneBoundingRect().top();
    });
    QPdfWriter pdf(file);
    pdf.setResolution(96);
    QPainter painter;
    for (QGraphicsItem* page : pages) {
        // A page the view keeps as a bitmap would lose its text.
        page->setCacheMode(QGraphicsItem::NoCache);
        const QSizeF inches = page->sceneBoundingRect().size() / preview.printer()->resolution();
        pdf.setPageSize(QPageSize(inches * 72.0, QPageSize::Point));
        if (!painter.isActive())
            painter.begin(&pdf);
        else
            pdf.newPage();
        view->scene()->render(&painter, QRectF(QPointF(), inches * 96), page->sceneBoundingRect());
    }
    return pages.front()->boundingRect().width() > pages.front()->boundingRect().height();
}

class PrintPreviewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadSky(sky, VELUMBRA_DATA_DIR);
        ChartOptions& o = sources.options;
        o.names = o.labels = o.imoRadiants = o.terRadiants = true;
        o.radiantDate = DayOfYear(12, 8);
    }
    SkyData sky;
    ViewState view = ViewAt(30, 56);
    PrintSources sources{sky, view, {}, 12, 8, {}};
    TempDir dir;
};

} // namespace

TEST_F(PrintPreviewTest, EveryPrintoutIsPreviewedWithThePagesAndTextsOfItsPdf) {
    const PlanRequest night = PerseidsNightFromMadrid();
    const NightPlan plan = MakeNightPlan(sky.radiants, night);
    const Observation observed = PerseidObservationFromMadrid();
    const std::string data = VELUMBRA_DATA_DIR;
    const std::tuple<const char*, std::function<void(Printer&)>, bool> printouts[] = {
        {"carta", [&](Printer& p) { PrintChartPage(p, sources); }, true},
        {"datos", [&](Printer& p) { PrintActiveSheet(p, sources); }, false},
        {"imo", [&](Printer& p) { PrintListingPages(ListingKind::Imo, p, sources, data); }, false},
        {"ter", [&](Printer& p) { PrintListingPages(ListingKind::Terentjeva, p, sources, data); },
         false},
        {"plan", [&](Printer& p) { PrintNightPlan(p, plan, night, {}); }, false},
        {"informe",
         [&](Printer& p) { PrintObservationReport(p, observed, ComputeRates(observed), {}); },
         false},
    };
    for (const auto& [name, print, landscape] : printouts) {
        SCOPED_TRACE(name);
        const QString printed = QString::fromStdString(dir.file(name)) + ".pdf";
        const QString shown = QString::fromStdString(dir.file(name)) + "-vista.pdf";
        WritePdfFile(printed, [&](Printer& p) { return print(p), true; });
        QtPrinter paper{QString()};
        PrintPreview preview(paper, print);
        preview.build();
        EXPECT_EQ(renderPreview(preview, shown), landscape);
        const QStringList expected = pdfPages(printed);
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(preview.findChild<QPrintPreviewWidget*>()->pageCount(), expected.size());
        EXPECT_EQ(pdfPages(shown), expected);
    }
}

TEST_F(PrintPreviewTest, ImprimirClosesThePreviewAndAFailureIsRaisedAfterIt) {
    const QString pdf = QString::fromStdString(dir.file("carta.pdf"));
    QtPrinter paper(pdf);
    QtDialogs dialogs;
    // The preview opens no dialog of its own (Qt's printing would ask for a printer first):
    // any is refused and counted, so the test cannot wait forever.
    int ownDialogs = 0;
    QTimer watch;
    watch.callOnTimeout([&ownDialogs] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d && !qobject_cast<QPrintPreviewDialog*>(d)) {
            ++ownDialogs;
            d->reject();
        }
    });
    watch.start(200);
    for (const bool print : {true, false}) {
        int drawn = 0;
        QTimer::singleShot(0, [print] {
            QWidget* preview = QApplication::activeModalWidget();
            const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
            for (QAction* a : preview->findChildren<QAction*>())
                if (a->text() == text && print)
                    a->trigger();
            preview->close();
        });
        EXPECT_EQ(
            dialogs.printPreview(paper, [&](Printer& p) { ++drawn, PrintChartPage(p, sources); }),
            print);
        EXPECT_EQ(drawn, 1);
    }
    EXPECT_EQ(ownDialogs, 0);
    EXPECT_FALSE(QFile::exists(pdf));
    const auto missing = [&](Printer& p) {
        PrintListingPages(ListingKind::Imo, p, sources, dir.path());
    };
    EXPECT_THROW(dialogs.printPreview(paper, missing), VelumbraError);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
