#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolt {

inline constexpr char kStx = '\x02';
inline constexpr char kCr = '\r';
inline constexpr char kLf = '\n';

// A unit that keeps sending text the readers never consume must not fill the
// memory: a receive buffer keeps only its newest text past this size.
inline constexpr std::size_t kReceiveBufferLimit = 4096;
void appendBounded(std::string& buffer, std::string_view text);

// The firmware number of a KOLT-USB version text such as "1.3D" (313) or
// "2.1A" (10110); 0 when the text does not have that form. A "0" is not
// accepted in any position.
int firmwareNumberOf(std::string_view versionText);

// The stored parameters the unit reports while the calibration form reads
// them: one group per axis.
struct AxisParameters {
    std::int16_t minimum = 0;
    std::int16_t maximum = 0;
    std::int16_t angle = 0;
    std::int16_t offset = 0;
    std::int16_t resolution = 0;
    std::int16_t watchdog = 0;
    std::int16_t retries = 0;
};

struct StoredParameters {
    AxisParameters azimuth;
    AxisParameters elevation;
};

// The older report: labelled values ("Az Min:", ... "El Retray:"), each taken
// and the text before its end dropped. True when the report is complete: after
// "Az Retray:" for a unit without an elevation axis, after "El Retray:" always.
bool readOlderParameterLayout(std::string& rx, StoredParameters& parameters, bool hasElevation);

// The newer report: address-value pairs ("02:1F "). Never complete.
void readNewerParameterLayout(std::string& rx, StoredParameters& parameters);

// Two hexadecimal digits in either case; nullopt for anything else.
std::optional<int> hexByte(std::string_view twoDigits);

}  // namespace kolt
