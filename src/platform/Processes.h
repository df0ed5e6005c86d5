#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kolt {

// Other programs of the station: starting one.
class Processes {
  public:
    virtual ~Processes() = default;
    // Starts the program detached from this one; false when it cannot start.
    virtual bool startProgram(const std::filesystem::path& program,
                              const std::vector<std::string>& arguments) = 0;
};

}  // namespace kolt
