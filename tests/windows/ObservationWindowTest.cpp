#include "windows/UObservacion.h"

#include "observation/VmdbExport.h"
#include "platform/ObservationStore.h"
#include "platform/PlanSettings.h"
#include "tests/support/ObservationFixtures.h"
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShower.h"
#include "tests/windows/Fakes.h"
#include "windows/ObservationTransfer.h"
#include "windows/UListaObservaciones.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using Column = TFObservacion::PeriodColumn;

class ObservationWindow : public ::testing::Test {
  protected:
    TempDir dir;
    FakeDialogs dialogs;
    FakePrinter printer;
    RadiantTable radiants;
    std::optional<double> lastLm;
    ObservationContext context{radiants,
                               {2026, 8, 12},
                               [] { return Equatorial{300, 45}; },
                               [this] { return lastLm; },
                               dir.path(),
                               dialogs,
                               printer};
    std::string database = ObservationStorePath(dir.path()).string();

    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Velumbra"), QStringLiteral("Velumbra")).clear();
        StorePlanSettings({QStringLiteral("40.4168"), QStringLiteral("-3.7038"), 2, 6.3});
        radiants.append(Perseids(), "fradiante");
        Radiant kcg = TestShower("KCG", "kappa Cygnidas", 216, 237, 229);
        kcg.V = 25;
        radiants.append(kcg, "fradiante");
    }

    // A cell typed into and left, as the grid's editor commits it.
    static void type(QTableWidget* grid, int row, int column, const QString& text) {
        grid->setCurrentCell(row, column);
        grid->item(row, column)->setText(text);
    }
    static void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Two periods of the radiant date's night from Madrid, the first with its Perseids'
    // magnitudes.
    void typeNight(TFObservacion& w) {
        type(w.eObservador, QStringLiteral("Lucia Perez"));
        type(w.eLugar, QStringLiteral("Madrid"));
        w.bAnadirPeriodoClick();
        w.bAnadirPeriodoClick();
        type(w.gPeriodos, 0, Column::FirstCount, QStringLiteral("18"));
        type(w.gPeriodos, 1, Column::Start, QStringLiteral("21:30"));
        type(w.gPeriodos, 1, Column::End, QStringLiteral("23:30"));
        type(w.gPeriodos, 1, Column::Teff, QStringLiteral("1.9"));
        type(w.gPeriodos, 1, Column::F, QStringLiteral("20%"));
        type(w.gPeriodos, 1, Column::FirstCount, QStringLiteral("31"));
        w.gPeriodos->setCurrentCell(0, Column::Start);
        const char* per[] = {"1", "0.5", "1.5", "2", "3", "4", "3", "2", "0.5"};
        for (int i = 0; i < 9; ++i)
            type(w.gMagnitudes, 0, 4 + i, QString::fromLatin1(per[i]));
    }

    std::size_t stored() { return ObservationStore(database).list().size(); }
};

TEST_F(ObservationWindow, ANightTypedIsKeptAsTypedWithItsDefaultsAndExported) {
    lastLm = 6.1;
    TFObservacion w(context);
    EXPECT_EQ(w.eLatitud->text(), QStringLiteral("40.4168"));
    EXPECT_EQ(w.upHuso->value(), 2);
    EXPECT_EQ(w.deManana->date(), QDate(2026, 8, 13));
    ASSERT_EQ(w.draft().showers.size(), 3u);
    EXPECT_EQ(w.draft().showers[1].code, "KCG");
    EXPECT_EQ(w.draft().showers[2].code, kSporadicCode);
    typeNight(w);
    // 22:00 local is 20:00 UT; the next period follows the first.
    const PeriodDraft& first = w.draft().periods[0];
    EXPECT_EQ(first.start, "20:00");
    EXPECT_EQ(first.lm, "6.1");
    EXPECT_EQ(first.ra + " " + first.dec, "300 45");
    EXPECT_EQ(first.counts.at("KCG"), "0");
    // 17.5 meteors in the distribution of 18: shown as such, kept as such.
    EXPECT_TRUE(
        w.gMagnitudes->item(0, TFObservacion::Total)->text().contains(QString::fromUtf8("≠")));
    EXPECT_NE(w.gMagnitudes->item(0, TFObservacion::Rate)->text(), QString());

    ASSERT_TRUE(w.bGuardarClick()) << dialogs.errors.join('\n').toStdString();
    EXPECT_FALSE(w.modified());
    ObservationStore store(database);
    ASSERT_EQ(store.list().size(), 1u);
    const Observation kept = store.load(store.list()[0].id);
    EXPECT_EQ(kept.observerName, "Lucia Perez");
    ASSERT_EQ(kept.periods.size(), 2u);
    EXPECT_EQ(kept.periods[0].startUt, MidnightUt({2026, 8, 12}) + 20 * 3600);
    EXPECT_DOUBLE_EQ(kept.periods[1].f, 1.25);
    EXPECT_EQ(kept.periods[1].counts[0].number, 31);
    EXPECT_DOUBLE_EQ(MagnitudeTotal(*kept.periods[0].counts[0].magnitudes), 17.5);

    dialogs.folderAnswer = QString::fromStdString(dir.path());
    w.bExportarClick();
    const VmdbTexts names = VmdbFileNames(kept);
    for (const std::string& name : {names.sessions, names.rates, names.magnitudes})
        EXPECT_TRUE(std::filesystem::is_regular_file(dir.file(name))) << name;
}

// Before anything is counted, the showers proposed follow the night's date; a list the observer
// changed stays.
TEST_F(ObservationWindow, TheProposedShowersFollowTheNightUntilChanged) {
    TFObservacion w(context);
    auto codes = [&w] {
        std::string list;
        for (const ObservedShower& s : w.draft().showers)
            list += s.code + " ";
        return list;
    };
    w.deNoche->setDate(QDate(2026, 12, 13));
    EXPECT_EQ(w.deManana->date(), QDate(2026, 12, 14));
    EXPECT_EQ(codes(), "SPO ");
    w.cbLluvia->setEditText(QStringLiteral("PER"));
    w.bAnadirLluviaClick();
    w.deNoche->setDate(QDate(2026, 8, 11));
    EXPECT_EQ(codes(), "PER SPO ");
}

// A bad value is refused at the save naming its period and field; it stays in its cell, the
// cell is chosen, and nothing is kept.
TEST_F(ObservationWindow, BadInputIsRefusedNamingRowAndFieldAndStaysAsTyped) {
    const struct {
        bool magnitudes;
        int row;
        int column;
        const char* typed;
        const char* said;
    } cases[] = {
        {false, 1, Column::Teff, "1,5", "Periodo 2, Teff: «1,5»"},
        {false, 0, Column::End, "19:00", "Periodo 1, fin"},
        {false, 1, Column::F, "150%", "Periodo 2, F: «150%»"},
        {false, 0, Column::FirstCount + 1, "-3", "Periodo 1, KCG"},
        {true, 0, 6, "0.3", "Periodo 1, PER, magnitud 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        TFObservacion w(context);
        typeNight(w);
        QTableWidget* grid = c.magnitudes ? w.gMagnitudes : w.gPeriodos;
        type(grid, c.row, c.column, QString::fromUtf8(c.typed));
        w.gPeriodos->setCurrentCell(1, 0);
        dialogs.errors.clear();
        EXPECT_FALSE(w.bGuardarClick());
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].contains(QString::fromUtf8(c.said)))
            << dialogs.errors[0].toStdString();
        EXPECT_EQ(grid->item(c.row, c.column)->text(), QString::fromUtf8(c.typed));
        EXPECT_EQ(grid->currentRow(), c.row);
        EXPECT_EQ(grid->currentColumn(), c.column);
        EXPECT_TRUE(w.modified());
        EXPECT_FALSE(std::filesystem::exists(database));
    }
}

TEST_F(ObservationWindow, ClosingAsksOnlyWhenChangesWouldBeLost) {
    const struct {
        const char* state;
        std::function<void(TFObservacion&)> make;
        bool staysOpen;
    } cases[] = {
        {"untouched", [](TFObservacion&) {}, false},
        {"typed", [this](TFObservacion& w) { typeNight(w); }, true},
        {"typed and saved",
         [this](TFObservacion& w) {
             typeNight(w);
             w.bGuardarClick();
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        TFObservacion w(context);
        c.make(w);
        w.show();
        dialogs.answer = false; // "Cancelar" to any question
        w.reject();
        EXPECT_EQ(w.isVisible(), c.staysOpen);
        dialogs.answer = true;
        w.reject();
        EXPECT_FALSE(w.isVisible());
    }
}

// A damaged database: every command says so in Spanish with its path, the file is left byte
// for byte, and what was typed stays in the window.
TEST_F(ObservationWindow, AnUnusableDatabaseIsReportedAndNothingIsLost) {
    dir.write(kObservationStoreFile, std::string(3000, '#'));
    const std::vector<unsigned char> before = dir.read(kObservationStoreFile);
    TFObservacion w(context);
    typeNight(w);
    EXPECT_FALSE(w.bGuardarClick());
    ShowObservationList(context, TFListaObservaciones::Purpose::Open, nullptr);
    WriteVmdbFiles(dir.path(), PerseidObservationFromMadrid());
    const VmdbTexts names = VmdbFileNames(PerseidObservationFromMadrid());
    for (const std::string& name : {names.sessions, names.rates, names.magnitudes})
        dialogs.filesAnswer << QString::fromStdString(dir.file(name));
    EXPECT_EQ(ImportObservations(context), 0);

    ASSERT_EQ(dialogs.errors.size(), 3);
    for (const QString& error : dialogs.errors) {
        EXPECT_TRUE(error.contains(QString::fromUtf8("dañado"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromStdString(database))) << error.toStdString();
    }
    EXPECT_TRUE(dialogs.errors[2].startsWith(QString::fromUtf8("No se ha importado nada")));
    EXPECT_EQ(dialogs.execs, 0);
    EXPECT_EQ(dir.read(kObservationStoreFile), before);
    EXPECT_TRUE(w.modified());
    EXPECT_EQ(w.gPeriodos->item(1, Column::F)->text(), QStringLiteral("20%"));
}

TEST_F(ObservationWindow, TheListOpensCopiesAndDeletesAfterAQuestion) {
    {
        Observation night = PerseidObservationFromMadrid();
        night.id = 0;
        ObservationStore(database).save(night);
    }
    TFListaObservaciones list(context, TFListaObservaciones::Purpose::Open);
    ASSERT_TRUE(list.fill());
    ASSERT_EQ(list.gLista->rowCount(), 1);
    EXPECT_EQ(list.gLista->item(0, 0)->text(), QStringLiteral("12/08/2026 - 13/08/2026"));
    EXPECT_EQ(list.gLista->item(0, 2)->text(), QString::fromUtf8("Lucía Pérez"));
    EXPECT_EQ(list.gLista->item(0, 3)->text(), QStringLiteral("3"));
    list.bAbrirClick();
    EXPECT_EQ(dialogs.execs, 1);
    list.bCopiarClick();
    EXPECT_EQ(list.gLista->rowCount(), 2);
    dialogs.answer = false;
    list.bBorrarClick();
    EXPECT_EQ(stored(), 2u);
    dialogs.answer = true;
    list.bBorrarClick();
    EXPECT_EQ(list.gLista->rowCount(), 1);
    EXPECT_EQ(stored(), 1u);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}

// The files of another night come in as a new observation; a set with a bad line brings in
// nothing and names the file and the line.
TEST_F(ObservationWindow, AnImportKeepsEveryObservationOrNone) {
    const Observation night = PerseidObservationFromMadrid();
    ASSERT_EQ(WriteVmdbFiles(dir.path(), night), "");
    const VmdbTexts names = VmdbFileNames(night);
    for (const std::string& name : {names.sessions, names.rates, names.magnitudes})
        dialogs.filesAnswer << QString::fromStdString(dir.file(name));
    EXPECT_EQ(ImportObservations(context), 1);
    EXPECT_EQ(stored(), 1u);

    std::ofstream(dir.file(names.rates), std::ios::app) << "99;;17;2026-08-13 04:00:00;2026-08-"
                                                           "13 05:00:00;;;1;1;6.5;PER;C;muchos\n";
    EXPECT_EQ(ImportObservations(context), 0);
    EXPECT_EQ(stored(), 1u);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QString::fromStdString(names.rates)))
        << dialogs.errors[0].toStdString();
}

} // namespace
