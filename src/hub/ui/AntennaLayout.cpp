#include "hub/ui/AntennaLayout.h"

#include <algorithm>
#include <cstdlib>

namespace kolt {

namespace {

constexpr int kMinMemoryColumns = 1200;  // two columns of buttons need this much
constexpr int kColumnGap = 30;

// "Go" and "X" at the dial's lower corners.
void cornerButtons(const Rect& dial, Rect& go, Rect& stop) {
    const int w = dial.width / 5;
    const int h = dial.height / 10;
    go = Rect{dial.left, dial.top + dial.height - h, w, h};
    stop = Rect{dial.left + dial.width - w, dial.top + dial.height - h, w, h};
}

void bothDials(AntennaLayout& out, const AntennaLayoutRequest& r) {
    int w = r.width;
    int h = r.height;
    if (std::abs(w - r.lastWidth) > std::abs(h - r.lastHeight)) {
        w = std::max(w, 2700);
        h = w / 2 + kLayoutChrome;
    } else if (h < 2000) {
        h = 2000;
        w = 2550;
    } else {
        w = (h - kLayoutChrome) * 2;
    }
    out.width = w;
    out.height = h;
    const int dialWidth = (w - 3 * kLayoutMargin) / 2;
    const int dialHeight = h - kLayoutChrome;
    out.azDial = Rect{kLayoutMargin, kLayoutTop, dialWidth, dialHeight};
    out.elDial = Rect{2 * kLayoutMargin + dialWidth, kLayoutTop, dialWidth, dialHeight};
    cornerButtons(out.azDial, out.presetAz, out.stopAz);
    cornerButtons(out.elDial, out.presetEl, out.stopEl);
}

void azimuthAlone(AntennaLayout& out, const AntennaLayoutRequest& r) {
    int w = std::min(r.width, 10000);
    const int h = std::clamp(r.height, 700, 8700);
    if (w < 2700) {
        if (r.memoryButtons) {
            w = 2700;
        } else {
            w = std::max(w, 1000);
            out.narrowMenus = true;
        }
    }
    out.width = w;
    out.height = h;
    const int dialHeight = h - kLayoutChrome;
    if (!r.memoryButtons) {
        out.azDial = Rect{kLayoutMargin, kLayoutTop, w - 3 * kLayoutMargin, dialHeight};
        cornerButtons(out.azDial, out.presetAz, out.stopAz);
        return;
    }
    // A square dial with the buttons in two columns beside it: four memories
    // each, then the preset box and its "Go" and "Stop", a sixth of the dial high.
    const int side = std::max(0, std::min(dialHeight, w - 3 * kLayoutMargin - kMinMemoryColumns));
    out.azDial = Rect{kLayoutMargin, kLayoutTop, side, side};
    cornerButtons(out.azDial, out.presetAz, out.stopAz);
    const int left = 2 * kLayoutMargin + side;
    const int region = w - left - kLayoutMargin;
    const int column = (region - kColumnGap) / 2;
    const int row = side / 6;
    for (int i = 0; i < kMemoryButtonCount; ++i) {
        const int c = i / 4;
        out.memory[static_cast<std::size_t>(i)] =
            Rect{left + c * (column + kColumnGap), kLayoutTop + (i % 4) * row, column, row};
    }
    out.txtPreset = Rect{left, kLayoutTop + 4 * row, region, row};
    out.cmdGo = Rect{left, kLayoutTop + 5 * row, column, row};
    out.cmdStop = Rect{left + column + kColumnGap, kLayoutTop + 5 * row, column, row};
}

}  // namespace

AntennaLayout layOutAntennaWindow(const AntennaLayoutRequest& request) {
    AntennaLayout out;
    if (request.elevationShown) {
        bothDials(out, request);
    } else {
        azimuthAlone(out, request);
    }
    return out;
}

}  // namespace kolt
