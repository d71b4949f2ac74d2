#include "tests/editorwindow/EditorFixture.h"

// A text shows in its mask as FieldText reads it back, a blank as an empty position; a text the
// mask would cut or change is not shown at all.
TEST(MaskEdit, ShowsATextWholeOrNotAtAll) {
    struct Case {
        const char* mask;
        const char* text;
        bool shown;
        const char* fieldText;
    };
    const Case cases[] = {
        {"000.0/#00.0;1;_", "046.0/ 05.0", true, "046.0/ 05.0"},
        {"000.0/#00.0;1;_", "046.0/-05.5", true, "046.0/-05.5"},
        {"#0.00/#0.00;1;_", " 1.35/ 0.12", true, " 1.35/ 0.12"},
        {"0####;1;_", "100", true, "100  "},
        {"00/00;1;_", "", true, "  /  "},
        {"00.0;1;_", "100.0", false, "  . "},
        {">AAA;1;_", "ABCD", false, "   "},
        {">AAA;1;_", "abc", false, "   "},
        {"00/00;1;_", "100/05", false, "  /  "},
    };
    for (const Case& c : cases) {
        TMaskEdit field;
        field.SetEditMask(c.mask);
        EXPECT_EQ(field.ShowText(c.text), c.shown) << c.mask << " " << c.text;
        EXPECT_EQ(field.FieldText(), c.fieldText) << c.mask << " " << c.text;
    }
}

// A declination or drift typed with the sign position left blank comes back with a blank there,
// and the row can be committed and saved again.
TEST_F(EditorFixture, ABlankSignComesBackBlankAndTheRowCommitsAgain) {
    struct Case {
        TMaskEdit* TFEdRad::*field;
        int column;
        const char* typed;
        const char* read;
    };
    const Case cases[] = {
        {&TFEdRad::meArDec, ColArDec, "046.0/_05.0", "046.0/ 05.0"},
        {&TFEdRad::meDeriva, ColDeriva, "_1.35/_0.50", " 1.35/ 0.50"},
    };
    for (const Case& c : cases) {
        open(RadiantList::Imo);
        (ed.get()->*c.field)->setText(c.typed);
        select(2);
        EXPECT_EQ(cell(c.column, 1), c.read);
        select(1);
        EXPECT_EQ((ed.get()->*c.field)->FieldText(), c.read);
        ed->meV->setText("61.5");
        dialogs.infos.clear();
        select(2);
        EXPECT_TRUE(dialogs.infos.isEmpty()) << dialogs.infos.join("; ").toStdString();
        EXPECT_EQ(cell(ColV, 1), "61.5");
        ed->SpeedButton1Click();
        EXPECT_EQ(record("fradiante", 0).V, 61.5f);
    }
    EXPECT_EQ(record("fradiante", 0).Dec, 5.0f);
    EXPECT_EQ(record("fradiante", 0).DriftDec, 0.5f);
    EXPECT_EQ(record("fradiante", 0).DriftRA, 1.35f);
}

// V 99.96 shows as 100.0 and a code made elsewhere may have four letters: neither fits its
// field. The field says so and stays empty; while it is not touched the row keeps its text.
TEST_F(EditorFixture, AValueItsFieldCannotShowIsToldAndKeptNeverCut) {
    Radiant wide = TestShower("ABCD", "Ancha", 198, 236, 224);
    wide.V = 99.96f;
    dir.write("fradiante", RadiantFileBytes({wide, TestShower("GEM", "Otra", 338, 351, 348)}));
    open(RadiantList::Imo);
    ASSERT_EQ(dialogs.infos.size(), 1);
    EXPECT_TRUE(dialogs.infos[0].contains(QString::fromUtf8("IMO «ABCD», V «100.0»")))
        << dialogs.infos[0].toStdString();
    EXPECT_EQ(ed->meV->FieldText(), "  . ");
    EXPECT_EQ(ed->meCodImo->FieldText(), "   ");
    ed->eRadiante->setText("Cambiada");
    select(2);
    EXPECT_EQ(dialogs.infos.size(), 1) << dialogs.infos.join("; ").toStdString();
    EXPECT_EQ(cell(ColV, 1), "100.0");
    EXPECT_EQ(cell(ColCode, 1), "ABCD");
    EXPECT_EQ(cell(ColName, 1), "Cambiada");
    ed->SpeedButton1Click();
    EXPECT_EQ(record("fradiante", 0).Code, "ABCD");
    EXPECT_EQ(record("fradiante", 0).V, 100.0f);
    EXPECT_EQ(record("fradiante", 0).Name, "Cambiada");
    // A value typed in the emptied field is the row's new value.
    select(1);
    ed->meV->setText("45.0");
    select(2);
    EXPECT_EQ(cell(ColV, 1), "45.0");
    EXPECT_EQ(cell(ColCode, 1), "ABCD");
}
