#pragma once

#include <cstdint>
#include <functional>

#include "hub/controller/ControllerLink.h"
#include "platform/Dialogs.h"

namespace kolt {

// Turns a wish to point the antenna, or to stop it, into commands for the
// selected model. Every door writes the wanted value into the main window's
// preset box and calls goAzimuth or goElevation.
class PointingControl {
  public:
    PointingControl(RotatorState& state, MainWindow& mainWindow, AntennaWindow& antennaWindow,
                    HubTimers& timers, TraceLog& trace, ControllerLink& link, Dialogs& dialogs);
    ~PointingControl();
    PointingControl(const PointingControl&) = delete;
    PointingControl& operator=(const PointingControl&) = delete;

    // The rotor angle that points the active antenna to a bearing: its offset
    // taken off, and for a bidirectional antenna the nearer of its two ends.
    std::int16_t rotorAngleFor(std::int16_t bearing) const;

    void goAzimuth();
    void goElevation();
    void stopAzimuth();
    void stopElevation();
    // -15, -5, +5 or +15 degrees from the last step's target, or from the
    // position when no step was made in the last five seconds.
    void stepAzimuth(int step);

    // The connected remote site's offset (model 4).
    std::int16_t remoteOffset = 0;

    struct Hooks {
        // Gives the keyboard back to the contest logger after a command.
        std::function<void()> returnFocus;
        std::function<void(int angle)> boardAzimuthTarget;
        std::function<void(int angle)> boardElevationTarget;
        std::function<void()> boardStopAzimuth;
        std::function<void()> boardStopElevation;
    } hooks;

  private:
    void wireEntryPoints();
    void checkPersist();
    void presetFromAntennaWindow();
    void presetFromDial(Dial& dial, TextBox& box, bool azimuth, const char* title);
    void sendOn(const std::string& text, LinkChannel channel) { link_.send(text, channel); }

    RotatorState& state_;
    MainWindow& main_;
    AntennaWindow& antenna_;
    HubTimers& timers_;
    TraceLog& trace_;
    ControllerLink& link_;
    Dialogs& dialogs_;
};

}  // namespace kolt
