#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/SimUnit.h"

namespace kolt::sim {

// koltsim [--unit az|el|combo|kolt-usb] [--com N] [--port-dir DIR] ...
struct SimCommandLine {
    UnitOptions unit;
    int com = 1;
    std::optional<std::filesystem::path> portDir;
    double unplugAfterSeconds = 0;  // 0: never
    bool verbose = false;
    bool help = false;
    bool version = false;
    std::string error;  // the line cannot be used
};

SimCommandLine parseSimCommandLine(const std::vector<std::string>& arguments);
std::string simUsage();
const char* unitKindName(UnitKind kind);

}  // namespace kolt::sim
