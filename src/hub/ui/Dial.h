#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "common/FormControls.h"
#include "hub/ui/DialAppearance.h"

namespace kolt {

// A round dial: needle 0 shows the position, needle 1 the target, needle 2
// the back direction of a bidirectional antenna. Sector 0 is highlighted
// from 20 degrees before the position, sector 1 before the back direction.
struct Dial : Control {
    explicit Dial(DialAppearance look = {}) : appearance(std::move(look)) {}

    DialAppearance appearance;
    std::array<double, 3> needle{};
    int needleCount = 2;
    // The colour of the connection ring ("element 2"): blue for a local
    // rotator, red, white, green or yellow with the state of a remote link.
    Rgb connectionColour{0, 0, 255};

    // Where a following sector starts; a sector the appearance lacks is ignored.
    void setSectorStart(std::size_t sector, double value) {
        if (sector < appearance.sectors.size()) appearance.sectors[sector].floatOffset = value;
    }
    double sectorStart(std::size_t sector) const {
        return sector < appearance.sectors.size() ? appearance.sectors[sector].floatOffset : 0;
    }
    // A sector bound to needle 2 is drawn only while that needle is.
    bool sectorShown(std::size_t sector) const { return sector != 1 || needleCount > 2; }

    // The caption under the centre and the size of its font.
    void setCaption(const std::string& text, float size, bool bold);
    const std::string& caption() const;

    // A click on the face: the view moves needle 1 to the angle clicked,
    // then calls this.
    Handler onClick;
    // A mouse button pressed on the face, by button code (2 is the right).
    std::function<void(int button)> onMouseButton;

    void clickAt(double angle) {
        if (!reachable()) return;
        needle[1] = angle;
        fireEvent(onClick);
    }
    void pressButton(int button) const {
        if (reachable() && onMouseButton) {
            auto handler = onMouseButton;
            handler(button);
        }
    }
};

inline void Dial::setCaption(const std::string& text, float size, bool bold) {
    if (appearance.captions.empty()) appearance.captions.emplace_back();
    DialCaption& c = appearance.captions.front();
    c.text = text;
    const auto font = static_cast<std::size_t>(c.fontId < 0 ? 0 : c.fontId);
    if (font >= appearance.fonts.size()) appearance.fonts.resize(font + 1);
    appearance.fonts[font].size = size;
    appearance.fonts[font].bold = bold;
}

inline const std::string& Dial::caption() const {
    static const std::string none;
    return appearance.captions.empty() ? none : appearance.captions.front().text;
}

}  // namespace kolt
