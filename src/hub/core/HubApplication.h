#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hub/controller/ControllerLink.h"
#include "hub/controller/ControllerPorts.h"
#include "hub/controller/PointingControl.h"
#include "hub/controller/RotorSetup.h"
#include "hub/core/HubSettings.h"
#include "hub/core/HubTimers.h"
#include "hub/core/MainWindow.h"
#include "hub/core/RotatorState.h"
#include "hub/core/SettingsFile.h"
#include "hub/core/TraceLog.h"
#include "hub/ui/AntennaDisplay.h"
#include "hub/ui/AntennaSelection.h"
#include "hub/ui/AntennaWindow.h"
#include "hub/ui/AntennaWindowControl.h"
#include "hub/ui/Memories.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Network.h"
#include "platform/PortDirectory.h"
#include "platform/Processes.h"
#include "platform/SerialPort.h"

namespace kolt {

// What the hub needs of the machine; production and test doubles alike.
struct HubPlatform {
    EventLoop& loop;
    SerialPortFactory& serialPorts;
    Network& network;
    Dialogs& dialogs;
    Processes& processes;
};

struct HubOptions {
    std::filesystem::path home;
    std::optional<std::filesystem::path> portDir;
    std::vector<std::string> arguments;
    // Where the hub's program file is: the configuration tool is started from here.
    std::filesystem::path programFolder;
};

// The application object: it owns the rotator state, the settings, the
// forms and the modules, wires them together and runs the start.
class HubApplication {
  public:
    HubApplication(HubPlatform platform, HubOptions options);
    HubApplication(const HubApplication&) = delete;
    HubApplication& operator=(const HubApplication&) = delete;

    // The start, step by step, as the main window loads.
    void start();

    // "Exit": ends the hub at once, keeping the antenna window's position.
    void exitHub();

    struct StartStep {
        const char* name;
        void (HubApplication::*run)();
    };
    static const std::vector<StartStep>& startSteps();
    // The names of the steps run so far, in order.
    const std::vector<std::string>& stepsRun() const { return stepsRun_; }

    RotatorState& state() { return state_; }
    HubSettings& settings() { return settings_; }
    SettingsFile& settingsFile() { return ini_; }
    MainWindow& mainWindow() { return mainWindow_; }
    RotorSetup& rotorSetup() { return rotorSetup_; }
    AntennaWindow& antennaWindow() { return antennaWindow_; }
    HubTimers& timers() { return timers_; }
    TraceLog& trace() { return trace_; }
    TrayIcon& trayIcon() { return tray1_; }
    TrayIcon& secondTrayIcon() { return tray2_; }
    SerialControls& serialControls() { return ports_; }
    ControllerPorts& controllerPorts() { return controllerPorts_; }
    ControllerLink& controllerLink() { return link_; }
    PointingControl& pointing() { return pointing_; }
    AntennaDisplay& display() { return display_; }
    DigitalAzimuthWindow& digitalAzimuth() { return digital_; }
    MemoriesAndParking& memories() { return memories_; }
    AntennaSelection& antennas() { return antennas_; }
    AntennaWindowControl& antennaControl() { return windowControl_; }
    const PortDirectory& portDirectory() const { return portDirectory_; }
    const std::filesystem::path& home() const { return options_.home; }
    bool firstStart() const { return firstStart_; }

  private:
    void wireHandlers();
    void hideMainWindowToTray();
    bool closeAntennaWindow();
    void graphicBoxClicked();
    void trayLeftButton();
    void tabChanged(int from, int to);
    void saveTabSettings();
    void saveButtonClicked();

    // The start steps, in their order.
    void setInitialValues();
    void readCommandLine();
    void setPaths();
    void checkFirstStart();
    void setNewline();
    void fillLists();
    void scanSerialPorts();
    void loadAntennaTable();
    void loadWinTestSettings();
    void loadDxLogSettings();
    void loadMainSettings();
    void loadN1mmSettings();
    void loadRemoteSites();
    void loadAzimuthDialAppearance();
    void loadElevationDialAppearance();
    void loadMemoryButtons();
    void loadBoardSettings();
    void fillAzimuthalMapMenu();
    void traceVersion();
    void setDialCaption();
    void showTrayIcon();
    void initVirtualPortComponent();
    void disableConfigAndLoadLanguage();
    void openRotatorLink();
    void connectRemoteSite();
    void startBoard();
    void placeMainWindow();
    void hideMainWindowWhenReady();
    void applyModelAndReport();
    void showAntennaWindow();
    void letEventsRun();
    void openWinTestLink();
    void layOutAntennaWindow();
    void loadAutoParkingCountdown();
    void createVirtualPortAtStart();
    void createVirtualPort();

    HubPlatform platform_;
    HubOptions options_;
    RotatorState state_;
    HubSettings settings_;
    SettingsFile ini_;
    MainWindow mainWindow_;
    RotorSetup rotorSetup_;
    AntennaWindow antennaWindow_;
    HubTimers timers_;
    TraceLog trace_;
    TrayIcon tray1_;
    TrayIcon tray2_;
    PortDirectory portDirectory_;
    SerialControls ports_;
    AntennaDisplay display_;
    ControllerPorts controllerPorts_;
    ControllerLink link_;
    PointingControl pointing_;
    DigitalAzimuthWindow digital_;
    MemoriesAndParking memories_;
    AntennaSelection antennas_;
    AntennaWindowControl windowControl_;
    bool firstStart_ = false;
    std::vector<std::string> stepsRun_;
};

}  // namespace kolt
