#pragma once

#include <array>

#include "common/FormControls.h"

namespace kolt {

// A round dial: needle 0 shows the position, needle 1 the target, needle 2
// the back direction of a bidirectional antenna. Sector 1 is highlighted
// from 20 degrees before the position, sector 2 before the back direction.
struct Dial : Control {
    std::array<double, 3> needle{};
    int needleCount = 2;
    std::array<double, 2> sectorStart{};
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

// The antenna window ("Antenna") that the operator keeps on screen.
struct AntennaWindow {
    AntennaWindow();
    AntennaWindow(const AntennaWindow&) = delete;
    AntennaWindow& operator=(const AntennaWindow&) = delete;

    FormState form;

    Dial AG_Az;
    Dial AG_EL;
    Button cmdPresetAz;  // "Go" beside the azimuth dial
    Button CmdStopAz;    // "X" beside the azimuth dial
    Button cmdPresetEl;
    Button CmdStopEl;

    // Below the azimuth dial when the elevation is hidden
    TextBox txtPreset;
    Button cmdGo;
    Button CmdStop;

    MenuItem mnuExit;         // "Exit", Ctrl+X
    MenuItem mnuRotorSetup;   // "Rotor Setup"
    MenuItem mnuRemote;       // "&Remote"
    MenuItem mnuStepLeft15;   // "-15º", Ctrl+F11
    MenuItem mnuStepLeft5;    // "-5º", F11
    MenuItem mnuStepRight5;   // "+5º", F12
    MenuItem mnuStepRight15;  // "+15º", Ctrl+F12
};

}  // namespace kolt
