#include "geometry/Numbers.h"
#include "platform/ChartView.h"
#include "tests/windows/FormFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QToolButton>

// The main window shown and active, driven with keys and clicks as a user would.
class Interaction : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        start();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void applyDate(int day, int month) {
        form->sbFechaRadClick();
        form->upMes->setValue(month);
        form->upDia->setValue(day);
        form->Button3Click();
    }
    void showImoRadiants() {
        form->sbRad->setChecked(true);
        form->sbRadClick();
    }
    bool shown(QWidget* panel) const { return panel->isVisibleTo(form.get()); }
    std::pair<int, int> centre() const { return {form->view().CentreRA, form->view().CentreDec}; }
    std::pair<int, int> goToCentre(int line) const {
        const RadiantPosition p = form->goToEntry(line);
        return {static_cast<int>(Round(p.ra)), static_cast<int>(Round(p.dec))};
    }
    // What the chart receives of the second click of a double-click whose first click went
    // to a widget above it: the double-click press and the release.
    void secondClickOnChart(QPoint at) {
        ChartView* chart = form->PaintBox1;
        const QPointF global = chart->mapToGlobal(QPointF(at));
        QMouseEvent press(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(chart, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(chart, &release);
    }
    QPoint onChart(QWidget* w, QPoint local) const {
        return form->PaintBox1->mapFromGlobal(w->mapToGlobal(local));
    }
};

TEST_F(Interaction, GoToListKeysOnlyMoveTheSelectionAndEnterGoes) {
    applyDate(12, 8);
    showImoRadiants();
    const int lines = form->lbRad->count();
    ASSERT_GE(lines, 3);
    for (int opening = 1; opening <= 2; ++opening) {
        const auto before = centre();
        QTest::mouseClick(form->sbGoRad, Qt::LeftButton);
        ASSERT_TRUE(shown(form->pGoRad));
        EXPECT_EQ(form->lbRad->currentRow(), 0) << "opening " << opening;
        QTest::keyClick(form->lbRad, Qt::Key_Down);
        EXPECT_EQ(form->lbRad->currentRow(), 1) << "opening " << opening;
        QTest::keyClick(form->lbRad, Qt::Key_Up);
        EXPECT_EQ(form->lbRad->currentRow(), 0) << "opening " << opening;
        QTest::keyClick(form->lbRad, Qt::Key_End);
        EXPECT_EQ(form->lbRad->currentRow(), lines - 1) << "opening " << opening;
        EXPECT_TRUE(shown(form->pGoRad));
        EXPECT_EQ(centre(), before);
        QTest::keyClick(form->lbRad, opening == 1 ? Qt::Key_Return : Qt::Key_Enter);
        EXPECT_FALSE(shown(form->pGoRad));
        EXPECT_TRUE(form->Panel3->isEnabled());
        EXPECT_EQ(centre(), goToCentre(lines));
    }
    // Line 1 is reachable, and Escape leaves like "Cancelar".
    QTest::mouseClick(form->sbGoRad, Qt::LeftButton);
    QTest::keyClick(form->lbRad, Qt::Key_Return);
    EXPECT_EQ(centre(), goToCentre(1));
    const auto before = centre();
    QTest::mouseClick(form->sbGoRad, Qt::LeftButton);
    QTest::keyClick(form->lbRad, Qt::Key_Down);
    QTest::keyClick(form->lbRad, Qt::Key_Escape);
    EXPECT_FALSE(shown(form->pGoRad));
    EXPECT_EQ(centre(), before);
}

TEST_F(Interaction, SecondClickOfADoubleClickThatClosedAPanelMissesTheChart) {
    applyDate(12, 8);
    showImoRadiants();
    const auto target = goToCentre(2);
    QTest::mouseClick(form->sbGoRad, Qt::LeftButton);
    const QRect line = form->lbRad->visualItemRect(form->lbRad->item(1));
    QTest::mouseClick(form->lbRad->viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_FALSE(shown(form->pGoRad));
    EXPECT_EQ(centre(), target);
    secondClickOnChart(onChart(form->lbRad->viewport(), line.center()));
    EXPECT_EQ(centre(), target);

    form->sbFechaRadClick();
    const QPoint apply = form->Button3->rect().center();
    QTest::mouseClick(form->Button3, Qt::LeftButton, {}, apply);
    EXPECT_FALSE(shown(form->pRad));
    secondClickOnChart(onChart(form->Button3, apply));
    EXPECT_EQ(centre(), target);

    // A release that was pressed elsewhere is no click on the chart either.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(100, 100),
                        form->PaintBox1->mapToGlobal(QPointF(100, 100)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->PaintBox1, &release);
    EXPECT_EQ(centre(), target);

    // A click of its own still recentres.
    QTest::mouseClick(form->PaintBox1, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_NE(centre(), target);
}

TEST_F(Interaction, ANewDateEmptiesTheGoToListUntilARadiantButtonIsPressed) {
    applyDate(12, 8);
    showImoRadiants();
    EXPECT_TRUE(form->sbGoRad->isEnabled());
    applyDate(14, 12);
    EXPECT_FALSE(form->sbGoRad->isEnabled());
    EXPECT_EQ(form->lbRad->count(), 0);
    showImoRadiants();
    EXPECT_TRUE(form->sbGoRad->isEnabled());
    const QString lines = [&] {
        QString all;
        for (int i = 0; i < form->lbRad->count(); ++i)
            all += form->lbRad->item(i)->text() + '\n';
        return all;
    }();
    EXPECT_TRUE(lines.contains("GEM")) << lines.toStdString();
    EXPECT_FALSE(lines.contains("PER")) << lines.toStdString();
}

TEST_F(Interaction, ApplyRefusesAMonthThatIsNotOneToTwelve) {
    applyDate(12, 8);
    QLineEdit* month = form->upMes->findChild<QLineEdit*>();
    for (const char* typed : {"0", ""}) {
        form->sbFechaRadClick();
        month->selectAll();
        QTest::keyClick(month, Qt::Key_Backspace);
        QTest::keyClicks(month, typed);
        QTest::mouseClick(form->Button3, Qt::LeftButton);
        ASSERT_EQ(dialogs.errors.size(), 1) << "typed '" << typed << "'";
        EXPECT_TRUE(dialogs.errors.front().contains("1 a 12"));
        EXPECT_TRUE(shown(form->pRad)) << "typed '" << typed << "'";
        EXPECT_FALSE(form->Panel3->isEnabled());
        dialogs.errors.clear();
        QTest::keyClick(month, Qt::Key_Escape);
        EXPECT_FALSE(shown(form->pRad));
        EXPECT_EQ(form->upMes->value(), 8);
    }
    form->sbFechaRadClick();
    month->selectAll();
    QTest::keyClicks(month, "9");
    QTest::keyClick(month, Qt::Key_Return);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_FALSE(shown(form->pRad));
    showImoRadiants();
    EXPECT_EQ(status(2), "Fecha Radiantes: 12/09");
}

TEST_F(Interaction, DayAndMonthStepOnlyWithTheirOwnArrows) {
    form->sbFechaRadClick();
    form->upMes->setValue(5);
    form->upDia->setValue(10);
    for (QSpinBox* field : {form->upDia, form->upMes}) {
        const int value = field->value();
        field->setFocus();
        for (int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown})
            QTest::keyClick(field, static_cast<Qt::Key>(key));
        const QPoint middle = field->rect().center();
        QWheelEvent wheel(middle, field->mapToGlobal(middle), {}, QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(field, &wheel);
        EXPECT_EQ(field->value(), value) << field->objectName().toStdString();

        QStyleOptionSpinBox option;
        option.initFrom(field);
        option.subControls = QStyle::SC_SpinBoxUp;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        const QRect up =
            field->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp);
        QTest::mouseClick(field, Qt::LeftButton, {}, up.center());
        EXPECT_EQ(field->value(), value + 1) << field->objectName().toStdString();
    }
}

TEST_F(Interaction, ChartHasAOnePixelFrameAndTheDriftHintIsSpelt) {
    const QImage area = form->Panel1->grab().toImage();
    ASSERT_EQ(area.size(), QSize(452, 452));
    for (int along : {5, 200, 446}) {
        for (QPoint outside :
             {QPoint(0, along), QPoint(451, along), QPoint(along, 0), QPoint(along, 451)})
            EXPECT_EQ(area.pixelColor(outside), QColor(Qt::white))
                << outside.x() << "," << outside.y();
        for (QPoint frame :
             {QPoint(1, along), QPoint(450, along), QPoint(along, 1), QPoint(along, 450)})
            EXPECT_EQ(area.pixelColor(frame), QColor(Qt::black)) << frame.x() << "," << frame.y();
    }
    EXPECT_EQ(form->sbDesRad->toolTip(), "Desplazamiento de radiantes");
}

// Enlarged to a 900-pixel chart, the chart is drawn at its new size and a click in marking mode
// lands on the star it lands on at 450 pixels: each click at twice the place flips the same mark.
TEST_F(Interaction, AnEnlargedChartIsDrawnLargeAndItsClicksLandOnTheSameStars) {
    form->Dibujarmagnitud1Click();
    std::vector<std::uint8_t> marks;
    auto marksNow = [this] {
        std::vector<std::uint8_t> m;
        for (int slot = 1; slot <= kStarSlots; ++slot)
            m.push_back(form->sky().stars.at(slot).LabelMark);
        return m;
    };
    const std::vector<std::uint8_t> before = marksNow();
    const QPoint places[] = {{225, 225}, {100, 340}, {401, 57}};
    for (QPoint at : places)
        QTest::mouseClick(form->PaintBox1, Qt::LeftButton, Qt::NoModifier, at);
    const std::vector<std::uint8_t> at450 = marksNow();
    ASSERT_NE(at450, before);

    form->resize(form->width() + 450, form->height() + 450);
    QApplication::processEvents();
    ASSERT_EQ(form->PaintBox1->width(), 900);
    EXPECT_EQ(form->PaintBox1->buffer().width(), 900);
    for (QPoint at : places)
        QTest::mouseClick(form->PaintBox1, Qt::LeftButton, Qt::NoModifier, at * 2 + QPoint(1, 1));
    EXPECT_EQ(marksNow(), before);
}
