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

    // Leaving for another row: the message comes before the row moves, once, and the row and
    // the typed text stay, so that Escape still takes the change back.
    dialogs.infos.clear();
    ed->meFin->selectAll();
    QTest::keyClicks(ed->meFin, "3");
    ed->Tabla->setFocus();
    select(2);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.infos, QStringList{QString::fromUtf8(
                                 "Valor de entrada no válido en «Fin». Complete el campo o pulse "
                                 "Esc para descartar los cambios.")});
    EXPECT_EQ(ed->Tabla->Row(), 1);
    EXPECT_EQ(ed->CurrentRow, 1);
    EXPECT_EQ(ed->meFin->FieldText(), "3 /  ");
    EXPECT_EQ(QApplication::focusWidget(), ed->meFin);
    QTest::keyClick(ed->meFin, Qt::Key_Escape);
    select(2);
    EXPECT_EQ(ed->CurrentRow, 2);
    EXPECT_EQ(cell(ColEnd, 1), "24/08") << "nothing of the discarded change was written";
    EXPECT_FALSE(ed->Modified);
    ed->hide();
}

// However the row would be left (a click or a key in the grid, a new record, a sort), a field
// left incomplete is reported first and nothing moves or is written, also when what was typed
// would pass its check; Escape then takes the change back.
TEST_F(EditorFixture, AnIncompleteFieldStopsTheRowFromMovingByAnyWay) {
    struct Case {
        TMaskEdit* TFEdRad::*field;
        const char* typed;
        int column;
        const char* before;
        const char* name;
    };
    const Case fields[] = {{&TFEdRad::meCodImo, "AB", ColCode, "ABC", "IMO"},
                           {&TFEdRad::meFin, "3", ColEnd, "24/08", "Fin"}};
    const std::function<void()> leaves[] = {
        [this] {
            const QRect row2 = ed->Tabla->visualRect(ed->Tabla->model()->index(1, 2));
            QTest::mouseClick(ed->Tabla->viewport(), Qt::LeftButton, {}, row2.center());
        },
        [this] { QTest::keyClick(ed->Tabla, Qt::Key_Down); },
        [this] { ed->SpeedButton2Click(); },
        [this] { ed->SpeedButton3Click(); },
    };
    for (const Case& c : fields) {
        for (std::size_t way = 0; way < std::size(leaves); ++way) {
            open(RadiantList::Imo);
            ed->show();
            QApplication::setActiveWindow(ed.get());
            TMaskEdit* field = ed.get()->*c.field;
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, c.typed);
            dialogs.infos.clear();
            leaves[way]();
            QApplication::processEvents();
            const std::string where = std::string(c.name) + ", way " + std::to_string(way);
            EXPECT_EQ(dialogs.infos,
                      QStringList{QString::fromUtf8("Valor de entrada no válido en «") + c.name +
                                  QString::fromUtf8("». Complete el campo o pulse Esc para "
                                                    "descartar los cambios.")})
                << where;
            EXPECT_EQ(ed->Tabla->Row(), 1) << where;
            EXPECT_EQ(ed->CurrentRow, 1) << where;
            EXPECT_EQ(ed->Tabla->RowCount(), 5) << where;
            EXPECT_EQ(cell(c.column, 1), c.before) << where;
            EXPECT_FALSE(ed->Modified) << where;
            EXPECT_EQ(QApplication::focusWidget(), field) << where;
            QTest::keyClick(field, Qt::Key_Escape);
            EXPECT_EQ(field->FieldText(), c.before) << where;
            ed->hide();
        }
    }
}
