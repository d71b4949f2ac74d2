#include "tests/editorwindow/EditorFixture.h"

#include <QToolButton>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

TEST_F(EditorFixture, AnUnconvertibleRowStopsTheSaveBeforeTheFileIsTouched) {
    open(RadiantList::Imo);
    ed->eRadiante->setText("Cambiada");
    ed->SpeedButton2Click();
    // The new row's first commit fails: it stays empty.
    ed->meArDec->setText("400.0/+00.0");
    select(1);
    EXPECT_EQ(cell(ColCode, 5), "");
    dialogs.errors.clear();
    EXPECT_EQ(ed->SaveTable(), TFEdRad::SaveOutcome::Refused);
    EXPECT_EQ(dir.read("fradiante"), ImoFile());
    ASSERT_EQ(dialogs.errors.size(), 1);
    const QStringList lines = dialogs.errors[0].split('\n');
    ASSERT_EQ(lines.size(), 3) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QString::fromUtf8("la fila 5, columna «Inicio»")));
    EXPECT_EQ(lines[1], QString::fromStdString(dir.file("fradiante")));
    EXPECT_EQ(ed->Tabla->Row(), 5) << "the bad row is selected";
    EXPECT_EQ(ed->CurrentRow, 5);
    // Closing cannot lose the edits: the close is cancelled, the rows stay.
    EXPECT_FALSE(ed->FormClose());
    EXPECT_EQ(cell(ColName, 1), "Cambiada");
    EXPECT_TRUE(ed->Modified);
    EXPECT_EQ(dir.read("fradiante"), ImoFile());
}

TEST_F(EditorFixture, AFailedCommitWhileClosingCancelsTheClose) {
    open(RadiantList::Imo);
    ed->meInicio->setText("31/04");
    EXPECT_FALSE(ed->FormClose());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(ed->meInicio->FieldText(), "31/04") << "the typed text stays to be mended";
}

TEST_F(EditorFixture, AFolderThatIsGoneIsReportedAndTheRowsStay) {
    open(RadiantList::Imo);
    ed->eRadiante->setText("Cambiada");
    select(2);
    ed->DataDir = dir.file("gone");
    EXPECT_FALSE(ed->FormClose());
    ASSERT_EQ(dialogs.errors.size(), 1);
    // The message, the full path on its own line, then what to do.
    const QStringList lines = dialogs.errors[0].split('\n');
    ASSERT_EQ(lines.size(), 3) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(lines[0].contains("su carpeta ya no existe"));
    EXPECT_EQ(lines[1], QString::fromStdString(dir.file("gone/fradiante")));
    EXPECT_EQ(cell(ColName, 1), "Cambiada");
    EXPECT_TRUE(ed->Modified);
}

// Root writes into any folder: run through the ctest entry that drops to an ordinary user.
TEST_F(EditorFixture, AReadOnlyFolderLeavesTheFileByteForByte) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only folder";
    open(RadiantList::Imo);
    ed->eRadiante->setText("Cambiada");
    select(2);
    ::chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(ed->SaveTable(), TFEdRad::SaveOutcome::Refused);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(dir.read("fradiante"), ImoFile());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("no hay permiso"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2)
        << "no temporary file left behind";
}

TEST_F(EditorFixture, AFailedLoadClearsTheGridAndAllowsNoSave) {
    open(RadiantList::Imo);
    ed->eRadiante->setText("Cambiada");
    select(2);
    EXPECT_TRUE(ed->Modified);
    Bytes torn = TerFile();
    torn.resize(torn.size() - 1);
    dir.write("fradter", torn);
    ed->EditMode = RadiantList::Terentjeva;
    ed->FormActivate();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QString::fromStdString(dir.file("fradter"))));
    EXPECT_EQ(ed->Tabla->RowCount(), 2);
    for (int c = 0; c < kColumns; ++c)
        EXPECT_EQ(cell(c, 1), "") << c;
    EXPECT_FALSE(ed->Modified);
    EXPECT_FALSE(ed->SpeedButton1->isEnabled());
    EXPECT_FALSE(ed->eRadiante->isEnabled());
    EXPECT_EQ(ed->SaveTable(), TFEdRad::SaveOutcome::Refused);
    EXPECT_TRUE(ed->FormClose());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(dir.read("fradter"), torn);

    std::filesystem::remove(dir.file("fradiante"));
    ed->EditMode = RadiantList::Imo;
    ed->FormActivate();
    EXPECT_TRUE(dialogs.errors.last().contains("No se encuentra"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("fradiante")));
}

TEST_F(EditorFixture, TheCloseBoxAndEscapeCannotLoseEdits) {
    open(RadiantList::Imo);
    ed->show();
    ed->eRadiante->setText("Cambiada");
    ed->DataDir = dir.file("gone");
    EXPECT_FALSE(ed->close());
    EXPECT_TRUE(ed->isVisible());
    static_cast<QDialog*>(ed.get())->reject();
    EXPECT_TRUE(ed->isVisible());
    EXPECT_EQ(dialogs.errors.size(), 2);
    dialogs.answer = false;
    EXPECT_TRUE(ed->close()) << "No closes and drops the edits";
    EXPECT_FALSE(ed->isVisible());
}

TEST_F(EditorFixture, AnEmptyFileShowsOneEmptyRowNotAnEarlierOne) {
    open(RadiantList::Imo);
    dir.write("fradter", Bytes{});
    ed->EditMode = RadiantList::Terentjeva;
    ed->FormActivate();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(ed->Tabla->RowCount(), 2);
    for (int c = 0; c < kColumns; ++c)
        EXPECT_EQ(cell(c, 1), "") << c;
    EXPECT_TRUE(ed->FormClose());
    EXPECT_TRUE(dir.read("fradter").empty());
}
