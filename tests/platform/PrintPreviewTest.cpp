#include "platform/PrintPreview.h"
#include "geometry/Calendar.h"
#include "output/ActiveSheet.h"
#include "output/ChartPage.h"
#include "output/Listing.h"
#include "output/ObservationReport.h"
#include "output/PlanPage.h"
#include "platform/Dialogs.h"
#include "platform/Logo.h"
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

#include <algorithm>

namespace {

// The text of each page of a PDF file, its spacing left out.
std::vector<std::string> pdfPages(const QString& file) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(60000));
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    std::vector<std::string> texts;
    for (const QString& page : pages)
        texts.push_back(page.simplified().toStdString());
    return texts;
}

// The pages the preview shows, top to bottom.
std::vector<QGraphicsItem*> previewPages(PrintPreview& preview) {
    const auto* view = preview.findChild<QPrintPreviewWidget*>()->findChild<QGraphicsView*>();
    std::vector<QGraphicsItem*> pages;
    for (QGraphicsItem* item : view->scene()->items())
        if (!item->parentItem())
            pages.push_back(item);
    std::sort(pages.begin(), pages.end(), [](QGraphicsItem* a, QGraphicsItem* b) {
        return a->sceneBoundingRect().top() < b->sceneBoundingRect().top();
    });
    return pages;
}

// Each page of the preview, as the preview paints it on a screen, on a page of its own in a
// PDF.
void renderPreview(PrintPreview& preview, const QString& file) {
    const auto pages = previewPages(preview);
    QPdfWriter pdf(file);
    const int screenDpi = 96;
    pdf.setResolution(screenDpi);
    QPainter painter;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // A page the view keeps as a bitmap of the screen would lose its text.
        pages[i]->setCacheMode(QGraphicsItem::NoCache);
        const QRectF area = pages[i]->sceneBoundingRect();
        const QSizeF inches = area.size() / preview.printer()->resolution();
        pdf.setPageSize(QPageSize(inches * 72.0, QPageSize::Point));
        if (i == 0)
            painter.begin(&pdf);
        else
            pdf.newPage();
        pages[i]->scene()->render(&painter, QRectF(QPointF(), inches * screenDpi), area);
    }
    painter.end();
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
    PrintSources sources{sky, view, {}, 12, 8, [] { return LoadLogo(VELUMBRA_DATA_DIR); }};
    TempDir dir;
};

} // namespace

TEST_F(PrintPreviewTest, EveryPrintoutIsPreviewedWithThePagesAndTextsOfItsPdf) {
    const PlanRequest night = PerseidsNightFromMadrid();
    const NightPlan plan = MakeNightPlan(sky.radiants, night);
    const Observation observation = PerseidObservationFromMadrid();
    const ObservationRates rates = ComputeRates(observation);
    struct Printout {
        const char* name;
        std::function<void(Printer&)> print;
        bool landscape;
    };
    const Printout printouts[] = {
        {"carta", [&](Printer& p) { PrintChartPage(p, sources); }, true},
        {"datos", [&](Printer& p) { PrintActiveSheet(p, sources); }, false},
        {"imo",
         [&](Printer& p) { PrintListingPages(ListingKind::Imo, p, sources, VELUMBRA_DATA_DIR); },
         false},
        {"terentjeva",
         [&](Printer& p) {
             PrintListingPages(ListingKind::Terentjeva, p, sources, VELUMBRA_DATA_DIR);
         },
         false},
        {"plan", [&](Printer& p) { PrintNightPlan(p, plan, night); }, false},
        {"informe",
         [&](Printer& p) { PrintObservationReport(p, observation, rates, sources.logo()); }, false},
    };
    for (const Printout& printout : printouts) {
        SCOPED_TRACE(printout.name);
        const QString printed = QString::fromStdString(dir.file(printout.name)) + ".pdf";
        const QString shown = QString::fromStdString(dir.file(printout.name)) + "-vista.pdf";
        ASSERT_TRUE(WritePdfFile(printed, [&](Printer& p) {
            printout.print(p);
            return true;
        }));
        QtPrinter paper{QString()};
        PrintPreview preview(paper, printout.print);
        preview.build();
        renderPreview(preview, shown);

        const auto expected = pdfPages(printed);
        ASSERT_FALSE(expected.empty());
        EXPECT_FALSE(expected.front().empty());
        EXPECT_EQ(preview.findChild<QPrintPreviewWidget*>()->pageCount(),
                  static_cast<int>(expected.size()));
        EXPECT_EQ(pdfPages(shown), expected);
        const QRectF first = previewPages(preview).front()->boundingRect();
        EXPECT_EQ(first.width() > first.height(), printout.landscape);
    }
}

TEST_F(PrintPreviewTest, ImprimirClosesThePreviewForThePrintDialogAndPrintsNothingItself) {
    const QString pdf = QString::fromStdString(dir.file("carta.pdf"));
    QtPrinter paper(pdf);
    QtDialogs dialogs;
    int drawn = 0;
    const auto page = [&](Printer& p) {
        ++drawn;
        PrintChartPage(p, sources);
    };
    for (const char* button : {"Print", "Close"}) {
        SCOPED_TRACE(button);
        drawn = 0;
        QTimer::singleShot(0, [button] {
            auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(preview);
            const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
            for (QAction* a : preview->findChildren<QAction*>())
                if (a->text() == print && std::string(button) == "Print")
                    a->trigger();
            preview->close();
        });
        EXPECT_EQ(dialogs.printPreview(paper, page), std::string(button) == "Print");
        EXPECT_EQ(drawn, 1);
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

TEST_F(PrintPreviewTest, AFailingPrintoutClosesThePreviewAndRaisesItsError) {
    QtPrinter paper{QString()};
    QtDialogs dialogs;
    const auto missing = [&](Printer& p) {
        PrintListingPages(ListingKind::Imo, p, sources, dir.path());
    };
    EXPECT_THROW(dialogs.printPreview(paper, missing), VelumbraError);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
