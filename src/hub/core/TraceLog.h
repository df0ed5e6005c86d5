#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "hub/core/LogBox.h"
#include "hub/core/RotatorState.h"
#include "hub/core/TraceWindow.h"
#include "platform/EventLoop.h"

namespace kolt {

enum class TraceChannel : int { Azimuth = 0, Elevation = 1, VirtualPort = 2, WinTest = 3 };

// What passes on the hub's links, for the operator to see and keep: daily
// files per channel, the main window's monitor box and the trace window.
class TraceLog {
  public:
    TraceLog(const RotatorState& state, const EventLoop& clock, std::filesystem::path home,
             LogBox& monitorBox);
    TraceLog(const TraceLog&) = delete;
    TraceLog& operator=(const TraceLog&) = delete;

    // One line to the day's file when the channel's switch is on; channels
    // other than 0..3 write nothing. The file is opened, appended and closed
    // per line, so another program may read or move it between lines.
    void logToFile(int channel, std::string_view text);
    void logToFile(TraceChannel channel, std::string_view text) {
        logToFile(static_cast<int>(channel), text);
    }
    void logToMonitor(std::string_view text);
    // Only while trace-window logging is on.
    void logToTraceWindow(std::string_view text);

    // "<home>/trace/yymmdd.log"
    std::filesystem::path dailyFile(const LocalDateTime& day) const;

    TraceWindow& window() { return window_; }
    bool traceWindowOn = false;
    bool traceWtOn = false;

  private:
    bool channelOn(int channel) const;

    const RotatorState& state_;
    const EventLoop& clock_;
    std::filesystem::path home_;
    LogBox& monitor_;
    TraceWindow window_;
};

}  // namespace kolt
