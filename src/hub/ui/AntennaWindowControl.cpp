#include "hub/ui/AntennaWindowControl.h"

#include <cstdio>

#include "hub/core/NumericText.h"

namespace kolt {

namespace {
constexpr Rgb kRemoteRed{255, 0, 0};
constexpr Rgb kLocalBlue{0, 0, 255};
}  // namespace

float dialCaptionSize(int w) {
    if (w < 2000) return 22;
    if (w < 3000) return 26;
    if (w < 4000) return 30;
    if (w < 6000) return 34;
    return 40;
}

AntennaWindowControl::AntennaWindowControl(RotatorState& state, SettingsFile& ini,
                                           MainWindow& mainWindow, AntennaWindow& antennaWindow,
                                           DigitalAzimuthWindow& digital, HubTimers& timers,
                                           AntennaDisplay& display, MemoriesAndParking& memories,
                                           AntennaSelection& antennas, ControllerPorts& ports)
    : state_(state),
      ini_(ini),
      main_(mainWindow),
      window_(antennaWindow),
      digital_(digital),
      timers_(timers),
      display_(display),
      memories_(memories),
      antennas_(antennas),
      ports_(ports) {
    wireHandlers();
}

AntennaWindowControl::~AntennaWindowControl() {
    timers_.Timer1->setHandler({});
}

void AntennaWindowControl::wireHandlers() {
    window_.mnuDefaultSize.onClick = [this] { defaultSize(); };
    window_.mnuAlwaysActive.onClick = [this] { toggleAlwaysActive(); };
    window_.mnuHide.onClick = [this] { hideWindow(); };
    window_.mnuGeneralSetup.onClick = [this] { main_.form.visible = true; };
    window_.mnuOnlyAzimuth.onClick = [this] { toggleAzimuthOnly(); };
    window_.mnuShowAz.onClick = [this] { toggleDigitalAzimuth(); };
    digital_.onToggleKey = [this] { hideDigitalAzimuth(); };
    digital_.form.onCloseRequest = [this] {
        hideDigitalAzimuth();
        return true;
    };
    timers_.Timer1->setHandler([this] { refreshDigitalAzimuth(); });
    memories_.hooks.layOut = [this] { layOut(); };
    memories_.hooks.beforeDialog = [this] { dropOnTop(); };
    memories_.hooks.afterDialog = [this] { restoreOnTop(); };
    antennas_.hooks.beforeDialog = [this] { dropOnTop(); };
    antennas_.hooks.restoreOnTop = [this] { restoreOnTop(); };
    ports_.hooks.refreshAntennaLayout = [this] { modelApplied(); };
}

void AntennaWindowControl::ensureLoaded(bool firstStart) {
    if (loaded_) return;
    loaded_ = true;
    antennas_.activateAntennas();
    antennas_.select(state_.activeAntenna);
    display_.updateElevation();
    memories_.showMemoryNames();
    window_.mnuAlwaysActive.checked = ini_.readString("Graphic", "On Top") == "1";
    window_.form.stayOnTop = window_.mnuAlwaysActive.checked;
    FormState& f = window_.form;
    const auto stored = [this](const char* key) {
        const auto v = toWholeInt32(readNumber(ini_.readString("Graphic", key)));
        return v ? *v : 0;
    };
    if (const int v = stored("Left"); v > 0) f.left = v;
    if (const int v = stored("Top"); v > 0) f.top = v;
    if (const int v = stored("Width"); v > 1500) f.width = v;
    if (const int v = stored("Height"); v > 1500) f.height = v;
    window_.AG_Az.connectionColour =
        state_.model == RotatorModel::RemoteTcp ? kRemoteRed : kLocalBlue;
    if (firstStart) {
        f.width = AntennaWindow::kDefaultWidth;
        f.height = AntennaWindow::kDefaultHeight;
    }
    layOut();
}

void AntennaWindowControl::resized(int width, int height) {
    if (window_.form.windowState == WindowState::Minimized) return;
    AntennaLayoutRequest r;
    r.width = width;
    r.height = height;
    r.lastWidth = lastWidth_;
    r.lastHeight = lastHeight_;
    r.elevationShown = state_.elevationShown;
    r.memoryButtons = window_.mnuButton.checked;
    apply(layOutAntennaWindow(r));
}

void AntennaWindowControl::layOut() {
    // The present size counts as the last one, so nothing is taken as a drag.
    AntennaLayoutRequest r;
    r.width = r.lastWidth = window_.form.width;
    r.height = r.lastHeight = window_.form.height;
    r.elevationShown = state_.elevationShown;
    r.memoryButtons = window_.mnuButton.checked;
    if (r.elevationShown) r.lastWidth -= 1;  // the height follows the width
    apply(layOutAntennaWindow(r));
}

void AntennaWindowControl::apply(const AntennaLayout& l) {
    window_.form.width = lastWidth_ = l.width;
    window_.form.height = lastHeight_ = l.height;
    window_.AG_Az.rect = l.azDial;
    window_.cmdPresetAz.rect = l.presetAz;
    window_.CmdStopAz.rect = l.stopAz;
    window_.txtPreset.rect = l.txtPreset;
    window_.cmdGo.rect = l.cmdGo;
    window_.CmdStop.rect = l.cmdStop;
    for (std::size_t i = 0; i < l.memory.size(); ++i)
        window_.CmdMemo[i].rect = l.memory[i];
    const bool el = state_.elevationShown;
    if (el) {
        window_.AG_EL.rect = l.elDial;
        window_.cmdPresetEl.rect = l.presetEl;
        window_.CmdStopEl.rect = l.stopEl;
    }
    window_.mnuParkEl.visible = window_.mnuSetParkingEl.visible = el;
    for (MenuItem* m : {&window_.mnuOptions, &window_.mnuMemory, &window_.mnuProgram})
        m->visible = !l.narrowMenus;
    memories_.showMemoryButtons();
}

void AntennaWindowControl::modelApplied() {
    layOut();
    setDialCaption();
    const RotatorModel m = state_.model;
    window_.mnuOnlyAzimuth.visible = m == RotatorModel::AzimuthElevation ||
                                     m == RotatorModel::Combo || m == RotatorModel::RemoteTcp ||
                                     (m == RotatorModel::ZebSe && state_.boardAxes == 2) ||
                                     (m == RotatorModel::KoltUsb && state_.firmwareFlags[1] == 1);
    window_.mnuOnlyAzimuth.checked = state_.forceAzimuthOnly;
}

void AntennaWindowControl::setDialCaption() {
    std::string text;
    if (winTestLinkOn) {
        text = state_.rotorName;
    } else if (state_.model == RotatorModel::ZebSe) {
        text = "ZEBX";
    } else if (state_.model == RotatorModel::KoltUsb) {
        text = state_.unitLabel;
    } else if (state_.model == RotatorModel::RemoteTcp) {
        text = "Remote";
    } else {
        // A plain controller: the rotor's own name.
        text = state_.rotorName;
    }
    window_.AG_Az.setCaption(text, dialCaptionSize(window_.AG_Az.rect.width), false);
}

void AntennaWindowControl::defaultSize() {
    window_.form.windowState = WindowState::Normal;
    window_.form.width = AntennaWindow::kDefaultWidth;
    window_.form.height = AntennaWindow::kDefaultHeight;
    layOut();
}

void AntennaWindowControl::toggleAlwaysActive() {
    MenuItem& item = window_.mnuAlwaysActive;
    item.checked = !item.checked;
    window_.form.stayOnTop = item.checked;
    ini_.writeString("Graphic", "On Top", item.checked ? "1" : "0");
}

void AntennaWindowControl::dropOnTop() {
    window_.form.stayOnTop = false;
}

void AntennaWindowControl::restoreOnTop() {
    window_.form.stayOnTop = window_.mnuAlwaysActive.checked;
}

void AntennaWindowControl::hideWindow() {
    main_.chkGraphic.setValue(false);
    window_.form.visible = false;
}

void AntennaWindowControl::toggleAzimuthOnly() {
    state_.forceAzimuthOnly = !state_.forceAzimuthOnly;
    ini_.writeString("General", "Force to Display Only Azimuth",
                     state_.forceAzimuthOnly ? "1" : "0");
    ports_.applyModel();
}

void AntennaWindowControl::toggleDigitalAzimuth() {
    window_.mnuShowAz.checked = !window_.mnuShowAz.checked;
    digital_.form.visible = window_.mnuShowAz.checked;
    if (digital_.form.visible) refreshDigitalAzimuth();
}

void AntennaWindowControl::hideDigitalAzimuth() {
    digital_.form.visible = false;
    window_.mnuShowAz.checked = false;
}

void AntennaWindowControl::refreshDigitalAzimuth() {
    const int az = state_.shownAzimuth;
    char big[16];
    std::snprintf(big, sizeof big, "%03d", az);
    digital_.lblBig.caption = std::string(big) + "º";
    digital_.lblSmall.caption = std::to_string(az);
    digital_.form.caption = std::to_string(az);
    if (az >= 0 && az <= 360) digital_.progressValue = az;
}

void AntennaWindowControl::savePosition() {
    const FormState& f = window_.form;
    ini_.writeString("Graphic", "Left", std::to_string(f.left));
    ini_.writeString("Graphic", "Top", std::to_string(f.top));
    ini_.writeString("Graphic", "Width", std::to_string(f.width));
    ini_.writeString("Graphic", "Height", std::to_string(f.height));
}

}  // namespace kolt
