#pragma once

#include <array>
#include <functional>
#include <string>

#include "common/FormControls.h"
#include "hub/core/LogBox.h"

namespace kolt {

// The hidden settings window ("KOLT-Virtual COM"): its tabs for the rotor,
// the virtual port and emulation, TCP/IP, and saving, and the preset boxes
// through which every door points the antenna.
struct MainWindow {
    static constexpr int kTabCount = 6;

    MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    FormState form;
    int tabIndex = 0;
    std::array<std::string, kTabCount> tabCaptions;
    std::array<bool, kTabCount> tabEnabled{};
    int helpContext = 0;
    // The operator picks another tab.
    std::function<void(int from, int to)> onTabChange;
    void selectTab(int tab) {
        if (tab < 0 || tab >= kTabCount || tab == tabIndex ||
            !tabEnabled[static_cast<std::size_t>(tab)])
            return;
        const int from = tabIndex;
        tabIndex = tab;
        if (onTabChange) onTabChange(from, tab);
    }

    // Preset boxes, their stop buttons ("X"), the position labels and the
    // monitor box
    TextBox txtPreAz;
    TextBox txtPreEl;
    Button cmdGoPreAz;  // "GO"
    Button cmdGoPreEl;
    Button cmdStopPreAz;
    Button cmdStopPreEl;
    Label lblAZ;
    Label lblEL;
    Label lblAzBusy;  // "Az Busy"
    LogBox txtRX;

    // The position texts other programs read ("RA:123", "RE:045")
    std::string ddeAzimuth;
    std::string ddeElevation;

    // Rotor tab
    ListControl cmbModel;
    Label lblAzPort;
    ListControl cmbAzPort;  // "Azim. serial port:"
    Button cmdAzOpen;
    Label lblElPort;
    ListControl cmbElPort;  // "Elev. serial port:"
    Button cmdElOpen;
    ListControl cmbBoardAxes;
    CheckBox chkOpenPorts;  // "Open Com Ports at Startup"
    Button cmdConfig;

    // Virtual COM tab
    ListControl cmbCOM;
    CheckBox chkRunVCOM;  // "Create Virtual at Startup"
    Button cmdDelete;
    std::array<CheckBox, 6> chkEmul;

    // IP Setup tab
    CheckBox chkTCPServer;  // "TCP Server Modo"
    TextBox txtTCP;
    CheckBox chkN1MM;
    CheckBox chkWT;

    // Shows the antenna window
    CheckBox chkGraphic;
    Button cmdSave;
};

// A tray icon: its tip and whether it stands in the tray.
struct TrayIcon {
    std::string tip;
    bool inTray = false;
    Handler onLeftButton;  // mouse button 1 pressed on the icon
    Handler onRestore;     // the icon's second handled event
};

}  // namespace kolt
