// A damaged radiant record is refused at start-up; nothing reaches the go-to list, the drift
// panel or a redraw, so no redraw raises and the chart never jumps.
#include "tests/support/SkyFixtures.h"
#include "tests/windows/EverythingShown.h"
#include "tests/windows/FormFixture.h"

#include <QCoreApplication>

#include <functional>
#include <limits>

using DamagedRadiants = FormFixture;

TEST_F(DamagedRadiants, AreRefusedAtStartAndEveryRedrawAfterwardsRaisesNothing) {
    const std::function<void(Radiant&)> damages[] = {
        [](Radiant& r) { r.RA = std::numeric_limits<float>::quiet_NaN(); },
        [](Radiant& r) { r.Dec = 1e30f; },
        [](Radiant& r) { r.StartDay = -5; },
    };
    for (const auto& damage : damages) {
        Radiant bad = Perseids("BAD");
        damage(bad);
        dir.write("fradiante", RadiantFileBytes({Perseids("PER"), bad}));
        dir.write("fradter", RadiantFileBytes({}));
        dialogs.errors.clear();
        start();
        QCoreApplication::processEvents();
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].startsWith(QString::fromUtf8("Registro 2 dañado")))
            << dialogs.errors[0].toStdString();
        ASSERT_EQ(form->sky().radiants.count(), 1);

        // Every remaining radiant on the chart with its drift track, then going to it.
        ShowEverything(*form);
        form->RedrawChart();
        ASSERT_EQ(form->lbRad->count(), 1);
        form->lbRad->setCurrentRow(0);
        form->lbRadClick();
        form->lbDesRad->item(0)->setSelected(true);
        form->Button1Click();
        EXPECT_EQ(dialogs.errors.size(), 1) << dialogs.errors.join("\n").toStdString();
        EXPECT_EQ(status(0), "Centro (J2000): 048 +58");
        form.reset();
    }
}
