#include "hub/controller/ControllerPorts.h"

#include <algorithm>

#include "common/Events.h"
#include "hub/core/NumericText.h"

namespace kolt {

namespace {

constexpr Rgb kLightRed{255, 192, 192};
constexpr Rgb kLightGreen{128, 255, 128};
constexpr int kPortCount = 32;
constexpr const char* kLineSettings = "9600,n,8,1";

int portNumberOf(const std::string& name) {
    return toWholeInt16(readNumber(name)).value_or(0);
}

// The fixed size of the setup dialog per model, in twips: the remote frame
// and the board controls need more room than the port lists.
struct DialogSize {
    int width;
    int height;
};
DialogSize setupDialogSize(RotatorModel model) {
    switch (model) {
        case RotatorModel::RemoteTcp:
            return {5400, 4200};
        case RotatorModel::ZebSe:
            return {4800, 3300};
        default:
            return {4800, 3000};
    }
}

}  // namespace

ControllerPorts::ControllerPorts(RotatorState& state, MainWindow& mainWindow,
                                 RotorSetup& rotorSetup, AntennaWindow& antennaWindow,
                                 HubTimers& timers, TraceLog& trace, SerialPortFactory& factory,
                                 SerialControls& ports, Dialogs& dialogs, Processes& processes,
                                 SettingsFile& ini, ToolLaunch launch)
    : state_(state),
      main_(mainWindow),
      setup_(rotorSetup),
      antenna_(antennaWindow),
      timers_(timers),
      trace_(trace),
      factory_(factory),
      ports_(ports),
      dialogs_(dialogs),
      processes_(processes),
      ini_(ini),
      launch_(std::move(launch)) {
    wireHandlers();
}

void ControllerPorts::wireHandlers() {
    main_.cmbAzPort.onFocus = [this] { scanPorts(PortListOwner::MainWindow); };
    setup_.cmbAzPort.onFocus = [this] { scanPorts(PortListOwner::RotorSetup); };
    main_.cmbModel.onClick = [this] { selectModel(main_.cmbModel.listIndex); };
    setup_.cmbModel.onClick = [this] { selectModel(setup_.cmbModel.listIndex); };
    main_.cmdAzOpen.onClick = [this] { azimuthButton(); };
    main_.cmdElOpen.onClick = [this] { elevationButton(); };
    setup_.cmdAzOpen.onClick = [this] {
        main_.cmbAzPort.text = setup_.cmbAzPort.text;
        azimuthButton();
    };
    setup_.cmdElOpen.onClick = [this] {
        main_.cmbElPort.text = setup_.cmbElPort.text;
        elevationButton();
    };
    setup_.cmbBoardAxes.onClick = [this] { boardAxesChosen(); };
    setup_.cmdSave.onClick = [this] { saveRotorSetup(); };
    setup_.cmdCancel.onClick = [this] { hideRotorSetup(); };
    setup_.form.onActivate = [this] { applyModel(); };
    setup_.form.onCloseRequest = [this] { return closeRotorSetup(); };
    main_.cmdConfig.onClick = [this] { launchConfiguration(PortListOwner::MainWindow); };
    setup_.cmdConfig.onClick = [this] { launchConfiguration(PortListOwner::RotorSetup); };
    antenna_.mnuRotorSetup.onClick = [this] { showRotorSetup(); };
}

std::string ControllerPorts::openCaption(const char* fallback) const {
    return captions.open.empty() ? fallback : captions.open;
}

std::string ControllerPorts::closeCaption(const char* fallback) const {
    return captions.close.empty() ? fallback : captions.close;
}

void ControllerPorts::addVirtualName(ListControl& list, const std::string& name) {
    // The scan runs at every focus and the lists are not cleared, so a name
    // already there is not added again.
    if (std::find(list.items.begin(), list.items.end(), name) == list.items.end())
        list.addItem(name);
}

void ControllerPorts::scanPorts(PortListOwner owner) {
    ListControl& azList = owner == PortListOwner::MainWindow ? main_.cmbAzPort : setup_.cmbAzPort;
    ListControl& elList = owner == PortListOwner::MainWindow ? main_.cmbElPort : setup_.cmbElPort;
    // The lists keep "NONE" at their head and the choice shown.
    azList.items.assign(1, "NONE");
    elList.items.assign(1, "NONE");
    const std::string virtualName = activeVirtualPortName ? activeVirtualPortName() : "";

    // A probe of its own, so that a scan never disturbs an open link.
    const std::unique_ptr<SerialPort> probe = factory_.createSerialPort();
    for (int n = 1; n <= kPortCount; ++n) {
        const std::string name = "COM" + std::to_string(n);
        if (owner == PortListOwner::RotorSetup && !virtualName.empty() && name == virtualName)
            continue;
        probe->setPortNumber(n);
        const std::optional<SerialError> error = probe->open();
        if (!error) {
            probe->close();
            azList.addItem(std::to_string(n));
            elList.addItem(std::to_string(n));
        } else if (comm::isBusyError(error->code)) {
            azList.addItem(std::to_string(n));
            elList.addItem(std::to_string(n));
            addVirtualName(main_.cmbCOM, name + " (used)");
            if (virtualPortDialogList) addVirtualName(*virtualPortDialogList, name + " (used)");
        } else {
            addVirtualName(main_.cmbCOM, name);
            if (owner == PortListOwner::MainWindow && virtualPortDialogList)
                addVirtualName(*virtualPortDialogList, name);
        }
    }
}

void ControllerPorts::giveSetupListBack() {
    setup_.cmbAzPort.enabled = true;
    setup_.cmbAzPort.backColour = kLightGreen;
}

void ControllerPorts::captionAzimuthButtons(const std::string& caption) {
    main_.cmdAzOpen.caption = caption;
    setup_.cmdAzOpen.caption = caption;
}

void ControllerPorts::captionElevationButtons(const std::string& caption) {
    main_.cmdElOpen.caption = caption;
    setup_.cmdElOpen.caption = caption;
}

void ControllerPorts::enableConfigButtons() {
    main_.cmdConfig.enabled = true;
    setup_.cmdConfig.enabled = true;
}

void ControllerPorts::openAzimuthPort() {
    if (state_.comboModel) {
        openComboPort();
        return;
    }
    SerialPort& port = *ports_.MSComAz;
    state_.azTxCount = 0;
    trace_.logToFile(TraceChannel::Azimuth, "Opening COM Azimuth.... Refresh: " +
                                                std::to_string(timers_.TmrAz->interval()));
    state_.azPortName = main_.cmbAzPort.text;
    std::optional<SerialError> error = port.setSettings(kLineSettings);
    if (!error && state_.azPortName == "NONE") return;
    if (!error) {
        port.setPortNumber(portNumberOf(state_.azPortName));
        error = port.open();
    }
    if (error) {
        trace_.logToFile(TraceChannel::Azimuth, "Opening COM Error:" + error->description);
        state_.startupError = true;
        if (state_.model == RotatorModel::KoltUsb) {
            state_.unitPhase = UnitPhase::Identify;
            enableConfigButtons();
        }
        giveSetupListBack();
        setup_.cmdAzOpen.caption = openCaption("Open");
        dialogs_.message({"Error Opening Com Port: " + state_.azPortName, "", MessageButtons::Ok,
                          MessageIcon::None});
        return;
    }
    port.setDtr(true);
    port.setRts(true);
    setup_.cmbAzPort.enabled = false;
    setup_.cmbAzPort.backColour = kLightRed;
    if (state_.model == RotatorModel::KoltUsb) {
        state_.unitPhase = UnitPhase::Identify;
        enableConfigButtons();
    }
    state_.azPortOpen = 1;
    timers_.TmrAz->start();
    if (port.isOpen()) {
        captionAzimuthButtons(closeCaption("Close"));
    } else {
        captionAzimuthButtons(openCaption("Open"));
        giveSetupListBack();
    }
}

void ControllerPorts::openElevationPort() {
    SerialPort& port = *ports_.MSComEL;
    trace_.logToFile(TraceChannel::Elevation, "Opening COM Elevation.");
    state_.elPortName = main_.cmbElPort.text;
    if (state_.elPortName == "NONE") return;
    std::optional<SerialError> error = port.setSettings(kLineSettings);
    if (!error) {
        port.setPortNumber(portNumberOf(state_.elPortName));
        error = port.open();
    }
    if (error) {
        trace_.logToFile(TraceChannel::Elevation, "Opening COM Error:" + error->description);
        state_.startupError = true;
        dialogs_.message({"Error Opening Com Port: " + state_.elPortName, "", MessageButtons::Ok,
                          MessageIcon::None});
        return;
    }
    state_.elPortOpen = 1;
    timers_.TmrEl->start();
    captionElevationButtons(closeCaption("close"));
}

void ControllerPorts::openComboPort() {
    SerialPort& port = *ports_.MSComcombo;
    state_.azTxCount = 0;
    trace_.logToFile(TraceChannel::Azimuth, "Opening COM Combo.... Refresh: " +
                                                std::to_string(timers_.TmrCombo->interval()));
    const std::string name = main_.cmbAzPort.text;
    state_.azPortName = name;
    std::optional<SerialError> error = port.setSettings(kLineSettings);
    if (!error && name == "NONE") return;
    if (!error) {
        port.setPortNumber(portNumberOf(name));
        error = port.open();
    }
    if (error) {
        trace_.logToFile(TraceChannel::Azimuth, "Opening COM Error:" + error->description);
        state_.startupError = true;
        dialogs_.message(
            {"Error Opening Combo Port: " + name, "", MessageButtons::Ok, MessageIcon::None});
        return;
    }
    port.setDtr(true);
    port.setRts(true);
    state_.azPortOpen = 1;
    state_.elPortOpen = 1;
    timers_.TmrCombo->start();
    captionAzimuthButtons(closeCaption("close"));
}

void ControllerPorts::closeAzimuthPort() {
    if (state_.comboModel) {
        closeComboPort();
        return;
    }
    SerialPort& port = *ports_.MSComAz;
    trace_.logToFile(TraceChannel::Azimuth, "Close COM Azimuth.");
    giveSetupListBack();
    if (port.isOpen()) {
        port.setDtr(false);
        port.setRts(false);
        port.close();
    }
    state_.azPortOpen = 0;
    timers_.TmrAz->stop();
    captionAzimuthButtons(port.isOpen() ? closeCaption("Close") : openCaption("Open"));
    if (state_.model == RotatorModel::KoltUsb) enableConfigButtons();
}

void ControllerPorts::closeComboPort() {
    SerialPort& port = *ports_.MSComcombo;
    trace_.logToFile(TraceChannel::Azimuth, "Close COMBO Azimuth.");
    port.setDtr(false);
    port.setRts(false);
    port.close();
    state_.azPortOpen = 0;
    state_.elPortOpen = 0;
    timers_.TmrCombo->stop();
    captionAzimuthButtons(openCaption("open"));
}

void ControllerPorts::closeElevationPort() {
    ports_.MSComEL->close();
    state_.elPortOpen = 0;
    timers_.TmrEl->stop();
    captionElevationButtons(openCaption("open"));
}

void ControllerPorts::azimuthButton() {
    if (state_.azPortOpen == 1) {
        closeAzimuthPort();
    } else {
        openAzimuthPort();
    }
}

void ControllerPorts::elevationButton() {
    if (state_.elPortOpen == 1) {
        closeElevationPort();
    } else {
        openElevationPort();
    }
}

void ControllerPorts::selectModel(int position) {
    state_.model = static_cast<RotatorModel>(position);
    fireEvent(hooks.refreshWinTestMatrix);
    const RotatorModel m = state_.model;
    if (m == RotatorModel::RemoteTcp || m == RotatorModel::ZebSe) {
        if (state_.azPortOpen == 1) closeAzimuthPort();
        if (state_.elPortOpen == 1) closeElevationPort();
    }
    if (m == RotatorModel::ZebSe) {
        setup_.chkOpenPorts.value = true;
        if (!state_.boardRunning) fireEvent(hooks.startBoard);
    } else if (state_.boardRunning) {
        fireEvent(hooks.stopBoard);
    }
    applyModel();
}

void ControllerPorts::applyModel() {
    const RotatorModel m = state_.model;
    state_.comboModel = m == RotatorModel::Combo;
    state_.remoteMode = m == RotatorModel::RemoteTcp;
    switch (m) {
        case RotatorModel::AzimuthElevation:
        case RotatorModel::Elevation:
        case RotatorModel::Combo:
            state_.elevationShown = true;
            break;
        case RotatorModel::RemoteTcp:
            state_.elevationShown = state_.remoteHasElevation;
            break;
        case RotatorModel::ZebSe:
            state_.elevationShown = state_.boardAxes == 2 && !state_.forceAzimuthOnly;
            break;
        case RotatorModel::KoltUsb:
            state_.elevationShown = state_.firmwareFlags[1] == 1 && !state_.forceAzimuthOnly;
            break;
        default:
            state_.elevationShown = false;
            break;
    }

    const int index = static_cast<int>(m);
    for (ListControl* list : {&main_.cmbModel, &setup_.cmbModel}) {
        if (index >= 0 && index < static_cast<int>(list->items.size())) {
            list->listIndex = index;
            list->text = list->items[static_cast<std::size_t>(index)];
        }
    }

    const bool azimuthPort = m == RotatorModel::AzimuthElevation || m == RotatorModel::Azimuth ||
                             m == RotatorModel::Combo || m == RotatorModel::KoltUsb;
    const bool elevationPort = m == RotatorModel::AzimuthElevation || m == RotatorModel::Elevation;
    const std::string azLabel =
        m == RotatorModel::Combo ? "Combo serial port:"
        : m == RotatorModel::KoltUsb
            ? (captions.unitPort.empty() ? "KOLT-USB Port:" : captions.unitPort)
            : "Azim. serial port:";
    for (Label* label : {&main_.lblAzPort, &setup_.lblAzPort}) {
        label->caption = azLabel;
        label->visible = azimuthPort;
    }
    main_.cmbAzPort.visible = setup_.cmbAzPort.visible = azimuthPort;
    main_.cmdAzOpen.visible = setup_.cmdAzOpen.visible = azimuthPort;
    main_.lblElPort.visible = setup_.lblElPort.visible = elevationPort;
    main_.cmbElPort.visible = setup_.cmbElPort.visible = elevationPort;
    main_.cmdElOpen.visible = setup_.cmdElOpen.visible = elevationPort;
    setup_.fraRemote.visible = m == RotatorModel::RemoteTcp;
    const bool board = m == RotatorModel::ZebSe;
    main_.cmbBoardAxes.visible = setup_.cmbBoardAxes.visible = board;
    const bool config = board || m == RotatorModel::KoltUsb;
    main_.cmdConfig.visible = setup_.cmdConfig.visible = config;
    if (board) enableConfigButtons();
    const DialogSize size = setupDialogSize(m);
    setup_.form.width = size.width;
    setup_.form.height = size.height;

    // The elevation controls of both windows; the antenna window shows its
    // own preset box below the azimuth dial when there is no elevation.
    const bool el = state_.elevationShown;
    const bool az = m != RotatorModel::Elevation;
    main_.txtPreEl.visible = main_.cmdGoPreEl.visible = main_.cmdStopPreEl.visible =
        main_.lblEL.visible = el;
    main_.txtPreAz.visible = main_.cmdGoPreAz.visible = main_.cmdStopPreAz.visible =
        main_.lblAZ.visible = az;
    antenna_.AG_EL.visible = antenna_.cmdPresetEl.visible = antenna_.CmdStopEl.visible = el;
    antenna_.txtPreset.visible = antenna_.cmdGo.visible = antenna_.CmdStop.visible = !el;
    antenna_.mnuRemote.visible = m == RotatorModel::RemoteTcp;
    fireEvent(hooks.refreshAntennaLayout);
}

void ControllerPorts::boardAxesChosen() {
    state_.boardAxes = static_cast<std::uint8_t>(setup_.cmbBoardAxes.listIndex + 1);
    if (state_.boardAxes == 2) state_.elevationShown = true;
    applyModel();
}

void ControllerPorts::saveRotorSetup() {
    main_.chkOpenPorts.value = setup_.chkOpenPorts.value;
    state_.openPortsAtStartup = setup_.chkOpenPorts.value;
    state_.azPortName = setup_.cmbAzPort.text;
    state_.elPortName = setup_.cmbElPort.text;
    writeRotorSettings(state_.openPortsAtStartup, state_.azPortName, state_.elPortName);
    if (state_.model == RotatorModel::ZebSe) fireEvent(hooks.storeBoardSettings);
    applyModel();
    hideRotorSetup();
}

void ControllerPorts::saveRotorTab() {
    writeRotorSettings(main_.chkOpenPorts.value, main_.cmbAzPort.text, main_.cmbElPort.text);
}

void ControllerPorts::writeRotorSettings(bool openAtStart, const std::string& azPort,
                                         const std::string& elPort) {
    ini_.writeString("KOLTWIN", "Auto Run", openAtStart ? "1" : "0");
    ini_.writeString("AZIMUTH", "COM", azPort);
    ini_.writeString("ELEVATION", "COM", elPort);
    ini_.writeString("Prosistel", "Model", std::to_string(static_cast<int>(state_.model)));
}

void ControllerPorts::hideRotorSetup() {
    if (!setup_.form.visible) return;
    setup_.form.visible = false;
    antenna_.form.stayOnTop = setup_.antennaWasOnTop;
}

void ControllerPorts::showRotorSetup() {
    if (setup_.form.visible) return;
    setup_.antennaWasOnTop = antenna_.form.stayOnTop;
    antenna_.form.stayOnTop = false;
    setup_.form.visible = true;
    applyModel();
}

bool ControllerPorts::closeRotorSetup() {
    if (state_.quitting) return true;
    hideRotorSetup();
    return false;
}

void ControllerPorts::launchConfiguration(PortListOwner from) {
    fireEvent(hooks.stopBothAxes);
    if (state_.model == RotatorModel::ZebSe) {
        fireEvent(hooks.openBoardCalibration);
        return;
    }
    if (state_.model != RotatorModel::KoltUsb) return;
    if (from == PortListOwner::RotorSetup) saveRotorSetup();
    state_.unitPhase = UnitPhase::Parameters;
    const int port = ports_.MSComAz->portNumber();
    const bool spanish = languageIndex == 2;
    const std::string question =
        spanish ? "Es necesario cerrar el programa KOLTVCOM para poder cargar el configurador: "
                  "KOLTCONF.exe.\r\n\r\nDeseas continuar?"
                : "The KOLTVCOM program need to be closed for executing the configuration "
                  "program: KOLTCONF.exe.\r\n\r\nDo you want continue?";
    const MessageAnswer answer =
        dialogs_.message({question, spanish ? "Configuracion" : "Configuration",
                          MessageButtons::YesNo, MessageIcon::Question});
    if (answer != MessageAnswer::Yes) return;

    if (ports_.MSComAz->isOpen()) closeAzimuthPort();
    std::vector<std::string> arguments = {"  /C=" + std::to_string(port), "--home",
                                          launch_.home.string()};
    if (launch_.portDir) {
        arguments.push_back("--port-dir");
        arguments.push_back(launch_.portDir->string());
    }
    if (!processes_.startProgram(launch_.programFolder / "koltconf", arguments)) {
        const std::string folder = launch_.programFolder.string();
        const std::string text =
            spanish ? "Fichero KOLTCONF.EXE no encontrado!\r\nEste programa es necesario para "
                      "poder configurar el KOLTUSB, comprueba que se encuentre en: \r\n -> " +
                          folder
                    : "The KOLTCONF.exe file not found!\r\nThis program is required for the "
                      "configuration and it should be located at: \r\n -> " +
                          folder;
        dialogs_.message({text, "", MessageButtons::Ok, MessageIcon::Critical});
        return;
    }
    fireEvent(hooks.closeWinTestLink);
    fireEvent(hooks.endHub);
}

}  // namespace kolt
