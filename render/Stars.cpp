#include "geometry/Numbers.h"
#include "geometry/Projection.h"
#include "render/Layers.h"

#include <cstdint>

namespace {

// The visit both star layers share. The magnitude test comes before the projection so that
// faint stars cost no trigonometry; empty slots of a short catalogue are not stars at all.
template <typename ProjectFn, typename DrawFn>
void forEachShownStar(const StarTable& stars, std::uint8_t magLimit, ProjectFn project,
                      DrawFn draw) {
    for (int slot = 1; slot <= kStarSlots; ++slot) {
        const Star& s = stars.at(slot);
        if (!s.loaded)
            continue;
        const float m = static_cast<float>(s.Mag * 0.01);
        if (magLimit < m)
            continue;
        int x = 0;
        int y = 0;
        if (!project(s.RA * kHundredthArcsecToDeg, s.Dec * kHundredthArcsecToDeg, x, y))
            continue;
        draw(s, m, x, y);
    }
}

// Magnitude in tenths, "42" for 4.2 and "-07" for -0.7.
std::string magnitudeLabel(float m) {
    return FormatFloat("00", static_cast<double>(Round(static_cast<double>(m) * 10)));
}

// The magnitude label on its opaque white cell; the discs are drawn with the black brush.
void writeLabel(Canvas& c, float m, int x, int y) {
    c.brush = colors::White;
    c.TextOut(x, y, magnitudeLabel(m));
    c.brush = colors::Black;
}

struct SymbolBox {
    int low;  // offset of left and top from the star
    int high; // offset of right and bottom, excluded by the ellipse convention
};

// Screen boxes of classes 1 to 8, sides 9 down to 2 pixels; even sides reach one pixel
// further left and up.
constexpr SymbolBox kScreenBoxes[] = {{-4, 5}, {-4, 4}, {-3, 4}, {-3, 3},
                                      {-2, 3}, {-2, 2}, {-1, 2}, {-1, 1}};

} // namespace

int StarClass(float m) {
    // Class k stays under the bound k - 2; the lower bound of each class is inclusive.
    for (int k = 1; k <= 8; ++k)
        if (m < static_cast<float>(k - 2))
            return k;
    return 9;
}

void DrawStars(Canvas& c, const ViewState& v, const StarTable& stars, bool showLabels) {
    c.pen.color = colors::Black;
    c.pen.style = PenStyle::Solid;
    c.brush = colors::Black;
    c.font.face = "Arial";
    c.font.color = colors::Black;
    c.font.size = 7;
    c.font.bold = false;
    const auto project = [&v](double ra, double dec, int& x, int& y) {
        return Project(v, ra, dec, x, y);
    };
    forEachShownStar(stars, v.MagLimit, project, [&](const Star& s, float m, int x, int y) {
        const int cls = StarClass(m);
        if (cls == 9) {
            c.SetPixel(x, y, colors::Black);
        } else {
            const SymbolBox& box = kScreenBoxes[cls - 1];
            c.Ellipse(x + box.low, y + box.low, x + box.high, y + box.high);
        }
        if (showLabels && s.LabelMark != 0)
            writeLabel(c, m, x + 3, y);
    });
    c.brush = colors::White;
}

int PrintStarStep(float printUnit) {
    return static_cast<int>(Round(printUnit * 0.16666666666666666));
}

void DrawStarsPrint(Canvas& c, const ViewState& v, const StarTable& stars, bool showLabels) {
    const int step = PrintStarStep(v.PrintUnit);
    c.pen = Pen{colors::Black, 1, PenStyle::Solid};
    c.brush = colors::Black;
    c.font.size = 5;
    c.font.bold = false;
    const auto project = [&v](double ra, double dec, int& x, int& y) {
        return ProjectPrint(v, ra, dec, x, y);
    };
    forEachShownStar(stars, v.MagLimit, project, [&](const Star& s, float m, int x, int y) {
        // Even the faintest class is a disc on paper, never a lone device pixel.
        const int radius = (10 - StarClass(m)) * step;
        c.Ellipse(x - radius, y - radius, x + radius, y + radius);
        if (showLabels && s.LabelMark != 0)
            writeLabel(c, m, x + radius + step, y);
    });
}
