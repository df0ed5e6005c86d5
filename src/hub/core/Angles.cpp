#include "hub/core/Angles.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kolt {

int wrapOnce(int degrees) {
    if (degrees >= 360) return degrees - 360;
    if (degrees < 0) return degrees + 360;
    return degrees;
}

std::string threeDigits(int value) {
    std::string digits = std::to_string(std::abs(static_cast<long long>(value)));
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

std::int16_t toInt16(long long value) {
    return static_cast<std::int16_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

}  // namespace kolt
