#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolt {

// The numeric reading of command and settings text: blanks are ignored
// wherever they stand; then an optional sign, digits with at most one decimal
// point and an optional exponent (E or D and digits) are read up to the first
// other character. Without digits the value is 0: "123_" reads 123, "045"
// reads 45, "123 04" reads 12304. Values too large to hold saturate.
double readNumber(std::string_view text);

// The leading-number read of the settings and logger messages: leading
// blanks skipped, an optional sign, digits and at most one decimal point up
// to the first other character; nothing readable gives 0.
double leadingNumber(std::string_view text);

// Rounds to the nearest whole number, exact halves to the even neighbour
// (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);

// The rounded value when it fits a 16-bit field (or 32-bit); nullopt when it
// does not, so a caller keeps its previous value as a failed conversion would.
std::optional<std::int16_t> toWholeInt16(double value);
std::optional<std::int32_t> toWholeInt32(double value);

// True when the whole text (blanks around it allowed) is one number in the
// form readNumber accepts.
bool isNumericText(std::string_view text);

// The plain decimal text of a number: "123" for 123.0, "123.4" for 123.4.
std::string plainNumberText(double value);

// A number as the memories and parking store it: one leading blank when not
// negative (" 70", " 0", "-5").
std::string blankNumberText(long long value);

}  // namespace kolt
