#pragma once
// What the main window's controls ask the chart to show, read afresh at every redraw.
#include <vector>

// The display toggles, down or up.
struct ChartToggles {
    bool grid = true;         // sbCoord
    bool figures = true;      // sbConstelaciones
    bool names = false;       // sbNombres
    bool zones = true;        // sbZonas (triangles and their numbers)
    bool stars = true;        // sbEstrellas
    bool labels = false;      // sbPintaMag
    bool imoRadiants = false; // sbRad
    bool terRadiants = false; // sbRadTer
    bool driftTracks = false; // sbDesRad
};

struct ChartOptions : ChartToggles {
    char gridLetter = 'H'; // 'H', 'V' or 'O'
    int radiantDate = 1;   // day of the 365-day year
    // Selection state of the drift list, line i for radiant i.
    std::vector<bool> driftSelected;
};

// Grid layout letter for an item index of the chart selector.
char GridLetterFor(int chartIndex);
