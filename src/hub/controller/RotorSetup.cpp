#include "hub/controller/RotorSetup.h"

#include "hub/core/RotatorState.h"

namespace kolt {

RotorSetup::RotorSetup() {
    form.caption = "Rotor Setup";
    for (const char* caption : kModelCaptions)
        cmbModel.addItem(caption);
    for (const char* caption : kBoardAxesCaptions)
        cmbBoardAxes.addItem(caption);
    cmbAzPort.addItem("NONE");
    cmbElPort.addItem("NONE");
    chkOpenPorts.caption = "Open Com Ports at Startup";
    cmdSave.caption = "Save";
    cmdCancel.caption = "Cancel";
}

}  // namespace kolt
