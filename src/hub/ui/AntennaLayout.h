#pragma once

#include <array>

#include "common/FormControls.h"
#include "hub/ui/AntennaWindow.h"

namespace kolt {

// Where the antenna window's controls go for a window size, in twips.
struct AntennaLayoutRequest {
    int width = 0;
    int height = 0;
    // The size laid out last, to tell which side the operator dragged.
    int lastWidth = 0;
    int lastHeight = 0;
    bool elevationShown = false;
    bool memoryButtons = true;
};

struct AntennaLayout {
    int width = 0;
    int height = 0;
    Rect azDial;
    Rect elDial;
    Rect presetAz;
    Rect stopAz;
    Rect presetEl;
    Rect stopEl;
    Rect txtPreset;
    Rect cmdGo;
    Rect cmdStop;
    std::array<Rect, kMemoryButtonCount> memory{};
    // A window this narrow has no room for "Options", "&Memory" and "&Program".
    bool narrowMenus = false;
};

inline constexpr int kLayoutMargin = 40;
inline constexpr int kLayoutTop = 60;
// The height the menu bar and the margins take from the dials.
inline constexpr int kLayoutChrome = 725;

AntennaLayout layOutAntennaWindow(const AntennaLayoutRequest& request);

}  // namespace kolt
