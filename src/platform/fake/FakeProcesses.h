#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Processes.h"

namespace kolt {

// Records the programs a test's code starts; starting succeeds unless told not to.
class FakeProcesses : public Processes {
  public:
    struct Started {
        std::filesystem::path program;
        std::vector<std::string> arguments;
    };

    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return startSucceeds;
    }

    bool startSucceeds = true;
    std::vector<Started> started;
};

}  // namespace kolt
