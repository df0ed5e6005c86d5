#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kolt {

// The home folder holds what the program keeps: the settings, the other ini
// files, language files, map images and the trace folder.
struct HubPaths {
    std::filesystem::path home;

    std::filesystem::path settingsFile() const { return home / "koltvcom.ini"; }
    std::filesystem::path directoryFile() const { return home / "Directory.ini"; }
    std::filesystem::path graphicsFile() const { return home / "GRAPHICS.ini"; }
};

// $XDG_CONFIG_HOME/<program>, else $HOME/.config/<program>.
std::filesystem::path defaultHomeFolder(const std::string& program);

// The port directory: the command line's, else the settings' (relative to the
// home folder, "~/" meaning the user's home), else <home>/ports.
std::filesystem::path resolvePortDirectory(
    const std::optional<std::filesystem::path>& fromCommandLine, const std::string& fromSettings,
    const std::filesystem::path& home);

}  // namespace kolt
