#pragma once

#include <memory>
#include <string>

#include "hub/core/HubApplication.h"
#include "platform/fake/FakeNetwork.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeSerialPort.h"
#include "platform/fake/ScriptedDialogs.h"
#include "platform/fake/VirtualEventLoop.h"
#include "support/TempDir.h"

namespace kolt::test {

// A hub on the test doubles, not started: its modules are wired and its
// ports are fake devices that a test adds, answers through and reads.
struct HubOnFakes {
    HubOnFakes() { reset(); }

    void reset() {
        hub = std::make_unique<HubApplication>(
            HubPlatform{loop, serial, net, dialogs, processes},
            HubOptions{home.path(), std::nullopt, {}, home.path() / "bin"});
        state().traceAz = true;
        state().traceEl = true;
    }

    RotatorState& state() { return hub->state(); }
    MainWindow& main() { return hub->mainWindow(); }
    AntennaWindow& antenna() { return hub->antennaWindow(); }
    ControllerPorts& ports() { return hub->controllerPorts(); }
    ControllerLink& link() { return hub->controllerLink(); }
    PointingControl& pointing() { return hub->pointing(); }
    HubTimers& timers() { return hub->timers(); }

    void useModel(RotatorModel model) {
        state().model = model;
        ports().applyModel();
    }
    // Opens the azimuth (or combo) port on a fresh device n.
    void openAzimuth(int n = 5) {
        serial.addDevice(n);
        main().cmbAzPort.text = std::to_string(n);
        ports().openAzimuthPort();
    }
    void openElevation(int n = 6) {
        serial.addDevice(n);
        main().cmbElPort.text = std::to_string(n);
        ports().openElevationPort();
    }
    // What the hub wrote to device n since the last call.
    std::string taken(int n) {
        FakeSerialDevice* d = serial.device(n);
        if (!d) return {};
        std::string out;
        out.swap(d->written);
        return out;
    }
    std::string traceFile() { return readFile(hub->trace().dailyFile(loop.localNow())); }

    TempDir home;
    VirtualEventLoop loop;
    FakeSerialBus serial;
    FakeNetwork net{loop};
    ScriptedDialogs dialogs;
    FakeProcesses processes;
    std::unique_ptr<HubApplication> hub;
};

inline std::string stx(const std::string& body) {
    return "\x02" + body + "\r";
}

}  // namespace kolt::test
