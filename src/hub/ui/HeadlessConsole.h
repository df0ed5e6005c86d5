#pragma once

#include <string>
#include <string_view>

#include "hub/core/MainWindow.h"
#include "hub/ui/AntennaWindow.h"

namespace kolt {

// Headless, the operator types into the hub's standard input what the
// windows would take: a number is the azimuth preset box and Enter. Each line
// acts on the same controls the windows have, so it goes every way the
// windows' own input goes.
class HeadlessConsole {
  public:
    HeadlessConsole(MainWindow& mainWindow, AntennaWindow& antennaWindow)
        : main_(mainWindow), antenna_(antennaWindow) {}

    // One line of input; returns what to print back (empty for nothing).
    std::string handleLine(std::string_view line);

    static const char* help();

  private:
    MainWindow& main_;
    AntennaWindow& antenna_;
};

}  // namespace kolt
