#include "hub/core/MainWindow.h"

namespace kolt {

MainWindow::MainWindow() {
    form.caption = "KOLT-Virtual COM";
    form.visible = true;
    form.width = 7800;
    form.height = 5400;
    tabCaptions = {"Rotor", "Virtual COM", "Emulation", "IP Setup", "Loggers", "Save"};
    // The tabs whose features are still to come stay greyed.
    tabEnabled = {true, false, false, false, false, true};
    helpContext = 1600;
    txtPreAz.maxLength = 3;
    txtPreEl.maxLength = 3;
    cmdGoPreAz.caption = "GO";
    cmdGoPreEl.caption = "GO";
    cmdStopPreAz.caption = "X";
    cmdStopPreEl.caption = "X";
    lblAzBusy.caption = "Az Busy";
    lblAzBusy.visible = false;
    lblAzPort.caption = "Azim. serial port:";
    lblElPort.caption = "Elev. serial port:";
    cmdAzOpen.caption = "Open";
    cmdElOpen.caption = "open";
    chkOpenPorts.caption = "Open Com Ports at Startup";
    cmdConfig.caption = "Config";
    chkRunVCOM.caption = "Create Virtual at Startup";
    cmdDelete.caption = "Delete";
    constexpr std::array<const char*, 6> emulations = {
        "Yaesu GS-232", "ORION M2", "EasyComm-1 / II", "TrackBox", "ProSisTel \"D\"", "DCU-1"};
    for (std::size_t i = 0; i < chkEmul.size(); ++i)
        chkEmul[i].caption = emulations[i];
    chkEmul[3].enabled = false;
    chkTCPServer.caption = "TCP Server Modo";
    txtTCP.maxLength = 5;
    chkN1MM.caption = "N1MM Network Messages";
    chkWT.caption = "WinTest Network Messages";
    chkGraphic.caption = "Graphic";
    cmdSave.caption = "Save";
}

}  // namespace kolt
