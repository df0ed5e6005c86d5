#pragma once

#include "platform/Processes.h"

namespace kolt {

class QtProcesses : public Processes {
  public:
    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override;
};

}  // namespace kolt
