#include "platform/PortDirectory.h"

#include <cctype>
#include <system_error>

namespace kolt {

PortDirectory::PortDirectory(std::filesystem::path directory) : directory_(std::move(directory)) {}

std::filesystem::path PortDirectory::entryPath(int number) const {
    return directory_ / ("com" + std::to_string(number));
}

std::filesystem::path PortDirectory::devicePath(int number) const {
    const auto entry = entryPath(number);
    std::error_code ec;
    // symlink_status: a dangling link still names the port (its device is gone).
    if (std::filesystem::symlink_status(entry, ec).type() !=
            std::filesystem::file_type::not_found &&
        !ec) {
        return entry;
    }
    return "/dev/ttyS" + std::to_string(number - 1);
}

std::optional<int> PortDirectory::numberOfName(std::string_view name) {
    if (name.size() < 4 || name.size() > 8) return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return std::nullopt;
    }
    int n = 0;
    for (const char c : name.substr(3)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1) return std::nullopt;
    return n;
}

}  // namespace kolt
