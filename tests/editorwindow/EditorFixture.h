#pragma once
// The radiant editor on a private folder holding small radiant files, with dialogs that answer
// at once and remember what they were asked.
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShower.h"
#include "tests/windows/Fakes.h"
#include "windows/Aligrid.h"
#include "windows/MaskEdit.h"
#include "windows/UEdRad.h"

#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using Bytes = std::vector<unsigned char>;

class RecordingDialogs : public FakeDialogs {
  public:
    QStringList questions;
    bool confirmAnswer = true;
    std::function<void(QDialog&)> onExec;
    bool question(const QString& text) override {
        questions << text;
        return answer;
    }
    bool confirm(const QString& text) override {
        questions << text;
        return confirmAnswer;
    }
    int exec(QDialog& dialog) override {
        if (onExec)
            onExec(dialog);
        return FakeDialogs::exec(dialog);
    }
};

// Four IMO showers: the plain test record, an accented name with values the grid rounds, a
// lower-case and an accented first letter for the byte order.
inline Bytes ImoFile() {
    Radiant gem = TestShower("GEM", "Gem\xEDnidas", 338, 351, 348);
    gem.Dec = 3.88f;
    gem.DriftDec = -0.375f;
    return RadiantFileBytes({TestShower("ABC", "Prueba", 198, 236, 224), gem,
                             TestShower("ALF", "alfa", 10, 20, 15),
                             TestShower("ARI", "\xC1ries", 150, 170, 160)});
}

inline Bytes TerFile() {
    Radiant t = TestShower("T12", "T\xE1uridas del Sur", 354, 375, 364);
    t.R = 0;
    t.Thz = 0;
    return RadiantFileBytes({t, TestShower("T7", "Corriente", 60, 69, 64)});
}

class EditorFixture : public ::testing::Test {
  protected:
    TempDir dir;
    RecordingDialogs dialogs;
    std::unique_ptr<TFEdRad> ed;

    void SetUp() override {
        dir.write("fradiante", ImoFile());
        dir.write("fradter", TerFile());
    }

    void open(RadiantList mode) {
        ed = std::make_unique<TFEdRad>(dialogs);
        ed->EditMode = mode;
        ed->DataDir = dir.path();
        ed->FormActivate();
    }

    QString cell(int col, int row) const { return ed->Tabla->Cells(col, row); }
    void select(int row) { ed->Tabla->SetRow(row); }
    Radiant record(const std::string& file, int index) const {
        const Bytes bytes = dir.read(file);
        Radiant r;
        DecodeRadiant(bytes.data() + static_cast<std::size_t>(index) * kRadiantRecordSize, r);
        return r;
    }
};
