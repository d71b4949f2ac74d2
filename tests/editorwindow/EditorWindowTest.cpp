#include "tests/editorwindow/EditorFixture.h"

#include <QGroupBox>
#include <QLabel>

namespace {
const QString kSave = QString::fromUtf8("¿Guardar cambios?");
}

TEST_F(EditorFixture, ImoModeShowsEveryRecordAndTheFirstInTheFields) {
    open(RadiantList::Imo);
    EXPECT_EQ(ed->windowTitle(), QString::fromUtf8("Velumbra - Edición de radiantes"));
    EXPECT_EQ(ed->lCodImo->text(), "Cod. IMO");
    EXPECT_EQ(ed->Tabla->RowCount(), 5);
    const QStringList row1{"ABC",         "Prueba", "17/07", "24/08", "12/08", "046.0/+57.5",
                           "+1.35/+0.12", "05/05",  "2.60",  "59.0",  "100",   "SI"};
    const QStringList headers{"IMO",    "Radiante", "Inicio", "Fin", "Max.", "Ar/Dec",
                              "Deriva", "Diam.",    "R",      "V",   "Thz",  "Dib."};
    for (int c = 0; c < kColumns; ++c) {
        EXPECT_EQ(cell(c, 1), row1[c]) << c;
        EXPECT_EQ(cell(c, 0), headers[c]) << c;
    }
    EXPECT_EQ(cell(ColName, 2), QString::fromUtf8("Gemínidas"));
    EXPECT_EQ(cell(ColName, 4), QString::fromUtf8("Áries"));
    EXPECT_EQ(ed->eRadiante->text(), "Prueba");
    EXPECT_EQ(ed->meArDec->FieldText(), "046.0/+57.5");
    EXPECT_EQ(ed->meThz->FieldText(), "100  ");
    EXPECT_EQ(ed->meArDec->inputMask(), "999.9/#99.9;_");
    EXPECT_EQ(ed->meCodImo->inputMask(), ">NNN;_");
    EXPECT_TRUE(ed->cbDib->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(ed->meMaximo), static_cast<QWidget*>(ed->meR),
                       static_cast<QWidget*>(ed->meThz)})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(ed->CurrentRow, 1);
    EXPECT_FALSE(ed->Modified);
}

TEST_F(EditorFixture, TerentjevaModeDisablesTheFieldsItHasNot) {
    open(RadiantList::Terentjeva);
    EXPECT_EQ(ed->windowTitle(),
              QString::fromUtf8("Velumbra - Edición de radiantes de Terentjeva"));
    EXPECT_EQ(ed->lCodImo->text(), "Num.");
    EXPECT_EQ(cell(0, 0), "Num.");
    EXPECT_EQ(ed->meCodImo->inputMask(), ">N!Nnn;_");
    for (TMaskEdit* f : {ed->meMaximo, ed->meR, ed->meThz}) {
        EXPECT_FALSE(f->isEnabled());
        EXPECT_TRUE(f->inputMask().isEmpty());
        EXPECT_TRUE(f->text().isEmpty());
    }
    EXPECT_EQ(cell(ColName, 1), QString::fromUtf8("Táuridas del Sur"));
    EXPECT_EQ(cell(ColMax, 1), "");
    EXPECT_EQ(cell(ColR, 1), "");
    // Back to IMO: the three fields come back with their masks and start texts.
    ed->EditMode = RadiantList::Imo;
    ed->FormActivate();
    EXPECT_TRUE(ed->meR->isEnabled());
    EXPECT_EQ(ed->meR->inputMask(), "9.99;_");
    EXPECT_EQ(ed->Tabla->RowCount(), 5);
}

TEST_F(EditorFixture, BrowsingAndClosingUntouchedAsksNothingAndWritesNothing) {
    open(RadiantList::Imo);
    for (int row : {2, 3, 4, 1})
        select(row);
    EXPECT_TRUE(ed->FormClose());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(ed->Modified);
    EXPECT_EQ(dir.read("fradiante"), ImoFile());
}

TEST_F(EditorFixture, FirstSaveKeepsUneditedRowsByteForByte) {
    open(RadiantList::Imo);
    ed->meV->setText("61.5");
    select(3);
    EXPECT_TRUE(ed->Modified);
    EXPECT_EQ(cell(ColV, 1), "61.5");
    ed->SpeedButton1Click();
    EXPECT_EQ(dialogs.questions, QStringList{kSave});
    EXPECT_FALSE(ed->Modified);
    const Bytes before = ImoFile();
    const Bytes after = dir.read("fradiante");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(record("fradiante", 0).V, 61.5f);
    EXPECT_EQ(record("fradiante", 0).MaxDay, 224);
    // The Geminids keep Dec 3.88 and drift -0.375 although the grid shows +03.9 and -0.38.
    EXPECT_TRUE(std::equal(before.begin() + kRadiantRecordSize, before.end(),
                           after.begin() + kRadiantRecordSize));
}

TEST_F(EditorFixture, AnsweringNoWritesNothingAndKeepsTheChangeFlag) {
    open(RadiantList::Imo);
    ed->eRadiante->setText("Otra");
    dialogs.answer = false;
    EXPECT_EQ(ed->SaveTable(), TFEdRad::SaveOutcome::Declined);
    EXPECT_TRUE(ed->Modified);
    EXPECT_EQ(dir.read("fradiante"), ImoFile());
    EXPECT_TRUE(ed->FormClose()) << "No on closing closes";
    EXPECT_EQ(dir.read("fradiante"), ImoFile());
}

TEST_F(EditorFixture, EachCheckRefusesWithItsMessageAndLeavesTheRow) {
    open(RadiantList::Imo);
    struct Case {
        TMaskEdit* TFEdRad::*field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {&TFEdRad::meInicio, "31/04", "Formato de Día/Mes incorrecto"},
        {&TFEdRad::meInicio, "29/02", "Formato de Día/Mes incorrecto"},
        {&TFEdRad::meFin, "15/13", "Formato de Día/Mes incorrecto"},
        {&TFEdRad::meFin, "15/00", "Formato de Día/Mes incorrecto"},
        {&TFEdRad::meMaximo, "00/05", "Formato de Día/Mes incorrecto"},
        {&TFEdRad::meArDec, "360.0/+00.0", "Formato de Ar/Dec incorrecto"},
        {&TFEdRad::meArDec, "010.0/-90.5", "Formato de Ar/Dec incorrecto"},
        {&TFEdRad::meDeriva, "+3.01/+0.00", "Formato de Deriva incorrecto"},
        {&TFEdRad::meDiametro, "21/05", "Formato de Diametro incorrecto"},
        {&TFEdRad::meR, "5.01", "Formato de R incorrecto"},
        {&TFEdRad::meThz, "32768", "Formato de Thz incorrecto"},
    };
    for (const Case& c : cases) {
        dialogs.infos.clear();
        ed->ShowRow(1);
        (ed.get()->*c.field)->setText(c.text);
        // With a second bad field later in the chain, only the first message comes.
        if (c.field != &TFEdRad::meThz)
            ed->meThz->setText("99999");
        select(2);
        EXPECT_EQ(dialogs.infos, QStringList{QString::fromUtf8(c.message)}) << c.text;
        select(1);
    }
    EXPECT_EQ(cell(ColStart, 1), "17/07");
    EXPECT_EQ(cell(ColThz, 1), "100");
    EXPECT_FALSE(ed->Modified);
    // The accepted ends of the ranges pass.
    dialogs.infos.clear();
    ed->meArDec->setText("359.9/-90.0");
    ed->meDeriva->setText("+3.00/-3.00");
    ed->meDiametro->setText("20/20");
    ed->meR->setText("5.00");
    ed->meThz->setText("32767");
    select(2);
    EXPECT_TRUE(dialogs.infos.isEmpty()) << dialogs.infos.join("; ").toStdString();
    EXPECT_EQ(cell(ColArDec, 1), "359.9/-90.0");
    EXPECT_EQ(cell(ColThz, 1), "32767");
}

TEST_F(EditorFixture, NamesThatDoNotFitAreRefusedNotCut) {
    open(RadiantList::Imo);
    ed->eRadiante->setText(QString(26, QLatin1Char('x')));
    select(2);
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos[0].contains("caben 25"));
    EXPECT_EQ(cell(ColName, 1), "Prueba");
    select(1);
    ed->eRadiante->setText(QString::fromUtf8("Łabędzie"));
    select(2);
    EXPECT_TRUE(dialogs.infos.last().contains(QString::fromUtf8("«Ł»")));
    EXPECT_EQ(cell(ColName, 1), "Prueba");
}

TEST_F(EditorFixture, AccentedNameSurvivesAnEditOfItsRow) {
    open(RadiantList::Imo);
    select(2);
    ed->meThz->setText("120");
    ed->eRadiante->setText(QString::fromUtf8("Gemínidas"));
    select(1);
    ed->SpeedButton1Click();
    EXPECT_EQ(record("fradiante", 1).Name, "Gem\xEDnidas");
    EXPECT_EQ(record("fradiante", 1).Thz, 120);
}

TEST_F(EditorFixture, NewRecordThenAnotherRowWritesTheDefaults) {
    for (RadiantList mode : {RadiantList::Imo, RadiantList::Terentjeva}) {
        open(mode);
        const int rows = ed->Tabla->RowCount();
        ed->SpeedButton2Click();
        EXPECT_EQ(ed->Tabla->RowCount(), rows + 1);
        EXPECT_EQ(ed->CurrentRow, rows);
        EXPECT_EQ(cell(ColCode, rows), "") << "empty until committed";
        select(1);
        const bool imo = mode == RadiantList::Imo;
        EXPECT_EQ(cell(ColCode, rows), imo ? "000" : "T");
        EXPECT_EQ(cell(ColDeriva, rows), imo ? "+0.00/+0.00" : "+1.00/+0.10");
        EXPECT_EQ(cell(ColMax, rows), imo ? "01/01" : "");
        EXPECT_EQ(cell(ColThz, rows), imo ? "0" : "");
        EXPECT_EQ(cell(ColDib, rows), "SI");
    }
}

TEST_F(EditorFixture, TerentjevaSaveWritesZeroRAndThzAndTheMiddleMaximum) {
    open(RadiantList::Terentjeva);
    select(2);
    ed->meInicio->setText("01/03");
    ed->meFin->setText("10/03");
    select(1);
    EXPECT_EQ(cell(ColR, 2), "");
    ed->Tabla->SetCells(ColR, 1, "4.00");
    ed->Tabla->SetCells(ColThz, 1, "999");
    ed->SpeedButton1Click();
    EXPECT_EQ(record("fradter", 1).MaxDay, 64);
    EXPECT_EQ(record("fradter", 0).R, 0.0f);
    EXPECT_EQ(record("fradter", 0).Thz, 0);
    EXPECT_EQ(record("fradter", 0).MaxDay, 364);
}

TEST_F(EditorFixture, DeletingTheOnlyRowIsRefusedAndADeletionIsAChange) {
    dir.write("fradiante", RadiantFileBytes({TestShower("ABC", "Prueba", 198, 236, 224)}));
    open(RadiantList::Imo);
    ed->SpeedButton4Click();
    EXPECT_EQ(ed->Tabla->RowCount(), 2);
    EXPECT_TRUE(dialogs.questions.isEmpty());

    open(RadiantList::Terentjeva);
    select(2);
    ed->SpeedButton4Click();
    EXPECT_EQ(dialogs.questions,
              QStringList{QString::fromUtf8("¿Borrado del registro seleccionado?")});
    EXPECT_EQ(ed->Tabla->RowCount(), 2);
    EXPECT_EQ(ed->CurrentRow, 1) << "the new last row";
    EXPECT_EQ(ed->eRadiante->text(), QString::fromUtf8("Táuridas del Sur"));
    EXPECT_TRUE(ed->FormClose());
    EXPECT_EQ(dialogs.questions.last(), kSave);
    EXPECT_EQ(dir.read("fradter").size(), kRadiantRecordSize);

    dialogs.confirmAnswer = false;
    open(RadiantList::Imo);
    ed->SpeedButton4Click();
    EXPECT_EQ(ed->Tabla->RowCount(), 2) << "Cancel keeps the row";
}

TEST_F(EditorFixture, SortByNameOrdersByByteCodeAndKeepsRecordsWhole) {
    open(RadiantList::Imo);
    select(3);
    ed->Tabla->setCurrentCell(2, ColName);
    ed->SpeedButton3Click();
    const QStringList names{QString::fromUtf8("Gemínidas"), "Prueba", "alfa",
                            QString::fromUtf8("Áries")};
    const QStringList codes{"GEM", "ABC", "ALF", "ARI"};
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(cell(ColName, row), names[row - 1]);
        EXPECT_EQ(cell(ColCode, row), codes[row - 1]);
    }
    EXPECT_EQ(cell(ColStart, 2), "17/07");
    EXPECT_EQ(ed->CurrentRow, 1);
    EXPECT_EQ(ed->Tabla->Row(), 1);
    EXPECT_EQ(ed->eRadiante->text(), QString::fromUtf8("Gemínidas"));
    EXPECT_TRUE(ed->Modified);
    ed->SpeedButton1Click();
    const Bytes in = ImoFile();
    const Bytes out = dir.read("fradiante");
    // Every record moves whole, with its own bytes.
    const int order[] = {1, 0, 2, 3};
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(std::equal(in.begin() + order[k] * kRadiantRecordSize,
                               in.begin() + (order[k] + 1) * kRadiantRecordSize,
                               out.begin() + k * kRadiantRecordSize))
            << k;
}
