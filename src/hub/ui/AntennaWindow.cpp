#include "hub/ui/AntennaWindow.h"

#include <string>

namespace kolt {

namespace {

void item(MenuItem& m, const char* caption, const char* shortcut = "") {
    m.caption = caption;
    m.shortcut = shortcut;
}

void checkItem(MenuItem& m, const char* caption, const char* shortcut = "") {
    item(m, caption, shortcut);
    m.checkable = true;
}

}  // namespace

AntennaWindow::AntennaWindow() : AG_Az(azimuthDialAppearance()), AG_EL(elevationDialAppearance()) {
    form.caption = "Antenna";
    form.width = kDefaultWidth;
    form.height = kDefaultHeight;
    cmdPresetAz.caption = "Go";
    CmdStopAz.caption = "X";
    cmdPresetEl.caption = "Go";
    CmdStopEl.caption = "X";
    txtPreset.text = "000";
    txtPreset.maxLength = 3;
    cmdGo.caption = "Go";
    CmdStop.caption = "Stop";
    cmdAntA_B.caption = "Ant-B";
    cmdAntA_B.visible = false;
    elevationMeter.visible = false;
    for (std::size_t i = 0; i < CmdMemo.size(); ++i)
        CmdMemo[i].caption = "Memory-" + std::to_string(i + 1);

    item(mnuProgram, "&Program");
    item(mnuGeneralSetup, "General Setup", "Ctrl+S");
    mnuGeneralSetup.visible = false;
    item(mnuRotorSetup, "Rotor Setup", "Ctrl+R");
    item(mnuAntennaSetup, "Antenna Setup", "Ctrl+A");
    item(mnuVirtualPort, "Virtual Port and Emulation", "Ctrl+V");
    item(mnuTcpIp, "TCP/IP Config", "Ctrl+I");
    checkItem(mnuDdeNova, "DDE Nova");
    item(mnuWinTestSetup, "WinTest Setup", "Ctrl+W");
    item(mnuMapSeparator, "-");
    checkItem(mnuMapaAz, "Azimuthal Map");
    item(mnuMap0, "Azimuthal Map");
    mnuMap0.visible = false;
    for (std::size_t i = 0; i < MnuMap.size(); ++i)
        checkItem(MnuMap[i], ("Map " + std::to_string(i + 1)).c_str());
    item(mnugraphics, "Graphics Setup");
    mnugraphics.visible = false;
    item(mnuGraficoAz, "Azimuth");
    item(mnuGraficoEl, "Elevation");
    item(mnuParking, "Parking");
    item(mnuParkAz, "Azimuth");
    item(mnuParkEl, "Elevation");
    item(mnuAutoParking, "Auto Parking Enabled");
    mnuAutoParking.visible = false;
    item(mnuParkConfig, "Config");
    item(mnuSetParking, "Az Config");
    item(mnuSetParkingEl, "El Config");
    item(mnuLanguage, "Language");
    item(mnuHide, "Hide");
    mnuHide.visible = false;
    item(mnuAntSeparator, "-");
    constexpr std::array<const char*, kAntennaItems> antShortcuts = {"Ctrl+F1", "Ctrl+F2",
                                                                     "Ctrl+F3", "Ctrl+F4"};
    for (std::size_t i = 0; i < mnuAnt.size(); ++i)
        checkItem(mnuAnt[i], ("Ant-" + std::to_string(i + 1)).c_str(), antShortcuts[i]);
    item(mnuExitSeparator, "-");
    item(mnuExit, "Exit", "Ctrl+X");

    item(mnuRemote, "&Remote");
    item(mnuConnect, "Connect");
    for (std::size_t i = 0; i < mnuRemotoIP.size(); ++i) {
        item(mnuRemotoIP[i], ("Site " + std::to_string(i + 1)).c_str(),
             ("Ctrl+Shift+F" + std::to_string(i + 1)).c_str());
    }
    item(mnuDisconnect, "Disconnect", "Ctrl+D");
    item(mnuDirectory, "Directory", "Ctrl+T");

    item(mnuMemory, "&Memory");
    for (std::size_t i = 0; i < mnuMemo.size(); ++i) {
        item(mnuMemo[i], ("Memory-" + std::to_string(i + 1)).c_str(),
             ("Shift+F" + std::to_string(i + 1)).c_str());
    }
    item(mnuEdit, "&Edit", "Ctrl+M");

    item(mnuStepLeft15, "-15º", "Ctrl+F11");
    item(mnuStepLeft5, "-5º", "F11");
    item(mnuStepRight5, "+5º", "F12");
    item(mnuStepRight15, "+15º", "Ctrl+F12");

    item(mnuOptions, "Options");
    item(mnuDefaultSize, "Default Size");
    checkItem(mnuDebugDde, "Display debug DDE Nova");
    checkItem(mnuShowAz, "Show Azimuth (digital)", "Ctrl+O");
    checkItem(mnuOnlyAzimuth, "Display only Azimuth");
    checkItem(mnuAlwaysActive, "Always active");
    item(mnuAutoFocus, "Auto Focus");
    checkItem(mnuFocusDxLog, "DxLog");
    checkItem(mnuFocusWinTest, "WinTest");
    checkItem(mnuWinTestMessages, "WinTest Network Messages");
    item(mnuWinTestSeparator, "-");
    checkItem(mnuButton, "Memory Buttons");
    mnuButton.checked = true;
    item(mnuButtonSeparator, "-");

    // What later work builds stays in the menus, greyed, until then.
    for (MenuItem* m : {&mnuVirtualPort, &mnuTcpIp, &mnuDdeNova, &mnuWinTestSetup, &mnuMapaAz,
                        &mnuMap0, &mnuLanguage, &mnuConnect, &mnuDisconnect, &mnuDirectory,
                        &mnuDebugDde, &mnuAutoFocus, &mnuWinTestMessages}) {
        m->enabled = false;
    }
}

DigitalAzimuthWindow::DigitalAzimuthWindow() {
    form.caption = "0";
    form.width = 2700;
    form.height = 1800;
    lblBig.caption = "000º";
    lblSmall.caption = "0";
}

}  // namespace kolt
