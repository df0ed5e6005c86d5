#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/FormControls.h"

namespace kolt {

// How a dial looks, as plain attributes that a settings file can carry.
// Radii are fractions of the dial's radius, caption positions fractions of
// its width and height, angles and values in the dial's own units.

// Bevel styles of the background.
enum class BevelStyle : std::int32_t { None = 0, Lowered = 1, Raised = 2 };
// Where the outline sits: on the face's rim or at the edge of the control.
enum class OutlineAlign : std::int32_t { Rim = 0, Edge = 1 };
// How a tic group draws each tic.
enum class TicStyle : std::int32_t { Line = 0, Dot = 1, Wedge = 2 };

struct DialBackground {
    Rgb backColor{32, 36, 44};
    std::int16_t bevelWidth = 4;
    std::int32_t bevelInner = static_cast<std::int32_t>(BevelStyle::Lowered);
    std::int32_t bevelOuter = static_cast<std::int32_t>(BevelStyle::Raised);
    std::int16_t borderWidth = 2;
    bool outline = true;
    std::int16_t outlineWidth = 2;
    Rgb outlineColor{150, 160, 175};
    std::int32_t outlineAlign = static_cast<std::int32_t>(OutlineAlign::Rim);
    std::string outlineTitle;
    // The face inside the rim; not one of the stored attributes.
    Rgb faceColor{245, 243, 236};

    friend bool operator==(const DialBackground&, const DialBackground&) = default;
};

struct DialSector {
    double floatOffset = 0;
    double startValue = 0;
    double stopValue = 0;
    double innerRadius = 0;
    double outerRadius = 0;
    Rgb color;

    friend bool operator==(const DialSector&, const DialSector&) = default;
};

struct DialTicGroup {
    bool labelOn = false;
    bool labelRotated = false;
    double labelRadius = 0.7;
    Rgb labelColor;
    double delta = 10;
    double floatOffset = 0;
    double innerRadius = 0.85;
    double outerRadius = 0.95;
    double startValue = 0;
    double stopValue = 0;
    std::int32_t style = static_cast<std::int32_t>(TicStyle::Line);
    double width = 1;     // pixels on a dial 300 pixels across; a wedge's half-width in values
    int labelFontId = 1;  // not stored: the font the labels use

    friend bool operator==(const DialTicGroup&, const DialTicGroup&) = default;
};

struct DialCaption {
    std::int16_t fontId = 0;
    double x = 0.5;
    double y = 0.5;
    std::string text;  // set by the program, not stored
    Rgb color{40, 40, 40};

    friend bool operator==(const DialCaption&, const DialCaption&) = default;
};

struct DialFont {
    std::string name = "DejaVu Sans";
    bool bold = false;
    float size = 10;  // pixels on a dial 600 pixels across

    friend bool operator==(const DialFont&, const DialFont&) = default;
};

struct DialNeedle {
    Rgb color;
    double length = 0.8;
    std::string shape = "Pointer";  // "Pointer", "Line" or "Arrow"
    double width = 6;               // pixels on a dial 300 pixels across

    friend bool operator==(const DialNeedle&, const DialNeedle&) = default;
};

// The mapping of values onto the face: value minValue at startAngle
// (degrees clockwise from the top), maxValue sweepAngle further on.
struct DialScale {
    double minValue = 0;
    double maxValue = 360;
    double startAngle = 0;
    double sweepAngle = 360;

    double angleOf(double value) const {
        return startAngle + (value - minValue) * sweepAngle / (maxValue - minValue);
    }
    // The value at a screen angle (degrees clockwise from the top), or the
    // nearest end of the scale for a point outside a partial sweep.
    double valueAt(double angle) const;

    friend bool operator==(const DialScale&, const DialScale&) = default;
};

struct DialAppearance {
    DialBackground background;
    std::string picture;  // image file behind the face; empty for none
    std::vector<DialSector> sectors;
    std::vector<DialTicGroup> tics;
    std::vector<DialCaption> captions;
    std::vector<DialFont> fonts;
    std::vector<DialNeedle> needles;
    DialScale scale;

    friend bool operator==(const DialAppearance&, const DialAppearance&) = default;
};

// The built-in looks: a compass rose with north up, clockwise, labelled
// every 30 degrees; and an elevation arc from 0 at the left to 180 at the right.
DialAppearance azimuthDialAppearance();
DialAppearance elevationDialAppearance();

}  // namespace kolt
