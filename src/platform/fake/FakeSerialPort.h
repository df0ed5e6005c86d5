#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/SerialPort.h"

namespace kolt {

class FakeSerialPort;

// What stands at the far end of a fake port: whether the port exists, whether
// another program holds it, what the hub wrote, and what it answers.
struct FakeSerialDevice {
    bool busy = false;
    bool failWrites = false;  // a write raises an error, as a stalled line does
    std::string written;
    std::function<void(const std::string& bytes)> onWrite;
    FakeSerialPort* openedBy = nullptr;
};

// The machine's serial ports for tests: ports exist only when added.
class FakeSerialBus : public SerialPortFactory {
  public:
    FakeSerialDevice& addDevice(int number);
    void removeDevice(int number);
    FakeSerialDevice* device(int number);

    // The device sends bytes: the open port gets them and its data event.
    void deviceSends(int number, const std::string& bytes);
    // A line event at the device (CTS, DSR, ...).
    void deviceSignals(int number, int eventCode);
    // The device disappears while open, as a pulled USB adapter does.
    void unplug(int number);

    std::unique_ptr<SerialPort> createSerialPort() override;
    void setPortDirectory(const PortDirectory& directory) override {
        portDirectory = directory.directory();
    }

    std::filesystem::path portDirectory;
    // Every open attempt, in order, by port number.
    std::vector<int> openAttempts;

  private:
    std::map<int, FakeSerialDevice> devices_;
};

class FakeSerialPort : public SerialPort {
  public:
    explicit FakeSerialPort(FakeSerialBus& bus) : bus_(bus) {}
    ~FakeSerialPort() override;

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    std::optional<SerialError> setSettings(std::string_view settings) override;
    std::string settings() const override { return settings_; }
    std::optional<SerialError> open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    std::optional<SerialError> write(std::string_view bytes) override;
    std::string readAll() override;
    void setRts(bool on) override { rts_ = on; }
    void setDtr(bool on) override { dtr_ = on; }
    void setEventHandler(std::function<void(int)> handler) override {
        handler_ = std::move(handler);
    }

  private:
    friend class FakeSerialBus;
    void raise(int code);

    FakeSerialBus& bus_;
    int number_ = 1;
    std::string settings_ = "9600,n,8,1";
    bool open_ = false;
    bool rts_ = false;
    bool dtr_ = false;
    std::string input_;
    std::function<void(int)> handler_;
};

}  // namespace kolt
