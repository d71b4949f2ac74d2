#include "render/Layers.h"

void DrawChart(Canvas& c, const ViewState& v, const SkyData& sky, const ChartOptions& o) {
    c.brush = colors::White;
    c.FillRect(0, 0, v.ChartSize + 1, v.ChartSize + 1);
    if (o.grid)
        DrawGrid(c, v, o.gridLetter);
    if (o.figures)
        DrawFigures(c, v, sky.stars, sky.figures);
    if (o.names)
        DrawNames(c, v, sky.names);
    if (o.zones)
        DrawTriangles(c, v, sky.stars, sky.triangles);
    if (o.stars)
        DrawStars(c, v, sky.stars, o.labels);
    // Zone numbers after the stars, so that a disc never hides a zone's number.
    if (o.zones)
        DrawZoneNumbers(c, v, sky.numbers);
    if (o.imoRadiants || o.terRadiants)
        DrawRadiants(c, v, sky.radiants, o.radiantDate, o.imoRadiants, o.terRadiants);
    if (o.driftTracks)
        DrawDriftTracks(c, v, sky.radiants, o.driftSelected);
    DrawFrame(c, v);
}
