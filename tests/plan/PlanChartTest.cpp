#include "output/PlanChart.h"
#include "output/PlanText.h"

#include <gtest/gtest.h>

namespace {

// Half-hourly samples from `first` to `last` local hours; the Perseids up, the Moon half lit
// and up for the first two samples, and a radiant of the Terentjeva list without a rate.
NightPlan night(double first, double last) {
    NightPlan p;
    p.night.kind = DarkInterval::Kind::Astronomical;
    p.duskHours = first;
    p.dawnHours = last;
    std::vector<double> hours;
    for (double h = first; h < last - 1e-9; h += 0.5)
        hours.push_back(h);
    hours.push_back(last);
    for (double h : hours) {
        p.localHours.push_back(h);
        p.times.push_back(h);
        p.moonAltitude.push_back(p.times.size() <= 2 ? 10.0 : -5.0);
        p.moonIllumination.push_back(0.5);
    }
    ShowerPlan per{"PER", "Perseidas                 ", {}, 100, 2.2, true, {}, {}};
    ShowerPlan ter{"T12", "alfa Cygnidas", {}, 0, 0, false, {}, {}};
    for (ShowerPlan* s : {&per, &ter}) {
        s->altitude.assign(p.times.size(), 40.0);
        s->rate.assign(p.times.size(), s->rateKnown ? 30.0 : 0.0);
        p.showers.push_back(*s);
    }
    return p;
}

} // namespace

TEST(PlanChart, HourMarksAreFewEvenWholeAndCoverTheNight) {
    struct Case {
        const char* night;
        double first, last, from, to;
        const char* firstLabel;
        const char* lastLabel;
    };
    const Case cases[] = {
        {"Madrid, August", 23.5, 29.5, 23, 30, "23:00", "06:00"},
        {"a long night starting on the hour", 17.0, 31.0, 16, 32, "16:00", "08:00"},
        {"Helsinki, December", 18.5, 30.5, 18, 32, "18:00", "08:00"},
        {"a polar night", 12.0, 36.0, 12, 36, "12:00", "12:00"},
        {"a short night", 25.47, 26.18, 25, 27, "01:00", "03:00"},
    };
    for (const Case& c : cases) {
        const PlanChart chart = MakePlanChart(night(c.first, c.last), false);
        EXPECT_EQ(chart.from, c.from) << c.night;
        EXPECT_EQ(chart.to, c.to) << c.night;
        ASSERT_GE(chart.hours.size(), 2u) << c.night;
        EXPECT_LE(chart.hours.size() - 1, static_cast<std::size_t>(kMaxHourSteps)) << c.night;
        EXPECT_EQ(chart.hours.front().hours, c.from) << c.night;
        EXPECT_EQ(chart.hours.back().hours, c.to) << c.night;
        EXPECT_EQ(chart.hours.front().label, c.firstLabel) << c.night;
        EXPECT_EQ(chart.hours.back().label, c.lastLabel) << c.night;
        const double step = chart.hours[1].hours - chart.hours[0].hours;
        for (std::size_t i = 1; i < chart.hours.size(); ++i)
            EXPECT_EQ(chart.hours[i].hours - chart.hours[i - 1].hours, step) << c.night;
    }
}

TEST(PlanChart, TheLegendNamesEachRadiantAndTheMoonsLitPart) {
    const PlanChart heights = MakePlanChart(night(22.0, 26.0), false);
    EXPECT_TRUE(heights.note.empty());
    ASSERT_EQ(heights.curves.size(), 2u);
    EXPECT_EQ(heights.curves[0].label, "PER Perseidas");
    EXPECT_EQ(heights.curves[1].label, "T12 alfa Cygnidas");
    EXPECT_EQ(heights.moonLabel, "Luna sobre el horizonte (50 %)");
    // Up for the first two samples, setting halfway to the third.
    ASSERT_EQ(heights.moonUp.size(), 1u);
    EXPECT_EQ(heights.moonUp[0], std::make_pair(22.0, 22.75));

    const PlanChart rates = MakePlanChart(night(22.0, 26.0), true);
    ASSERT_EQ(rates.curves.size(), 1u);
    EXPECT_EQ(rates.curves[0].label, "PER Perseidas");
    EXPECT_EQ(rates.valueTitle, "Tasa horaria esperada (THE)");

    // Nothing to draw: the plot says why instead.
    NightPlan dark = night(22.0, 26.0);
    dark.showers.pop_back();
    dark.showers[0].rateKnown = false;
    EXPECT_NE(MakePlanChart(dark, true).note.find("THZ y r"), std::string::npos);
    NightPlan none;
    const PlanChart empty = MakePlanChart(none, false);
    EXPECT_EQ(empty.note, NightSummary(none));
    EXPECT_TRUE(empty.curves.empty());
    EXPECT_TRUE(empty.hours.empty());
}
