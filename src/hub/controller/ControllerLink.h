#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "hub/controller/ControllerPorts.h"
#include "hub/controller/ControllerReplies.h"
#include "hub/ui/AntennaDisplay.h"
#include "platform/EventLoop.h"

namespace kolt {

// The channel of a command: the azimuth unit (or the KOLT-USB unit, or the
// remote site) or the elevation unit. The KOLT-USB unit's own channel is 6.
enum class LinkChannel : int { Azimuth = 0, Elevation = 1, KoltUsb = 6 };

// The hub's side of the serial protocol to the controller units: how every
// command leaves the hub, the polls, and the reading of the replies.
class ControllerLink {
  public:
    ControllerLink(RotatorState& state, MainWindow& mainWindow, AntennaWindow& antennaWindow,
                   HubTimers& timers, TraceLog& trace, SerialControls& ports,
                   ControllerPorts& portControl, AntennaDisplay& display, const EventLoop& clock);
    ~ControllerLink();
    ControllerLink(const ControllerLink&) = delete;
    ControllerLink& operator=(const ControllerLink&) = delete;

    // Sends a command; for the KOLT-USB unit the channel becomes 6.
    void send(std::string_view text, int& channel);
    void send(std::string_view text, LinkChannel channel) {
        int c = static_cast<int>(channel);
        send(text, c);
    }
    void comboSend(std::string_view text, int channel);

    void pollAzimuth();
    void pollElevation();
    void pollCombo();

    // The serial controls' events.
    void azimuthPortEvent(int code);
    void elevationPortEvent(int code);
    void comboPortEvent(int code);

    // What the unit reported of its stored parameters, for the calibration form.
    const StoredParameters& storedParameters() const { return parameters_; }
    bool parametersComplete() const { return parametersComplete_; }

    struct Hooks {
        // A command for the remote site (model 4): the text as it goes out.
        std::function<void(const std::string&)> sendRemote;
        std::function<void()> refreshCalibration;
    } hooks;

  private:
    void readSingleFrames();
    void readKoltUsb();
    void readKoltUsbPosition();
    void readKoltUsbSensor();
    void writeFailed(int channel, const SerialError& error, bool elevationPort);
    bool deviceLost(int code, TraceChannel channel, const char* portName);
    void traceLineEvent(int code, TraceChannel channel, bool combo);

    RotatorState& state_;
    MainWindow& main_;
    AntennaWindow& antenna_;
    HubTimers& timers_;
    TraceLog& trace_;
    SerialControls& ports_;
    ControllerPorts& portControl_;
    AntennaDisplay& display_;
    const EventLoop& clock_;
    StoredParameters parameters_;
    bool parametersComplete_ = false;
};

// The trace text of a serial line event; empty for data and unknown codes.
std::string lineEventText(int code);

}  // namespace kolt
