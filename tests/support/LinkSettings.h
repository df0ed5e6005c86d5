#pragma once

#include <filesystem>
#include <string>

#include "hub/core/RotatorState.h"
#include "platform/ProfileFile.h"

namespace kolt::test {

// A settings file whose hub opens its rotator link at start and polls every
// second.
inline void writeLinkSettings(const std::filesystem::path& home, RotatorModel model,
                              const char* azPort, const char* elPort) {
    ProfileFile ini(home / "koltvcom.ini");
    ini.writeString("Prosistel", "Model", std::to_string(static_cast<int>(model)));
    ini.writeString("KOLTWIN", "Auto Run", "1");
    ini.writeString("AZIMUTH", "COM", azPort);
    ini.writeString("ELEVATION", "COM", elPort);
    ini.writeString("AZIMUTH", "REFRESH", "1");
    ini.writeString("ELEVATION", "REFRESH", "1");
}

}  // namespace kolt::test
