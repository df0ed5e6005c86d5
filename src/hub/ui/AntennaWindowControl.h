#pragma once

#include "hub/controller/ControllerPorts.h"
#include "hub/core/HubSettings.h"
#include "hub/core/HubTimers.h"
#include "hub/core/MainWindow.h"
#include "hub/core/RotatorState.h"
#include "hub/core/SettingsFile.h"
#include "hub/ui/AntennaDisplay.h"
#include "hub/ui/AntennaLayout.h"
#include "hub/ui/AntennaSelection.h"
#include "hub/ui/AntennaWindow.h"
#include "hub/ui/Memories.h"

namespace kolt {

// The antenna window's own behaviour: loading it, laying it out, its caption,
// its place on screen, the options that concern the window itself and the
// digital azimuth window.
class AntennaWindowControl {
  public:
    AntennaWindowControl(RotatorState& state, SettingsFile& ini, MainWindow& mainWindow,
                         AntennaWindow& antennaWindow, DigitalAzimuthWindow& digital,
                         HubTimers& timers, AntennaDisplay& display, MemoriesAndParking& memories,
                         AntennaSelection& antennas, ControllerPorts& ports);
    ~AntennaWindowControl();
    AntennaWindowControl(const AntennaWindowControl&) = delete;
    AntennaWindowControl& operator=(const AntennaWindowControl&) = delete;

    // The window's load, the first time it is needed; a first start gives it
    // its default size.
    void ensureLoaded(bool firstStart);
    bool loaded() const { return loaded_; }

    // The operator gave the window a new size (twips).
    void resized(int width, int height);
    // Lays the window out again at its present size.
    void layOut();
    // What the model being applied changes here: layout, caption, options.
    void modelApplied();
    void setDialCaption();

    void defaultSize();
    void toggleAlwaysActive();
    // Dialogs opened from the menus must not hide behind the window.
    void dropOnTop();
    void restoreOnTop();
    void hideWindow();
    void toggleAzimuthOnly();
    void toggleDigitalAzimuth();
    void hideDigitalAzimuth();
    void refreshDigitalAzimuth();
    void savePosition();

    // The WinTest link names the rotor on the dial while it is on.
    bool winTestLinkOn = false;

  private:
    void wireHandlers();
    void apply(const AntennaLayout& layout);

    RotatorState& state_;
    SettingsFile& ini_;
    MainWindow& main_;
    AntennaWindow& window_;
    DigitalAzimuthWindow& digital_;
    HubTimers& timers_;
    AntennaDisplay& display_;
    MemoriesAndParking& memories_;
    AntennaSelection& antennas_;
    ControllerPorts& ports_;
    bool loaded_ = false;
    int lastWidth_ = 0;
    int lastHeight_ = 0;
};

// The font size of the azimuth dial's caption for the dial's width in twips.
float dialCaptionSize(int dialWidthTwips);

}  // namespace kolt
