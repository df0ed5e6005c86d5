#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kolt {

// The rotator model; the value is the position in the model list. A settings
// file may hold any number, so values outside the list are kept as they are.
enum class RotatorModel : std::int16_t {
    AzimuthElevation = 0,
    Azimuth = 1,
    Elevation = 2,
    Combo = 3,
    RemoteTcp = 4,
    ZebSe = 5,
    KoltUsb = 6,
};

inline constexpr std::array<const char*, 7> kModelCaptions = {
    "Azimuth & Elevation", "Azimuth",       "Elevation", "Combo (Az & El)",
    "Remote TCP/IP",       "ZEB-SE on LPT", "KOLT-USB",
};

inline constexpr std::array<const char*, 2> kBoardAxesCaptions = {"Azimuth", "Az & El"};

// The phase of the exchange with the KOLT-USB unit.
enum class UnitPhase : std::int16_t {
    Identify = 0,    // wait for the version banner; poll "O"
    Parameters = 1,  // read the stored parameters; poll "FS" or "FI"
    Sensor = 2,      // read the position sensor live; poll "CB"
    Normal = 9,      // poll the position; "C2"
};

struct AntennaRecord {
    bool enabled = false;
    std::string name;
    std::int16_t offset = 0;
    bool bidirectional = false;
    std::int16_t limit = 0;
    std::int16_t bearing = 0;
    std::int16_t rotorAzimuth = 0;
};

inline constexpr int kAntennaCount = 4;  // entries 0..3 of the five are used

// The hub's one record of what it knows about the rotator and how it is
// configured. One instance, owned by the application object; its defaults
// are the values set when the hub starts, before the settings are loaded.
struct RotatorState {
    // Position and motion
    std::int16_t azimuth = 0;
    std::int16_t elevation = 0;
    double elevationReal = 0;
    std::int16_t shownAzimuth = 0;
    std::int16_t shownElevation = 0;
    std::int16_t displayElevation = 0;
    // Bearing 33 so that the first position received is drawn unless it is 33.
    std::array<std::int16_t, 2> lastDrawn = {33, 0};
    bool azBusy = false;
    bool elBusy = false;
    // 999: no azimuth preset sent yet, so the first one always goes out.
    std::int16_t lastPresetAz = 999;
    std::int16_t persistTarget = 0;
    // Seconds since a tracking program last pointed the antenna; the antenna
    // parks when this reaches the auto-parking delay.
    std::int32_t autoParkingIdle = 0;
    std::int16_t activeAntenna = 0;
    std::array<AntennaRecord, 5> antennas{};

    // Link state
    RotatorModel model = RotatorModel::AzimuthElevation;
    UnitPhase unitPhase = UnitPhase::Identify;
    std::int16_t azPortOpen = 0;
    std::int16_t elPortOpen = 0;
    bool comboModel = false;
    bool startupError = false;
    std::string azPortName;
    std::string elPortName;
    std::int16_t azTxCount = 0;
    bool comboPollToggle = false;
    std::int16_t commandLinePort = 0;
    bool remoteMode = false;
    bool quitting = false;
    bool remoteHasElevation = false;
    bool elevationShown = false;
    bool boardRunning = false;
    std::uint8_t boardAxes = 0;

    // Receive buffers
    std::string rxAz;
    std::string rxEl;
    std::string rxChunk;
    std::string comboFrame;
    std::int16_t lastReplySecond = 0;

    // Controller identity (KOLT-USB)
    std::string firmwareText;
    double firmwareNumber = 0;
    std::array<std::int16_t, 2> firmwareFlags = {0, 0};
    std::int16_t sensorValue = 0;
    std::int16_t sensorValue2 = 0;

    // Configuration flags
    std::array<bool, 2> fastStop = {false, false};
    bool elevationInverted = false;
    bool presetPersist = false;
    bool ccw = false;
    bool simulateAz = false;
    bool simulateEl = false;
    std::int16_t azUpdateThreshold = 2;
    std::int16_t elUpdateThreshold = 2;
    bool openPortsAtStartup = false;
    bool createAtStartup = false;
    bool forceAzimuthOnly = false;
    bool traceAz = false;
    bool traceEl = false;
    bool traceVcom = false;
    std::array<std::int16_t, 2> deltaFilter = {1, 1};
    std::string unitLabel = "KOLT-USB";
    std::string rotorName = "KOLT-USB";

    // Settings-file paths and the line end of the controller commands
    std::string iniPath;
    std::string directoryPath;
    std::string graphicsPath;
    std::string newline;
};

// The active antenna's record. The index always lies within 0..3; a value
// outside (which no Part may store) reads as antenna 0.
AntennaRecord& activeAntennaRecord(RotatorState& state);
const AntennaRecord& activeAntennaRecord(const RotatorState& state);

// The antenna bearing: the active antenna's rotor azimuth plus its offset,
// wrapped into 0..359; for the remote model the received value alone, since
// the remote side has applied the offset.
int antennaBearing(const RotatorState& state);

// The elevation as shown: clamped to 0..180.
int elevationAsShown(const RotatorState& state);

}  // namespace kolt
