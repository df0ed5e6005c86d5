#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolt::sim {

enum class UnitKind { Azimuth, Elevation, Combo, KoltUsb };

struct UnitOptions {
    UnitKind kind = UnitKind::KoltUsb;
    double speed = 6.0;        // degrees a second
    bool hasElevation = true;  // the KOLT-USB unit's elevation axis
    std::string firmware = "2.3H";
    double startAzimuth = 0;
    double startElevation = 0;
    bool silent = false;   // takes commands, never answers
    int garbageEvery = 0;  // every Nth answer is preceded by stray bytes; 0: never
};

// One axis of the simulated rotator: where it is and where it goes.
struct Axis {
    double position = 0;
    double minimum = 0;
    double maximum = 359;
    std::optional<double> target;
    bool moving() const { return target.has_value(); }
};

// A controller unit as the hub and the configuration tool see it: bytes in,
// bytes out, and an antenna that moves with time. No I/O; the caller feeds the
// bytes and the clock.
class SimUnit {
  public:
    explicit SimUnit(UnitOptions options);

    // Bytes from the line; returns the unit's answer (possibly empty).
    std::string receive(std::string_view bytes);
    // Moves the antenna to the given time (milliseconds, never going back).
    void advanceTo(std::int64_t ms);

    const Axis& azimuth() const { return axes_[0]; }
    const Axis& elevation() const { return axes_[1]; }
    const std::array<std::uint8_t, 128>& eeprom() const { return eeprom_; }

    // The commands of each unit, one at a time (without framing).
    std::string command(char address, std::string_view text);

  private:
    std::string singleCommand(int axis, char address, std::string_view text);
    std::string koltUsbCommand(std::string_view text);
    std::string configurationCommand(std::string_view text);
    std::string answer(std::string text);
    std::string positionFrame(int axis, char address) const;
    void goTo(int axis, double angle);
    void stop(int axis);
    int adcOf(int axis) const;
    void setWord(std::size_t address, int value);
    int word(std::size_t address) const;
    void sealEeprom();
    void defaultEeprom();

    UnitOptions options_;
    std::array<Axis, 2> axes_;
    std::int64_t now_ = 0;
    bool clockStarted_ = false;
    std::string pending_;
    int answers_ = 0;
    std::array<std::uint8_t, 128> eeprom_{};  // the working copy
    std::array<std::uint8_t, 128> stored_{};  // what "FW" saved
};

}  // namespace kolt::sim
