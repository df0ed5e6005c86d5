#include <cctype>
#include <string>

#include "platform/SerialPort.h"

namespace kolt {
namespace {

std::optional<long> wholeNumber(std::string_view s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    long v = 0;
    for (const char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

std::optional<LineSettings> LineSettings::parse(std::string_view text) {
    std::string fields[4];
    std::size_t field = 0;
    for (const char c : text) {
        if (c == ' ') continue;
        if (c == ',') {
            if (++field == 4) return std::nullopt;
            continue;
        }
        fields[field] += c;
    }
    if (field != 3) return std::nullopt;

    LineSettings s;
    const auto baud = wholeNumber(fields[0]);
    if (!baud || *baud < 50 || *baud > 4000000) return std::nullopt;
    s.baud = static_cast<int>(*baud);

    if (fields[1].size() != 1) return std::nullopt;
    s.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(fields[1][0])));
    if (std::string_view("NEOMS").find(s.parity) == std::string_view::npos) return std::nullopt;

    const auto bits = wholeNumber(fields[2]);
    if (!bits || *bits < 4 || *bits > 8) return std::nullopt;
    s.dataBits = static_cast<int>(*bits);

    if (fields[3] == "1") {
        s.stopBits = 1;
    } else if (fields[3] == "1.5") {
        s.stopBits = 1.5;
    } else if (fields[3] == "2") {
        s.stopBits = 2;
    } else {
        return std::nullopt;
    }
    return s;
}

}  // namespace kolt
