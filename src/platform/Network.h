#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kolt {

// Socket states as the socket control numbers them; only Connected counts as
// connected.
enum class SocketState : int {
    Closed = 0,
    Open = 1,
    Listening = 2,
    ConnectionPending = 3,
    ResolvingHost = 4,
    HostResolved = 5,
    Connecting = 6,
    Connected = 7,
    Closing = 8,
    Error = 9,
};

struct SocketError {
    int code = 0;
    std::string description;
};

class TcpSocket {
  public:
    struct Events {
        std::function<void()> connected;
        std::function<void(std::size_t bytes)> dataArrival;
        std::function<void()> closed;  // the peer closed the connection
        std::function<void(const SocketError&)> error;
    };

    virtual ~TcpSocket() = default;
    virtual void setEvents(Events events) = 0;
    virtual SocketState state() const = 0;
    virtual void connectToHost(const std::string& host, std::uint16_t port) = 0;
    virtual void close() = 0;
    // Queues the bytes; fails when the socket is not connected.
    virtual std::optional<SocketError> send(std::string_view bytes) = 0;
    // The bytes that arrived and were not taken yet.
    virtual std::string receiveAll() = 0;
    // Bytes queued for sending that the peer has not taken yet.
    virtual std::size_t pendingSendBytes() const = 0;
    virtual std::string remoteHost() const = 0;
    virtual std::uint16_t remotePort() const = 0;
};

class TcpServer {
  public:
    struct Events {
        // A client asks to connect; accept(requestId) during this call takes
        // it, otherwise it is refused when the call returns.
        std::function<void(int requestId)> connectionRequest;
        std::function<void(const SocketError&)> error;
    };

    virtual ~TcpServer() = default;
    virtual void setEvents(Events events) = 0;
    virtual SocketState state() const = 0;
    virtual std::optional<SocketError> listen(std::uint16_t port) = 0;
    virtual void close() = 0;
    virtual std::unique_ptr<TcpSocket> accept(int requestId) = 0;
    virtual std::uint16_t localPort() const = 0;
};

class UdpSocket {
  public:
    struct Datagram {
        std::string data;
        std::string host;
        std::uint16_t port = 0;
    };
    struct Events {
        std::function<void(const Datagram&)> datagram;
        std::function<void(const SocketError&)> error;
    };

    virtual ~UdpSocket() = default;
    virtual void setEvents(Events events) = 0;
    virtual SocketState state() const = 0;
    // Binds to the local port on every address, shared with other programs
    // that listen to the same broadcasts.
    virtual std::optional<SocketError> bind(std::uint16_t port) = 0;
    virtual void close() = 0;
    virtual std::optional<SocketError> sendTo(const std::string& host, std::uint16_t port,
                                              std::string_view data) = 0;
    virtual std::uint16_t localPort() const = 0;
};

class Network {
  public:
    virtual ~Network() = default;
    virtual std::unique_ptr<TcpServer> createTcpServer() = 0;
    virtual std::unique_ptr<TcpSocket> createTcpSocket() = 0;
    virtual std::unique_ptr<UdpSocket> createUdpSocket() = 0;
    virtual std::string localHostName() const = 0;
    // The first address of a host name, in dotted form; empty when unknown.
    virtual std::optional<std::string> resolveHost(const std::string& name) = 0;
};

}  // namespace kolt
