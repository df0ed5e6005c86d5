#pragma once

#include "common/FormControls.h"

namespace kolt {

// The rotor setup dialog ("Rotor Setup"): the model, the controller ports
// and whether they open at start. Its lists and buttons are its own; the
// main window's lists are the ones the ports are opened from.
struct RotorSetup {
    RotorSetup();
    RotorSetup(const RotorSetup&) = delete;
    RotorSetup& operator=(const RotorSetup&) = delete;

    // Fills the lists and centres the dialog, as it loads.
    void load();

    FormState form;
    ListControl cmbModel;
    Label lblAzPort;
    ListControl cmbAzPort;
    Button cmdAzOpen;
    Label lblElPort;
    ListControl cmbElPort;
    Button cmdElOpen;
    Control fraRemote;  // "Remote Rotator": sites, "Connect", "Config"
    ListControl lstRemoteSites;
    Button cmdConnect;
    Button cmdRemoteConfig;
    ListControl cmbBoardAxes;
    Button cmdConfig;
    CheckBox chkOpenPorts;  // "Open Com Ports at Startup"
    Button cmdSave;
    Button cmdCancel;
    // The antenna window's stay-on-top state, dropped while this is open.
    bool antennaWasOnTop = false;
};

}  // namespace kolt
