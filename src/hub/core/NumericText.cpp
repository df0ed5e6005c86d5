#include "hub/core/NumericText.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kolt {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads sign, digits with one point and (optionally) an exponent from the
// start of s; returns the normalised text strtod understands and how many
// characters it used.
struct Scan {
    std::string number;
    std::size_t used = 0;
    bool digits = false;
};

Scan scanNumber(std::string_view s, bool withExponent) {
    Scan out;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.number += s[i++];
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            out.digits = true;
            out.number += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
            out.number += '.';
        } else {
            break;
        }
    }
    if (out.digits && withExponent && i < s.size() &&
        (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent += s[j++];
        if (j > firstDigit) {
            out.number += exponent;
            i = j;
        }
    }
    out.used = i;
    return out;
}

double toDouble(const Scan& scan) {
    if (!scan.digits) return 0;
    const double v = std::strtod(scan.number.c_str(), nullptr);
    if (std::isinf(v)) {
        return v > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    }
    return v;
}

template <typename T>
std::optional<T> toWhole(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max()))) {
        return std::nullopt;
    }
    return static_cast<T>(r);
}

}  // namespace

double readNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (!isBlank(c)) compact += c;
    }
    return toDouble(scanNumber(compact, true));
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return toDouble(scanNumber(text.substr(i), false));
}

double roundHalfEven(double value) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    std::fesetround(saved);
    return r;
}

std::optional<std::int16_t> toWholeInt16(double value) {
    return toWhole<std::int16_t>(value);
}
std::optional<std::int32_t> toWholeInt32(double value) {
    return toWhole<std::int32_t>(value);
}

bool isNumericText(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    const std::string_view core = text.substr(first, last - first);
    const Scan scan = scanNumber(core, true);
    return scan.digits && scan.used == core.size();
}

std::string plainNumberText(double value) {
    if (value == 0) return "0";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string blankNumberText(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

}  // namespace kolt
