#include "sky/SkyData.h"

void LoadSky(SkyData& sky, const std::string& dataDir) {
    LoadStars(sky.stars, dataDir);
    SortStars(sky.stars);
    LoadFigures(sky.figures, dataDir);
    LoadNames(sky.names, dataDir);
    LoadTriangles(sky.triangles, dataDir);
    LoadNumbers(sky.numbers, dataDir);
    LoadRadiants(sky.radiants, sky.driftLines, dataDir);
    LoadLimits(sky.limits, dataDir);
}
