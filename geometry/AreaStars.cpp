#include "geometry/AreaStars.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vec {
    double x, y, z;
};

Vec unitVector(const Star& s) {
    const double ra = s.RA * kHundredthArcsecToDeg * 0.017453286279273523;
    const double dec = s.Dec * kHundredthArcsecToDeg * 0.017453286279273523;
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec normalised(Vec v) {
    const double n = std::sqrt(dot(v, v));
    return {v.x / n, v.y / n, v.z / n};
}

// The gnomonic plane about the outline's centre turns its great-circle sides into straight
// segments, so the plane's even-odd test is exact on the sphere.
struct Plane {
    Vec centre, east, north;
    bool project(Vec p, double& u, double& v) const {
        const double d = dot(p, centre);
        if (d <= 0.1)
            return false;
        u = dot(p, east) / d;
        v = dot(p, north) / d;
        return true;
    }
};

Plane planeAbout(const std::vector<Vec>& corners) {
    Vec sum{0, 0, 0};
    for (Vec c : corners)
        sum = {sum.x + c.x, sum.y + c.y, sum.z + c.z};
    const Vec centre = normalised(sum);
    const Vec pole{0, 0, 1};
    const Vec east = normalised(std::fabs(centre.z) > 0.999 ? Vec{1, 0, 0} : cross(pole, centre));
    return {centre, east, cross(centre, east)};
}

bool insideOutline(const std::vector<double>& us, const std::vector<double>& vs, double u,
                   double v) {
    bool inside = false;
    const std::size_t n = us.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        if ((vs[i] > v) != (vs[j] > v) &&
            u < (us[j] - us[i]) * (v - vs[i]) / (vs[j] - vs[i]) + us[i])
            inside = !inside;
    }
    return inside;
}

} // namespace

std::vector<std::int32_t> AreaCorners(const TriangleTable& zones, int area) {
    int stroke = 0;
    std::vector<std::int32_t> corners;
    for (int k = 1; k <= TriangleTable::size(); ++k) {
        const StrokePoint& p = zones.at(k);
        if (p.StarNumber == 0)
            continue;
        if (p.Op == 0)
            ++stroke;
        else if (p.Op != 1)
            continue;
        if (stroke == area)
            corners.push_back(p.StarNumber);
    }
    // The stroke closes on its first corner.
    if (corners.size() > 1 && corners.back() == corners.front())
        corners.pop_back();
    if (corners.size() < 3)
        corners.clear();
    return corners;
}

std::vector<int> StarsInArea(const StarTable& stars, const TriangleTable& zones, int area) {
    const std::vector<std::int32_t> corners = AreaCorners(zones, area);
    std::vector<Vec> cornerVecs;
    for (std::int32_t number : corners) {
        const int slot = FindStar(stars, number);
        if (slot == 0)
            return {};
        cornerVecs.push_back(unitVector(stars.at(slot)));
    }
    if (cornerVecs.empty())
        return {};
    const Plane plane = planeAbout(cornerVecs);
    std::vector<double> us, vs;
    for (Vec c : cornerVecs) {
        double u = 0, v = 0;
        if (!plane.project(c, u, v))
            return {};
        us.push_back(u);
        vs.push_back(v);
    }
    std::vector<int> inside;
    for (int s = 1; s <= kStarSlots; ++s) {
        const Star& star = stars.at(s);
        if (!star.loaded)
            continue;
        const bool corner =
            std::find(corners.begin(), corners.end(), star.StarNumber) != corners.end();
        double u = 0, v = 0;
        if (corner || (plane.project(unitVector(star), u, v) && insideOutline(us, vs, u, v)))
            inside.push_back(s);
    }
    return inside;
}
