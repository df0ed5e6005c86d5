#include "hub/controller/RotorSetup.h"

#include "hub/core/RotatorState.h"

namespace kolt {

RotorSetup::RotorSetup() {
    form.caption = "Rotor Setup";
    lblAzPort.caption = "Azim. serial port:";
    lblElPort.caption = "Elev. serial port:";
    cmdAzOpen.caption = "Open";
    cmdElOpen.caption = "open";
    fraRemote.visible = false;
    cmdConnect.caption = "Connect";
    cmdRemoteConfig.caption = "Config";
    cmdConfig.caption = "Config";
    chkOpenPorts.caption = "Open Com Ports at Startup";
    cmdSave.caption = "Save";
    cmdCancel.caption = "Cancel";
    load();
}

void RotorSetup::load() {
    cmbModel.clear();
    for (const char* caption : kModelCaptions)
        cmbModel.addItem(caption);
    cmbBoardAxes.clear();
    for (const char* caption : kBoardAxesCaptions)
        cmbBoardAxes.addItem(caption);
    cmbAzPort.clear();
    cmbAzPort.addItem("NONE");
    cmbElPort.clear();
    cmbElPort.addItem("NONE");
    form.centred = true;
}

}  // namespace kolt
