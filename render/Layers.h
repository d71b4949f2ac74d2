#pragma once
// The chart layers, each drawing on a Canvas: the screen form through the screen projection,
// its Print twin through the printer projection, in printer pixels with sizes taken from
// PrintUnit. They keep no state between calls; what they leave in the canvas attributes is
// what the next layer inherits. Every twin sets its own pen style and width.
#include "geometry/ViewState.h"
#include "render/Canvas.h"
#include "render/ChartOptions.h"
#include "sky/SkyData.h"

#include <string>
#include <vector>

// Coordinate grid in layout 'H', 'V' or 'O' (any other letter draws nothing), and the frame.
void DrawGrid(Canvas& c, const ViewState& v, char letter);
void DrawFrame(Canvas& c, const ViewState& v);
void DrawGridPrint(Canvas& c, const ViewState& v, char letter);
void DrawFramePrint(Canvas& c, const ViewState& v);

// Star discs by magnitude class, with magnitude labels of marked stars when showLabels.
void DrawStars(Canvas& c, const ViewState& v, const StarTable& stars, bool showLabels);
void DrawStarsPrint(Canvas& c, const ViewState& v, const StarTable& stars, bool showLabels);
// Size unit of the printed star discs: Round(PrintUnit / 6).
int PrintStarStep(float printUnit);

// Magnitude class 1..9 of a magnitude (single precision, as the layer computes it).
int StarClass(float m);

void DrawFigures(Canvas& c, const ViewState& v, const StarTable& stars, const FigureTable& t);
void DrawNames(Canvas& c, const ViewState& v, const NameTable& t);
void DrawTriangles(Canvas& c, const ViewState& v, const StarTable& stars, const TriangleTable& t);
// Zone numbers, bold in the size the canvas holds. At 7 points (9 pixels) the bold cut of the
// chart's sans face is drawn pixel for pixel like its regular one; this face shows it.
inline constexpr const char* kZoneNumberFace = "DejaVu Sans Condensed";
void DrawZoneNumbers(Canvas& c, const ViewState& v, const NumberTable& t);
void DrawFiguresPrint(Canvas& c, const ViewState& v, const StarTable& stars, const FigureTable& t);
// Names are kept by their anchor, zone numbers by their whole box, inside the printed square.
void DrawNamesPrint(Canvas& c, const ViewState& v, const NameTable& t);
void DrawTrianglesPrint(Canvas& c, const ViewState& v, const StarTable& stars,
                        const TriangleTable& t);
void DrawZoneNumbersPrint(Canvas& c, const ViewState& v, const NumberTable& t);

// Radiants active on the date, of the lists switched on.
void DrawRadiants(Canvas& c, const ViewState& v, const RadiantTable& t, int radiantDate,
                  bool showImo, bool showTerentjeva);
void DrawRadiantSymbol(Canvas& c, const ViewState& v, float ra, float dec, const std::string& code,
                       int diamRA, int diamDec);
void DrawRadiantsPrint(Canvas& c, const ViewState& v, const RadiantTable& t, int radiantDate,
                       bool showImo, bool showTerentjeva);
void DrawRadiantSymbolPrint(Canvas& c, const ViewState& v, float ra, float dec,
                            const std::string& code, int diamRA, int diamDec);

// Drift tracks of the selected lines (line i is radiant i).
void DrawDriftTracks(Canvas& c, const ViewState& v, const RadiantTable& t,
                     const std::vector<bool>& selected);
void DrawDriftTracksPrint(Canvas& c, const ViewState& v, const RadiantTable& t,
                          const std::vector<bool>& selected);

// Steps 6 to 15 of a redraw: background, then every layer switched on, in order, then frame.
void DrawChart(Canvas& c, const ViewState& v, const SkyData& sky, const ChartOptions& o);
// The chart of a printed page: the frame, then every layer switched on, in the screen's order.
void DrawChartPrint(Canvas& c, const ViewState& v, const SkyData& sky, const ChartOptions& o);
