#include "tests/editorwindow/EditorFixture.h"
#include "windows/Unit1.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>

// The main window's side: the menu opens the editor in its mode, and when the editor closes
// the radiant buttons are up and both lists are read again.
class MainWindowEditor : public EditorFixture {
  protected:
    FakePrinter printer;
    std::unique_ptr<TForm1> form;
    QString previousDir = QDir::currentPath();

    void SetUp() override {
        dir.copyFrom(VELUMBRA_DATA_DIR, {"festrella", "ffigura", "fnombre", "ftriangulo", "fnumero",
                                         "fmaglim", "escudo.bmp"});
        EditorFixture::SetUp();
        QDir::setCurrent(QString::fromStdString(dir.path()));
        form = std::make_unique<TForm1>(dialogs, printer, dir.path());
        ed = std::make_unique<TFEdRad>(dialogs);
        form->FEdRad = ed.get();
        form->FormActivate();
        form->upMes->setValue(8);
        form->upDia->setValue(12);
    }

    void TearDown() override {
        form.reset();
        QDir::setCurrent(previousDir);
    }

    void showImo() {
        form->sbRad->setEnabled(true);
        form->sbRad->setChecked(true);
        form->sbRadClick();
    }
};

TEST_F(MainWindowEditor, EditedShowerIsOnTheChartWhenTheRadiantsAreOnAgain) {
    showImo();
    ASSERT_EQ(form->lbRad->count(), 1);
    form->lbDesRad->item(0)->setSelected(true);
    dialogs.onExec = [this](QDialog&) {
        EXPECT_EQ(ed->EditMode, RadiantList::Imo);
        ed->FormActivate();
        ed->eRadiante->setText("Editada");
        ed->cbDib->setChecked(true);
        EXPECT_TRUE(ed->FormClose());
    };
    form->Radiantes1->trigger();
    EXPECT_EQ(dialogs.execs, 1);
    EXPECT_EQ(dialogs.questions, QStringList{QString::fromUtf8("¿Guardar cambios?")});
    EXPECT_FALSE(form->sbRad->isChecked());
    EXPECT_FALSE(form->sbRadTer->isChecked());
    EXPECT_FALSE(form->sbDesRad->isChecked());
    EXPECT_FALSE(form->sbGoRad->isEnabled());
    EXPECT_EQ(form->lbDesRad->count(), 6);
    EXPECT_TRUE(form->lbDesRad->selectedItems().isEmpty());
    EXPECT_EQ(form->lbDesRad->item(0)->text(), "ABC  Editada");
    showImo();
    ASSERT_EQ(form->lbRad->count(), 1);
    EXPECT_EQ(form->lbRad->item(0)->text(), "ABC  Editada");
}

TEST_F(MainWindowEditor, NoLeavesTheFileAndTheMainWindowStillReloads) {
    dialogs.answer = false;
    dialogs.onExec = [this](QDialog&) {
        EXPECT_EQ(ed->EditMode, RadiantList::Terentjeva);
        ed->FormActivate();
        ed->eRadiante->setText("Cambiada");
        EXPECT_TRUE(ed->FormClose());
        // Meanwhile the other list changes on the disk.
        dir.write("fradiante", RadiantFileBytes({TestShower("NEW", "Nueva", 1, 365, 100)}));
    };
    form->RadiantesdeTerentjeva1->trigger();
    EXPECT_EQ(dir.read("fradter"), TerFile());
    EXPECT_EQ(form->lbDesRad->count(), 3);
    EXPECT_EQ(form->lbDesRad->item(0)->text(), "NEW  Nueva");
}
