#include "hub/ui/DialAppearance.h"

#include <cmath>

namespace kolt {

double DialScale::valueAt(double angle) const {
    double a = std::fmod(angle - startAngle, 360.0);
    if (a < 0) a += 360.0;
    const double range = maxValue - minValue;
    if (sweepAngle >= 360.0 || a <= sweepAngle) return minValue + a * range / sweepAngle;
    // Outside a partial sweep: whichever end is nearer round the circle.
    return (a - sweepAngle < 360.0 - a) ? maxValue : minValue;
}

namespace {

constexpr Rgb kInk{40, 44, 52};

DialTicGroup tics(double start, double stop, double delta, double inner, double outer,
                  double width) {
    DialTicGroup t;
    t.startValue = start;
    t.stopValue = stop;
    t.delta = delta;
    t.innerRadius = inner;
    t.outerRadius = outer;
    t.width = width;
    t.labelColor = kInk;
    return t;
}

DialTicGroup labelled(DialTicGroup t, double radius) {
    t.labelOn = true;
    t.labelRadius = radius;
    return t;
}

DialTicGroup wedges(double start, double stop, double outer, Rgb colour) {
    DialTicGroup t = tics(start, stop, 90, 0.0, outer, 8);
    t.style = static_cast<std::int32_t>(TicStyle::Wedge);
    t.labelColor = colour;
    return t;
}

DialSector sector(double start, double stop, double inner, double outer, Rgb colour) {
    DialSector s;
    s.startValue = start;
    s.stopValue = stop;
    s.innerRadius = inner;
    s.outerRadius = outer;
    s.color = colour;
    return s;
}

DialNeedle needle(Rgb colour, double length, const char* shape, double width) {
    DialNeedle n;
    n.color = colour;
    n.length = length;
    n.shape = shape;
    n.width = width;
    return n;
}

DialFont font(float size, bool bold) {
    DialFont f;
    f.size = size;
    f.bold = bold;
    return f;
}

}  // namespace

DialAppearance azimuthDialAppearance() {
    DialAppearance a;
    // Sector 0 follows the position, sector 1 the back direction.
    a.sectors = {
        sector(0, 40, 0.60, 0.84, Rgb{255, 196, 64}),
        sector(0, 40, 0.60, 0.84, Rgb{140, 196, 255}),
    };
    a.tics = {
        // The rose: cardinal points, then the points between them.
        wedges(0, 270, 0.34, Rgb{96, 108, 128}),
        wedges(45, 315, 0.22, Rgb{170, 178, 192}),
        tics(0, 355, 5, 0.90, 0.94, 1),
        tics(0, 350, 10, 0.87, 0.95, 1.5),
        labelled(tics(0, 330, 30, 0.84, 0.95, 3), 0.73),
    };
    DialCaption caption;
    caption.fontId = 0;
    caption.x = 0.5;
    caption.y = 0.71;
    a.captions = {caption};
    a.fonts = {font(22, false), font(19, true)};
    a.needles = {
        needle(Rgb{204, 32, 32}, 0.82, "Pointer", 9),
        needle(Rgb{20, 140, 70}, 0.92, "Line", 2.5),
        needle(Rgb{232, 128, 32}, 0.62, "Pointer", 7),
    };
    return a;
}

DialAppearance elevationDialAppearance() {
    DialAppearance a;
    a.scale = DialScale{0, 180, -90, 180};
    a.sectors = {
        sector(80, 100, 0.88, 0.95, Rgb{200, 226, 255}),
    };
    a.tics = {
        tics(0, 180, 5, 0.90, 0.94, 1),
        labelled(tics(0, 180, 30, 0.84, 0.95, 3), 0.73),
    };
    DialCaption caption;
    caption.fontId = 0;
    caption.x = 0.5;
    caption.y = 0.9;
    caption.text = "Elevation";
    a.captions = {caption};
    a.fonts = {font(26, false), font(19, true)};
    a.needles = {
        needle(Rgb{204, 32, 32}, 0.82, "Pointer", 9),
        needle(Rgb{20, 140, 70}, 0.92, "Line", 2.5),
    };
    return a;
}

}  // namespace kolt
