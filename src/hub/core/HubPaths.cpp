#include "hub/core/HubPaths.h"

#include <cstdlib>

namespace kolt {
namespace {

std::string environment(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

std::filesystem::path defaultHomeFolder(const std::string& program) {
    const std::string xdg = environment("XDG_CONFIG_HOME");
    if (!xdg.empty()) return std::filesystem::path(xdg) / program;
    const std::string home = environment("HOME");
    return std::filesystem::path(home.empty() ? "." : home) / ".config" / program;
}

std::filesystem::path resolvePortDirectory(
    const std::optional<std::filesystem::path>& fromCommandLine, const std::string& fromSettings,
    const std::filesystem::path& home) {
    if (fromCommandLine) return *fromCommandLine;
    if (fromSettings.empty()) return home / "ports";
    if (fromSettings.rfind("~/", 0) == 0) {
        return std::filesystem::path(environment("HOME")) / fromSettings.substr(2);
    }
    const std::filesystem::path p(fromSettings);
    return p.is_absolute() ? p : home / p;
}

}  // namespace kolt
