#include "output/ZhrPlot.h"

#include "geometry/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::int64_t kHour = 3600;

// The smallest of 1, 2 or 5 times a power of ten that is at least `value`.
double roundStep(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= value)
            return m * power;
    return 10 * power;
}

class Frame {
  public:
    Frame(PlotBox area, std::int64_t from, std::int64_t to, double top)
        : a_(area), from_(from), to_(std::max(to, from + 1)), top_(top) {}
    int x(std::int64_t ut) const {
        return a_.left +
               static_cast<int>(Round(static_cast<double>(ut - from_) /
                                      static_cast<double>(to_ - from_) * (a_.right - a_.left)));
    }
    int y(double zhr) const {
        return a_.bottom -
               static_cast<int>(Round(std::max(0.0, zhr) / top_ * (a_.bottom - a_.top)));
    }
    const PlotBox& area() const { return a_; }

  private:
    PlotBox a_;
    std::int64_t from_, to_;
    double top_;
};

void line(Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void drawAxes(Canvas& c, const Frame& f, double top, double step, std::int64_t from,
              std::int64_t to, int tick) {
    const PlotBox& a = f.area();
    c.pen.color = colors::Black;
    c.pen.style = PenStyle::Solid;
    c.brush = colors::White;
    c.font = Font{"Arial", 8, false, colors::Black};
    line(c, a.left, a.top, a.right, a.top);
    line(c, a.right, a.top, a.right, a.bottom);
    line(c, a.right, a.bottom, a.left, a.bottom);
    line(c, a.left, a.bottom, a.left, a.top);
    const int h = c.TextHeight("0");
    for (double v = 0; v <= top + step / 2; v += step) {
        const std::string label = FormatFloat("0", v);
        line(c, a.left - tick, f.y(v), a.left, f.y(v));
        c.TextOut(a.left - tick * 2 - c.TextWidth(label), f.y(v) - h / 2, label);
    }
    const std::int64_t hours = (to - from) / kHour;
    const std::int64_t every = hours > 12 ? 2 * kHour : kHour;
    for (std::int64_t t = (from + kHour - 1) / kHour * kHour; t <= to; t += every) {
        const std::string label = FormatFloat("00", static_cast<double>(t / kHour % 24));
        line(c, f.x(t), a.bottom, f.x(t), a.bottom + tick);
        c.TextOut(f.x(t) - c.TextWidth(label) / 2, a.bottom + tick * 2, label);
    }
    c.TextOut(a.right - c.TextWidth("UT"), a.bottom + tick * 2 + h, "UT");
    c.TextOut(a.left - tick * 2 - c.TextWidth("ZHR"), a.top - h * 2, "ZHR");
}

void drawSeries(Canvas& c, const Frame& f, const ZhrSeries& s, Color colour, int mark) {
    c.pen.color = colour;
    for (std::size_t i = 1; i < s.points.size(); ++i)
        line(c, f.x(s.points[i - 1].middleUt), f.y(s.points[i - 1].zhr), f.x(s.points[i].middleUt),
             f.y(s.points[i].zhr));
    for (const ZhrPoint& p : s.points) {
        const int x = f.x(p.middleUt);
        const int low = f.y(p.zhr - p.error);
        const int high = f.y(p.zhr + p.error);
        line(c, x, low, x, high);
        line(c, x - mark, low, x + mark + 1, low);
        line(c, x - mark, high, x + mark + 1, high);
        c.brush = colour;
        c.FillRect(x - mark, f.y(p.zhr) - mark, x + mark + 1, f.y(p.zhr) + mark + 1);
    }
}

} // namespace

Color ZhrSeriesColor(std::size_t n) {
    static constexpr std::array<Color, 8> palette{
        colors::Black,      colors::Red,        colors::Blue,       colors::Green,
        Color{128, 0, 128}, Color{230, 120, 0}, Color{0, 128, 128}, Color{128, 128, 0}};
    return palette[n % palette.size()];
}

void DrawZhrPlot(Canvas& c, PlotBox box, float unit, const std::vector<ZhrSeries>& series,
                 std::int64_t fromUt, std::int64_t toUt) {
    double highest = 0;
    for (const ZhrSeries& s : series)
        for (const ZhrPoint& p : s.points)
            highest = std::max(highest, p.zhr + p.error);
    const double step = roundStep(std::max(highest, 10.0) / 5);
    const double top = std::ceil(std::max(highest, 10.0) / step) * step;
    const int tick = std::max(1, static_cast<int>(Round(unit * 0.8)));
    c.font = Font{"Arial", 8, false, colors::Black};
    const int h = c.TextHeight("0");
    const PlotBox area{box.left + c.TextWidth("0000") + tick * 3, box.top + h * 3, box.right - tick,
                       box.bottom - h * 2 - tick * 3};
    const Frame frame(area, fromUt, toUt, top);
    c.pen.width = std::max(1, static_cast<int>(Round(unit * 0.15)));
    drawAxes(c, frame, top, step, fromUt, toUt, tick);
    if (series.empty()) {
        const std::string none = "SIN ZHR QUE DIBUJAR EN ESTA NOCHE";
        c.TextOut((area.left + area.right - c.TextWidth(none)) / 2,
                  (area.top + area.bottom - h) / 2, none);
    }
    int legendX = area.left + tick * 2;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const Color colour = ZhrSeriesColor(i);
        drawSeries(c, frame, series[i], colour, tick);
        c.pen.color = colour;
        line(c, legendX, area.top - h, legendX + tick * 4, area.top - h);
        c.brush = colors::White;
        c.font.color = colour;
        c.TextOut(legendX + tick * 5, area.top - h - h / 2, series[i].code);
        legendX += tick * 7 + c.TextWidth(series[i].code);
    }
    c.pen.width = 1;
    c.pen.color = colors::Black;
    c.font.color = colors::Black;
}
