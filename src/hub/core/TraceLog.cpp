#include "hub/core/TraceLog.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace kolt {
namespace {

constexpr std::array<const char*, 4> kPrefixes = {"AZIM > ", "ELEV > ", "VCOM > ", "WT > "};

}  // namespace

TraceLog::TraceLog(const RotatorState& state, const EventLoop& clock, std::filesystem::path home,
                   LogBox& monitorBox)
    : state_(state), clock_(clock), home_(std::move(home)), monitor_(monitorBox) {
    window_.mnuStart.onClick = [this] { traceWindowOn = true; };
    window_.mnuStop.onClick = [this] { traceWindowOn = false; };
    window_.mnuClear.onClick = [this] { window_.txtRX.clear(); };
    window_.mnuExit.onClick = [this] { window_.form.visible = false; };
}

bool TraceLog::channelOn(int channel) const {
    switch (channel) {
        case 0:
            return state_.traceAz;
        case 1:
            return state_.traceEl;
        case 2:
            return state_.traceVcom;
        case 3:
            return traceWtOn;
        default:
            return false;
    }
}

std::filesystem::path TraceLog::dailyFile(const LocalDateTime& day) const {
    char name[16];
    std::snprintf(name, sizeof name, "%02d%02d%02d.log", day.year % 100, day.month % 100,
                  day.day % 100);
    return home_ / "trace" / name;
}

void TraceLog::logToFile(int channel, std::string_view text) {
    if (!channelOn(channel)) return;
    const LocalDateTime now = clock_.localNow();
    const auto path = dailyFile(now);
    std::string line = clockText(now) + "> " + kPrefixes[static_cast<std::size_t>(channel)];
    line += text;
    line += "\r\n";

    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f && errno == ENOENT) {
        std::error_code ignored;
        std::filesystem::create_directories(path.parent_path(), ignored);
        f = std::fopen(path.c_str(), "ab");
    }
    // A line that cannot be written is lost; the trace never stops the hub.
    if (!f) return;
    std::fwrite(line.data(), 1, line.size(), f);
    std::fclose(f);
}

void TraceLog::logToMonitor(std::string_view text) {
    logToFile(TraceChannel::VirtualPort, text);
    monitor_.append(text, clock_.localNow());
}

void TraceLog::logToTraceWindow(std::string_view text) {
    if (!traceWindowOn) return;
    logToFile(TraceChannel::VirtualPort, text);
    window_.txtRX.append(text, clock_.localNow());
}

}  // namespace kolt
