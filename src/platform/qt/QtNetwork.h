#pragma once

#include "platform/Network.h"

namespace kolt {

// Sockets on Qt Network, with the socket control's states and events.
class QtNetwork : public Network {
  public:
    std::unique_ptr<TcpServer> createTcpServer() override;
    std::unique_ptr<TcpSocket> createTcpSocket() override;
    std::unique_ptr<UdpSocket> createUdpSocket() override;
    std::string localHostName() const override;
    std::optional<std::string> resolveHost(const std::string& name) override;
};

}  // namespace kolt
