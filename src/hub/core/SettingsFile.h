#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ProfileFile.h"

namespace kolt {

// Access to one of the hub's ini files, as every module reads and writes its
// keys: a read gives at most what the profile read returns into a buffer of
// 120 characters (119 and its terminator), an absent key the empty text.
class SettingsFile {
  public:
    static constexpr std::size_t kReadBuffer = 120;

    explicit SettingsFile(std::filesystem::path path) : file_(std::move(path)) {}

    const std::filesystem::path& path() const { return file_.path(); }

    std::string readString(std::string_view section, std::string_view key,
                           std::size_t buffer = kReadBuffer) const {
        return file_.readString(section, key, {}, buffer);
    }
    // Failures are ignored by the callers, as the settings mechanics say;
    // the result is there for the few that report them.
    bool writeString(std::string_view section, std::string_view key, std::string_view value) {
        return file_.writeString(section, key, value);
    }
    int readInt(std::string_view section, std::string_view key, int defaultValue) const {
        return file_.readInt(section, key, defaultValue);
    }

  private:
    ProfileFile file_;
};

}  // namespace kolt
