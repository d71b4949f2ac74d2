#include "output/ChartPage.h"
#include "tests/windows/EverythingShown.h"
#include "tests/windows/FormFixture.h"

#include <QDialog>
#include <QFile>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {

std::vector<CanvasOp> ofKind(const std::vector<CanvasOp>& items, CanvasOp::Kind kind) {
    std::vector<CanvasOp> out;
    std::copy_if(items.begin(), items.end(), std::back_inserter(out),
                 [kind](const CanvasOp& op) { return op.kind == kind; });
    return out;
}

bool hasText(const std::vector<CanvasOp>& items, const std::string& text) {
    return std::any_of(items.begin(), items.end(), [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Text && op.text == text;
    });
}

} // namespace

class Printing : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        dialogs.execResult = QDialog::Accepted;
    }
    void onlyGrid() {
        for (QToolButton* b :
             {form->sbConstelaciones, form->sbNombres, form->sbZonas, form->sbEstrellas,
              form->sbPintaMag, form->sbRad, form->sbRadTer, form->sbDesRad})
            b->setChecked(false);
    }
    const std::vector<CanvasOp>& page(std::size_t job = 0) {
        return printer.jobs.at(job).pages.at(0).items;
    }
};

TEST_F(Printing, CancellingEitherDialogPrintsNothing) {
    start();
    dialogs.execResult = QDialog::Rejected;
    form->SpeedButton9Click();
    EXPECT_EQ(dialogs.printDialogs, 0);
    dialogs.execResult = QDialog::Accepted;
    dialogs.copies = 0;
    form->SpeedButton9Click();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(Printing, EachCopyIsItsOwnIdenticalJobForAnyCountTheDialogAllows) {
    start();
    dialogs.copies = 3;
    form->SpeedButton9Click();
    ASSERT_EQ(printer.jobs.size(), 3u);
    for (const auto& job : printer.jobs) {
        EXPECT_TRUE(job.ended);
        EXPECT_EQ(job.pages.size(), 1u);
        EXPECT_EQ(job.pages[0].items.size(), page(0).size());
    }
    EXPECT_GT(ofKind(page(0), CanvasOp::Ellipse).size(), 1000u); // the catalogue's stars

    printer.jobs.clear();
    onlyGrid();
    dialogs.copies = 300;
    form->SpeedButton9Click();
    EXPECT_EQ(printer.jobs.size(), 300u);
}

TEST_F(Printing, GridLayoutFollowsTheChartSelector) {
    start();
    struct Case {
        int chart;
        std::size_t vertical, horizontal;
    };
    for (const Case k : {Case{4, 5, 4}, Case{7, 4, 5}, Case{12, 4, 4}}) {
        ChooseChart(*form, k.chart, 1);
        if (k.chart == 12)
            form->PaintBox1MouseUp(225, 225); // the free centre
        onlyGrid();
        form->sbCoord->setChecked(true);
        printer.jobs.clear();
        form->SpeedButton9Click();
        std::size_t vertical = 0;
        std::size_t horizontal = 0;
        for (const CanvasOp& line : ofKind(page(), CanvasOp::Line)) {
            if (line.pen.width != 1)
                continue;
            vertical += line.x1 == line.x2;
            horizontal += line.y1 == line.y2;
        }
        EXPECT_EQ(vertical, k.vertical) << "chart index " << k.chart;
        EXPECT_EQ(horizontal, k.horizontal) << "chart index " << k.chart;
    }
}

// Started on a 1200 dpi A4 printer, printed on Letter at 600 dpi chosen in the dialog.
TEST_F(Printing, TheColumnIsMeasuredOnThePaperChosenInTheDialog) {
    printer.width = 9583;
    printer.height = 13546;
    start();
    EXPECT_EQ(form->view().PrintMargin, 240);
    dialogs.onPrintDialog = [](Printer& p) {
        auto& recording = static_cast<RecordingPrinter&>(p);
        recording.width = 5100;
        recording.height = 6600;
    };
    form->SpeedButton9Click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].pageWidth, 6600);
    // The job measured its own copy of the view; the chart on screen keeps its own.
    EXPECT_EQ(form->view().PrintMargin, 240);
    const std::vector<CanvasOp> logo = ofKind(page(), CanvasOp::Picture);
    ASSERT_EQ(logo.size(), 1u);
    EXPECT_EQ(logo[0].x1, 5109); // Round(200 x 25.495 + 10)
    for (const CanvasOp& text : ofKind(page(), CanvasOp::Text))
        EXPECT_LT(text.x1, 6600) << text.text;
}

TEST_F(Printing, TheDateLineShowsTheDateControlsAndTheCentreItsSigns) {
    start();
    ChooseChart(*form, 7, 1); // chart 8: 151, -5
    form->sbFechaRadClick();
    form->upMes->setValue(8);
    form->upDia->setValue(12);
    form->Button3Click();
    form->SpeedButton9Click(); // both radiant buttons up: no date line
    form->sbRad->setChecked(true);
    form->sbRadClick();
    form->SpeedButton9Click();
    EXPECT_FALSE(hasText(page(0), "Fecha de radiantes: 12 de Agosto"));
    EXPECT_TRUE(hasText(page(1), "Fecha de radiantes: 12 de Agosto"));
    EXPECT_TRUE(hasText(page(1), "Centro de la carta (J2000).  AR: 151    DEC: -5"));
    EXPECT_EQ(printer.jobs[0].title, "Carta");
}

TEST_F(Printing, TheLogoComesFromTheDataFolderWhereverTheProgramRuns) {
    start();
    QDir::setCurrent(QDir::tempPath());
    form->SpeedButton9Click();
    EXPECT_EQ(ofKind(page(0), CanvasOp::Picture).size(), 1u);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(dir.file("escudo.bmp"))));
    form->SpeedButton9Click();
    EXPECT_TRUE(ofKind(page(1), CanvasOp::Picture).empty());
    EXPECT_EQ(page(1).size() + 1, page(0).size());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}
