#pragma once
// What the observation windows take from the main window, and nothing more: they never touch
// its widgets.
#include "observation/Observation.h"
#include "plan/Ephemeris.h"

#include <functional>
#include <optional>
#include <string>

class Dialogs;
class Printer;
class RadiantTable;

struct ObservationContext {
    const RadiantTable& radiants;
    // The radiant date in the current year: the evening of a new observation's night.
    CivilDate radiantDate;
    // The chart's centre now, J2000 degrees.
    std::function<Equatorial()> chartCentre;
    // The limiting magnitude window's last result, none before it gave one.
    std::function<std::optional<double>()> lastLimitingMagnitude;
    // Where the observation database lives, beside the user's data files.
    std::string dataDir;
    Dialogs& dialogs;
    Printer& printer;
};
