#include "hub/ui/Memories.h"

#include <cmath>

#include "hub/core/NumericText.h"

namespace kolt {

namespace {

constexpr int kMemoryHelpTopic = 2200;

// The nearest whole number of a needle or an answer, as the boxes take it.
int wholeNumber(double value) {
    const auto v = toWholeInt32(value);
    return v ? *v : 0;
}

std::string number1(std::size_t index) {
    return std::to_string(index + 1);
}

}  // namespace

MemoryDialog::MemoryDialog() {
    form.caption = "Memory Setup";
    form.width = 5400;
    form.height = 3000;
    for (auto& box : txtMemory)
        box.maxLength = 12;
    for (auto& box : txtAngle)
        box.maxLength = 3;
    cmdOK.caption = "OK";
    cmdCancel.caption = "Cancel";
    lblHelp.caption = "F1 Help";
}

MemoriesAndParking::MemoriesAndParking(RotatorState& state, HubSettings& settings,
                                       SettingsFile& ini, MainWindow& mainWindow,
                                       AntennaWindow& antennaWindow, HubTimers& timers,
                                       PointingControl& pointing, Dialogs& dialogs, EventLoop& loop)
    : state_(state),
      settings_(settings),
      ini_(ini),
      main_(mainWindow),
      window_(antennaWindow),
      timers_(timers),
      pointing_(pointing),
      dialogs_(dialogs),
      loop_(loop) {
    wireHandlers();
}

MemoriesAndParking::~MemoriesAndParking() {
    timers_.TmrAutoParking->setHandler({});
}

void MemoriesAndParking::wireHandlers() {
    for (std::size_t i = 0; i < kMemoryCount; ++i) {
        const int index = static_cast<int>(i);
        window_.CmdMemo[i].onClick = [this, index] { recallMemory(index); };
        window_.mnuMemo[i].onClick = [this, index] { recallMemory(index); };
    }
    window_.mnuEdit.onClick = [this] { openDialog(); };
    window_.mnuButton.onClick = [this] { memoryButtonsClicked(); };
    window_.mnuParkAz.onClick = [this] { parkAzimuth(); };
    window_.mnuParkEl.onClick = [this] { parkElevation(); };
    window_.mnuSetParking.onClick = [this] { configureAzimuthParking(); };
    window_.mnuSetParkingEl.onClick = [this] { configureElevationParking(); };
    window_.mnuAutoParking.onClick = [this] { configureAutoParkingDelay(); };
    dialog_.cmdOK.onClick = [this] { acceptDialog(); };
    dialog_.cmdCancel.onClick = [this] { cancelDialog(); };
    dialog_.form.onCloseRequest = [this] {
        cancelDialog();
        return true;
    };
    dialog_.form.onActivate = [this] {
        dialog_.helpTopic = kMemoryHelpTopic;
        dialog_.form.centred = true;
    };
    timers_.TmrAutoParking->setHandler([this] { autoParkingTick(); });
}

void MemoriesAndParking::recallMemory(int index) {
    if (index < 0 || index >= kMemoryCount) return;
    Dial& dial = window_.AG_Az;
    dial.needle[1] = settings_.memoryAngles[static_cast<std::size_t>(index)];
    main_.txtPreAz.text = std::to_string(wholeNumber(dial.needle[1]));
    pointing_.goAzimuth();
}

void MemoriesAndParking::showMemoryNames() {
    for (std::size_t i = 0; i < kMemoryCount; ++i) {
        window_.CmdMemo[i].caption = settings_.memoryNames[i];
        window_.mnuMemo[i].caption =
            settings_.memoryNames[i] + " @ " + std::to_string(settings_.memoryAngles[i]);
    }
}

void MemoriesAndParking::saveMemories() {
    for (std::size_t i = 0; i < kMemoryCount; ++i) {
        ini_.writeString("Memory", "Name-" + number1(i), settings_.memoryNames[i]);
        ini_.writeString("Memory", "Angle-" + number1(i),
                         blankNumberText(settings_.memoryAngles[i]));
    }
}

bool MemoriesAndParking::azimuthDialAlone() const {
    const bool force = state_.forceAzimuthOnly;
    switch (state_.model) {
        case RotatorModel::Azimuth:
            return true;
        case RotatorModel::RemoteTcp:
            return !(state_.remoteHasElevation && !force);
        case RotatorModel::ZebSe:
            return !state_.boardRunning || state_.boardAxes == 1 || force;
        case RotatorModel::KoltUsb:
            return !(state_.firmwareFlags[1] == 1 && !force);
        default:
            return false;
    }
}

void MemoriesAndParking::showMemoryButtons() {
    const bool alone = azimuthDialAlone();
    const bool shown = alone && window_.mnuButton.checked;
    for (Button& b : window_.CmdMemo)
        b.visible = shown;
    window_.txtPreset.visible = window_.cmdGo.visible = window_.CmdStop.visible = shown;
    window_.mnuButton.visible = window_.mnuButtonSeparator.visible = alone;
}

void MemoriesAndParking::memoryButtonsClicked() {
    window_.mnuButton.checked = !window_.mnuButton.checked;
    ini_.writeString("General", "Button", window_.mnuButton.checked ? " 1" : " 0");
    fireEvent(hooks.layOut);
    showMemoryButtons();
}

void MemoriesAndParking::loadMemoryButtons() {
    const std::string text = ini_.readString("General", "Button");
    bool on = true;
    if (text.empty()) {
        ini_.writeString("General", "Button", "1");
    } else {
        on = wholeNumber(leadingNumber(text)) != 0;
    }
    window_.mnuButton.checked = on;
    fireEvent(hooks.layOut);
    showMemoryButtons();
}

void MemoriesAndParking::parkAzimuth() {
    Dial& dial = window_.AG_Az;
    dial.needle[1] = settings_.azimuthParking;
    main_.txtPreAz.text = std::to_string(wholeNumber(dial.needle[1]));
    pointing_.goAzimuth();
}

void MemoriesAndParking::parkElevation() {
    Dial& dial = window_.AG_EL;
    dial.needle[1] = settings_.elevationParking;
    main_.txtPreEl.text = std::to_string(wholeNumber(dial.needle[1]));
    pointing_.goElevation();
}

std::optional<int> MemoriesAndParking::askNumber(const std::string& prompt,
                                                 const std::string& title, int current) {
    fireEvent(hooks.beforeDialog);
    const auto answer = dialogs_.input({prompt, title, std::to_string(current)});
    fireEvent(hooks.afterDialog);
    // Cancel, an empty answer and one that is no number all read as 0.
    const auto value = toWholeInt32(readNumber(answer.value_or("")));
    if (!value) return std::nullopt;
    return *value;
}

void MemoriesAndParking::configureAzimuthParking() {
    const bool es = language == 2;
    const auto v = askNumber(
        es ? "Introduce un nuevo valor de Parking Acimut: " : "Enter a new Azimuth Parking Value: ",
        es ? "Puesta Parking" : "Parking Set", settings_.azimuthParking);
    if (!v || *v < 0 || *v > 360) return;
    settings_.azimuthParking = static_cast<std::int16_t>(*v);
    window_.mnuParkAz.caption = azimuthWord + ": " + std::to_string(*v);
    saveParking();
}

void MemoriesAndParking::configureElevationParking() {
    const bool es = language == 2;
    const auto v = askNumber(es ? "Introduce un nuevo valor de Parking Elevacion: "
                                : "Enter a new Elevation Parking Value: ",
                             es ? "Puesta Parking" : "Parking Set", settings_.elevationParking);
    if (!v || *v < 0 || *v > 180) return;
    settings_.elevationParking = static_cast<std::int16_t>(*v);
    window_.mnuParkEl.caption = elevationWord + ": " + std::to_string(*v);
    saveParking();
}

void MemoriesAndParking::configureAutoParkingDelay() {
    const bool es = language == 2;
    const auto v = askNumber(es ? "Introduce el temporizador para realizar el auto-parking: "
                                : "Enter the timer for auto-parking: ",
                             es ? "Temporizador para el auto parking automático (0-999 seg)"
                                : "Parking Timer (0-999) in seconds",
                             settings_.autoParkingDelay);
    if (!v || *v < 0 || *v > 999) return;
    settings_.autoParkingDelay = *v;
    captionAutoParking();
    saveParking();
    state_.autoParkingIdle = settings_.autoParkingDelay;
}

void MemoriesAndParking::saveParking() {
    ini_.writeString("General", "Azimuth Parking", blankNumberText(settings_.azimuthParking));
    ini_.writeString("General", "Elevation Parking", blankNumberText(settings_.elevationParking));
    ini_.writeString("General", "Auto Parking Timer", blankNumberText(settings_.autoParkingDelay));
}

void MemoriesAndParking::captionAutoParking() {
    window_.mnuAutoParking.caption =
        "Auto Parking ON (" + std::to_string(settings_.autoParkingDelay) + ")";
}

void MemoriesAndParking::loadParkingCaptions() {
    window_.mnuParkAz.caption = "Azimuth: " + std::to_string(settings_.azimuthParking);
    window_.mnuParkEl.caption = "Elevation: " + std::to_string(settings_.elevationParking);
}

void MemoriesAndParking::loadAutoParking() {
    if (settings_.autoParking) {
        timers_.TmrAutoParking->start();
        window_.mnuAutoParking.visible = true;
        captionAutoParking();
    } else {
        timers_.TmrAutoParking->stop();
        window_.mnuAutoParking.visible = false;
    }
}

void MemoriesAndParking::autoParkingTick() {
    if (!settings_.autoParking || state_.autoParkingIdle >= settings_.autoParkingDelay) return;
    ++state_.autoParkingIdle;
    if (state_.autoParkingIdle != settings_.autoParkingDelay) return;
    parkAzimuth();
    loop_.pause(200);
    parkElevation();
}

void MemoriesAndParking::fillDialog() {
    for (std::size_t i = 0; i < kMemoryCount; ++i) {
        dialog_.txtMemory[i].text = settings_.memoryNames[i];
        dialog_.txtAngle[i].text = std::to_string(settings_.memoryAngles[i]);
    }
}

void MemoriesAndParking::openDialog() {
    fireEvent(hooks.beforeDialog);
    fillDialog();
    dialog_.form.visible = true;
    dialog_.form.activate();
}

void MemoriesAndParking::acceptDialog() {
    for (std::size_t i = 0; i < kMemoryCount; ++i) {
        settings_.memoryNames[i] = dialog_.txtMemory[i].text;
        const auto angle = toWholeInt32(leadingNumber(dialog_.txtAngle[i].text));
        settings_.memoryAngles[i] =
            static_cast<std::int16_t>(angle && *angle >= 0 && *angle <= 360 ? *angle : 0);
    }
    showMemoryNames();
    saveMemories();
    dialog_.form.visible = false;
    fireEvent(hooks.afterDialog);
}

void MemoriesAndParking::cancelDialog() {
    fillDialog();
    dialog_.form.visible = false;
    fireEvent(hooks.afterDialog);
}

}  // namespace kolt
