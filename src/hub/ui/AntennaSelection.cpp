#include "hub/ui/AntennaSelection.h"

#include "hub/core/NumericText.h"

namespace kolt {

namespace {

constexpr int kAntennaHelpTopic = 2110;
constexpr const char* kSection = "Antenna Setup";

std::string key(std::size_t index, const char* what) {
    return "Ant-" + std::to_string(index + 1) + " " + what;
}

// Offsets and limits are whole degrees; anything outside 0..360 is stored as 0.
std::int16_t degrees(const std::string& text) {
    const auto v = toWholeInt32(readNumber(text));
    return static_cast<std::int16_t>(v && *v >= 0 && *v <= 360 ? *v : 0);
}

std::int16_t storedInt(const std::string& text) {
    const auto v = toWholeInt16(readNumber(text));
    return v ? *v : std::int16_t{0};
}

}  // namespace

AntennaSetupDialog::AntennaSetupDialog() {
    form.caption = "Antennas Setup";
    form.width = 6900;
    form.height = 3300;
    for (std::size_t i = 0; i < kAntennaItems; ++i) {
        chkAnt[i].caption = "Ant-" + std::to_string(i + 1);
        chkBidirectional[i].caption = "Enabled";
        txtOffset[i].maxLength = 3;
        txtLimit[i].maxLength = 3;
    }
    cmdOK.caption = "OK";
    cmdCancel.caption = "Cancel";
}

AntennaSelection::AntennaSelection(RotatorState& state, SettingsFile& ini,
                                   AntennaWindow& antennaWindow, AntennaDisplay& display)
    : state_(state), ini_(ini), window_(antennaWindow), display_(display) {
    for (std::size_t i = 0; i < kAntennaItems; ++i) {
        const int index = static_cast<int>(i);
        window_.mnuAnt[i].onClick = [this, index] { select(index); };
    }
    window_.mnuAntennaSetup.onClick = [this] { openDialog(); };
    dialog_.cmdOK.onClick = [this] { acceptDialog(); };
    dialog_.cmdCancel.onClick = [this] {
        fillDialog();
        closeDialog();
    };
    dialog_.form.onCloseRequest = [this] {
        fillDialog();
        closeDialog();
        return true;
    };
    dialog_.form.onActivate = [this] {
        dialog_.helpTopic = kAntennaHelpTopic;
        dialog_.form.centred = true;
    };
}

void AntennaSelection::load() {
    // Missing keys are not written back here.
    const std::string active = ini_.readString(kSection, "Antenna Act");
    const int index = active.empty() ? 0 : static_cast<int>(storedInt(active)) - 1;
    state_.activeAntenna = static_cast<std::int16_t>(index < 0 || index > 3 ? 0 : index);
    const std::string rotor = ini_.readString(kSection, "Rotor Name");
    state_.rotorName = rotor.empty() ? "KOLT-USB" : rotor;
    for (std::size_t i = 0; i < kAntennaItems; ++i) {
        AntennaRecord& a = state_.antennas[i];
        const std::string act = ini_.readString(kSection, key(i, "Act"));
        a.enabled = act.empty() ? i == 0 : act == "1";
        const std::string name = ini_.readString(kSection, key(i, "Name"));
        a.name = name.empty() ? "Antenna " + std::to_string(i + 1) : name;
        a.offset = storedInt(ini_.readString(kSection, key(i, "Offset")));
        a.bidirectional = ini_.readString(kSection, key(i, "Bidirectionability")) == "1";
        a.limit = storedInt(ini_.readString(kSection, key(i, "Limit")));
    }
}

void AntennaSelection::activateAntennas() {
    window_.mnuAntSeparator.visible = false;
    for (std::size_t i = 0; i < kAntennaItems; ++i) {
        MenuItem& item = window_.mnuAnt[i];
        item.checked = false;
        const AntennaRecord& a = state_.antennas[i];
        item.visible = a.enabled;
        if (a.enabled) {
            window_.mnuAntSeparator.visible = true;
            item.caption = a.name;
        }
    }
    const auto active = static_cast<std::size_t>(
        state_.activeAntenna >= 0 && state_.activeAntenna < kAntennaCount ? state_.activeAntenna
                                                                          : 0);
    window_.mnuAnt[active].checked = true;
}

void AntennaSelection::select(int index) {
    if (index < 0 || index >= kAntennaCount) return;
    // The rotor stays where it is: the new antenna starts from its azimuth.
    const std::int16_t rotor = activeAntennaRecord(state_).rotorAzimuth;
    state_.activeAntenna = static_cast<std::int16_t>(index);
    activeAntennaRecord(state_).rotorAzimuth = rotor;
    ini_.writeString(kSection, "Antenna Act", std::to_string(index + 1));
    for (MenuItem& item : window_.mnuAnt)
        item.checked = false;
    window_.mnuAnt[static_cast<std::size_t>(index)].checked = true;
    redraw();
}

void AntennaSelection::redraw() {
    state_.lastDrawn[0] = -1;
    display_.updateAzimuth();
}

void AntennaSelection::fillDialog() {
    for (std::size_t i = 0; i < kAntennaItems; ++i) {
        const AntennaRecord& a = state_.antennas[i];
        dialog_.chkAnt[i].value = a.enabled;
        dialog_.txtName[i].text = a.name;
        dialog_.txtOffset[i].text = std::to_string(a.offset);
        dialog_.chkBidirectional[i].value = a.bidirectional;
        dialog_.txtLimit[i].text = std::to_string(a.limit);
    }
}

void AntennaSelection::openDialog() {
    fireEvent(hooks.beforeDialog);
    fillDialog();
    dialog_.form.visible = true;
    dialog_.form.activate();
}

void AntennaSelection::acceptDialog() {
    for (std::size_t i = 0; i < kAntennaItems; ++i) {
        AntennaRecord& a = state_.antennas[i];
        a.enabled = dialog_.chkAnt[i].value;
        a.bidirectional = dialog_.chkBidirectional[i].value;
        a.name = dialog_.txtName[i].text;
        a.offset = degrees(dialog_.txtOffset[i].text);
        a.limit = degrees(dialog_.txtLimit[i].text);
    }
    for (std::size_t i = 0; i < kAntennaItems; ++i) {
        const AntennaRecord& a = state_.antennas[i];
        ini_.writeString(kSection, key(i, "Act"), a.enabled ? "1" : "0");
        ini_.writeString(kSection, key(i, "Name"), a.name);
        ini_.writeString(kSection, key(i, "Offset"), std::to_string(a.offset));
        ini_.writeString(kSection, key(i, "Bidirectionability"), a.bidirectional ? "1" : "0");
        ini_.writeString(kSection, key(i, "Limit"), dialog_.txtLimit[i].text);
    }
    closeDialog();
}

void AntennaSelection::closeDialog() {
    dialog_.form.visible = false;
    // Cancel too: the window is back on top whenever "Always active" says so.
    fireEvent(hooks.restoreOnTop);
    // What the window does once the modal dialog is gone.
    activateAntennas();
    redraw();
}

}  // namespace kolt
