#include "tests/windows/EverythingShown.h"
#include "tests/windows/FormFixture.h"

#include <QPushButton>
#include <QRadioButton>

class Preview : public FormFixture {};

TEST_F(Preview, EachPrintoutIsPreviewedAndImprimirGoesOnToThePrintDialog) {
    start();
    ShowEverything(*form);
    dialogs.execResult = TFImpresion::Preview;
    const std::pair<QRadioButton * TFImpresion::*, const char*> choices[] = {
        {&TFImpresion::rbCarta, "Carta"},
        {&TFImpresion::rbDatos, "Datos carta"},
        {&TFImpresion::rbListado, "Radiantes"},
        {&TFImpresion::rbListadoTer, "Radiantes"}};
    for (const auto& [choice, title] : choices)
        for (const bool print : {true, false}) {
            printer.jobs.clear();
            dialogs.previewed.jobs.clear();
            dialogs.previewPrints = print;
            (impresion.get()->*choice)->setChecked(true);
            form->Vistaprevia1->trigger();
            ASSERT_EQ(dialogs.previewed.jobs.size(), 1u) << title;
            EXPECT_EQ(dialogs.previewed.jobs[0].title, title);
            EXPECT_EQ(printer.jobs.size(), print ? 1u : 0u) << title;
        }
    EXPECT_EQ(dialogs.printDialogs, 4);
    EXPECT_TRUE(impresion->bVistaPrevia->isDefault());

    // The print button's dialog offers no listing, and previews the chart when one was chosen.
    dialogs.previewed.jobs.clear();
    form->SpeedButton9Click();
    EXPECT_TRUE(impresion->rbListado->isHidden());
    EXPECT_TRUE(impresion->rbListadoTer->isHidden());
    EXPECT_EQ(impresion->size(), QSize(298, 101));
    EXPECT_EQ(dialogs.previewed.jobs.at(0).title, "Carta");
}
