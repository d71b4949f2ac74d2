#pragma once
// What the night's plot shows, the same on screen and on paper: one curve per radiant, its
// altitude or its expected hourly rate against local time, the hours the Moon is up, and the
// hour marks. Texts are Windows-1252.
#include "plan/NightPlan.h"
#include "render/Canvas.h"

#include <string>
#include <utility>
#include <vector>

struct PlanCurve {
    std::string label; // "PER Perseidas"
    Color color;
    bool dashed = false;
    std::vector<std::pair<double, double>> points; // (local hours, value)
};

struct HourMark {
    double hours;
    std::string label; // "23:00", past midnight too
};

struct PlanChart {
    // Why nothing is drawn (no dark night, no curve); empty when there is a plot.
    std::string note;
    double from = 0; // local hours, on whole hour marks
    double to = 0;
    double top = 90;    // values run from 0 to top
    int valueSteps = 6; // marks on the value axis, 0 and top included, are one more
    std::vector<HourMark> hours;
    std::string valueTitle;
    std::vector<PlanCurve> curves;
    // Stretches of local hours with the Moon above the horizon.
    std::vector<std::pair<double, double>> moonUp;
    Color moonShade;       // darker the fuller the Moon, on white
    std::string moonLabel; // "Luna sobre el horizonte (50 %)"
};

PlanChart MakePlanChart(const NightPlan& plan, bool rates);
