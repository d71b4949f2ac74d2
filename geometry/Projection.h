#pragma once
#include "geometry/ViewState.h"

// Chart units per unit of the tangent plane, before the screen or print scale.
constexpr double kPlaneScale = 160.43;

// Gnomonic projection about the chart centre, east to the left and north up. Points with a
// cosine of the distance from the centre below 0.4 are not visible: the function returns false
// and leaves x and y untouched, which the radiant outline relies on.
bool Project(const ViewState& v, double ra, double dec, int& x, int& y);

// The same projection into printer pixels of the printed chart square.
bool ProjectPrint(const ViewState& v, double ra, double dec, int& x, int& y);

struct SkyPoint {
    int ra;
    int dec;
};

// Sky position of a screen pixel, whole degrees, RA folded into 0..360. Recomputes the centre
// in radians in v first, as the click-to-centre uses it.
SkyPoint Unproject(ViewState& v, int x, int y);
