#include "hub/controller/PointingControl.h"

#include <cmath>
#include <cstdlib>

#include "common/Events.h"
#include "hub/core/Angles.h"
#include "hub/core/NumericText.h"

namespace kolt {

namespace {

// A preset box's value; text that is not a number points to 0.
int presetValue(const std::string& text) {
    return toWholeInt16(readNumber(text)).value_or(0);
}

int wholeOf(double value) {
    return toWholeInt16(value).value_or(0);
}

// The combo unit takes four digits: the three-digit form and a tenth.
std::string comboAngle(int value) {
    return threeDigits(value) + "0";
}

}  // namespace

PointingControl::PointingControl(RotatorState& state, MainWindow& mainWindow,
                                 AntennaWindow& antennaWindow, HubTimers& timers, TraceLog& trace,
                                 ControllerLink& link, Dialogs& dialogs)
    : state_(state),
      main_(mainWindow),
      antenna_(antennaWindow),
      timers_(timers),
      trace_(trace),
      link_(link),
      dialogs_(dialogs) {
    wireEntryPoints();
}

// The timers outlive this module; nothing may call it once it is gone.
PointingControl::~PointingControl() {
    timers_.tmrPersist->setHandler(nullptr);
    timers_.Tmr_Preset->setHandler(nullptr);
}

void PointingControl::wireEntryPoints() {
    main_.txtPreAz.onEnter = [this] { goAzimuth(); };
    main_.txtPreEl.onEnter = [this] { goElevation(); };
    main_.cmdGoPreAz.onClick = [this] { goAzimuth(); };
    main_.cmdGoPreEl.onClick = [this] { goElevation(); };
    antenna_.txtPreset.onEnter = [this] { presetFromAntennaWindow(); };
    antenna_.cmdGo.onClick = [this] { presetFromAntennaWindow(); };
    antenna_.cmdPresetAz.onClick = [this] {
        presetFromDial(antenna_.AG_Az, main_.txtPreAz, true, "Preset:");
    };
    antenna_.cmdPresetEl.onClick = [this] {
        presetFromDial(antenna_.AG_EL, main_.txtPreEl, false, "Preset:");
    };
    antenna_.AG_Az.onClick = [this] {
        main_.txtPreAz.text = threeDigits(wholeOf(antenna_.AG_Az.needle[1]));
        goAzimuth();
    };
    antenna_.AG_EL.onClick = [this] {
        main_.txtPreEl.text = threeDigits(wholeOf(antenna_.AG_EL.needle[1]));
        goElevation();
    };
    antenna_.AG_Az.onMouseButton = [this](int button) {
        if (button != 2) return;
        stopAzimuth();
        fireEvent(hooks.returnFocus);
    };
    antenna_.AG_EL.onMouseButton = [this](int button) {
        if (button == 2) stopElevation();
    };
    for (Button* stop : {&antenna_.CmdStop, &antenna_.CmdStopAz, &main_.cmdStopPreAz})
        stop->onClick = [this] { stopAzimuth(); };
    for (Button* stop : {&antenna_.CmdStopEl, &main_.cmdStopPreEl})
        stop->onClick = [this] { stopElevation(); };
    antenna_.mnuStepLeft15.onClick = [this] { stepAzimuth(-15); };
    antenna_.mnuStepLeft5.onClick = [this] { stepAzimuth(-5); };
    antenna_.mnuStepRight5.onClick = [this] { stepAzimuth(5); };
    antenna_.mnuStepRight15.onClick = [this] { stepAzimuth(15); };
    timers_.tmrPersist->setHandler([this] { checkPersist(); });
    timers_.Tmr_Preset->setHandler([this] { timers_.Tmr_Preset->stop(); });
}

std::int16_t PointingControl::rotorAngleFor(std::int16_t bearing) const {
    const AntennaRecord& antenna = activeAntennaRecord(state_);
    int a = bearing - antenna.offset;
    if (a >= 360) a -= 360;
    if (a < 0) a += 360;
    if (a >= 360) a -= 360;
    if (antenna.bidirectional) {
        const int d = std::abs(a - antenna.rotorAzimuth);
        if (d > 90 && d < 270) a = a + 180 < 360 ? a + 180 : a - 180;
    }
    return toInt16(a);
}

void PointingControl::goAzimuth() {
    const int requested = presetValue(main_.txtPreAz.text);
    const int angle = rotorAngleFor(toInt16(requested));
    std::string angleText = std::to_string(angle);
    const RotatorModel model = state_.model;

    if (model == RotatorModel::KoltUsb) {
        antenna_.AG_Az.needle[1] = angle;
        sendOn("M" + threeDigits(angle) + "\r\n", LinkChannel::Azimuth);
    } else if (model == RotatorModel::RemoteTcp) {
        antenna_.AG_Az.needle[1] = angle;
        int remote = angle - remoteOffset;
        if (remote > 360) remote -= 360;
        if (remote < 0) remote += 360;
        sendOn("M" + threeDigits(remote) + "\r\n", LinkChannel::Azimuth);
    } else {
        if (model == RotatorModel::ZebSe) {
            if (state_.boardRunning) {
                antenna_.AG_Az.needle[1] = angle;
                if (hooks.boardAzimuthTarget) hooks.boardAzimuthTarget(angle);
            }
        } else if (requested == state_.lastPresetAz) {
            // Sent again only while the rotor is elsewhere.
            if (requested != state_.azimuth) {
                if (model == RotatorModel::Combo) angleText = comboAngle(angle);
                sendOn("G" + angleText, LinkChannel::Azimuth);
            }
        } else {
            state_.lastPresetAz = toInt16(requested);
            if (state_.azBusy && state_.fastStop[0])
                sendOn(model == RotatorModel::Combo ? "G9999" : "G999", LinkChannel::Azimuth);
            antenna_.AG_Az.needle[1] = angle;
            if (model == RotatorModel::Combo) angleText = comboAngle(angle);
            sendOn("G" + angleText, LinkChannel::Azimuth);
        }
        if (state_.presetPersist) {
            state_.persistTarget = toInt16(angle);
            timers_.tmrPersist->start();
        }
    }
    fireEvent(hooks.returnFocus);
}

void PointingControl::goElevation() {
    const double number = readNumber(main_.txtPreEl.text);
    const int value = toWholeInt16(number).value_or(0);
    const RotatorModel model = state_.model;
    if (model == RotatorModel::RemoteTcp || model == RotatorModel::KoltUsb) {
        antenna_.AG_EL.needle[1] = number;
        sendOn("N" + threeDigits(value) + "\r\n", LinkChannel::Azimuth);
    } else if (model == RotatorModel::ZebSe) {
        if (state_.boardRunning) {
            antenna_.AG_EL.needle[1] = number;
            if (hooks.boardElevationTarget) hooks.boardElevationTarget(value);
        }
    } else if (state_.elevationInverted) {
        const int v = 90 - value;
        antenna_.AG_EL.needle[1] = v;
        sendOn("G" + (model == RotatorModel::Combo ? comboAngle(v) : std::to_string(v)),
               LinkChannel::Elevation);
    } else {
        antenna_.AG_EL.needle[1] = number;
        sendOn("G" + (model == RotatorModel::Combo ? comboAngle(value) : main_.txtPreEl.text),
               LinkChannel::Elevation);
    }
}

void PointingControl::stopAzimuth() {
    switch (state_.model) {
        case RotatorModel::RemoteTcp:
            sendOn("A\r\n", LinkChannel::Azimuth);
            return;
        case RotatorModel::KoltUsb:
            sendOn("A\r\n", LinkChannel::Azimuth);
            break;
        case RotatorModel::ZebSe:
            if (state_.boardRunning) fireEvent(hooks.boardStopAzimuth);
            break;
        default:
            sendOn(state_.fastStop[0] ? "G999" : "G977", LinkChannel::Azimuth);
            break;
    }
    timers_.tmrPersist->stop();
}

void PointingControl::stopElevation() {
    switch (state_.model) {
        case RotatorModel::RemoteTcp:
            sendOn("E\r\n", LinkChannel::Azimuth);
            break;
        case RotatorModel::ZebSe:
            if (state_.boardRunning) fireEvent(hooks.boardStopElevation);
            break;
        default:
            sendOn(state_.fastStop[1] ? "G999" : "G977", LinkChannel::Elevation);
            break;
    }
}

void PointingControl::checkPersist() {
    if (state_.azBusy) return;
    const int d = std::abs(activeAntennaRecord(state_).rotorAzimuth - state_.persistTarget);
    if (d < 10 || d > 350) {
        timers_.tmrPersist->stop();
        return;
    }
    trace_.logToFile(TraceChannel::Azimuth, "Warning: Persist Detection. PresetAz sent again");
    goAzimuth();
}

void PointingControl::stepAzimuth(int step) {
    const double base =
        timers_.Tmr_Preset->isActive() ? antenna_.AG_Az.needle[1] : state_.shownAzimuth;
    double bearing = base + step;
    if (bearing >= 360) bearing -= 360;
    if (bearing < 0) bearing += 360;
    const int target = static_cast<int>(roundHalfEven(bearing));
    antenna_.AG_Az.needle[1] = target;
    main_.txtPreAz.text = threeDigits(target);
    goAzimuth();
    timers_.Tmr_Preset->setInterval(5000);
    timers_.Tmr_Preset->start();
}

void PointingControl::presetFromAntennaWindow() {
    antenna_.AG_Az.needle[1] = readNumber(antenna_.txtPreset.text);
    main_.txtPreAz.text = threeDigits(wholeOf(antenna_.AG_Az.needle[1]));
    goAzimuth();
}

void PointingControl::presetFromDial(Dial& dial, TextBox& box, bool azimuth, const char* title) {
    // Cancel gives the empty answer, which counts as 0.
    const std::string answer = dialogs_.input({"", title, box.text}).value_or("");
    dial.needle[1] = readNumber(answer);
    box.text = threeDigits(wholeOf(dial.needle[1]));
    if (azimuth) {
        goAzimuth();
    } else {
        goElevation();
    }
}

}  // namespace kolt
