#include "platform/fake/FakeSerialPort.h"

#include "common/Events.h"

namespace kolt {

FakeSerialDevice& FakeSerialBus::addDevice(int number) {
    return devices_[number];
}

void FakeSerialBus::removeDevice(int number) {
    if (auto* d = device(number); d && d->openedBy) d->openedBy->open_ = false;
    devices_.erase(number);
}

FakeSerialDevice* FakeSerialBus::device(int number) {
    const auto it = devices_.find(number);
    return it == devices_.end() ? nullptr : &it->second;
}

void FakeSerialBus::deviceSends(int number, const std::string& bytes) {
    auto* d = device(number);
    if (!d || !d->openedBy || bytes.empty()) return;
    d->openedBy->input_ += bytes;
    d->openedBy->raise(comm::kEvReceive);
}

void FakeSerialBus::deviceSignals(int number, int eventCode) {
    auto* d = device(number);
    if (d && d->openedBy) d->openedBy->raise(eventCode);
}

void FakeSerialBus::unplug(int number) {
    auto* d = device(number);
    if (!d) return;
    FakeSerialPort* port = d->openedBy;
    devices_.erase(number);
    if (port) {
        port->open_ = false;
        port->raise(comm::kEventDeviceLost);
    }
}

std::unique_ptr<SerialPort> FakeSerialBus::createSerialPort() {
    return std::make_unique<FakeSerialPort>(*this);
}

FakeSerialPort::~FakeSerialPort() {
    close();
}

std::optional<SerialError> FakeSerialPort::setSettings(std::string_view settings) {
    if (!LineSettings::parse(settings))
        return SerialError{comm::kErrBadSettings, "Invalid property value"};
    settings_ = std::string(settings);
    return std::nullopt;
}

std::optional<SerialError> FakeSerialPort::open() {
    bus_.openAttempts.push_back(number_);
    if (open_) return SerialError{comm::kErrPortAlreadyOpen, "Port already open"};
    auto* d = bus_.device(number_);
    if (!d) return SerialError{comm::kErrInvalidPortNumber, "Invalid port number"};
    if (d->busy || d->openedBy) return SerialError{comm::kErrPortAlreadyOpen, "Port already open"};
    d->openedBy = this;
    open_ = true;
    input_.clear();
    return std::nullopt;
}

void FakeSerialPort::close() {
    if (!open_) return;
    open_ = false;
    if (auto* d = bus_.device(number_); d && d->openedBy == this) d->openedBy = nullptr;
}

std::optional<SerialError> FakeSerialPort::write(std::string_view bytes) {
    auto* d = open_ ? bus_.device(number_) : nullptr;
    if (!d) return SerialError{comm::kErrPortNotOpen, "Operation valid only when the port is open"};
    if (d->failWrites) return SerialError{comm::kErrWriteFailed, "Write timeout"};
    const std::string copy(bytes);
    d->written += copy;
    if (d->onWrite) d->onWrite(copy);
    return std::nullopt;
}

std::string FakeSerialPort::readAll() {
    std::string out;
    out.swap(input_);
    return out;
}

void FakeSerialPort::raise(int code) {
    fireEvent(handler_, code);
}

}  // namespace kolt
