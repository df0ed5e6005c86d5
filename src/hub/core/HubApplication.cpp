#include "hub/core/HubApplication.h"

#include <exception>

#include "Version.h"
#include "common/Events.h"
#include "hub/core/CommandLine.h"
#include "hub/core/HubPaths.h"
#include "hub/core/MainSettingsLoader.h"
#include "hub/core/NumericText.h"

namespace kolt {

HubApplication::HubApplication(HubPlatform platform, HubOptions options)
    : platform_(platform),
      options_(std::move(options)),
      ini_(HubPaths{options_.home}.settingsFile()),
      timers_(platform_.loop),
      trace_(state_, platform_.loop, options_.home, mainWindow_.txtRX),
      portDirectory_(options_.home / "ports"),
      ports_{platform_.serialPorts.createSerialPort(), platform_.serialPorts.createSerialPort(),
             platform_.serialPorts.createSerialPort()},
      display_(state_, mainWindow_, antennaWindow_),
      controllerPorts_(state_, mainWindow_, rotorSetup_, antennaWindow_, timers_, trace_,
                       platform_.serialPorts, ports_, platform_.dialogs, platform_.processes, ini_,
                       ToolLaunch{options_.programFolder, options_.home, options_.portDir}),
      link_(state_, mainWindow_, antennaWindow_, timers_, trace_, ports_, controllerPorts_,
            display_, platform_.loop),
      pointing_(state_, mainWindow_, antennaWindow_, timers_, trace_, link_, platform_.dialogs),
      memories_(state_, settings_, ini_, mainWindow_, antennaWindow_, timers_, pointing_,
                platform_.dialogs, platform_.loop),
      antennas_(state_, ini_, antennaWindow_, display_),
      windowControl_(state_, ini_, mainWindow_, antennaWindow_, digital_, timers_, display_,
                     memories_, antennas_, controllerPorts_) {
    tray1_.tip = "KOLTVCOM 1";
    wireHandlers();
}

void HubApplication::wireHandlers() {
    mainWindow_.chkGraphic.onClick = [this] { graphicBoxClicked(); };
    mainWindow_.form.onCloseRequest = [this] {
        hideMainWindowToTray();
        return false;
    };
    mainWindow_.onTabChange = [this](int from, int to) { tabChanged(from, to); };
    mainWindow_.cmdSave.onClick = [this] { saveButtonClicked(); };
    tray1_.onLeftButton = [this] { trayLeftButton(); };
    tray1_.onRestore = [this] { hideMainWindowToTray(); };
    antennaWindow_.mnuExit.onClick = [this] { exitHub(); };
    antennaWindow_.form.onCloseRequest = [this] { return closeAntennaWindow(); };
    controllerPorts_.hooks.stopBothAxes = [this] {
        pointing_.stopAzimuth();
        pointing_.stopElevation();
    };
    controllerPorts_.hooks.endHub = [this] {
        state_.quitting = true;
        platform_.loop.exitNow(0);
    };
    timers_.TmrDelayVirtual->setHandler([this] {
        timers_.TmrDelayVirtual->stop();
        createVirtualPort();
    });
}

const std::vector<HubApplication::StartStep>& HubApplication::startSteps() {
    static const std::vector<StartStep> steps = {
        {"initial values", &HubApplication::setInitialValues},
        {"command line", &HubApplication::readCommandLine},
        {"paths", &HubApplication::setPaths},
        {"first start", &HubApplication::checkFirstStart},
        {"newline", &HubApplication::setNewline},
        {"lists", &HubApplication::fillLists},
        {"serial port scan", &HubApplication::scanSerialPorts},
        {"antenna table", &HubApplication::loadAntennaTable},
        {"WinTest settings", &HubApplication::loadWinTestSettings},
        {"DXLog settings", &HubApplication::loadDxLogSettings},
        {"main settings", &HubApplication::loadMainSettings},
        {"N1MM settings", &HubApplication::loadN1mmSettings},
        {"remote sites", &HubApplication::loadRemoteSites},
        {"azimuth dial appearance", &HubApplication::loadAzimuthDialAppearance},
        {"elevation dial appearance", &HubApplication::loadElevationDialAppearance},
        {"memory buttons", &HubApplication::loadMemoryButtons},
        {"board settings", &HubApplication::loadBoardSettings},
        {"azimuthal map menu", &HubApplication::fillAzimuthalMapMenu},
        {"version trace", &HubApplication::traceVersion},
        {"dial caption", &HubApplication::setDialCaption},
        {"tray icon", &HubApplication::showTrayIcon},
        {"virtual port component", &HubApplication::initVirtualPortComponent},
        {"config button and language", &HubApplication::disableConfigAndLoadLanguage},
        {"rotator link", &HubApplication::openRotatorLink},
        {"board start", &HubApplication::startBoard},
        {"main window placement", &HubApplication::placeMainWindow},
        {"main window hidden", &HubApplication::hideMainWindowWhenReady},
        {"model applied", &HubApplication::applyModelAndReport},
        {"antenna window", &HubApplication::showAntennaWindow},
        {"pending events", &HubApplication::letEventsRun},
        {"WinTest link", &HubApplication::openWinTestLink},
        {"antenna window layout", &HubApplication::layOutAntennaWindow},
        {"auto-parking countdown", &HubApplication::loadAutoParkingCountdown},
        {"virtual port", &HubApplication::createVirtualPortAtStart},
    };
    return steps;
}

void HubApplication::start() {
    for (const StartStep& step : startSteps()) {
        stepsRun_.push_back(step.name);
        // A failing step (a port, a language file, a logger link) must not stop the start.
        try {
            (this->*step.run)();
        } catch (const std::exception& e) {
            trace_.logToMonitor(std::string("Start step '") + step.name + "' failed: " + e.what());
        }
    }
}

void HubApplication::setInitialValues() {
    state_ = RotatorState{};
    firstStart_ = false;
}

void HubApplication::readCommandLine() {
    state_.commandLinePort = commandLinePortOf(options_.arguments);
}

void HubApplication::setPaths() {
    const HubPaths paths{options_.home};
    state_.iniPath = paths.settingsFile().string();
    state_.directoryPath = paths.directoryFile().string();
    state_.graphicsPath = paths.graphicsFile().string();
    portDirectory_ = PortDirectory(resolvePortDirectory(
        options_.portDir, ini_.readString("Ports", "Directory"), options_.home));
    platform_.serialPorts.setPortDirectory(portDirectory_);
}

void HubApplication::checkFirstStart() {
    const std::string runonce = ini_.readString("General", "Runonce");
    if (runonce.empty() || readNumber(runonce) == 1) {
        firstStart_ = true;
        ini_.writeString("General", "Runonce", "0");
    }
}

void HubApplication::setNewline() {
    state_.newline = "\r\n";
}

void HubApplication::fillLists() {
    mainWindow_.cmbModel.clear();
    for (const char* caption : kModelCaptions)
        mainWindow_.cmbModel.addItem(caption);
    mainWindow_.cmbBoardAxes.clear();
    for (const char* caption : kBoardAxesCaptions)
        mainWindow_.cmbBoardAxes.addItem(caption);
    for (ListControl* list :
         {&mainWindow_.cmbCOM, &mainWindow_.cmbAzPort, &mainWindow_.cmbElPort}) {
        list->items.insert(list->items.begin(), "NONE");
    }
    mainWindow_.cmdDelete.enabled = false;
    rotorSetup_.load();
}

void HubApplication::scanSerialPorts() {
    controllerPorts_.scanPorts(PortListOwner::MainWindow);
}
void HubApplication::loadAntennaTable() {
    antennas_.load();
}
void HubApplication::loadWinTestSettings() {}
void HubApplication::loadDxLogSettings() {}

void HubApplication::loadMainSettings() {
    SettingsTargets targets{state_, settings_, timers_, mainWindow_, rotorSetup_, trace_};
    kolt::loadMainSettings(ini_, targets);
    memories_.loadParkingCaptions();
    memories_.loadAutoParking();
}

void HubApplication::loadN1mmSettings() {}
void HubApplication::loadRemoteSites() {}
void HubApplication::loadAzimuthDialAppearance() {}
void HubApplication::loadElevationDialAppearance() {}
void HubApplication::loadMemoryButtons() {
    memories_.loadMemoryButtons();
}
void HubApplication::loadBoardSettings() {}
void HubApplication::fillAzimuthalMapMenu() {}

void HubApplication::traceVersion() {
    const std::string line = std::string("Loading program, Ver: ") + kVersionText;
    for (const TraceChannel c :
         {TraceChannel::Azimuth, TraceChannel::Elevation, TraceChannel::VirtualPort}) {
        trace_.logToFile(c, line);
    }
}

void HubApplication::setDialCaption() {
    windowControl_.ensureLoaded(firstStart_);
    windowControl_.setDialCaption();
}

void HubApplication::showTrayIcon() {
    tray1_.inTray = true;
}

void HubApplication::initVirtualPortComponent() {}

void HubApplication::disableConfigAndLoadLanguage() {
    mainWindow_.cmdConfig.enabled = false;
}

void HubApplication::openRotatorLink() {
    if (state_.commandLinePort != 0) {
        const std::string port = std::to_string(state_.commandLinePort);
        mainWindow_.cmbAzPort.text = port;
        rotorSetup_.cmbAzPort.text = port;
        controllerPorts_.openAzimuthPort();
        return;
    }
    if (!state_.openPortsAtStartup) return;
    switch (state_.model) {
        case RotatorModel::AzimuthElevation:
            controllerPorts_.openAzimuthPort();
            controllerPorts_.openElevationPort();
            break;
        case RotatorModel::Azimuth:
        case RotatorModel::KoltUsb:
            controllerPorts_.openAzimuthPort();
            break;
        case RotatorModel::Elevation:
            controllerPorts_.openElevationPort();
            break;
        case RotatorModel::Combo:
            controllerPorts_.openComboPort();
            break;
        case RotatorModel::RemoteTcp:
            connectRemoteSite();
            break;
        default:
            break;
    }
}

void HubApplication::connectRemoteSite() {}

void HubApplication::startBoard() {
    if (state_.model == RotatorModel::ZebSe) fireEvent(controllerPorts_.hooks.startBoard);
}

void HubApplication::placeMainWindow() {
    mainWindow_.tabIndex = 0;
    mainWindow_.form.centred = true;
}

void HubApplication::hideMainWindowWhenReady() {
    if (state_.openPortsAtStartup && state_.createAtStartup && !state_.startupError) {
        mainWindow_.form.visible = false;
    }
}

void HubApplication::applyModelAndReport() {
    controllerPorts_.applyModel();
    trace_.logToMonitor("Init module");
}

void HubApplication::showAntennaWindow() {
    if (!mainWindow_.chkGraphic.value) return;
    antennaWindow_.form.visible = true;
    hideMainWindowToTray();
}

void HubApplication::letEventsRun() {
    platform_.loop.processEvents();
    platform_.loop.processEvents();
    platform_.loop.pause(1);
}

void HubApplication::openWinTestLink() {
    // The WinTest link is not enabled: its menu items stay hidden.
    for (MenuItem* m : {&antennaWindow_.mnuFocusWinTest, &antennaWindow_.mnuWinTestMessages,
                        &antennaWindow_.mnuWinTestSeparator}) {
        m->visible = false;
    }
}

void HubApplication::layOutAntennaWindow() {
    windowControl_.layOut();
    controllerPorts_.applyModel();
}

void HubApplication::loadAutoParkingCountdown() {
    // No parking before a tracking program has pointed the antenna once.
    state_.autoParkingIdle = settings_.autoParkingDelay;
}

void HubApplication::createVirtualPortAtStart() {
    if (!state_.createAtStartup) return;
    if (settings_.virtualDelayMs > 0) {
        timers_.TmrDelayVirtual->setInterval(settings_.virtualDelayMs);
        timers_.TmrDelayVirtual->start();
    } else {
        createVirtualPort();
    }
}

void HubApplication::createVirtualPort() {}

void HubApplication::hideMainWindowToTray() {
    mainWindow_.form.visible = false;
    tray2_.inTray = false;
    tray1_.inTray = true;
}

void HubApplication::graphicBoxClicked() {
    const bool on = mainWindow_.chkGraphic.value;
    ini_.writeString("Graphic", "Active", on ? "1" : "0");
    if (on) windowControl_.ensureLoaded(firstStart_);
    antennaWindow_.form.visible = on;
    if (on) memories_.showMemoryButtons();
}

void HubApplication::trayLeftButton() {
    FormState& f = antennaWindow_.form;
    if (f.windowState == WindowState::Minimized) {
        f.windowState = WindowState::Normal;
        f.visible = true;
    } else {
        f.windowState = WindowState::Minimized;
    }
}

void HubApplication::tabChanged(int from, int to) {
    static constexpr std::array<int, MainWindow::kTabCount> helpContexts = {1600, 1100, 1200,
                                                                            1300, 1400, 1500};
    mainWindow_.helpContext = helpContexts[static_cast<std::size_t>(to)];
    if (from >= 1 && from <= 3) saveTabSettings();
}

void HubApplication::saveTabSettings() {
    // The rotor tab; the other tabs' keys belong to the features behind them.
    controllerPorts_.saveRotorTab();
}

void HubApplication::saveButtonClicked() {
    saveTabSettings();
    tray1_.inTray = true;
    mainWindow_.form.visible = false;
}

bool HubApplication::closeAntennaWindow() {
    if (!settings_.quickExit) return false;
    exitHub();
    return true;
}

void HubApplication::exitHub() {
    state_.quitting = true;
    if (antennaWindow_.form.windowState == WindowState::Normal) windowControl_.savePosition();
    platform_.loop.exitNow(0);
}

}  // namespace kolt
