#pragma once

#include <QSerialPort>
#include <memory>

#include "platform/PortDirectory.h"
#include "platform/SerialPort.h"
#include "platform/qt/QtSupport.h"

namespace kolt {

// A serial control on QSerialPort. Port n is opened through the port
// directory; an advisory lock on the open device tells a second program (or
// a second control of this one) that the port is in use, which the terminal
// layer alone does not do for root.
class QtSerialPort : public SerialPort {
  public:
    explicit QtSerialPort(PortDirectory directory);
    ~QtSerialPort() override;

    void setPortNumber(int number) override { number_ = number; }
    int portNumber() const override { return number_; }
    std::optional<SerialError> setSettings(std::string_view settings) override;
    std::string settings() const override { return settingsText_; }
    std::optional<SerialError> open() override;
    void close() override;
    bool isOpen() const override { return port_->isOpen(); }
    std::optional<SerialError> write(std::string_view bytes) override;
    std::string readAll() override;
    void setRts(bool on) override;
    void setDtr(bool on) override;
    void setEventHandler(std::function<void(int)> handler) override {
        handler_ = std::move(handler);
    }

  private:
    void applySettings();
    void onError(QSerialPort::SerialPortError error);
    void raise(int code);

    PortDirectory directory_;
    QtOwned<QSerialPort> port_{new QSerialPort};
    int number_ = 1;
    std::string settingsText_ = "9600,n,8,1";
    LineSettings settings_;
    bool rts_ = false;
    bool dtr_ = false;
    std::function<void(int)> handler_;
};

class QtSerialPortFactory : public SerialPortFactory {
  public:
    explicit QtSerialPortFactory(PortDirectory directory) : directory_(std::move(directory)) {}
    std::unique_ptr<SerialPort> createSerialPort() override {
        return std::make_unique<QtSerialPort>(directory_);
    }
    void setPortDirectory(const PortDirectory& directory) override { directory_ = directory; }

  private:
    PortDirectory directory_;
};

}  // namespace kolt
