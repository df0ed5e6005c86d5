#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "hub/controller/RotorSetup.h"
#include "hub/core/HubTimers.h"
#include "hub/core/MainWindow.h"
#include "hub/core/RotatorState.h"
#include "hub/core/SettingsFile.h"
#include "hub/core/TraceLog.h"
#include "hub/ui/AntennaWindow.h"
#include "platform/Dialogs.h"
#include "platform/Processes.h"
#include "platform/SerialPort.h"

namespace kolt {

// The three serial controls: the azimuth (or KOLT-USB) unit, the elevation
// unit and the combo unit.
struct SerialControls {
    std::unique_ptr<SerialPort> MSComAz;
    std::unique_ptr<SerialPort> MSComEL;
    std::unique_ptr<SerialPort> MSComcombo;
};

// The captions the language file gives the port buttons and the unit's port
// label; empty ones fall back to the English defaults.
struct PortCaptions {
    std::string open;
    std::string close;
    std::string unitPort;
};

enum class PortListOwner { MainWindow, RotorSetup };

// What the configuration launch needs to start the tool beside the hub.
struct ToolLaunch {
    std::filesystem::path programFolder;
    std::filesystem::path home;
    std::optional<std::filesystem::path> portDir;
};

// Opens and closes the controller ports, offers the ports to choose from,
// holds the rotor setup choices and starts the configuration tool.
class ControllerPorts {
  public:
    ControllerPorts(RotatorState& state, MainWindow& mainWindow, RotorSetup& rotorSetup,
                    AntennaWindow& antennaWindow, HubTimers& timers, TraceLog& trace,
                    SerialPortFactory& factory, SerialControls& ports, Dialogs& dialogs,
                    Processes& processes, SettingsFile& ini, ToolLaunch launch);
    ControllerPorts(const ControllerPorts&) = delete;
    ControllerPorts& operator=(const ControllerPorts&) = delete;

    void scanPorts(PortListOwner owner);

    void openAzimuthPort();
    void openElevationPort();
    void openComboPort();
    void closeAzimuthPort();
    void closeElevationPort();
    void closeComboPort();

    void applyModel();
    void selectModel(int position);
    void saveRotorSetup();
    // The main window's rotor tab, as its "Save" and leaving its tabs store it.
    void saveRotorTab();
    void launchConfiguration(PortListOwner from);
    void showRotorSetup();

    PortCaptions captions;
    int languageIndex = 0;  // 2: Spanish
    // The name of the active virtual port ("COM5"), empty when there is none.
    std::function<std::string()> activeVirtualPortName;
    // The virtual port dialog's list of names, once that dialog exists.
    ListControl* virtualPortDialogList = nullptr;

    // Filled by the modules that own these.
    struct Hooks {
        std::function<void()> stopBothAxes;
        std::function<void()> refreshAntennaLayout;
        std::function<void()> refreshWinTestMatrix;
        std::function<void()> startBoard;
        std::function<void()> stopBoard;
        std::function<void()> storeBoardSettings;
        std::function<void()> openBoardCalibration;
        std::function<void()> closeWinTestLink;
        std::function<void()> endHub;
    } hooks;

  private:
    void wireHandlers();
    void giveSetupListBack();
    void captionAzimuthButtons(const std::string& caption);
    void captionElevationButtons(const std::string& caption);
    void enableConfigButtons();
    void azimuthButton();
    void elevationButton();
    void boardAxesChosen();
    bool closeRotorSetup();
    void hideRotorSetup();
    void writeRotorSettings(bool openAtStart, const std::string& azPort, const std::string& elPort);
    std::string openCaption(const char* fallback) const;
    std::string closeCaption(const char* fallback) const;
    void addVirtualName(ListControl& list, const std::string& name);

    RotatorState& state_;
    MainWindow& main_;
    RotorSetup& setup_;
    AntennaWindow& antenna_;
    HubTimers& timers_;
    TraceLog& trace_;
    SerialPortFactory& factory_;
    SerialControls& ports_;
    Dialogs& dialogs_;
    Processes& processes_;
    SettingsFile& ini_;
    ToolLaunch launch_;
};

}  // namespace kolt
