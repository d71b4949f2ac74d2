#include "geometry/Calendar.h"
#include "sky/Radiant.h"
#include "tests/support/SkyFixtures.h"
#include "tests/windows/FormFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

Radiant radiant(const std::string& code, int start, int end, int max, float ra, float dec,
                float driftRA = 0, float driftDec = 0) {
    Radiant r;
    r.Code = code;
    r.Name = "Prueba " + code;
    r.StartDay = static_cast<std::int16_t>(start);
    r.EndDay = static_cast<std::int16_t>(end);
    r.MaxDay = static_cast<std::int16_t>(max);
    r.RA = ra;
    r.Dec = dec;
    r.DriftRA = driftRA;
    r.DriftDec = driftDec;
    r.DiamRA = 5;
    r.DiamDec = 5;
    r.DrawFlag = 1;
    return r;
}

} // namespace

class RadiantPanels : public FormFixture {
  protected:
    void withRadiants(const std::vector<Radiant>& imo, const std::vector<Radiant>& ter) {
        dir.write("fradiante", RadiantFileBytes(imo));
        dir.write("fradter", RadiantFileBytes(ter));
        start();
    }
    void applyDate(int day, int month) {
        form->sbFechaRadClick();
        form->upMes->setValue(month);
        form->upDia->setValue(day);
        form->Button3Click();
    }
    void press(QToolButton* b) {
        b->setChecked(!b->isChecked());
        form->sbRadClick();
    }
    QStringList lines(QListWidget* list) const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QStringList selectedDriftLines(const QString& prefix = QString()) const {
        QStringList out;
        for (QListWidgetItem* item : form->lbDesRad->selectedItems())
            if (item->text().startsWith(prefix))
                out << item->text();
        out.sort();
        return out;
    }
    // Both lists on for the date, from a drift selection cleared beforehand.
    void showBothListsOn(int day, int month) {
        form->Button2Click();
        applyDate(day, month);
        press(form->sbRad);
        press(form->sbRadTer);
    }
};

TEST_F(RadiantPanels, DateButtonsShowTheRadiantDate) {
    start();
    form->sbFechaRadClick();
    EXPECT_TRUE(form->pRad->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Panel3->isEnabled());
    form->upMes->setValue(8);
    form->upDia->setValue(5);
    form->Button3Click();
    EXPECT_FALSE(form->pRad->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Panel3->isEnabled());
    EXPECT_TRUE(form->sbRad->isEnabled());
    EXPECT_EQ(status(2), "");
    press(form->sbRad);
    EXPECT_EQ(status(2), "Fecha Radiantes: 05/08");
    form->SpeedButton9Click(); // the print choice opens, and is cancelled
    EXPECT_TRUE(impresion->rbDatos->isEnabled());
    press(form->sbRad);
    EXPECT_EQ(status(2), "");
    form->SpeedButton9Click();
    EXPECT_FALSE(impresion->rbDatos->isEnabled());
}

TEST_F(RadiantPanels, MonthCapsTheDay) {
    start();
    form->upDia->setValue(30);
    form->upMes->setValue(2);
    EXPECT_EQ(form->upDia->value(), 28);
    form->upDia->setValue(31);
    EXPECT_EQ(form->upDia->value(), 28);
    form->upMes->setValue(3);
    EXPECT_EQ(form->upDia->value(), 28);
    form->upDia->setValue(31);
    EXPECT_EQ(form->upDia->value(), 31);
    form->upMes->setValue(4);
    EXPECT_EQ(form->upDia->value(), 30);
}

TEST_F(RadiantPanels, MonthFieldRefusesWhatIsNotAMonth) {
    start();
    form->upMes->setValue(13);
    EXPECT_EQ(form->upMes->value(), 12);
    form->upMes->setValue(0);
    EXPECT_EQ(form->upMes->value(), 1);
    auto* edit = form->upMes->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, "13");
    EXPECT_EQ(form->upMes->value(), 1);
    edit->selectAll();
    QTest::keyClicks(edit, "9");
    EXPECT_EQ(form->upMes->value(), 9);
}

TEST_F(RadiantPanels, TodayHasNoLeapDay) {
    start();
    form->today = [] { return QDate(2028, 2, 29); };
    form->Button6Click();
    EXPECT_EQ(form->upDia->value(), 28);
    EXPECT_EQ(form->upMes->value(), 2);
    form->today = [] { return QDate(2026, 12, 31); };
    form->Button6Click();
    EXPECT_EQ(form->upDia->value(), 31);
    EXPECT_EQ(form->upMes->value(), 12);
}

TEST_F(RadiantPanels, PeriodAcrossTheYearEndIsListedOnBothSides) {
    // 20 December to 10 January, maximum 1 January (day 366), drifting one degree a day.
    withRadiants({radiant("DEC", 354, 375, 366, 100.0f, 20.0f, 1.0f, 0.0f)}, {});
    applyDate(5, 1);
    press(form->sbRad);
    ASSERT_EQ(form->lbRad->count(), 1);
    EXPECT_EQ(form->lbRad->item(0)->text(), "DEC  Prueba DEC");
    EXPECT_FLOAT_EQ(form->goToEntry(1).ra, 100.0f + (5 + 365 - 366));

    applyDate(25, 12);
    press(form->sbRad);
    ASSERT_EQ(form->lbRad->count(), 1);
    EXPECT_FLOAT_EQ(form->goToEntry(1).ra, 100.0f + (359 - 366));

    applyDate(15, 1);
    press(form->sbRad);
    EXPECT_EQ(form->lbRad->count(), 0);
    EXPECT_FALSE(form->sbGoRad->isEnabled());
}

TEST_F(RadiantPanels, KindFilterFollowsTheButtons) {
    withRadiants({radiant("PER", 200, 240, 224, 48, 58)}, {radiant("T17", 200, 240, 220, 10, 10)});
    applyDate(12, 8);
    press(form->sbRadTer);
    EXPECT_EQ(lines(form->lbRad), QStringList({"T17  Prueba T17"}));
    EXPECT_EQ(selectedDriftLines(), QStringList({"T17  Prueba T17"})); // PER is hidden
    press(form->sbRad);
    EXPECT_EQ(lines(form->lbRad), QStringList({"PER  Prueba PER", "T17  Prueba T17"}));
    press(form->sbRadTer);
    press(form->sbRad);
    EXPECT_EQ(form->lbRad->count(), 0);
}

TEST_F(RadiantPanels, GoToCentresOnTheDriftedPositionRoundedToEven) {
    withRadiants(
        {radiant("AAA", 200, 240, 220, 45.5f, 10.0f), radiant("BBB", 200, 240, 220, 44.5f, -2.5f)},
        {});
    applyDate(8, 8); // day 220, the maximum
    press(form->sbRad);
    form->sbGoRadClick();
    EXPECT_FALSE(form->Panel3->isEnabled());
    form->lbRad->setCurrentRow(0);
    form->lbRadClick();
    EXPECT_EQ(form->view().CentreRA, 46);
    EXPECT_EQ(form->view().CentreDec, 10);
    EXPECT_EQ(form->cbCarta->currentIndex(), 12);
    EXPECT_FALSE(form->pGoRad->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Panel3->isEnabled());

    form->sbGoRadClick();
    form->lbRad->setCurrentRow(1);
    form->lbRadClick();
    EXPECT_EQ(form->view().CentreRA, 44);
    EXPECT_EQ(form->view().CentreDec, -2);
}

TEST_F(RadiantPanels, GoToListStopsAtTwoHundred) {
    std::vector<Radiant> many;
    for (int i = 0; i < 230; ++i)
        many.push_back(radiant("A" + std::string(1, char('A' + i % 26)) + "A", 1, 365, 100,
                               static_cast<float>(i), 0));
    withRadiants(many, {});
    applyDate(1, 6);
    press(form->sbRad);
    EXPECT_EQ(form->lbRad->count(), 200);
    EXPECT_FLOAT_EQ(form->goToEntry(200).ra, 199.0f);
}

TEST_F(RadiantPanels, ActiveRadiantsPreselectTheirDriftTracks) {
    withRadiants({radiant("PER", 200, 240, 224, 48, 58), radiant("GEM", 338, 351, 348, 112, 33)},
                 {});
    form->lbDesRad->item(1)->setSelected(true);
    applyDate(12, 8);
    press(form->sbRad);
    EXPECT_TRUE(form->lbDesRad->item(0)->isSelected());
    EXPECT_TRUE(form->lbDesRad->item(1)->isSelected()); // never deselected
    press(form->sbRad);
    EXPECT_TRUE(form->lbDesRad->item(0)->isSelected());
}

TEST_F(RadiantPanels, ShippedPerseidsOf2026AreListedWithTheAntihelionPieceOfTheDate) {
    start();
    showBothListsOn(12, 8);
    const QStringList listed = lines(form->lbRad);
    const auto per = listed.indexOf(QStringLiteral("PER  Perseidas"));
    ASSERT_GE(per, 0) << listed.join('|').toStdString();
    // Maximum 13 August at 048 +58, drifting 1.2 and 0.2 degrees a day: one day before.
    EXPECT_FLOAT_EQ(form->goToEntry(static_cast<int>(per) + 1).ra, 47.0f);
    EXPECT_FLOAT_EQ(form->goToEntry(static_cast<int>(per) + 1).dec, 58.0f);
    EXPECT_TRUE(listed.contains(QString::fromUtf8("KCG  kappa Cígnidas")));

    EXPECT_TRUE(selectedDriftLines().contains(QStringLiteral("PER  Perseidas")));
    EXPECT_EQ(selectedDriftLines("ANT"), QStringList({"ANT  Antihelio ago-sep"}));
}

TEST_F(RadiantPanels, WhereTwoAntihelionPiecesMeetTheDateSelectsItsOwnPiece) {
    start();
    const struct {
        int day, month;
        const char* piece;
    } dates[] = {{9, 8, "ANT  Antihelio jul-ago"},
                 {10, 8, "ANT  Antihelio ago-sep"},
                 {9, 1, "ANT  Antihelio dic-ene"},
                 {10, 1, "ANT  Antihelio ene-feb"}};
    for (const auto& d : dates) {
        showBothListsOn(d.day, d.month);
        EXPECT_EQ(selectedDriftLines("ANT"), QStringList({d.piece})) << d.day << "/" << d.month;
    }
    // Between the last piece and the first no piece is active, and none is selected.
    showBothListsOn(1, 11);
    EXPECT_TRUE(selectedDriftLines("ANT").isEmpty());
}

TEST_F(RadiantPanels, ApplyingADateSwitchesBothListsOff) {
    withRadiants({radiant("PER", 200, 240, 224, 48, 58)}, {});
    applyDate(12, 8);
    press(form->sbRad);
    applyDate(13, 8);
    EXPECT_FALSE(form->sbRad->isChecked());
    EXPECT_FALSE(form->sbRadTer->isChecked());
    EXPECT_EQ(status(2), "");
}

TEST_F(RadiantPanels, DriftPanelCentresOnTheFirstSelectedRadiant) {
    withRadiants({radiant("AAA", 1, 10, 5, 10, 0), radiant("BBB", 1, 10, 5, 20, 0),
                  radiant("CCC", 1, 10, 5, 359.6f, 44.5f)},
                 {});
    form->sbDesRad->setChecked(true);
    form->sbDesRadClick();
    EXPECT_TRUE(form->pDesRad->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Panel3->isEnabled());
    form->lbDesRad->item(2)->setSelected(true);
    form->Button1Click();
    EXPECT_EQ(form->view().CentreRA, 360);
    EXPECT_EQ(form->view().CentreDec, 44);
    EXPECT_TRUE(form->sbDesRad->isChecked());
    EXPECT_EQ(form->cbCarta->currentIndex(), 12);
    EXPECT_TRUE(form->Panel3->isEnabled());
}

TEST_F(RadiantPanels, DriftPanelWithoutSelectionPutsTheButtonUp) {
    withRadiants({radiant("AAA", 1, 10, 5, 10, 0)}, {});
    form->sbDesRad->setChecked(true);
    form->sbDesRadClick();
    form->lbDesRad->item(0)->setSelected(true);
    form->Button2Click();
    EXPECT_TRUE(form->lbDesRad->selectedItems().isEmpty());
    EXPECT_TRUE(form->pDesRad->isVisibleTo(form.get())); // "Borr. sel" keeps the panel open
    form->Button1Click();
    EXPECT_FALSE(form->sbDesRad->isChecked());
    EXPECT_EQ(form->view().CentreRA, 30); // centre unchanged
    EXPECT_EQ(form->cbCarta->currentIndex(), 12);
}

TEST_F(RadiantPanels, CancellingTheDriftPanelKeepsTheSelection) {
    withRadiants({radiant("AAA", 1, 10, 5, 10, 0)}, {});
    form->sbDesRad->setChecked(true);
    form->sbDesRadClick();
    form->lbDesRad->item(0)->setSelected(true);
    form->Button4Click();
    EXPECT_FALSE(form->sbDesRad->isChecked());
    EXPECT_FALSE(form->pDesRad->isVisibleTo(form.get()));
    EXPECT_TRUE(form->lbDesRad->item(0)->isSelected());
    EXPECT_TRUE(form->Panel3->isEnabled());
}
