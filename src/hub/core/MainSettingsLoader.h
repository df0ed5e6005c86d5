#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hub/controller/RotorSetup.h"
#include "hub/core/HubSettings.h"
#include "hub/core/HubTimers.h"
#include "hub/core/MainWindow.h"
#include "hub/core/RotatorState.h"
#include "hub/core/SettingsFile.h"
#include "hub/core/TraceLog.h"

namespace kolt {

// Where the loaded values go.
struct SettingsTargets {
    RotatorState& state;
    HubSettings& settings;
    HubTimers& timers;
    MainWindow& mainWindow;
    RotorSetup& rotorSetup;
    TraceLog& trace;
};

// One key of the main settings, read in table order at start. An empty or
// missing key counts as its default text, which is written back at once when
// writeBack is set. apply() takes the text into the targets and may return a
// corrected text to write back.
struct SettingRow {
    std::string section;
    std::string key;
    std::string defaultText;
    bool writeBack = false;
    std::function<std::optional<std::string>(SettingsTargets&, const std::string& text)> apply;
};

const std::vector<SettingRow>& mainSettingsTable();

void loadMainSettings(SettingsFile& file, SettingsTargets& targets);

// Flags are on when their text starts with "1".
bool flagOn(const std::string& text);

}  // namespace kolt
