#pragma once

#include "common/FormControls.h"

namespace kolt {

// The rotor setup dialog ("Rotor Setup"): the model, the controller ports
// and whether they open at start.
struct RotorSetup {
    RotorSetup();
    RotorSetup(const RotorSetup&) = delete;
    RotorSetup& operator=(const RotorSetup&) = delete;

    FormState form;
    ListControl cmbModel;
    ListControl cmbAzPort;
    ListControl cmbElPort;
    ListControl cmbBoardAxes;
    CheckBox chkOpenPorts;  // "Open Com Ports at Startup"
    Button cmdSave;
    Button cmdCancel;
};

}  // namespace kolt
