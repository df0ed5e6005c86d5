#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kolt {

// The hub's command line: koltvcom [/C=n] [--home DIR] [--port-dir DIR]
// [--headless] [--help] [--version].
struct HubCommandLine {
    std::optional<std::filesystem::path> home;
    std::optional<std::filesystem::path> portDir;
    bool headless = false;
    bool help = false;
    bool version = false;
    // Every argument as given, for the "/C=" reading of the start.
    std::vector<std::string> arguments;
    // Set when the line cannot be used; the program says so and ends.
    std::string error;
    // What the program ignores and says so: a "/C=" without a port number
    // only means that no port opens from the command line.
    std::vector<std::string> warnings;
};

HubCommandLine parseHubCommandLine(const std::vector<std::string>& arguments);

std::string hubUsage();

// The port after "/C=" when the text after it is a number; 0 otherwise.
std::int16_t commandLinePortOf(const std::vector<std::string>& arguments);

}  // namespace kolt
