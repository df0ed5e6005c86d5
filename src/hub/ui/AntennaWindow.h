#pragma once

#include "common/FormControls.h"

namespace kolt {

// The antenna window ("Antenna") that the operator keeps on screen.
struct AntennaWindow {
    AntennaWindow();
    AntennaWindow(const AntennaWindow&) = delete;
    AntennaWindow& operator=(const AntennaWindow&) = delete;

    FormState form;
    MenuItem mnuExit;  // "Exit", Ctrl+X
};

}  // namespace kolt
