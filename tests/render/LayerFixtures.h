#pragma once
// Small hand-built skies and views for the layer tests.
#include "geometry/Numbers.h"
#include "geometry/Projection.h"
#include "render/RecordingCanvas.h"
#include "sky/SkyData.h"
#include "tests/support/SkyFixtures.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace fixtures {

// A catalogue star; the magnitude in hundredths as the file holds it.
inline Star star(std::int32_t number, double raDeg, double decDeg, std::int16_t mag = 300,
                 std::uint8_t mark = 0) {
    Star s;
    s.StarNumber = number;
    s.RA = static_cast<std::int32_t>(Round(raDeg * 360000));
    s.Dec = static_cast<std::int32_t>(Round(decDeg * 360000));
    s.Mag = mag;
    s.LabelMark = mark;
    s.loaded = true;
    return s;
}

// A short catalogue as the loader leaves it: the given stars loaded, sorted with the empty
// slots, which hold RA 0, Dec 0, magnitude 0.00.
inline std::unique_ptr<StarTable> catalogue(const std::vector<Star>& stars) {
    auto t = std::make_unique<StarTable>();
    for (std::size_t i = 0; i < stars.size(); ++i)
        t->at(static_cast<int>(i) + 1) = stars[i];
    t->setCount(static_cast<int>(stars.size()));
    SortStars(*t);
    return t;
}

inline Point projected(const ViewState& v, double ra, double dec) {
    Point p{-1, -1};
    Project(v, ra, dec, p.x, p.y);
    return p;
}

inline std::vector<std::string> texts(const RecordingCanvas& c) {
    std::vector<std::string> out;
    for (const CanvasOp& op : c.of(CanvasOp::Text))
        out.push_back(op.text);
    return out;
}

struct Segment {
    int x1, y1, x2, y2;
    friend bool operator==(const Segment& a, const Segment& b) {
        return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
    }
};

inline std::ostream& operator<<(std::ostream& os, const Segment& s) {
    return os << "(" << s.x1 << "," << s.y1 << ")->(" << s.x2 << "," << s.y2 << ")";
}

inline std::vector<Segment> segments(const RecordingCanvas& c) {
    std::vector<Segment> out;
    for (const CanvasOp& op : c.of(CanvasOp::Line))
        out.push_back({op.x1, op.y1, op.x2, op.y2});
    return out;
}

inline Radiant radiant(const std::string& code, int startDay, int endDay, int maxDay, float ra,
                       float dec) {
    Radiant r;
    r.Code = code;
    r.Name = "Test";
    r.StartDay = static_cast<std::int16_t>(startDay);
    r.EndDay = static_cast<std::int16_t>(endDay);
    r.MaxDay = static_cast<std::int16_t>(maxDay);
    r.RA = ra;
    r.Dec = dec;
    r.DiamRA = 10;
    r.DiamDec = 10;
    r.DrawFlag = 1;
    return r;
}

inline RadiantTable radiants(const std::vector<Radiant>& records) {
    RadiantTable t;
    for (const Radiant& r : records)
        t.append(r, "test");
    return t;
}

} // namespace fixtures
