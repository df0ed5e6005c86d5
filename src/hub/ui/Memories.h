#pragma once

#include <array>
#include <string>

#include "common/FormControls.h"
#include "hub/controller/PointingControl.h"
#include "hub/core/HubSettings.h"
#include "hub/core/HubTimers.h"
#include "hub/core/MainWindow.h"
#include "hub/core/RotatorState.h"
#include "hub/core/SettingsFile.h"
#include "hub/ui/AntennaWindow.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"

namespace kolt {

// The memory dialog ("Memory Setup"): eight names and angles.
struct MemoryDialog {
    MemoryDialog();
    MemoryDialog(const MemoryDialog&) = delete;
    MemoryDialog& operator=(const MemoryDialog&) = delete;

    FormState form;
    std::array<TextBox, kMemoryCount> txtMemory;
    std::array<TextBox, kMemoryCount> txtAngle;
    Button cmdOK;
    Button cmdCancel;
    Label lblHelp;  // "F1 Help"
    int helpTopic = 0;
};

// The eight azimuth memories, the two parking positions and the automatic
// parking after a tracking program has gone quiet. Everything ends in the
// pointing control's go operations.
class MemoriesAndParking {
  public:
    MemoriesAndParking(RotatorState& state, HubSettings& settings, SettingsFile& ini,
                       MainWindow& mainWindow, AntennaWindow& antennaWindow, HubTimers& timers,
                       PointingControl& pointing, Dialogs& dialogs, EventLoop& loop);
    ~MemoriesAndParking();
    MemoriesAndParking(const MemoriesAndParking&) = delete;
    MemoriesAndParking& operator=(const MemoriesAndParking&) = delete;

    MemoryDialog& dialog() { return dialog_; }

    void recallMemory(int index);
    void showMemoryNames();
    void saveMemories();
    // Which of the buttons, the preset row and the "Memory Buttons" entry show.
    void showMemoryButtons();
    bool azimuthDialAlone() const;
    void memoryButtonsClicked();

    void parkAzimuth();
    void parkElevation();
    void configureAzimuthParking();
    void configureElevationParking();
    void configureAutoParkingDelay();
    void saveParking();
    void autoParkingTick();

    // Start: the "Button" key sets the check mark; the parking entries get
    // their captions; the countdown starts full.
    void loadMemoryButtons();
    void loadParkingCaptions();
    void loadAutoParking();

    // The language number (2: Spanish) and its words for the parking entries.
    int language = 0;
    std::string azimuthWord = "Azimuth";
    std::string elevationWord = "Elevation";

    struct Hooks {
        // Lays the antenna window out again after the buttons change.
        std::function<void()> layOut;
        // Drops the antenna window's stay-on-top before a dialog shows, and
        // restores it as "Always active" says once the dialog is gone.
        std::function<void()> beforeDialog;
        std::function<void()> afterDialog;
    } hooks;

  private:
    void wireHandlers();
    void fillDialog();
    void acceptDialog();
    void cancelDialog();
    void openDialog();
    std::optional<int> askNumber(const std::string& prompt, const std::string& title, int current);
    void captionAutoParking();

    RotatorState& state_;
    HubSettings& settings_;
    SettingsFile& ini_;
    MainWindow& main_;
    AntennaWindow& window_;
    HubTimers& timers_;
    PointingControl& pointing_;
    Dialogs& dialogs_;
    EventLoop& loop_;
    MemoryDialog dialog_;
};

}  // namespace kolt
