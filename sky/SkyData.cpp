#include "sky/SkyData.h"

namespace {

template <typename Load> void loadReporting(const ErrorReport& report, Load load) {
    try {
        load();
    } catch (const VelumbraError& e) {
        report(e);
    }
}

} // namespace

void LoadSky(SkyData& sky, const std::string& dataDir, const ErrorReport& report) {
    loadReporting(report, [&] { LoadStars(sky.stars, dataDir); });
    // The stars read before a failure are sorted all the same, so lookups find them.
    SortStars(sky.stars);
    loadReporting(report, [&] { LoadFigures(sky.figures, dataDir); });
    loadReporting(report, [&] { LoadNames(sky.names, dataDir); });
    loadReporting(report, [&] { LoadTriangles(sky.triangles, dataDir); });
    loadReporting(report, [&] { LoadNumbers(sky.numbers, dataDir); });
    LoadRadiants(sky.radiants, sky.driftLines, dataDir, report);
    loadReporting(report, [&] { LoadLimits(sky.limits, dataDir); });
}
