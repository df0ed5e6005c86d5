#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kolt {

// An ini file with the semantics of the Windows profile functions: sections
// in brackets and key=value lines, names matched without regard to case,
// blanks around names and values ignored, one pair of enclosing quotes
// dropped from a value. Writing keeps every other line, comment and order as
// it was, and replaces the file by renaming a complete new one, so a crash
// never leaves a truncated file. The file is read anew by every call, so
// edits made by hand while the program runs are seen.
class ProfileFile {
  public:
    explicit ProfileFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // The value, or the default when the section or key is absent. With a
    // buffer size, at most bufferSize - 1 characters come back, as a read into
    // a buffer of that size with its terminating NUL gives.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}, std::size_t bufferSize = 0) const;

    // The value's leading whole number (an optional sign and digits); the
    // default when the key is absent or empty, 0 when no digit leads.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Adds or replaces the key, adding the section at the end when it is new.
    // Line breaks in the value become blanks so that a value can never add
    // lines. False when the names are not valid or the file cannot be written.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);

    bool deleteKey(std::string_view section, std::string_view key);
    bool deleteSection(std::string_view section);

    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;

  private:
    std::filesystem::path path_;
};

}  // namespace kolt
