#pragma once

#include <array>
#include <memory>

#include "platform/EventLoop.h"

namespace kolt {

enum class TimerOwner { MainWindow, AntennaWindow, DigitalAzimuthWindow };

// Every timer of the hub, created with its window at start. The modules that
// own a timer give it its handler; the settings loader sets the intervals
// that come from the settings.
struct HubTimers {
    explicit HubTimers(EventLoop& loop);

    std::unique_ptr<Timer> TmrAz;
    std::unique_ptr<Timer> TmrEl;
    std::unique_ptr<Timer> TmrCombo;
    std::unique_ptr<Timer> tmrPersist;
    std::unique_ptr<Timer> Timer2;
    std::unique_ptr<Timer> TmrDelayVirtual;
    std::unique_ptr<Timer> TmrAutoCnxIP;
    std::unique_ptr<Timer> TmrRaspBerry;
    std::unique_ptr<Timer> TmrTcp;
    std::unique_ptr<Timer> TmrWT;
    std::unique_ptr<Timer> tmrZEBX;
    std::unique_ptr<Timer> Tmr_Preset;
    std::unique_ptr<Timer> TmrAutoParking;
    std::unique_ptr<Timer> TmrDDENova;
    std::unique_ptr<Timer> tmrLimitCmdVirtual;
    std::unique_ptr<Timer> Timer1;
};

struct TimerSpec {
    const char* name;
    TimerOwner owner;
    int intervalMs;  // as created; some are set from the settings later
    bool startsOn;
    std::unique_ptr<Timer> HubTimers::*member;
};

inline constexpr std::array<TimerSpec, 16> kHubTimerTable = {{
    {"TmrAz", TimerOwner::MainWindow, 1000, false, &HubTimers::TmrAz},
    {"TmrEl", TimerOwner::MainWindow, 1000, false, &HubTimers::TmrEl},
    {"TmrCombo", TimerOwner::MainWindow, 500, false, &HubTimers::TmrCombo},
    {"tmrPersist", TimerOwner::MainWindow, 5000, false, &HubTimers::tmrPersist},
    {"Timer2", TimerOwner::MainWindow, 100, false, &HubTimers::Timer2},
    {"TmrDelayVirtual", TimerOwner::MainWindow, 1000, false, &HubTimers::TmrDelayVirtual},
    {"TmrAutoCnxIP", TimerOwner::MainWindow, 5000, false, &HubTimers::TmrAutoCnxIP},
    {"TmrRaspBerry", TimerOwner::MainWindow, 1000, false, &HubTimers::TmrRaspBerry},
    {"TmrTcp", TimerOwner::MainWindow, 1000, true, &HubTimers::TmrTcp},
    {"TmrWT", TimerOwner::MainWindow, 1000, true, &HubTimers::TmrWT},
    {"tmrZEBX", TimerOwner::MainWindow, 500, false, &HubTimers::tmrZEBX},
    {"Tmr_Preset", TimerOwner::AntennaWindow, 5000, false, &HubTimers::Tmr_Preset},
    {"TmrAutoParking", TimerOwner::AntennaWindow, 1000, false, &HubTimers::TmrAutoParking},
    {"TmrDDENova", TimerOwner::AntennaWindow, 2000, false, &HubTimers::TmrDDENova},
    {"tmrLimitCmdVirtual", TimerOwner::AntennaWindow, 1000, true, &HubTimers::tmrLimitCmdVirtual},
    {"Timer1", TimerOwner::DigitalAzimuthWindow, 1000, true, &HubTimers::Timer1},
}};

}  // namespace kolt
