#include "render/Layers.h"

namespace {

// One surface's form of every layer; screen and paper draw them in the same order.
struct LayerForms {
    void (*grid)(Canvas&, const ViewState&, char);
    void (*figures)(Canvas&, const ViewState&, const StarTable&, const FigureTable&);
    void (*names)(Canvas&, const ViewState&, const NameTable&);
    void (*triangles)(Canvas&, const ViewState&, const StarTable&, const TriangleTable&);
    void (*stars)(Canvas&, const ViewState&, const StarTable&, bool);
    void (*zoneNumbers)(Canvas&, const ViewState&, const NumberTable&);
    void (*radiants)(Canvas&, const ViewState&, const RadiantTable&, int, bool, bool);
    void (*driftTracks)(Canvas&, const ViewState&, const RadiantTable&, const std::vector<bool>&);
};

constexpr LayerForms kScreen{DrawGrid,  DrawFigures,     DrawNames,    DrawTriangles,
                             DrawStars, DrawZoneNumbers, DrawRadiants, DrawDriftTracks};
constexpr LayerForms kPaper{DrawGridPrint,      DrawFiguresPrint,    DrawNamesPrint,
                            DrawTrianglesPrint, DrawStarsPrint,      DrawZoneNumbersPrint,
                            DrawRadiantsPrint,  DrawDriftTracksPrint};

void drawLayers(const LayerForms& f, Canvas& c, const ViewState& v, const SkyData& sky,
                const ChartOptions& o) {
    if (o.grid)
        f.grid(c, v, o.gridLetter);
    if (o.figures)
        f.figures(c, v, sky.stars, sky.figures);
    if (o.names)
        f.names(c, v, sky.names);
    if (o.zones)
        f.triangles(c, v, sky.stars, sky.triangles);
    if (o.stars)
        f.stars(c, v, sky.stars, o.labels);
    // Zone numbers after the stars, so that a disc never hides a zone's number.
    if (o.zones)
        f.zoneNumbers(c, v, sky.numbers);
    if (o.imoRadiants || o.terRadiants)
        f.radiants(c, v, sky.radiants, o.radiantDate, o.imoRadiants, o.terRadiants);
    if (o.driftTracks)
        f.driftTracks(c, v, sky.radiants, o.driftSelected);
}

} // namespace

void DrawChart(Canvas& c, const ViewState& v, const SkyData& sky, const ChartOptions& o) {
    c.brush = colors::White;
    c.FillRect(0, 0, v.ChartSize + 1, v.ChartSize + 1);
    drawLayers(kScreen, c, v, sky, o);
    DrawFrame(c, v);
}

void DrawChartPrint(Canvas& c, const ViewState& v, const SkyData& sky, const ChartOptions& o) {
    DrawFramePrint(c, v);
    drawLayers(kPaper, c, v, sky, o);
}
