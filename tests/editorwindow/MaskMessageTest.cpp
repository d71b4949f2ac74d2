#include "tests/editorwindow/EditorFixture.h"

#include <QApplication>
#include <QTest>

// A masked field left edited but incomplete is reported in Spanish, once; Escape brings back
// what the field held when the focus came in.
TEST_F(EditorFixture, IncompleteMaskedFieldIsReportedInSpanishAndEscapeRestores) {
    open(RadiantList::Imo);
    ed->show();
    QApplication::setActiveWindow(ed.get());
    ed->meFin->setFocus();
    QApplication::processEvents();
    ed->meFin->selectAll();
    QTest::keyClicks(ed->meFin, "1");
    EXPECT_EQ(ed->meFin->FieldText(), "1 /  ");
    ed->eRadiante->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos[0].startsWith(QString::fromUtf8("Valor de entrada no válido")));
    EXPECT_EQ(QApplication::focusWidget(), ed->meFin) << "the focus goes back to the field";
    QTest::keyClick(ed->meFin, Qt::Key_Escape);
    EXPECT_EQ(ed->meFin->FieldText(), "24/08");
    EXPECT_TRUE(ed->isVisible()) << "Escape in a field does not close the window";

    // Leaving to the grid: the check's message comes, and no second one.
    dialogs.infos.clear();
    ed->meFin->selectAll();
    QTest::keyClicks(ed->meFin, "3");
    ed->Tabla->setFocus();
    select(2);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.infos, QStringList{QString::fromUtf8("Formato de Día/Mes incorrecto")});
    ed->hide();
}
