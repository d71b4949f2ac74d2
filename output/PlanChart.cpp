#include "output/PlanChart.h"

#include "output/PlanText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

// At most this many gaps between hour marks, so that every label fits whole.
constexpr int kMaxHourSteps = 8;

// A radiant keeps its colour whichever curve is shown; past the tenth the lines are dashed.
constexpr Color kPalette[] = {{31, 119, 180},  {214, 39, 40},  {44, 160, 44},   {255, 127, 14},
                              {148, 103, 189}, {140, 86, 75},  {227, 119, 194}, {23, 190, 207},
                              {188, 189, 34},  {127, 127, 127}};

std::string trimmed(const std::string& s) {
    const auto end = s.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

// Whole hours, one, two, three, four or six apart, few enough for every label to fit.
void markHours(PlanChart& chart, double first, double last) {
    for (int step : {1, 2, 3, 4, 6}) {
        chart.from = std::floor(first / step + 1e-9) * step;
        chart.to = std::max(std::ceil(last / step - 1e-9) * step, chart.from + step);
        if ((chart.to - chart.from) / step <= kMaxHourSteps) {
            for (double h = chart.from; h <= chart.to + 1e-9; h += step)
                chart.hours.push_back({h, LocalTime(h)});
            return;
        }
    }
}

// The Moon rises or sets halfway between two samples.
void markMoon(PlanChart& chart, const NightPlan& plan) {
    const auto& h = plan.localHours;
    double lit = 0;
    for (std::size_t t = 0; t < h.size(); ++t) {
        lit = std::max(lit, plan.moonIllumination[t]);
        if (plan.moonAltitude[t] <= 0)
            continue;
        const double start = t == 0 ? h[t] : (h[t - 1] + h[t]) / 2;
        const double end = t + 1 == h.size() ? h[t] : (h[t] + h[t + 1]) / 2;
        if (!chart.moonUp.empty() && chart.moonUp.back().second == start)
            chart.moonUp.back().second = end;
        else
            chart.moonUp.emplace_back(start, end);
    }
    const double shade = (30 + 90 * lit) / 255;
    auto toward = [&](int c) {
        return static_cast<std::uint8_t>(std::lround(255 + (c - 255) * shade));
    };
    chart.moonShade = {toward(90), toward(90), toward(120)};
    chart.moonLabel = "Luna sobre el horizonte (" + std::to_string(std::lround(100 * lit)) + " %)";
}

} // namespace

PlanChart MakePlanChart(const NightPlan& plan, bool rates) {
    PlanChart chart;
    chart.valueTitle = rates ? "Tasa horaria esperada (THE)" : "Altura del radiante (grados)";
    if (plan.times.empty()) {
        chart.note = NightSummary(plan);
        return chart;
    }
    chart.top = rates ? 10.0 : 90.0;
    for (std::size_t i = 0; i < plan.showers.size(); ++i) {
        const ShowerPlan& s = plan.showers[i];
        if (rates && !s.rateKnown)
            continue;
        PlanCurve curve{s.code + " " + trimmed(s.name),
                        kPalette[i % std::size(kPalette)],
                        i >= std::size(kPalette),
                        {}};
        for (std::size_t t = 0; t < plan.times.size(); ++t) {
            const double value = rates ? s.rate[t] : std::max(0.0, s.altitude[t]);
            curve.points.emplace_back(plan.localHours[t], value);
            chart.top = std::max(chart.top, value);
        }
        chart.curves.push_back(curve);
    }
    if (chart.curves.empty()) {
        chart.note = rates ? "Ning\xFAn radiante activo esa noche tiene THZ y r: no hay tasa "
                             "horaria esperada que dibujar."
                           : "Ning\xFAn radiante activo esa noche.";
        return chart;
    }
    if (rates) {
        chart.top = chart.top <= 20 ? 20 : std::ceil(chart.top / 50.0) * 50.0;
        chart.valueSteps = 5;
    }
    markHours(chart, plan.localHours.front(), plan.localHours.back());
    markMoon(chart, plan);
    return chart;
}
