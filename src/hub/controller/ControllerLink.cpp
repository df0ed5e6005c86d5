#include "hub/controller/ControllerLink.h"

#include "hub/core/Angles.h"
#include "hub/core/NumericText.h"

namespace kolt {

namespace {

std::string frame(char address, std::string_view text) {
    std::string out;
    out.reserve(text.size() + 3);
    out += kStx;
    out += address;
    out += text;
    out += kCr;
    return out;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// A field that is not a number keeps the previous value.
std::optional<std::int16_t> numberIn(std::string_view text) {
    if (!isNumericText(text)) return std::nullopt;
    return toWholeInt16(readNumber(text));
}

std::int16_t elevationFromReply(int value, bool inverted) {
    if (value > 180) value = 0;
    if (inverted) value = 90 - value;
    return toInt16(value);
}

}  // namespace

std::string lineEventText(int code) {
    switch (code) {
        case comm::kEvSend:
            return "RX: comEvSend";
        case comm::kEvCTS:
            return "RX: comEvCTS";
        case comm::kEvDSR:
            return "RX: comEvDSR";
        case comm::kEvCD:
            return "RX: comEvCD";
        case comm::kEvRing:
            return "RX: comEvRing";
        case comm::kEvEOF:
            return "RX: comEvEOF";
        case comm::kEventBreak:
            return "RX: Break";
        case comm::kEventFrame:
        case comm::kEventRxOver:
            return "RX: comEventFrame";
        case comm::kEventOverrun:
            return "RX: comEventOverrun";
        case comm::kEventRxParity:
            return "RX: comEventRxParity";
        case comm::kEventTxFull:
            return "RX: comEventTxFull";
        case comm::kEventDCB:
            return "RX: comEventDCB";
        default:
            return {};
    }
}

ControllerLink::ControllerLink(RotatorState& state, MainWindow& mainWindow,
                               AntennaWindow& antennaWindow, HubTimers& timers, TraceLog& trace,
                               SerialControls& ports, ControllerPorts& portControl,
                               AntennaDisplay& display, const EventLoop& clock)
    : state_(state),
      main_(mainWindow),
      antenna_(antennaWindow),
      timers_(timers),
      trace_(trace),
      ports_(ports),
      portControl_(portControl),
      display_(display),
      clock_(clock) {
    timers_.TmrAz->setHandler([this] { pollAzimuth(); });
    timers_.TmrEl->setHandler([this] { pollElevation(); });
    timers_.TmrCombo->setHandler([this] { pollCombo(); });
    ports_.MSComAz->setEventHandler([this](int code) { azimuthPortEvent(code); });
    ports_.MSComEL->setEventHandler([this](int code) { elevationPortEvent(code); });
    ports_.MSComcombo->setEventHandler([this](int code) { comboPortEvent(code); });
}

// The ports and timers outlive the link; nothing may call it once it is gone.
ControllerLink::~ControllerLink() {
    for (Timer* t : {timers_.TmrAz.get(), timers_.TmrEl.get(), timers_.TmrCombo.get()})
        t->setHandler(nullptr);
    for (SerialPort* p : {ports_.MSComAz.get(), ports_.MSComEL.get(), ports_.MSComcombo.get()})
        p->setEventHandler(nullptr);
}

void ControllerLink::send(std::string_view text, int& channel) {
    if (state_.comboModel) {
        comboSend(text, channel);
        return;
    }
    trace_.logToFile(channel, "TXD: >" + std::string(text));
    if (state_.model == RotatorModel::RemoteTcp) {
        if (hooks.sendRemote) hooks.sendRemote(std::string(text));
        return;
    }
    if (state_.model == RotatorModel::KoltUsb) {
        channel = static_cast<int>(LinkChannel::KoltUsb);
        // The unit knows one stop for every stop a single controller has.
        if (contains(text, "G977") || contains(text, "G999")) {
            (void)ports_.MSComAz->write("S\r\n");
            return;
        }
    }
    if (channel == 0 && state_.azPortOpen == 1) {
        ++state_.azTxCount;
        timers_.TmrAz->stop();
        const std::optional<SerialError> error = ports_.MSComAz->write(frame('A', text));
        timers_.TmrAz->start();
        if (error) writeFailed(channel, *error, false);
    } else if (channel == 1 && state_.elPortOpen == 1) {
        if (const auto error = ports_.MSComEL->write(frame('A', text)))
            writeFailed(channel, *error, true);
    } else if (channel == static_cast<int>(LinkChannel::KoltUsb)) {
        if (const auto error = ports_.MSComAz->write(text)) writeFailed(channel, *error, false);
    }
}

void ControllerLink::writeFailed(int channel, const SerialError& error, bool elevationPort) {
    trace_.logToFile(channel, "Error TX data COM: " + std::to_string(channel) +
                                  ". Description: " + error.description);
    if (elevationPort) {
        portControl_.closeElevationPort();
    } else {
        portControl_.closeAzimuthPort();
    }
}

void ControllerLink::comboSend(std::string_view text, int channel) {
    trace_.logToFile(channel, "TXD: >" + std::string(text));
    std::optional<SerialError> error;
    if (channel == 0) {
        timers_.TmrCombo->stop();
        error = ports_.MSComcombo->write(frame('A', text));
        timers_.TmrCombo->start();
    } else if (channel == 1) {
        error = ports_.MSComcombo->write(frame('B', text));
    } else {
        return;
    }
    if (error) {
        trace_.logToFile(channel, "Error TX data COMBO: " + std::to_string(channel) +
                                      ". Description: " + error->description);
        portControl_.closeComboPort();
    }
}

void ControllerLink::pollAzimuth() {
    switch (state_.model) {
        case RotatorModel::KoltUsb: {
            const char* command = nullptr;
            switch (state_.unitPhase) {
                case UnitPhase::Identify:
                    command = "O";
                    break;
                case UnitPhase::Parameters:
                    command = state_.firmwareNumber > 312 ? "FI" : "FS";
                    break;
                case UnitPhase::Sensor:
                    command = "CB";
                    break;
                case UnitPhase::Normal:
                    command = "C2";
                    break;
                default:
                    break;
            }
            if (command) send(std::string(command) + "\r\n", LinkChannel::Azimuth);
            break;
        }
        case RotatorModel::AzimuthElevation:
        case RotatorModel::Azimuth:
            // Some controllers stop answering after a few commands until their
            // port is opened again.
            if (state_.azTxCount > 3) {
                portControl_.closeAzimuthPort();
                portControl_.openAzimuthPort();
            }
            send("?", LinkChannel::Azimuth);
            break;
        case RotatorModel::RemoteTcp:
            send("C2\r\n", LinkChannel::Azimuth);
            break;
        default:
            break;
    }
}

void ControllerLink::pollElevation() {
    send("?", LinkChannel::Elevation);
}

void ControllerLink::pollCombo() {
    state_.comboPollToggle = !state_.comboPollToggle;
    comboSend("?", state_.comboPollToggle ? 0 : 1);
}

bool ControllerLink::deviceLost(int code, TraceChannel channel, const char* portName) {
    if (code != comm::kEventDeviceLost) return false;
    const std::string line =
        std::string("The device of the ") + portName + " port went away; the port is closed.";
    trace_.logToFile(channel, line);
    trace_.logToMonitor(line);
    return true;
}

void ControllerLink::traceLineEvent(int code, TraceChannel channel, bool combo) {
    if (combo && code == comm::kEvCD) return;
    const std::string text = lineEventText(code);
    if (!text.empty()) trace_.logToFile(channel, text);
}

void ControllerLink::azimuthPortEvent(int code) {
    if (deviceLost(code, TraceChannel::Azimuth, "azimuth")) {
        portControl_.closeAzimuthPort();
        return;
    }
    if (code == comm::kEvReceive) {
        if (ports_.MSComAz->isOpen()) {
            state_.rxChunk = ports_.MSComAz->readAll();
            trace_.logToFile(TraceChannel::Azimuth, "RX: Data ->" + state_.rxChunk);
            appendBounded(state_.rxAz, state_.rxChunk);
        }
        if (state_.presetPersist && state_.azBusy &&
            clock_.localNow().second == state_.lastReplySecond && state_.rxAz.size() > 1) {
            state_.rxAz.resize(1);
        }
    } else {
        traceLineEvent(code, TraceChannel::Azimuth, false);
    }
    if (state_.model == RotatorModel::KoltUsb) {
        readKoltUsb();
    } else {
        readSingleFrames();
    }
}

void ControllerLink::readSingleFrames() {
    std::string& rx = state_.rxAz;
    while (rx.size() >= 11) {
        timers_.TmrAz->stop();
        const std::size_t stx = rx.find(kStx);
        const std::size_t from = stx == std::string::npos ? 0 : stx + 1;
        if (rx.find(kCr, from) == std::string::npos) {
            // The rest of the frame comes with a later event. Polling goes on
            // meanwhile: a frame that never ends must not silence the link.
            timers_.TmrAz->start();
            return;
        }
        rx.erase(0, from);
        const std::size_t cr = rx.find(kCr);
        // Counting the address letter as position 1, the frame's CR lies beyond 9.
        if (cr + 1 <= 9) break;
        trace_.logToFile(TraceChannel::Azimuth, "RXD: >" + rx + "<");
        state_.lastReplySecond = static_cast<std::int16_t>(clock_.localNow().second);
        const std::optional<std::int16_t> azimuth = numberIn(std::string_view(rx).substr(4, 3));
        if (!azimuth) break;
        state_.azimuth = *azimuth;
        main_.lblAZ.caption = std::to_string(*azimuth);
        state_.azBusy = rx[8] == 'B';
        activeAntennaRecord(state_).rotorAzimuth = *azimuth;
        display_.updateAzimuth();
        main_.ddeAzimuth = "RA:" + std::to_string(*azimuth);
        rx.erase(0, cr + 1);
        if (rx.size() < 11) break;
    }
    display_.showAzimuthBusy();
    timers_.TmrAz->start();
}

void ControllerLink::elevationPortEvent(int code) {
    if (deviceLost(code, TraceChannel::Elevation, "elevation")) {
        portControl_.closeElevationPort();
        return;
    }
    std::string& rx = state_.rxEl;
    if (code == comm::kEvReceive) appendBounded(rx, ports_.MSComEL->readAll());
    if (rx.empty()) return;

    std::size_t stx = rx.find(kStx);
    std::size_t cr = rx.find(kCr);
    if (cr != std::string::npos && stx != std::string::npos && cr < stx) {
        rx.erase(0, stx);
        stx = 0;
        cr = rx.find(kCr);
    }
    if (stx != std::string::npos && cr != std::string::npos && cr > stx) {
        // Positions counted from the STX as 1; the value starts at 6 and ends
        // at the first comma after it.
        const std::size_t comma = rx.find(',', stx + 5);
        const std::size_t c = comma == std::string::npos ? 0 : comma - stx + 1;
        if (c >= 7 && c <= 9) {
            trace_.logToFile(TraceChannel::Elevation, "RXD: >" + rx + "<");
            const double value = readNumber(std::string_view(rx).substr(stx + 5, c - 6));
            const std::int16_t v =
                elevationFromReply(toWholeInt16(value).value_or(0), state_.elevationInverted);
            state_.elevation = v;
            main_.lblEL.caption = std::to_string(v);
            main_.ddeElevation = "RE:" + std::to_string(v);
        }
        rx.erase(0, cr + 1);
    }
    display_.showElevationBusy();
}

void ControllerLink::comboPortEvent(int code) {
    if (deviceLost(code, TraceChannel::Azimuth, "combo")) {
        portControl_.closeComboPort();
        return;
    }
    std::string& rx = state_.rxAz;
    if (code == comm::kEvReceive) {
        appendBounded(rx, ports_.MSComcombo->readAll());
    } else {
        traceLineEvent(code, TraceChannel::Azimuth, true);
    }
    if (rx.empty()) return;
    timers_.TmrCombo->stop();
    const std::size_t stx = rx.find(kStx);
    if (stx != std::string::npos) rx.erase(0, stx);
    const std::size_t cr = stx == std::string::npos ? std::string::npos : rx.find(kCr);
    if (cr != std::string::npos && cr + 1 > 10) {
        trace_.logToFile(TraceChannel::Azimuth, "RXD: >" + rx + "<");
        state_.comboFrame = rx.substr(1, 9);
        rx.erase(0, cr + 1);
        const std::string& f = state_.comboFrame;
        const std::string_view value = std::string_view(f).substr(4, 3);
        const bool busy = f[8] == 'B';
        if (contains(f, "B,?,")) {
            if (const auto n = numberIn(value)) {
                trace_.logToFile(TraceChannel::Elevation, "RX-El: >" + std::to_string(*n) + "<");
                const std::int16_t v = elevationFromReply(*n, state_.elevationInverted);
                state_.elevation = v;
                main_.lblEL.caption = std::to_string(v);
                antenna_.AG_EL.needle[0] = v;
                main_.ddeElevation = "RE:" + std::to_string(v);
                state_.shownElevation = v;
            }
            state_.elBusy = busy;
        } else if (contains(f, "A,?,")) {
            if (const auto n = numberIn(value)) {
                state_.azimuth = *n;
                main_.lblAZ.caption = std::to_string(*n);
                trace_.logToFile(TraceChannel::Azimuth, "RX-Az: >" + std::to_string(*n) + "<");
                antenna_.AG_Az.needle[0] = *n;
                main_.ddeAzimuth = "RA:" + std::to_string(*n);
                state_.shownAzimuth = *n;
            }
            state_.azBusy = busy;
        }
    } else if (rx.size() > 22) {
        const std::size_t last = rx.rfind(kCr);
        if (last != std::string::npos) rx.erase(0, last + 1);
    }
    display_.showAzimuthBusy();
    display_.showElevationBusy();
    timers_.TmrCombo->start();
}

void ControllerLink::readKoltUsb() {
    timers_.TmrAz->stop();
    std::string& rx = state_.rxAz;
    switch (state_.unitPhase) {
        case UnitPhase::Identify: {
            const std::size_t ver = rx.find("Ver");
            if (ver != std::string::npos) rx.erase(0, ver);
            const std::size_t firm = rx.find("Firm:");
            if (ver != std::string::npos && rx.size() >= 16 && firm != std::string::npos &&
                firm + 7 <= rx.size()) {
                state_.firmwareText = rx.substr(3, 4);
                state_.firmwareNumber = firmwareNumberOf(state_.firmwareText);
                for (std::size_t i = 0; i < 2; ++i) {
                    state_.firmwareFlags[i] =
                        toWholeInt16(readNumber(std::string_view(rx).substr(firm + 5 + i, 1)))
                            .value_or(0);
                }
                state_.unitPhase = UnitPhase::Normal;
                portControl_.applyModel();
            }
            break;
        }
        case UnitPhase::Parameters: {
            bool complete = false;
            if (state_.firmwareNumber > 313) {
                readNewerParameterLayout(rx, parameters_);
            } else {
                complete = readOlderParameterLayout(rx, parameters_, state_.firmwareFlags[1] == 1);
            }
            if (complete) {
                if (hooks.refreshCalibration) hooks.refreshCalibration();
                parametersComplete_ = false;
                state_.unitPhase = UnitPhase::Sensor;
            }
            break;
        }
        case UnitPhase::Sensor:
            readKoltUsbSensor();
            break;
        case UnitPhase::Normal:
            readKoltUsbPosition();
            break;
        default:
            break;
    }
    timers_.TmrAz->start();
}

void ControllerLink::readKoltUsbSensor() {
    std::string& rx = state_.rxAz;
    static constexpr std::string_view kLabel = "ADC-B: ";
    const std::size_t at = rx.find(kLabel);
    if (at == std::string::npos) return;
    const std::size_t start = at + kLabel.size();
    const std::size_t space = rx.find(' ', start);
    if (space == std::string::npos) return;
    const std::size_t length = space - start;
    if (length < 1 || length > 4) return;
    if (const auto v = toWholeInt16(readNumber(std::string_view(rx).substr(start, length))))
        state_.sensorValue = *v;
    parametersComplete_ = true;
    rx.erase(0, space);
    if (rx.size() >= 2) {
        const std::size_t cr = rx.find(kCr, 1);
        const std::size_t end = cr == std::string::npos ? rx.size() : cr;
        if (const auto v = toWholeInt16(readNumber(std::string_view(rx).substr(1, end - 1))))
            state_.sensorValue2 = *v;
    }
}

void ControllerLink::readKoltUsbPosition() {
    std::string& rx = state_.rxAz;
    for (int pass = 0; pass < 100; ++pass) {
        if (rx.size() < (pass == 0 ? 11u : 13u)) break;
        const std::size_t lf = rx.find(kLf);
        const std::size_t f = lf == std::string::npos ? 0 : lf + 1;
        if (f <= 10) {
            if (f == 0) break;  // no line end yet: the rest of the line is coming
            rx.erase(0, f);
            continue;
        }
        const std::size_t plus = rx.find('+');
        if (plus == std::string::npos || plus + 10 > rx.size()) {
            // A line without a position (what is left of the banner).
            rx.erase(0, f);
            continue;
        }
        const std::size_t waiting = rx.size();
        const std::string azText = rx.substr(plus + 1, 4);
        const std::string elText = rx.substr(plus + 6, 4);
        if (const auto az = numberIn(azText)) {
            main_.lblAZ.caption = std::to_string(*az);
            state_.azimuth = *az;
            activeAntennaRecord(state_).rotorAzimuth = *az;
        }
        rx.erase(0, std::min(rx.size(), plus + 1 + (waiting < 12 ? 9 : 10)));
        display_.updateAzimuth();
        if (state_.firmwareFlags[1] == 1) {
            if (const auto el = numberIn(elText)) {
                state_.elevation = *el;
                state_.elevationReal = *el;
                state_.displayElevation = *el;
                main_.lblEL.caption = std::to_string(*el);
                display_.updateElevation();
            }
        }
        const std::size_t prompt = rx.find("?>");
        if (prompt != std::string::npos) rx.erase(0, prompt + 2);
    }
}

}  // namespace kolt
