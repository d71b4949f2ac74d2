#include "platform/ChartView.h"
#include "tests/windows/FormFixture.h"
#include "windows/UAcercade.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

// The main window shown and active, used from the keyboard and the wheel.
class Keyboard : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        start();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->PaintBox1->setFocus();
    }
    void chartKey(Qt::Key key) { QTest::keyClick(form->PaintBox1, key); }
    void wheel(int angle) {
        const QPointF at(225, 225);
        QWheelEvent event(at, form->PaintBox1->mapToGlobal(at), {}, QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form->PaintBox1, &event);
    }
    std::pair<int, int> centre() const { return {form->view().CentreRA, form->view().CentreDec}; }
    int zoom() const { return form->view().ZoomLevel; }
};

TEST_F(Keyboard, MenusHaveMnemonics) {
    QStringList titles;
    for (QAction* menu : form->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&Archivo", QString::fromUtf8("&Edición"), "&Listados",
                                   QString::fromUtf8("&Observación"), "&Ver"}));
}

TEST_F(Keyboard, ArrowKeysOnTheChartMoveLikeTheArrowButtonsAndOnlyWhenTheyAreEnabled) {
    const auto chartOne = centre();
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right})
        chartKey(key);
    EXPECT_EQ(centre(), chartOne); // a standard chart: the arrow buttons are disabled

    form->SpeedButton8Click();
    chartKey(Qt::Key_Up);
    EXPECT_EQ(centre(), std::make_pair(30, 66));
    chartKey(Qt::Key_Left);
    EXPECT_EQ(centre(), std::make_pair(40, 66));
    chartKey(Qt::Key_Right);
    chartKey(Qt::Key_Right);
    EXPECT_EQ(centre(), std::make_pair(20, 66));
    chartKey(Qt::Key_Down);
    EXPECT_EQ(centre(), std::make_pair(20, 56));
    EXPECT_EQ(status(0), "Centro (J2000): 020 +56");
    for (int i = 0; i < 5; ++i)
        chartKey(Qt::Key_Up);
    EXPECT_EQ(centre(), std::make_pair(20, 90)); // clamped as by the button
}

TEST_F(Keyboard, PlusMinusAndTheWheelZoomWithinOneToFive) {
    chartKey(Qt::Key_Minus);
    wheel(-120);
    EXPECT_EQ(zoom(), 1);
    chartKey(Qt::Key_Plus);
    EXPECT_EQ(zoom(), 2);
    EXPECT_FALSE(form->sbCoord->isEnabled()); // the rules of the zoom button hold
    wheel(60);
    EXPECT_EQ(zoom(), 2); // half a notch is no step yet
    wheel(60);
    EXPECT_EQ(zoom(), 3);
    wheel(360);
    EXPECT_EQ(zoom(), 5);
    chartKey(Qt::Key_Plus);
    EXPECT_EQ(zoom(), 5);
    EXPECT_FALSE(form->sbZMas->isEnabled());
    chartKey(Qt::Key_Minus);
    wheel(-120);
    EXPECT_EQ(zoom(), 3);
    EXPECT_EQ(status(3), "Zoom: 3");
}

TEST_F(Keyboard, ChartKeysAreDeadWhileAPanelIsOpen) {
    form->SpeedButton8Click();
    const auto before = centre();
    form->sbFechaRadClick();
    form->PaintBox1->setFocus();
    chartKey(Qt::Key_Up);
    chartKey(Qt::Key_Plus);
    EXPECT_EQ(centre(), before);
    EXPECT_EQ(zoom(), 1);
}

TEST_F(Keyboard, ShortcutsPressPrintSaveAndAboutExactlyWhenTheyAreEnabled) {
    TAboutBox about(dir.path());
    form->AboutBox = &about;
    QSignalSpy print(form->SpeedButton9, &QToolButton::clicked);
    QSignalSpy save(form->SpeedButton5, &QToolButton::clicked);
    form->SpeedButton9->setEnabled(false);
    form->SpeedButton5->setEnabled(false);
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(print.count(), 0);
    EXPECT_EQ(save.count(), 0);
    form->SpeedButton9->setEnabled(true);
    form->SpeedButton5->setEnabled(true);
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(print.count(), 1);
    EXPECT_EQ(save.count(), 1);

    const int shown = dialogs.execs; // the print choice went through exec too
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs.execs, shown + 1);
    form->AboutBox = nullptr;

    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST(AboutBox, ShowsTheBuildVersionAndNoDate) {
    TAboutBox about(VELUMBRA_DATA_DIR);
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Versión: " VELUMBRA_VERSION)))
        << texts.join('|').toStdString();
    const QRegularExpression date(QStringLiteral("\\d{1,2}/\\d{1,2}/\\d{2,4}|\\b(19|20)\\d\\d\\b"));
    for (const QString& text : texts)
        EXPECT_FALSE(date.match(text).hasMatch()) << text.toStdString();
}
