#include "output/PlanPage.h"
#include "platform/PlanPlot.h"
#include "platform/PlanSettings.h"
#include "platform/QtCanvas.h"
#include "tests/windows/FormFixture.h"
#include "windows/UPlanNoche.h"

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>

class PlanNoche : public FormFixture {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Velumbra"), QStringLiteral("Velumbra")).clear();
        FormFixture::SetUp();
        start();
    }
    std::unique_ptr<TFPlanNoche> open(int day = 12, int month = 8) {
        return std::make_unique<TFPlanNoche>(form->sky().radiants, day, month, dialogs);
    }
    // A night of 2026 at a site, local time UTC+2.
    void compute(TFPlanNoche& w, const char* lat, const char* lon) {
        w.eLatitud->setText(QString::fromUtf8(lat));
        w.eLongitud->setText(QString::fromUtf8(lon));
        w.upAno->setValue(2026);
        w.upHuso->setValue(2.0);
        ASSERT_TRUE(w.bCalcularClick());
    }
    // The Perseids' night from Madrid.
    void fillMadrid(TFPlanNoche& w) {
        w.eLatitud->setText(QStringLiteral("40.4"));
        w.eLongitud->setText(QStringLiteral("-3.7"));
        w.upAno->setValue(2026);
        w.upHuso->setValue(2.0);
    }
};

TEST_F(PlanNoche, BadSiteFieldsAreRefusedInSpanish) {
    auto w = open();
    struct Case {
        const char* lat;
        const char* lon;
        const char* says;
    };
    for (const Case& c :
         {Case{"91", "-3.7", "Latitud no válida"}, Case{"40,4", "-3.7", "Latitud no válida"},
          Case{"", "-3.7", "Latitud no válida"}, Case{"40.4", "-180.5", "Longitud no válida"},
          Case{"40.4", "oeste", "Longitud no válida"}}) {
        dialogs.errors.clear();
        w->eLatitud->setText(QString::fromUtf8(c.lat));
        w->eLongitud->setText(QString::fromUtf8(c.lon));
        EXPECT_FALSE(w->bCalcularClick()) << c.lat << " " << c.lon;
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].startsWith(QString::fromUtf8(c.says))) << c.lat;
    }
    EXPECT_EQ(w->gTabla->rowCount(), 0);
}

TEST_F(PlanNoche, TheTableHoldsEveryHalfHourAndEveryActiveRadiant) {
    auto w = open();
    fillMadrid(*w);
    ASSERT_TRUE(w->bCalcularClick());
    const NightPlan& plan = w->plan();
    ASSERT_FALSE(plan.times.empty());
    EXPECT_EQ(w->gTabla->rowCount(), static_cast<int>(plan.times.size()));
    EXPECT_EQ(w->gTabla->columnCount(), 3 + 2 * static_cast<int>(plan.showers.size()));
    EXPECT_TRUE(
        w->lNoche->text().startsWith(QStringLiteral("NOCHE DEL 12 AL 13 DE AGOSTO DE 2026")));
    int per = -1;
    for (int c = 0; c < w->gTabla->columnCount(); ++c)
        if (w->gTabla->horizontalHeaderItem(c)->text() == QStringLiteral("PER THE"))
            per = c;
    ASSERT_GT(per, 0);
    const std::size_t shower = static_cast<std::size_t>((per - 3) / 2);
    for (int row = 0; row < w->gTabla->rowCount(); ++row) {
        EXPECT_EQ(w->gTabla->item(row, 0)->text().toStdString(),
                  LocalTime(plan.localHours[static_cast<std::size_t>(row)]));
        EXPECT_EQ(w->gTabla->item(row, per)->text().toInt(),
                  static_cast<int>(
                      std::lround(plan.showers[shower].rate[static_cast<std::size_t>(row)])));
    }
}

TEST_F(PlanNoche, ThePlotHasACurvePerRadiantAndNoRateCurveWithoutARate) {
    auto w = open(27, 6);
    fillMadrid(*w);
    ASSERT_TRUE(w->bCalcularClick());
    const auto& showers = w->plan().showers;
    const auto known = std::count_if(showers.begin(), showers.end(),
                                     [](const ShowerPlan& s) { return s.rateKnown; });
    ASSERT_LT(known, static_cast<long>(showers.size())); // the June Bootids' rate is variable
    EXPECT_EQ(w->grafico->chart()->series().size(), 1 + static_cast<long>(showers.size()));
    w->cbGrafico->setCurrentIndex(1);
    w->cbGraficoChange();
    EXPECT_EQ(w->grafico->chart()->series().size(), 1 + known);
    EXPECT_EQ(w->grafico->chart()->series().front()->name().left(4), QStringLiteral("Luna"));
}

TEST_F(PlanNoche, SiteZoneAndMagnitudeAreRememberedButNotTheYear) {
    auto w = open();
    fillMadrid(*w);
    w->upAno->setValue(2030);
    w->upMagLim->setValue(5.8);
    ASSERT_TRUE(w->bCalcularClick());
    auto again = open();
    EXPECT_EQ(again->eLatitud->text(), QStringLiteral("40.4"));
    EXPECT_EQ(again->eLongitud->text(), QStringLiteral("-3.7"));
    EXPECT_DOUBLE_EQ(again->upHuso->value(), 2.0);
    EXPECT_DOUBLE_EQ(again->upMagLim->value(), 5.8);
    EXPECT_EQ(again->upAno->value(), QDate::currentDate().year());
}

TEST_F(PlanNoche, ThePdfIsWrittenWholeOrNotAtAll) {
    auto w = open();
    fillMadrid(*w);
    dialogs.saveAnswer = QString::fromStdString(dir.file("plan.pdf"));
    w->bImprimirClick();
    QFile pdf(dialogs.saveAnswer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_FALSE(dir.holdsTemporaries());
    EXPECT_TRUE(dialogs.errors.isEmpty());

    dialogs.saveAnswer = QString::fromStdString(dir.file("no-such-folder/plan.pdf"));
    w->bImprimirClick();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("No se pudo escribir el PDF")));
    EXPECT_FALSE(QFile::exists(dialogs.saveAnswer));

    dialogs.saveAnswer.clear(); // Cancel
    w->bImprimirClick();
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(PlanNoche, TheDialogAndThePlotTellTheNightAsThePageDoes) {
    struct Night {
        const char *lat, *lon;
        int day, month, rows;
        const char* says;
    };
    for (const Night& n : {Night{"48.85", "2.35", 9, 6, 2, "de 01:28 a 02:11, hora local"},
                           Night{"55.95", "-3.19", 21, 6, 0, "no hay noche oscura"}}) {
        auto w = open(n.day, n.month);
        EXPECT_EQ(w->eLatitud->placeholderText(), QStringLiteral("p. ej. 40.4"));
        compute(*w, n.lat, n.lon);
        const NightPlan& plan = w->plan();
        EXPECT_TRUE(w->lNoche->text().contains(QString::fromUtf8(n.says))) << n.says;
        EXPECT_TRUE(w->lNoche->text().contains(FromAnsi(NightSummary(plan)))) << n.says;
        EXPECT_EQ(w->gTabla->rowCount(), n.rows) << n.says;
        const auto series = w->grafico->chart()->series();
        // Without a dark night a note stands in for the plot and its axes.
        EXPECT_EQ(w->grafico->note().isEmpty(), n.rows > 0) << n.says;
        EXPECT_EQ(w->grafico->chart()->axes().isEmpty(), n.rows == 0) << n.says;
        if (n.rows == 0)
            continue;
        // A third of the Moon lit that night; each radiant named beside its code.
        const double lit =
            *std::max_element(plan.moonIllumination.begin(), plan.moonIllumination.end());
        EXPECT_GT(lit, 0.25);
        EXPECT_EQ(series.front()->name(),
                  QStringLiteral("Luna sobre el horizonte (%1 %)").arg(std::lround(100 * lit)));
        EXPECT_EQ(series[1]->name(), FromAnsi(plan.showers[0].code + " " + plan.showers[0].name));
    }
}

TEST_F(PlanNoche, HourLabelsStayWholeInAPolarNight) {
    auto w = open(21, 12);
    compute(*w, "88", "0");
    w->findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(1);
    w->show();
    w->grafico->grab(); // lays the axes out
    QStringList hours;
    for (QGraphicsItem* item : w->grafico->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text && text->isVisible() && text->toPlainText().contains(QLatin1Char(':')))
            hours << text->toPlainText().trimmed();
    }
    // Noon to noon, every three hours, none cut.
    hours.sort();
    EXPECT_EQ(hours.join(' '),
              QStringLiteral("00:00 03:00 06:00 09:00 12:00 12:00 15:00 18:00 21:00"));
}

TEST_F(PlanNoche, ThePreviewShowsThePlanAndItsImprimirGoesOnToThePdf) {
    auto w = open();
    fillMadrid(*w);
    for (const bool print : {false, true}) {
        dialogs.previewed.jobs.clear();
        dialogs.previewPrints = print;
        dialogs.saveAnswer = QString::fromStdString(dir.file(print ? "si.pdf" : "no.pdf"));
        w->bVistaPreviaClick();
        ASSERT_EQ(dialogs.previewed.jobs.size(), 1u);
        EXPECT_EQ(dialogs.previewed.jobs[0].title, "Plan de la noche");
        EXPECT_EQ(QFile::exists(dialogs.saveAnswer), print);
    }
}

TEST_F(PlanNoche, TheMenuItemOpensTheWindow) {
    form->Planificarlanoche1->trigger();
    EXPECT_EQ(dialogs.execs, 1);
}

// A damaged settings file (a hand edit, a crash) is read like typed values: what no field would
// accept is unset, never printed or saved back.
TEST_F(PlanNoche, DamagedRememberedSettingsAreReadAsUnset) {
    const struct {
        QVariant latitude, longitude, offset, sky;
        QString expectLatitude;
        double expectOffset, expectSky;
    } cases[] = {
        {"40.4", "-3.7", 1e300, "nan", "40.4", 0.0, 6.5},
        {"91", "abc", -13, 9, "", 0.0, 6.5},
        {"-33.9", "151.2", 9.5, 5.5, "-33.9", 9.5, 5.5},
    };
    for (const auto& c : cases) {
        QSettings saved(QStringLiteral("Velumbra"), QStringLiteral("Velumbra"));
        saved.setValue(QStringLiteral("plan/latitud"), c.latitude);
        saved.setValue(QStringLiteral("plan/longitud"), c.longitude);
        saved.setValue(QStringLiteral("plan/huso"), c.offset);
        saved.setValue(QStringLiteral("plan/maglim"), c.sky);
        saved.sync();
        const PlanSettings s = LoadPlanSettings();
        EXPECT_EQ(s.latitude, c.expectLatitude);
        EXPECT_EQ(s.utcOffset, c.expectOffset) << c.offset.toString().toStdString();
        EXPECT_EQ(s.limitingMagnitude, c.expectSky) << c.sky.toString().toStdString();
    }
}
