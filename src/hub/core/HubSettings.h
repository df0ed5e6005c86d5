#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kolt {

inline constexpr int kMemoryCount = 8;

// The values of the main settings that are not fields of the rotator state:
// loaded at start, kept here for the modules that own them.
struct HubSettings {
    bool quickExit = true;
    std::int16_t azimuthParking = 0;
    std::int16_t elevationParking = 0;
    bool autoParking = false;
    std::int32_t autoParkingDelay = 0;  // seconds
    std::int16_t mapsNumber = 1;
    std::int16_t azimuthMap = 0;

    std::string virtualPortName = "COM3";
    std::int32_t virtualDelayMs = 0;
    bool limitCommands = false;
    std::int16_t secondsLimit = 0;
    std::int16_t azRandom = 0;
    std::int16_t elRandom = 0;
    std::int32_t azRefreshMs = 2000;
    std::int32_t elRefreshMs = 2000;
    std::int16_t emulation = 0;

    bool ddeNova = false;
    std::array<std::string, kMemoryCount> memoryNames;
    std::array<std::int16_t, kMemoryCount> memoryAngles{};

    bool graphicActive = true;
    std::string tcpPort = "6000";
    bool tcpServerEnabled = false;
    bool passwordRequired = false;
    std::string serverPassword = "QUILTEX";
    bool ipMode = false;
    std::string n1mmUdpPort = "12056";
    bool n1mmEnabled = false;
    bool dxlogEnabled = false;
};

}  // namespace kolt
