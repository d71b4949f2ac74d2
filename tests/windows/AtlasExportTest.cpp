#include "platform/PlanSettings.h"
#include "tests/windows/EverythingShown.h"
#include "tests/windows/FormFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QToolButton>

namespace {

class AtlasExport : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        // Settings of this test's own, apart from other tests running at the same time.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir.file("config")));
        start();
        form->today = [] { return QDate(2026, 8, 12); };
        ShowEverything(*form);
        ChooseChart(*form, 4, 2);
    }
    QString target() const { return QString::fromStdString(dir.file("atlas.pdf")); }
    QByteArray contents(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static int pages(const QByteArray& pdf) {
        return static_cast<int>(QString::fromLatin1(pdf).count(
            QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    }
};

TEST_F(AtlasExport, TheMenuWritesOnePdfWithEveryPageAndLeavesTheChartAsItWas) {
    StorePlanSettings({QStringLiteral("40.4"), QStringLiteral("-3.7"), 2.0, 6.5});
    const QString centre = status(0);
    const QString zoom = status(3);
    dialogs.saveAnswer = target();
    form->Exportaratlas1->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    const QByteArray pdf = contents(target());
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pages(pdf), 14);
    EXPECT_FALSE(dir.holdsTemporaries());
    ASSERT_FALSE(dialogs.progressSteps.empty());
    EXPECT_EQ(dialogs.progressSteps.back(), "Terminado");
    EXPECT_EQ(status(0), centre);
    EXPECT_EQ(status(3), zoom);
    EXPECT_EQ(form->view().ZoomLevel, 2);
    EXPECT_TRUE(printer.jobs.empty()) << "the atlas never goes to the printer";

    // No site remembered: no plan page.
    QSettings(QStringLiteral("Velumbra"), QStringLiteral("Velumbra")).clear();
    form->Exportaratlas1->trigger();
    EXPECT_EQ(pages(contents(target())), 13);
    EXPECT_TRUE(dialogs.questions.back().contains(QStringLiteral("sin plan de la noche")));
}

TEST_F(AtlasExport, ItSaysWhatItWillHoldAndAfterANewDateStillCarriesTheActiveRadiants) {
    StorePlanSettings({QStringLiteral("40.4"), QStringLiteral("-3.7"), 2.0, 6.5});
    form->Button3Click(); // applying a date puts the radiant buttons up
    ASSERT_FALSE(form->sbRad->isChecked() || form->sbRadTer->isChecked());
    dialogs.saveAnswer = target();
    dialogs.answer = false;
    form->Exportaratlas1->trigger();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("la carta no muestra radiantes")));
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("el plan de la noche del 12 al 13")));
    EXPECT_FALSE(QFile::exists(target()));
    EXPECT_TRUE(dialogs.progressSteps.empty());

    dialogs.answer = true;
    form->Exportaratlas1->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(pages(contents(target())), 14);
}

TEST_F(AtlasExport, CancellingLeavesNoNewFileAndTheOldOneWhole) {
    dialogs.saveAnswer = target();
    dialogs.cancelAt = "Carta 3 de 12";
    form->Exportaratlas1->trigger();
    EXPECT_FALSE(QFile::exists(target()));
    EXPECT_FALSE(dir.holdsTemporaries());
    EXPECT_TRUE(dialogs.errors.isEmpty());

    QFile old(target());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("el atlas de ayer");
    old.close();
    dialogs.cancelAt = "Radiantes activos";
    form->Exportaratlas1->trigger();
    EXPECT_EQ(contents(target()), QByteArray("el atlas de ayer"));
    EXPECT_FALSE(dir.holdsTemporaries());

    dialogs.saveAnswer.clear(); // the save dialog cancelled
    dialogs.progressSteps.clear();
    form->Exportaratlas1->trigger();
    EXPECT_TRUE(dialogs.progressSteps.empty());
}

TEST_F(AtlasExport, AFailureLeavesNoFileAndSaysWhichInSpanish) {
    dialogs.saveAnswer = QString::fromStdString(dir.file("no-such-folder/atlas.pdf"));
    form->Exportaratlas1->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("No se pudo escribir el PDF")));
    EXPECT_TRUE(dialogs.errors[0].contains(dialogs.saveAnswer));
    EXPECT_TRUE(dialogs.progressSteps.empty());

    // The whole atlas is drawn, but the name is taken by a folder.
    ASSERT_TRUE(QDir().mkpath(target()));
    dialogs.saveAnswer = target();
    form->Exportaratlas1->trigger();
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_TRUE(dialogs.errors[1].contains(target()));
    EXPECT_FALSE(dir.holdsTemporaries());
    EXPECT_TRUE(QDir(target()).exists());
}

} // namespace
