#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/EventLoop.h"
#include "platform/Network.h"

namespace kolt {

class FakeTcpSocket;
class FakeTcpServer;
class FakeUdpSocket;

// An in-memory network on the test's event loop: every host name that
// resolves leads to this one machine, and every event is posted to the loop,
// so a test runs loop.processEvents() (or advance) to deliver it.
class FakeNetwork : public Network {
  public:
    explicit FakeNetwork(EventLoop& loop) : loop_(loop) {}

    std::unique_ptr<TcpServer> createTcpServer() override;
    std::unique_ptr<TcpSocket> createTcpSocket() override;
    std::unique_ptr<UdpSocket> createUdpSocket() override;
    std::string localHostName() const override { return hostName; }
    std::optional<std::string> resolveHost(const std::string& name) override;

    // A datagram from another machine to whatever is bound to the port.
    void deliverDatagram(std::uint16_t port, const std::string& data,
                         const std::string& fromHost = "127.0.0.1", std::uint16_t fromPort = 50000);

    std::string hostName = "testhost";
    std::map<std::string, std::string> hosts;  // name -> address

    struct SentDatagram {
        std::string host;
        std::uint16_t port;
        std::string data;
    };
    std::vector<SentDatagram> sentDatagrams;

  private:
    friend class FakeTcpSocket;
    friend class FakeTcpServer;
    friend class FakeUdpSocket;

    EventLoop& loop_;
    std::map<std::uint16_t, FakeTcpServer*> servers_;
    std::vector<FakeUdpSocket*> udpSockets_;
    std::uint16_t nextEphemeral_ = 40000;
};

class FakeTcpSocket : public TcpSocket {
  public:
    explicit FakeTcpSocket(FakeNetwork& net);
    ~FakeTcpSocket() override;

    void setEvents(Events events) override { events_ = std::move(events); }
    SocketState state() const override { return state_; }
    void connectToHost(const std::string& host, std::uint16_t port) override;
    void close() override;
    std::optional<SocketError> send(std::string_view bytes) override;
    std::string receiveAll() override;
    std::size_t pendingSendBytes() const override { return 0; }
    std::string remoteHost() const override { return remoteHost_; }
    std::uint16_t remotePort() const override { return remotePort_; }

  private:
    friend class FakeTcpServer;
    void attach(FakeTcpSocket* peer, std::string host, std::uint16_t port);
    void peerClosed();
    void fail(int code, const std::string& text);

    FakeNetwork& net_;
    Events events_;
    SocketState state_ = SocketState::Closed;
    FakeTcpSocket* peer_ = nullptr;
    std::string inbox_;
    std::string remoteHost_;
    std::uint16_t remotePort_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class FakeTcpServer : public TcpServer {
  public:
    explicit FakeTcpServer(FakeNetwork& net) : net_(net) {}
    ~FakeTcpServer() override { close(); }

    void setEvents(Events events) override { events_ = std::move(events); }
    SocketState state() const override { return state_; }
    std::optional<SocketError> listen(std::uint16_t port) override;
    void close() override;
    std::unique_ptr<TcpSocket> accept(int requestId) override;
    std::uint16_t localPort() const override { return port_; }

  private:
    friend class FakeTcpSocket;
    // A client asks to connect; true when it was accepted.
    bool request(FakeTcpSocket& client);

    FakeNetwork& net_;
    Events events_;
    SocketState state_ = SocketState::Closed;
    std::uint16_t port_ = 0;
    int nextRequest_ = 1;
    int pendingId_ = 0;
    FakeTcpSocket* pendingClient_ = nullptr;
    bool accepted_ = false;
};

class FakeUdpSocket : public UdpSocket {
  public:
    explicit FakeUdpSocket(FakeNetwork& net) : net_(net) {}
    ~FakeUdpSocket() override { close(); }

    void setEvents(Events events) override { events_ = std::move(events); }
    SocketState state() const override { return state_; }
    std::optional<SocketError> bind(std::uint16_t port) override;
    void close() override;
    std::optional<SocketError> sendTo(const std::string& host, std::uint16_t port,
                                      std::string_view data) override;
    std::uint16_t localPort() const override { return port_; }

  private:
    friend class FakeNetwork;
    void receive(const Datagram& d);

    FakeNetwork& net_;
    Events events_;
    SocketState state_ = SocketState::Closed;
    std::uint16_t port_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace kolt
