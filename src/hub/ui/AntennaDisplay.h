#pragma once

#include <string>

#include "hub/core/MainWindow.h"
#include "hub/core/RotatorState.h"
#include "hub/ui/AntennaWindow.h"

namespace kolt {

// Draws a new position: the dials, the antenna window's title and the
// position texts for other programs; and the busy colours of the buttons.
class AntennaDisplay {
  public:
    AntennaDisplay(RotatorState& state, MainWindow& mainWindow, AntennaWindow& antennaWindow)
        : state_(state), main_(mainWindow), window_(antennaWindow) {}

    void updateAzimuth();
    void updateElevation();
    void showAzimuthBusy();
    void showElevationBusy();

    // The name of the connected remote site, for the title of model 4.
    std::string remoteSiteName;

  private:
    void setTitle(int bearing);

    RotatorState& state_;
    MainWindow& main_;
    AntennaWindow& window_;
};

}  // namespace kolt
