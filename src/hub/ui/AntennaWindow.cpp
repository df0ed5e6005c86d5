#include "hub/ui/AntennaWindow.h"

namespace kolt {

AntennaWindow::AntennaWindow() {
    form.caption = "Antenna";
    // The default size, in twips.
    form.width = 3675;
    form.height = 2460;
    cmdPresetAz.caption = "Go";
    CmdStopAz.caption = "X";
    cmdPresetEl.caption = "Go";
    CmdStopEl.caption = "X";
    txtPreset.text = "000";
    txtPreset.maxLength = 3;
    cmdGo.caption = "Go";
    CmdStop.caption = "Stop";
    mnuExit.caption = "Exit";
    mnuExit.shortcut = "Ctrl+X";
    mnuRotorSetup.caption = "Rotor Setup";
    mnuRemote.caption = "&Remote";
    mnuStepLeft15.caption = "-15º";
    mnuStepLeft15.shortcut = "Ctrl+F11";
    mnuStepLeft5.caption = "-5º";
    mnuStepLeft5.shortcut = "F11";
    mnuStepRight5.caption = "+5º";
    mnuStepRight5.shortcut = "F12";
    mnuStepRight15.caption = "+15º";
    mnuStepRight15.shortcut = "Ctrl+F12";
}

}  // namespace kolt
