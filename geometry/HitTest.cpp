#include "geometry/HitTest.h"

#include "geometry/Projection.h"

int NearestStar(const ViewState& v, const StarTable& stars, int x, int y) {
    long long best = 10000000;
    int chosen = 0;
    for (int s = 1; s <= kStarSlots; ++s) {
        const Star& star = stars.at(s);
        if (!star.loaded)
            continue;
        int sx = 0;
        int sy = 0;
        if (!Project(v, star.RA * kHundredthArcsecToDeg, star.Dec * kHundredthArcsecToDeg, sx, sy))
            continue;
        const long long dx = sx - x;
        const long long dy = y - sy;
        const long long d = dx * dx + dy * dy;
        if (d < best) {
            best = d;
            chosen = s;
        }
    }
    return chosen;
}
