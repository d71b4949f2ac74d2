#pragma once
// A main window started on a private copy of the bundled data, with fake dialogs and printer.
#include "tests/support/TempDir.h"
#include "tests/windows/Fakes.h"
#include "windows/UImpresion.h"
#include "windows/Unit1.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class FormFixture : public ::testing::Test {
  protected:
    TempDir dir;
    FakeDialogs dialogs;
    FakePrinter printer;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TFImpresion> impresion;
    QString previousDir = QDir::currentPath();

    static std::vector<std::string> dataFiles() {
        return {"festrella", "ffigura", "fnombre", "ftriangulo", "fnumero",
                "fradiante", "fradter", "fmaglim", "escudo.bmp"};
    }

    // Copies the bundled data; a test may overwrite files before start().
    void SetUp() override { dir.copyFrom(VELUMBRA_DATA_DIR, dataFiles()); }

    void start() {
        QDir::setCurrent(QString::fromStdString(dir.path()));
        form = std::make_unique<TForm1>(dialogs, printer, dir.path());
        impresion = std::make_unique<TFImpresion>();
        form->FImpresion = impresion.get();
        form->FormActivate();
        form->RedrawChart();
    }

    void TearDown() override {
        form.reset();
        QDir::setCurrent(previousDir);
    }

    QString status(int panel) const { return form->StatusPanels[panel]->text(); }
};
