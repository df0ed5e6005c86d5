#pragma once

#include <functional>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include "platform/PortDirectory.h"

namespace kolt {

// Event codes of the serial control, as the receive handlers expect them.
namespace comm {
inline constexpr int kEvSend = 1;
inline constexpr int kEvReceive = 2;
inline constexpr int kEvCTS = 3;
inline constexpr int kEvDSR = 4;
inline constexpr int kEvCD = 5;
inline constexpr int kEvRing = 6;
inline constexpr int kEvEOF = 7;
inline constexpr int kEventBreak = 1001;
inline constexpr int kEventFrame = 1004;
inline constexpr int kEventOverrun = 1006;
inline constexpr int kEventRxOver = 1008;
inline constexpr int kEventRxParity = 1009;
inline constexpr int kEventTxFull = 1010;
inline constexpr int kEventDCB = 1011;
// Ours: the device went away while open (a USB adapter pulled out). The port
// is closed by the time the handler runs.
inline constexpr int kEventDeviceLost = 1100;

// Open errors. 8005 and 8015 say that the port exists but is held by another
// program; every other code says it is not there.
inline constexpr int kErrPortAlreadyOpen = 8005;
inline constexpr int kErrPortInUse = 8015;
inline constexpr int kErrInvalidPortNumber = 8002;
inline constexpr int kErrPortNotOpen = 8012;
inline constexpr int kErrWriteFailed = 8020;
inline constexpr int kErrBadSettings = 380;

inline bool isBusyError(int code) {
    return code == kErrPortAlreadyOpen || code == kErrPortInUse;
}
}  // namespace comm

struct SerialError {
    int code = 0;
    std::string description;
};

// Line settings in the serial control's text form, "9600,n,8,1".
struct LineSettings {
    int baud = 9600;
    char parity = 'N';  // N, E, O, M, S
    int dataBits = 8;
    double stopBits = 1;  // 1, 1.5, 2

    static std::optional<LineSettings> parse(std::string_view text);
};

// One serial control: a port number, its line settings, open and close, write
// text, read all that waits, and one event per arrival or line event.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    virtual void setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;
    // Fails with code 380 when the text is not a valid settings string.
    virtual std::optional<SerialError> setSettings(std::string_view settings) = 0;
    virtual std::string settings() const = 0;

    virtual std::optional<SerialError> open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual std::optional<SerialError> write(std::string_view bytes) = 0;
    virtual std::string readAll() = 0;

    virtual void setRts(bool on) = 0;
    virtual void setDtr(bool on) = 0;

    // The handler gets the event code; for data, the bytes wait in readAll().
    virtual void setEventHandler(std::function<void(int code)> handler) = 0;
};

class SerialPortFactory {
  public:
    virtual ~SerialPortFactory() = default;
    virtual std::unique_ptr<SerialPort> createSerialPort() = 0;
    // Where port numbers are looked up, for the ports created from then on.
    virtual void setPortDirectory(const PortDirectory& directory) = 0;
};

}  // namespace kolt
