#pragma once

#include <array>
#include <functional>

#include "common/FormControls.h"
#include "hub/core/RotatorState.h"
#include "hub/core/SettingsFile.h"
#include "hub/ui/AntennaDisplay.h"
#include "hub/ui/AntennaWindow.h"

namespace kolt {

// The antenna setup dialog ("Antennas Setup"): one row per antenna.
struct AntennaSetupDialog {
    AntennaSetupDialog();
    AntennaSetupDialog(const AntennaSetupDialog&) = delete;
    AntennaSetupDialog& operator=(const AntennaSetupDialog&) = delete;

    FormState form;
    std::array<CheckBox, kAntennaItems> chkAnt;  // "Ant-n": enabled
    std::array<TextBox, kAntennaItems> txtName;
    std::array<TextBox, kAntennaItems> txtOffset;
    std::array<CheckBox, kAntennaItems> chkBidirectional;  // "Enabled"
    std::array<TextBox, kAntennaItems> txtLimit;
    Button cmdOK;
    Button cmdCancel;
    int helpTopic = 0;
};

// Up to four antennas on one rotator, each with its offset and whether it
// radiates both ways; the active one steers the pointing and the display.
class AntennaSelection {
  public:
    AntennaSelection(RotatorState& state, SettingsFile& ini, AntennaWindow& antennaWindow,
                     AntennaDisplay& display);
    AntennaSelection(const AntennaSelection&) = delete;
    AntennaSelection& operator=(const AntennaSelection&) = delete;

    AntennaSetupDialog& dialog() { return dialog_; }

    void load();
    // Rebuilds the antenna items of the "&Program" menu.
    void activateAntennas();
    void select(int index);
    void redraw();

    struct Hooks {
        std::function<void()> beforeDialog;
        // "Always active": the antenna window back on top after "OK".
        std::function<void()> restoreOnTop;
    } hooks;

  private:
    void openDialog();
    void fillDialog();
    void acceptDialog();
    void closeDialog();

    RotatorState& state_;
    SettingsFile& ini_;
    AntennaWindow& window_;
    AntennaDisplay& display_;
    AntennaSetupDialog dialog_;
};

}  // namespace kolt
