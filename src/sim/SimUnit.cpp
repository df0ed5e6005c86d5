#include "sim/SimUnit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kolt::sim {

namespace {

constexpr char kStx = '\x02';
constexpr char kCr = '\r';
constexpr char kLf = '\n';

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

int toInt(std::string_view s) {
    return std::atoi(std::string(s).c_str());
}

std::string padded(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

std::string hex2(int value) {
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, "%02X", value & 0xFF);
    return buffer;
}

std::optional<int> parseHex(std::string_view s) {
    if (s.empty() || s.size() > 2) return std::nullopt;
    int v = 0;
    for (const char c : s) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        v = v * 16 + (std::isdigit(static_cast<unsigned char>(c))
                          ? c - '0'
                          : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10);
    }
    return v;
}

}  // namespace

SimUnit::SimUnit(UnitOptions options) : options_(std::move(options)) {
    axes_[0].maximum = 359;
    axes_[1].maximum = options_.kind == UnitKind::Elevation ? 90 : 180;
    axes_[0].position = std::clamp(options_.startAzimuth, axes_[0].minimum, axes_[0].maximum);
    axes_[1].position = std::clamp(options_.startElevation, axes_[1].minimum, axes_[1].maximum);
    defaultEeprom();
    stored_ = eeprom_;
}

void SimUnit::defaultEeprom() {
    eeprom_.fill(0);
    setWord(0x00, 20);    // azimuth CCW limit (ADC)
    setWord(0x02, 1000);  // azimuth CW limit
    setWord(0x04, 360);   // total rotation
    setWord(0x06, 0);     // left limit angle
    setWord(0x08, 20);
    setWord(0x0A, 1000);
    setWord(0x0C, 180);
    setWord(0x0E, 0);
    eeprom_[0x10] = 2;  // resolution stop
    eeprom_[0x12] = 2;
    setWord(0x14, 60);  // watchdog
    setWord(0x16, 60);
    eeprom_[0x18] = 3;  // attempts
    eeprom_[0x1A] = 3;
    sealEeprom();
}

void SimUnit::setWord(std::size_t address, int value) {
    eeprom_[address] = static_cast<std::uint8_t>(value & 0xFF);
    eeprom_[address + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

int SimUnit::word(std::size_t address) const {
    return eeprom_[address] | (eeprom_[address + 1] << 8);
}

// The checksum is the sum of bytes 0x00..0x7C, low byte first at 0x7E.
void SimUnit::sealEeprom() {
    int sum = 0;
    for (std::size_t i = 0; i <= 0x7C; ++i)
        sum += eeprom_[i];
    setWord(0x7E, sum);
}

void SimUnit::advanceTo(std::int64_t ms) {
    if (!clockStarted_) {
        clockStarted_ = true;
        now_ = ms;
        return;
    }
    if (ms <= now_) return;
    const double step = options_.speed * static_cast<double>(ms - now_) / 1000.0;
    now_ = ms;
    for (Axis& axis : axes_) {
        if (!axis.target) continue;
        const double distance = *axis.target - axis.position;
        if (std::abs(distance) <= step) {
            axis.position = *axis.target;
            axis.target.reset();
        } else {
            axis.position += distance > 0 ? step : -step;
        }
    }
}

void SimUnit::goTo(int axis, double angle) {
    Axis& a = axes_[static_cast<std::size_t>(axis)];
    a.target = std::clamp(angle, a.minimum, a.maximum);
    if (*a.target == a.position) a.target.reset();
}

void SimUnit::stop(int axis) {
    axes_[static_cast<std::size_t>(axis)].target.reset();
}

std::string SimUnit::answer(std::string text) {
    if (options_.silent || text.empty()) return {};
    ++answers_;
    if (options_.garbageEvery > 0 && answers_ % options_.garbageEvery == 0)
        text = std::string("\x7f#~\x01 noise ") + text;
    return text;
}

std::string SimUnit::receive(std::string_view bytes) {
    pending_.append(bytes);
    // Nothing that arrives may grow the unit's buffer without bound.
    if (pending_.size() > 4096) pending_.erase(0, pending_.size() - 4096);
    std::string out;
    if (options_.kind == UnitKind::KoltUsb) {
        // Lines end in CR, LF or both.
        for (;;) {
            const std::size_t end = pending_.find_first_of("\r\n");
            if (end == std::string::npos) break;
            const std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (!line.empty()) out += answer(koltUsbCommand(line));
        }
        return out;
    }
    // STX, the address, the command, CR; bytes outside a frame are ignored.
    for (;;) {
        const std::size_t stx = pending_.find(kStx);
        if (stx == std::string::npos) {
            pending_.clear();
            break;
        }
        const std::size_t cr = pending_.find(kCr, stx);
        if (cr == std::string::npos) {
            pending_.erase(0, stx);
            break;
        }
        const std::string body = pending_.substr(stx + 1, cr - stx - 1);
        pending_.erase(0, cr + 1);
        if (!body.empty()) out += answer(command(body[0], std::string_view(body).substr(1)));
    }
    return out;
}

std::string SimUnit::command(char address, std::string_view text) {
    switch (options_.kind) {
        case UnitKind::Azimuth:
            return address == 'A' ? singleCommand(0, 'A', text) : std::string();
        case UnitKind::Elevation:
            return address == 'A' ? singleCommand(1, 'A', text) : std::string();
        case UnitKind::Combo:
            if (address == 'A') return singleCommand(0, 'A', text);
            if (address == 'B') return singleCommand(1, 'B', text);
            return {};
        case UnitKind::KoltUsb:
            return koltUsbCommand(text);
    }
    return {};
}

// "A,?,123,B": three digits, then B while moving; the elevation controller
// sends one to three digits.
std::string SimUnit::positionFrame(int axis, char address) const {
    const Axis& a = axes_[static_cast<std::size_t>(axis)];
    const int angle = static_cast<int>(std::lround(a.position));
    const std::string value =
        options_.kind == UnitKind::Elevation ? std::to_string(angle) : padded(angle, 3);
    std::string out;
    out += kStx;
    out += address;
    out += ",?," + value + "," + (a.moving() ? "B" : ".");
    out += kCr;
    return out;
}

std::string SimUnit::singleCommand(int axis, char address, std::string_view text) {
    if (text == "?") return positionFrame(axis, address);
    if (text.size() > 1 && text[0] == 'G' && allDigits(text.substr(1))) {
        const std::string_view digits = text.substr(1);
        if (digits == "999" || digits == "977" || digits == "9999") {
            stop(axis);
        } else if (options_.kind == UnitKind::Combo && digits.size() == 4) {
            goTo(axis, toInt(digits) / 10.0);
        } else {
            goTo(axis, toInt(digits));
        }
    }
    return {};
}

std::string SimUnit::koltUsbCommand(std::string_view text) {
    auto angleArg = [&](std::string_view t) -> std::optional<int> {
        if (!allDigits(t) || t.size() > 3) return std::nullopt;
        return toInt(t);
    };
    if (text == "O") {
        return "ZEB-USB by TOVRA\r\nVer" + options_.firmware + " Firm:1" +
               (options_.hasElevation ? "1" : "0") + "\r\n";
    }
    if (text == "C2") {
        return "+" + padded(static_cast<int>(std::lround(axes_[0].position)), 4) + "+" +
               padded(options_.hasElevation ? static_cast<int>(std::lround(axes_[1].position)) : 0,
                      4) +
               "\r\n";
    }
    if (text == "CB") {
        return "ADC-B: " + std::to_string(adcOf(0)) + " " + std::to_string(adcOf(1)) + "\r\n";
    }
    if (text == "FI") {
        std::string out;
        for (std::size_t i = 0; i < eeprom_.size(); ++i) {
            out += hex2(static_cast<int>(i)) + ":" + hex2(eeprom_[i]) + " ";
            if (i % 16 == 15) out += "\r\n";
        }
        return out;
    }
    if (text == "FS") {
        std::string out;
        const char* names[] = {"Az", "El"};
        for (int a = 0; a < (options_.hasElevation ? 2 : 1); ++a) {
            const std::size_t base = a == 0 ? 0x00 : 0x08;
            const std::string n = names[a];
            out += n + " Min:" + std::to_string(word(base)) + "\t" + n +
                   " Max:" + std::to_string(word(base + 2)) + "\r\n";
            out += n + " Ang:" + std::to_string(word(base + 4)) + "\t" + n +
                   " Off:" + std::to_string(word(base + 6)) + "\r\n";
            out += n + " Reso:" + std::to_string(eeprom_[a == 0 ? 0x10 : 0x12]) + "\t" + n +
                   " Watch:" + std::to_string(word(a == 0 ? 0x14 : 0x16)) + "\r\n";
            out += n + " Retray:" + std::to_string(eeprom_[a == 0 ? 0x18 : 0x1A]) + "\r\n";
        }
        return out;
    }
    if (text.size() >= 1 && (text[0] == 'M' || text[0] == 'N')) {
        if (const auto angle = angleArg(text.substr(1))) goTo(text[0] == 'M' ? 0 : 1, *angle);
        return {};
    }
    if (text == "A") {
        stop(0);
        return {};
    }
    if (text == "S") {
        stop(0);
        stop(1);
        return {};
    }
    if (text == "L" || text == "R") {
        goTo(0, text == "L" ? axes_[0].minimum : axes_[0].maximum);
        return {};
    }
    if (text == "U" || text == "D") {
        goTo(1, text == "U" ? axes_[1].maximum : axes_[1].minimum);
        return {};
    }
    if (text == "T1" || text == "T0") return {};
    if (!text.empty() && text[0] == 'F') return configurationCommand(text);
    return {};
}

// The configuration commands: the working copy of the parameter memory is
// changed, "FW" keeps it, "FR" takes the kept one back, "FD" the defaults.
std::string SimUnit::configurationCommand(std::string_view text) {
    if (text == "FR") {
        eeprom_ = stored_;
        return {};
    }
    if (text == "FW") {
        stored_ = eeprom_;
        return {};
    }
    if (text == "FD") {
        defaultEeprom();
        return {};
    }
    if (text.substr(0, 2) == "FO") {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) return {};
        const auto address = parseHex(text.substr(2, colon - 2));
        const auto value = parseHex(text.substr(colon + 1));
        if (address && value && *address < 0x7E) {
            eeprom_[static_cast<std::size_t>(*address)] = static_cast<std::uint8_t>(*value);
            sealEeprom();
        }
        return {};
    }
    struct Field {
        const char* prefix;
        std::size_t address;
        bool wide;
    };
    static constexpr Field kFields[] = {
        {"FAS", 0x00, true},  {"FAE", 0x02, true},  {"FAA", 0x04, true}, {"FAO", 0x06, true},
        {"FES", 0x08, true},  {"FEE", 0x0A, true},  {"FEA", 0x0C, true}, {"FEO", 0x0E, true},
        {"FAR", 0x10, false}, {"FER", 0x12, false}, {"FAW", 0x14, true}, {"FEW", 0x16, true},
        {"FAT", 0x18, false}, {"FET", 0x1A, false},
    };
    for (const Field& f : kFields) {
        if (text.substr(0, 3) != f.prefix) continue;
        const std::string_view arg = text.substr(3);
        int value = 0;
        if (arg.empty() && std::string_view(f.prefix) == "FAS") {
            value = adcOf(0);  // the limit from the present reading
        } else if (allDigits(arg)) {
            value = toInt(arg);
        } else {
            return {};
        }
        if (f.wide) {
            setWord(f.address, value);
        } else {
            eeprom_[f.address] = static_cast<std::uint8_t>(value);
        }
        sealEeprom();
        return {};
    }
    return {};
}

// The position sensor's reading: the limits' counts spread over the rotation.
int SimUnit::adcOf(int axis) const {
    const std::size_t base = axis == 0 ? 0x00 : 0x08;
    const int low = word(base);
    const int high = word(base + 2);
    const int total = std::max(1, word(base + 4));
    const double fromLeft = axes_[static_cast<std::size_t>(axis)].position - word(base + 6);
    return std::clamp(static_cast<int>(std::lround(low + fromLeft * (high - low) / total)), 0,
                      1023);
}

}  // namespace kolt::sim
