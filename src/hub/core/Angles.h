#pragma once

#include <cstdint>
#include <string>

namespace kolt {

// Angles are whole degrees. A bearing shown to the operator is brought into
// 0..359 by adding or subtracting 360 once.
int wrapOnce(int degrees);

// The zero-padded three-digit form ("000", "045", "270"); wider values keep
// all their digits and negative ones their sign ("-005").
std::string threeDigits(int value);

// A value stored in a 16-bit field: saturated, so an out-of-range result can
// never wrap around into a plausible angle.
std::int16_t toInt16(long long value);

}  // namespace kolt
