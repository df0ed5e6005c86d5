#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kolt {

// Serial ports are named by number. Port n is the device that the link
// "comN" in the port directory points to; without such an entry it is
// /dev/ttyS{n-1}. Pointing the directory at a Wine prefix's dosdevices makes
// the ports the same COM ports that Windows programs under Wine see.
class PortDirectory {
  public:
    explicit PortDirectory(std::filesystem::path directory);

    const std::filesystem::path& directory() const { return directory_; }

    // "<dir>/comN", whether or not it exists.
    std::filesystem::path entryPath(int number) const;
    // What opening port n opens.
    std::filesystem::path devicePath(int number) const;

    // The number of a port name "COMn" (any letter case); nullopt otherwise.
    static std::optional<int> numberOfName(std::string_view name);

  private:
    std::filesystem::path directory_;
};

}  // namespace kolt
