#include "tests/windows/EverythingShown.h"
#include "tests/windows/FormFixture.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

// The texts of each page, in drawing order.
std::vector<std::vector<std::string>> pageTexts(const RecordingPrinter& printer) {
    std::vector<std::vector<std::string>> pages;
    for (const auto& job : printer.jobs)
        for (const auto& page : job.pages) {
            pages.emplace_back();
            for (const CanvasOp& op : page.items)
                if (op.kind == CanvasOp::Text)
                    pages.back().push_back(op.text);
        }
    return pages;
}

} // namespace

class Preview : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        start();
        ShowEverything(*form);
        dialogs.execResult = TFImpresion::Preview;
    }
};

TEST_F(Preview, EachPrintoutIsPreviewedAsItPrintsAndImprimirGoesOnToTheDialog) {
    struct Case {
        QRadioButton* TFImpresion::*choice;
        const char* title;
        Printer::Orientation orientation;
    };
    for (const Case& c :
         {Case{&TFImpresion::rbCarta, "Carta", Printer::Orientation::Landscape},
          Case{&TFImpresion::rbDatos, "Datos carta", Printer::Orientation::Portrait},
          Case{&TFImpresion::rbListado, "Radiantes", Printer::Orientation::Portrait},
          Case{&TFImpresion::rbListadoTer, "Radiantes", Printer::Orientation::Portrait}}) {
        SCOPED_TRACE((impresion.get()->*c.choice)->text().toStdString());
        printer.jobs.clear();
        dialogs.previewed.jobs.clear();
        dialogs.printDialogs = 0;
        dialogs.previewPrints = true;
        (impresion.get()->*c.choice)->setChecked(true);
        form->Vistaprevia1->trigger();
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
        EXPECT_EQ(dialogs.printDialogs, 1);
        ASSERT_EQ(dialogs.previewed.jobs.size(), 1u);
        ASSERT_EQ(printer.jobs.size(), 1u);
        EXPECT_EQ(printer.jobs[0].title, c.title);
        EXPECT_EQ(dialogs.previewed.jobs[0].title, c.title);
        EXPECT_EQ(dialogs.previewed.jobs[0].orientation, c.orientation);
        const auto shown = pageTexts(dialogs.previewed);
        EXPECT_GE(shown.size(), 1u);
        EXPECT_EQ(shown, pageTexts(printer));

        // Closed without "Imprimir": nothing printed, no print dialog.
        printer.jobs.clear();
        dialogs.previewPrints = false;
        form->Vistaprevia1->trigger();
        EXPECT_EQ(dialogs.printDialogs, 1);
        EXPECT_TRUE(printer.jobs.empty());
    }
}

TEST_F(Preview, TheListingsAreOfferedFromTheMenuOnlyAndThePrintButtonCanPreviewToo) {
    impresion->rbListadoTer->setChecked(true);
    form->Vistaprevia1->trigger();
    EXPECT_FALSE(impresion->rbListadoTer->isHidden());
    EXPECT_TRUE(impresion->bVistaPrevia->isDefault());

    // The print button's dialog as it always was, its preview button beside "Aceptar".
    dialogs.previewed.jobs.clear();
    form->SpeedButton9Click();
    EXPECT_TRUE(impresion->rbListadoTer->isHidden());
    EXPECT_EQ(impresion->size(), QSize(298, 101));
    ASSERT_EQ(dialogs.previewed.jobs.size(), 1u);
    EXPECT_EQ(dialogs.previewed.jobs[0].title, "Carta");
}
