#include "hub/ui/AntennaDisplay.h"

#include <algorithm>

#include "hub/core/Angles.h"

namespace kolt {

namespace {
constexpr Rgb kBusyGreen{0, 192, 0};
}

void AntennaDisplay::updateAzimuth() {
    AntennaRecord& antenna = activeAntennaRecord(state_);
    int b = antenna.rotorAzimuth;
    if (state_.model != RotatorModel::RemoteTcp) b += antenna.offset;

    if (b == state_.lastDrawn[0]) {
        if (!state_.elevationShown || state_.displayElevation == state_.lastDrawn[1]) return;
        state_.lastDrawn[1] = state_.displayElevation;
    } else {
        state_.lastDrawn[0] = toInt16(b);
    }

    b = wrapOnce(b);
    state_.shownAzimuth = toInt16(b);
    antenna.bearing = toInt16(b);
    setTitle(b);

    window_.AG_Az.needle[0] = b;
    main_.ddeAzimuth = "RA:" + std::to_string(b);
    window_.AG_Az.setSectorStart(0, b - 20);
    if (antenna.bidirectional) {
        window_.AG_Az.needleCount = 3;
        int back = b + 180;
        if (back > 359) back = b - 180;
        window_.AG_Az.needle[2] = back;
        window_.AG_Az.setSectorStart(1, back - 20);
        state_.shownAzimuth = toInt16(back);
        main_.ddeAzimuth = "RA:" + std::to_string(back);
    } else {
        window_.AG_Az.needleCount = 2;
    }
}

void AntennaDisplay::setTitle(int bearing) {
    std::string title = state_.model == RotatorModel::RemoteTcp ? "TCP/IP: " + remoteSiteName
                                                                : activeAntennaRecord(state_).name;
    title += " @ " + std::to_string(bearing) + "º";
    if (state_.elevationShown) title += " | " + std::to_string(state_.displayElevation) + "º";
    window_.form.caption = title;
}

void AntennaDisplay::updateElevation() {
    if (state_.displayElevation != state_.lastDrawn[1]) {
        const int v = std::clamp<int>(state_.displayElevation, 0, 180);
        state_.shownElevation = toInt16(v);
        window_.AG_EL.needle[0] = v;
        main_.ddeElevation = "RE:" + std::to_string(v);
        // This update remembers the elevation it drew, so the azimuth update that
        // follows sees no change: the title takes the new elevation here.
        if (state_.elevationShown) setTitle(activeAntennaRecord(state_).bearing);
    }
    state_.lastDrawn[1] = state_.displayElevation;
}

void AntennaDisplay::showAzimuthBusy() {
    const bool busy = state_.azBusy;
    main_.lblAzBusy.visible = busy;
    const std::optional<Rgb> stopColour = busy ? std::optional(kBusyGreen) : std::nullopt;
    const std::optional<Rgb> goColour = busy ? std::nullopt : std::optional(kBusyGreen);
    window_.CmdStop.backColour = stopColour;
    window_.CmdStopAz.backColour = stopColour;
    window_.cmdGo.backColour = goColour;
    window_.cmdPresetAz.backColour = goColour;
}

void AntennaDisplay::showElevationBusy() {
    const bool busy = state_.elBusy;
    window_.CmdStopEl.backColour = busy ? std::optional(kBusyGreen) : std::nullopt;
    window_.cmdPresetEl.backColour = busy ? std::nullopt : std::optional(kBusyGreen);
}

}  // namespace kolt
