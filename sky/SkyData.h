#pragma once
// Every table read from the data files, owned by the main window for the whole run.
#include "sky/LimitTable.h"
#include "sky/Radiant.h"
#include "sky/SkyFigures.h"
#include "sky/StarTable.h"

#include <string>
#include <vector>

struct SkyData {
    StarTable stars;
    FigureTable figures;
    NameTable names;
    TriangleTable triangles;
    NumberTable numbers;
    RadiantTable radiants;
    LimitTable limits;
    // Lines of the drift list, line i for radiant i.
    std::vector<std::string> driftLines;
};

// Start-up loading in its fixed order: festrella (then sorted), ffigura, fnombre, ftriangulo,
// fnumero, both radiant files, then the count tables. A failure stops the file it happens in and
// goes to `report`; when `report` returns, the next file is read, so every table holds what could
// be read.
void LoadSky(SkyData& sky, const std::string& dataDir, const ErrorReport& report = RaiseError);
