#include "platform/qt/QtSerialPort.h"

#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace kolt {

QtSerialPort::QtSerialPort(PortDirectory directory) : directory_(std::move(directory)) {
    QObject::connect(port_.get(), &QSerialPort::readyRead, [this] { raise(comm::kEvReceive); });
    QObject::connect(port_.get(), &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) { onError(e); });
}

QtSerialPort::~QtSerialPort() {
    QObject::disconnect(port_.get(), nullptr, nullptr, nullptr);
    port_->close();
}

std::optional<SerialError> QtSerialPort::setSettings(std::string_view settings) {
    const auto parsed = LineSettings::parse(settings);
    if (!parsed) return SerialError{comm::kErrBadSettings, "Invalid property value"};
    settings_ = *parsed;
    settingsText_ = std::string(settings);
    if (port_->isOpen()) applySettings();
    return std::nullopt;
}

void QtSerialPort::applySettings() {
    port_->setBaudRate(settings_.baud);
    port_->setDataBits(static_cast<QSerialPort::DataBits>(settings_.dataBits));
    switch (settings_.parity) {
        case 'E':
            port_->setParity(QSerialPort::EvenParity);
            break;
        case 'O':
            port_->setParity(QSerialPort::OddParity);
            break;
        case 'M':
            port_->setParity(QSerialPort::MarkParity);
            break;
        case 'S':
            port_->setParity(QSerialPort::SpaceParity);
            break;
        default:
            port_->setParity(QSerialPort::NoParity);
            break;
    }
    port_->setStopBits(settings_.stopBits == 2     ? QSerialPort::TwoStop
                       : settings_.stopBits == 1.5 ? QSerialPort::OneAndHalfStop
                                                   : QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
}

std::optional<SerialError> QtSerialPort::open() {
    if (port_->isOpen()) return SerialError{comm::kErrPortAlreadyOpen, "Port already open"};
    if (number_ < 1 || number_ > 255) {
        return SerialError{comm::kErrInvalidPortNumber, "Invalid port number"};
    }
    const auto path = directory_.devicePath(number_);
    port_->setPortName(QString::fromStdString(path.string()));
    if (!port_->open(QIODevice::ReadWrite)) {
        const auto error = port_->error();
        const std::string text = port_->errorString().toStdString();
        port_->clearError();
        // Held by another program, or not ours to open: either way the port
        // exists, which is what the busy codes tell the port scan.
        if (error == QSerialPort::PermissionError) {
            return SerialError{comm::kErrPortInUse, text + ": " + path.string()};
        }
        return SerialError{comm::kErrInvalidPortNumber, text + ": " + path.string()};
    }
    if (::flock(static_cast<int>(port_->handle()), LOCK_EX | LOCK_NB) != 0) {
        port_->close();
        return SerialError{comm::kErrPortAlreadyOpen, "Port already open: " + path.string()};
    }
    applySettings();
    port_->setRequestToSend(rts_);
    port_->setDataTerminalReady(dtr_);
    port_->clearError();
    return std::nullopt;
}

void QtSerialPort::close() {
    if (port_->isOpen()) port_->close();
}

std::optional<SerialError> QtSerialPort::write(std::string_view bytes) {
    if (!port_->isOpen()) {
        return SerialError{comm::kErrPortNotOpen, "Operation valid only when the port is open"};
    }
    if (port_->write(bytes.data(), static_cast<qint64>(bytes.size())) < 0) {
        return SerialError{comm::kErrWriteFailed, port_->errorString().toStdString()};
    }
    // Out now rather than when the loop next runs: a command must not wait.
    port_->flush();
    return std::nullopt;
}

std::string QtSerialPort::readAll() {
    const QByteArray data = port_->readAll();
    return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

void QtSerialPort::setRts(bool on) {
    rts_ = on;
    if (port_->isOpen()) port_->setRequestToSend(on);
}

void QtSerialPort::setDtr(bool on) {
    dtr_ = on;
    if (port_->isOpen()) port_->setDataTerminalReady(on);
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    // A pseudo-terminal refuses the modem lines, which is no loss. A failed
    // read means the device is gone (a pulled adapter, an ended simulator):
    // left open, the port would report it again and again without end.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError) return;
    if (!port_->isOpen()) return;
    port_->close();
    raise(comm::kEventDeviceLost);
}

void QtSerialPort::raise(int code) {
    fireEvent(handler_, code);
}

}  // namespace kolt
