#include "output/ListingLines.h"
#include "tests/support/SkyFixtures.h"
#include "tests/windows/EverythingShown.h"
#include "tests/windows/FormFixture.h"

#include <QAction>
#include <QDialog>
#include <QRadioButton>
#include <QToolButton>

class SheetPrint : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        dialogs.execResult = QDialog::Accepted;
    }
    void chooseData() {
        impresion->rbDatos->setChecked(true);
        form->SpeedButton9Click();
    }
    std::size_t jobsTitled(const std::string& title) const {
        std::size_t n = 0;
        for (const auto& job : printer.jobs)
            n += job.title == title;
        return n;
    }
};

TEST_F(SheetPrint, DataChoicePrintsTheSheetOncePerCopy) {
    start();
    ShowEverything(*form);
    dialogs.copies = 2;
    chooseData();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    EXPECT_EQ(dialogs.printDialogs, 1);
    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(jobsTitled("Datos carta"), 2u);
    for (const auto& job : printer.jobs)
        EXPECT_EQ(job.copies, 1);

    dialogs.copies = 0;
    chooseData();
    EXPECT_EQ(printer.jobs.size(), 2u);
}

TEST_F(SheetPrint, NothingActiveIsSaidInsteadOfPrinted) {
    // Only the Perseids, which are not active on 1 March.
    Radiant perseids;
    perseids.Code = "PER";
    perseids.StartDay = 197;
    perseids.EndDay = 236;
    perseids.MaxDay = 224;
    perseids.DrawFlag = 1;
    dir.write("fradiante", RadiantFileBytes({perseids}));
    dir.write("fradter", RadiantFileBytes({}));
    start();
    form->upMes->setValue(3);
    form->upDia->setValue(1);
    form->Button3Click();
    form->sbRad->setChecked(true);
    form->sbRadClick();
    chooseData();
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_EQ(dialogs.printDialogs, 0);
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos[0].contains(QString::fromUtf8("está activo el 1 de Marzo")));
}

TEST_F(SheetPrint, ChoiceFallsBackToTheChartWhenNoRadiantsAreShown) {
    start();
    ShowEverything(*form);
    impresion->rbDatos->setChecked(true);
    form->sbRad->setChecked(false);
    form->sbRadTer->setChecked(false);
    form->sbRadClick();
    form->SpeedButton9Click();
    EXPECT_FALSE(impresion->rbDatos->isEnabled());
    EXPECT_TRUE(impresion->rbCarta->isChecked());
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].title, "Carta");
}

TEST_F(SheetPrint, ListingMenuItemsPrintOneJobPerConfirmation) {
    start();
    ASSERT_TRUE(form->RadiantesIMO1->isEnabled());
    ASSERT_TRUE(form->RadiantesdeTerentjeva2->isEnabled());
    dialogs.copies = 3;
    form->RadiantesIMO1->trigger();
    form->RadiantesdeTerentjeva2->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    ASSERT_EQ(printer.jobs.size(), 2u);
    for (const auto& job : printer.jobs) {
        EXPECT_EQ(job.title, "Radiantes");
        EXPECT_EQ(job.copies, 3);
    }
    const auto titleOf = [](const RecordingPrinter::Job& job) {
        for (const CanvasOp& op : job.pages.at(0).items)
            if (op.kind == CanvasOp::Text && op.font.size == 10)
                return op.text;
        return std::string();
    };
    EXPECT_EQ(titleOf(printer.jobs[0]), ListingHeading(ListingKind::Imo).title);
    EXPECT_EQ(titleOf(printer.jobs[1]), ListingHeading(ListingKind::Terentjeva).title);

    dialogs.copies = 0;
    form->RadiantesIMO1->trigger();
    EXPECT_EQ(printer.jobs.size(), 2u);
}
