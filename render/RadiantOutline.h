#pragma once
// The outline of a radiant symbol: its two diameters traced on the sky in 361 points around the
// radiant. What a point owes to the size alone is the same for every radiant of that size and is
// worked out once per size; with the table full, working it out again for each radiant, in
// extended precision, was most of a redraw.
#include "geometry/ViewState.h"
#include "render/Canvas.h"

#include <map>
#include <utility>
#include <vector>

struct OutlinePoint {
    double sinTheta;
    float cosTheta;
    double sinA;
    double cosA;
    double tanA;
    float bigA;
    bool east; // the first and last quarter of the turn
    // The point on the sphere is sinA times the radiant's direction plus these times its east
    // and north directions.
    double eastward;
    double northward;
};

struct Outline {
    // Points i = 0 to 360, leaving out those whose direction is not a number (0/0 where both
    // semi-axes vanish, as at i = 0 with DiamRA 0).
    std::vector<OutlinePoint> points;
    // The largest distance of a point from the radiant, degrees.
    float radius = 0;
};

Outline MakeOutline(int diamRA, int diamDec);

// The outlines of the sizes met in one drawing of a layer.
class OutlineSizes {
  public:
    const Outline& of(int diamRA, int diamDec);

  private:
    std::map<std::pair<int, int>, Outline> sizes_;
};

using ProjectionFn = bool (*)(const ViewState&, double, double, int&, int&);

// Traces the outline around (ra, dec) from the position (x, y) the centre projection left. An
// invisible point repeats the previous one, since the projection leaves x and y untouched; the
// first point drawn is the move. With a finite centre, every value of a point is finite.
void TraceOutline(Canvas& c, const ViewState& v, ProjectionFn project, float ra, float dec,
                  const Outline& outline, int x, int y);

// The same lines as TraceOutline through the screen projection, pixel for pixel, found mostly by
// plain arithmetic instead of the arc sine, arc tangent, sines and cosines of every point.
void TraceOutlineOnScreen(Canvas& c, const ViewState& v, float ra, float dec,
                          const Outline& outline, int x, int y);

// Whether anything of the outline, or of a label reaching `label` pixels from the centre pixel
// (x, y), can fall on the screen chart. False only when all of it lies surely outside.
bool OutlineMayReachChart(const ViewState& v, float ra, float dec, const Outline& outline, int x,
                          int y, int label);
