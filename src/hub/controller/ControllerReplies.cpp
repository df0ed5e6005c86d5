#include "hub/controller/ControllerReplies.h"

#include <array>
#include <cctype>

#include "hub/core/NumericText.h"

namespace kolt {

void appendBounded(std::string& buffer, std::string_view text) {
    buffer.append(text);
    if (buffer.size() > kReceiveBufferLimit) buffer.erase(0, buffer.size() - kReceiveBufferLimit);
}

namespace {

// A version character's value: 1..9 as themselves, letters from 10; 0 and
// anything else are not accepted.
std::optional<int> versionDigit(char c) {
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (u >= '1' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'Z') return u - 'A' + 10;
    return std::nullopt;
}

}  // namespace

int firmwareNumberOf(std::string_view v) {
    if (v.empty()) return 0;
    const std::optional<int> first = versionDigit(v[0]);
    if (!first) return 0;
    // The first character counts from 1: "1.x" is below "2.x" by 10000.
    const int major = *first <= 9 ? *first - 1 : *first;
    if (v.size() < 2 || v[1] != '.') return 0;
    const std::optional<int> third = v.size() > 2 ? versionDigit(v[2]) : std::nullopt;
    if (!third) return 0;
    const std::optional<int> fourth = v.size() > 3 ? versionDigit(v[3]) : std::nullopt;
    if (!fourth) return 0;
    return major * 10000 + *third * 100 + *fourth;
}

std::optional<int> hexByte(std::string_view two) {
    if (two.size() != 2) return std::nullopt;
    int value = 0;
    for (const char c : two) {
        const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                      : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                                                                  : -1;
        if (d < 0) return std::nullopt;
        value = value * 16 + d;
    }
    return value;
}

namespace {

struct Label {
    const char* text;
    char end;  // TAB or CR
    std::int16_t AxisParameters::*field;
};

constexpr std::array<Label, 7> kAxisLabels = {{
    {"Min:", '\t', &AxisParameters::minimum},
    {"Max:", '\r', &AxisParameters::maximum},
    {"Ang:", '\t', &AxisParameters::angle},
    {"Off:", '\r', &AxisParameters::offset},
    {"Reso:", '\t', &AxisParameters::resolution},
    {"Watch:", '\r', &AxisParameters::watchdog},
    {"Retray:", '\r', &AxisParameters::retries},
}};

// One labelled value: taken only once its end has arrived; a value that does
// not convert keeps the previous one.
bool takeLabel(std::string& rx, const std::string& label, char end, std::int16_t& field) {
    const std::size_t at = rx.find(label);
    if (at == std::string::npos) return false;
    const std::size_t start = at + label.size();
    const std::size_t stop = rx.find(end, start);
    if (stop == std::string::npos) return false;
    if (const auto v = toWholeInt16(readNumber(std::string_view(rx).substr(start, stop - start))))
        field = *v;
    rx.erase(0, stop);
    return true;
}

}  // namespace

bool readOlderParameterLayout(std::string& rx, StoredParameters& p, bool hasElevation) {
    bool complete = false;
    for (const auto& [prefix, axis] :
         {std::pair<const char*, AxisParameters*>{"Az ", &p.azimuth}, {"El ", &p.elevation}}) {
        for (const Label& label : kAxisLabels) {
            const bool taken =
                takeLabel(rx, std::string(prefix) + label.text, label.end, axis->*label.field);
            if (taken && label.field == &AxisParameters::retries) {
                if (axis == &p.elevation || !hasElevation) complete = true;
            }
        }
    }
    return complete;
}

void readNewerParameterLayout(std::string& rx, StoredParameters& p) {
    std::array<std::optional<int>, 2> values;
    for (std::optional<int>& value : values) {
        const std::size_t at = rx.find("02:");
        if (at == std::string::npos || at + 5 >= rx.size() || rx[at + 5] != ' ') break;
        value = hexByte(std::string_view(rx).substr(at + 3, 2));
        rx.erase(0, at + 6);
    }
    // 255, not 256: the unit's own rule for the two bytes.
    if (values[0] && values[1])
        p.azimuth.minimum = static_cast<std::int16_t>(*values[0] + 255 * *values[1]);
}

}  // namespace kolt
