#include "tests/support/RadiantFiles.h"
#include "tests/windows/FormFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <filesystem>

using Startup = FormFixture;

TEST_F(Startup, ShowsChartOneWithTheStartingStatusTexts) {
    start();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    EXPECT_EQ(form->cbCarta->currentIndex(), 0);
    EXPECT_EQ(status(0), "Centro (J2000): 030 +56");
    EXPECT_EQ(status(1), "Mag: 7");
    EXPECT_EQ(status(2), "");
    EXPECT_EQ(status(3), "Zoom: 1");
    EXPECT_EQ(form->view().ChartSize, 450);
    EXPECT_EQ(form->view().GridStep, 90);
    EXPECT_EQ(form->sky().stars.count(), 15925);
}

TEST_F(Startup, LaysOutThePrintUnitFromThePortraitPageWidth) {
    start();
    EXPECT_EQ(printer.orientation, Printer::Orientation::Portrait);
    EXPECT_FLOAT_EQ(form->view().PrintUnit, 24.0f);
    EXPECT_EQ(form->view().PrintMargin, 120);
}

TEST_F(Startup, ButtonsStartInTheirDesignStates) {
    start();
    for (QToolButton* down :
         {form->sbCoord, form->sbConstelaciones, form->sbZonas, form->sbEstrellas})
        EXPECT_TRUE(down->isChecked()) << down->objectName().toStdString();
    for (QToolButton* up :
         {form->sbNombres, form->sbPintaMag, form->sbRad, form->sbRadTer, form->sbDesRad})
        EXPECT_FALSE(up->isChecked()) << up->objectName().toStdString();
    for (QToolButton* off : {form->sbMagMas, form->sbZMenos, form->sbRad, form->sbRadTer,
                             form->sbGoRad, form->SpeedButton1, form->SpeedButton4})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_FALSE(impresion->rbDatos->isEnabled());
    EXPECT_EQ(form->lbDesRad->count(), form->sky().radiants.count());
}

TEST_F(Startup, DamagedFilesAreEachReportedOnceAndEverythingElseIsLoadedAndShown) {
    std::filesystem::remove(dir.file("fnombre"));
    std::filesystem::remove(dir.file("ftriangulo"));
    std::filesystem::create_directory(dir.file("ftriangulo"));
    auto torn = dir.read("fradiante");
    torn.pop_back();
    dir.write("fradiante", torn);
    start();
    // The boxes wait until the window stands at its size.
    EXPECT_TRUE(dialogs.errors.isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.errors.size(), 3) << dialogs.errors.join("\n\n").toStdString();
    const QString expected[][2] = {{"No se encuentra el archivo", "fnombre"},
                                   {"Acceso denegado", "ftriangulo"},
                                   {"Lectura más allá del final del archivo", "fradiante"}};
    for (int i = 0; i < 3; ++i) {
        const QStringList lines = dialogs.errors[i].split('\n');
        ASSERT_GE(lines.size(), 3) << dialogs.errors[i].toStdString();
        EXPECT_EQ(lines[0], expected[i][0]);
        EXPECT_EQ(lines[1], QString::fromStdString(dir.file(expected[i][1].toStdString())));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.errors.size(), 3) << "each failure is shown once";

    EXPECT_EQ(form->cbCarta->currentIndex(), 0);
    EXPECT_EQ(status(0), "Centro (J2000): 030 +56");
    EXPECT_EQ(form->sky().stars.count(), 15925);
    EXPECT_NE(form->sky().figures.at(1).StarNumber, 0);
    EXPECT_EQ(form->sky().numbers.at(30).Text, "30") << "read after the failed files";
    // Every whole record of the torn fradiante, and all of fradter, after it.
    auto records = ReadRadiantFile(VELUMBRA_DATA_DIR, "fradiante");
    records.pop_back();
    for (const Radiant& r : ReadRadiantFile(VELUMBRA_DATA_DIR, "fradter"))
        records.push_back(r);
    const auto flagged = std::count_if(records.begin(), records.end(),
                                       [](const Radiant& r) { return r.DrawFlag != 0; });
    EXPECT_EQ(form->sky().radiants.count(), flagged);
    EXPECT_EQ(form->lbDesRad->count(), flagged);
}

TEST_F(Startup, RunsOnlyOnce) {
    start();
    form->cbCarta->setCurrentIndex(4);
    form->cbCartaClick();
    form->FormActivate();
    EXPECT_EQ(form->cbCarta->currentIndex(), 4);
    EXPECT_EQ(status(0), "Centro (J2000): 210 +05");
}
