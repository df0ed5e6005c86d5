#pragma once

#include <array>

#include "common/FormControls.h"
#include "hub/ui/Dial.h"

namespace kolt {

inline constexpr int kMemoryButtonCount = 8;
inline constexpr int kRemoteSiteItems = 5;
inline constexpr int kMapItems = 4;
inline constexpr int kAntennaItems = 4;

// The antenna window ("Antenna") that the operator keeps on screen.
struct AntennaWindow {
    AntennaWindow();
    AntennaWindow(const AntennaWindow&) = delete;
    AntennaWindow& operator=(const AntennaWindow&) = delete;

    // The layout's defaults, in twips.
    static constexpr int kDefaultWidth = 3675;
    static constexpr int kDefaultHeight = 2460;

    FormState form;

    Dial AG_Az;
    Dial AG_EL;
    Button cmdPresetAz;  // "Go" beside the azimuth dial
    Button CmdStopAz;    // "X" beside the azimuth dial
    Button cmdPresetEl;
    Button CmdStopEl;

    // Below the azimuth dial when the elevation is hidden
    TextBox txtPreset;
    Button cmdGo;
    Button CmdStop;

    std::array<Button, kMemoryButtonCount> CmdMemo;
    Button cmdAntA_B;        // "Ant-B"
    Control elevationMeter;  // never shown

    // "&Program"
    MenuItem mnuProgram;
    MenuItem mnuGeneralSetup;  // hidden
    MenuItem mnuRotorSetup;
    MenuItem mnuAntennaSetup;
    MenuItem mnuVirtualPort;
    MenuItem mnuTcpIp;
    MenuItem mnuDdeNova;
    MenuItem mnuWinTestSetup;
    MenuItem mnuMapSeparator;
    MenuItem mnuMapaAz;  // "Azimuthal Map", single-map mode
    MenuItem mnuMap0;    // "Azimuthal Map" submenu, several maps
    std::array<MenuItem, kMapItems> MnuMap;
    MenuItem mnugraphics;  // "Graphics Setup", never shown
    MenuItem mnuGraficoAz;
    MenuItem mnuGraficoEl;
    MenuItem mnuParking;
    MenuItem mnuParkAz;
    MenuItem mnuParkEl;
    MenuItem mnuAutoParking;
    MenuItem mnuParkConfig;
    MenuItem mnuSetParking;
    MenuItem mnuSetParkingEl;
    MenuItem mnuLanguage;
    MenuItem mnuHide;  // hidden
    MenuItem mnuAntSeparator;
    std::array<MenuItem, kAntennaItems> mnuAnt;
    MenuItem mnuExitSeparator;
    MenuItem mnuExit;

    // "&Remote", shown for the remote model only
    MenuItem mnuRemote;
    MenuItem mnuConnect;
    std::array<MenuItem, kRemoteSiteItems> mnuRemotoIP;
    MenuItem mnuDisconnect;
    MenuItem mnuDirectory;

    // "&Memory"
    MenuItem mnuMemory;
    std::array<MenuItem, kMemoryButtonCount> mnuMemo;
    MenuItem mnuEdit;

    // The steps, straight on the menu bar
    MenuItem mnuStepLeft15;   // "-15º", Ctrl+F11
    MenuItem mnuStepLeft5;    // "-5º", F11
    MenuItem mnuStepRight5;   // "+5º", F12
    MenuItem mnuStepRight15;  // "+15º", Ctrl+F12

    // "Options"
    MenuItem mnuOptions;
    MenuItem mnuDefaultSize;
    MenuItem mnuDebugDde;
    MenuItem mnuShowAz;
    MenuItem mnuOnlyAzimuth;
    MenuItem mnuAlwaysActive;
    MenuItem mnuAutoFocus;
    MenuItem mnuFocusDxLog;
    MenuItem mnuFocusWinTest;
    MenuItem mnuWinTestMessages;
    MenuItem mnuWinTestSeparator;
    MenuItem mnuButton;  // "Memory Buttons"
    MenuItem mnuButtonSeparator;
};

// The small window that shows the azimuth in large digits.
struct DigitalAzimuthWindow {
    DigitalAzimuthWindow();
    DigitalAzimuthWindow(const DigitalAzimuthWindow&) = delete;
    DigitalAzimuthWindow& operator=(const DigitalAzimuthWindow&) = delete;

    FormState form;
    Label lblBig;    // "045º"
    Label lblSmall;  // "45"
    Control progress;
    int progressValue = 0;  // 0..360
    // Ctrl+O pressed in the window
    Handler onToggleKey;
};

}  // namespace kolt
