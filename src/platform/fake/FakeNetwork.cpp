#include "platform/fake/FakeNetwork.h"

#include <algorithm>

#include "common/Events.h"

namespace kolt {
namespace {
constexpr int kAddressInUse = 10048;
constexpr int kConnectionRefused = 10061;
constexpr int kNotConnected = 10057;
constexpr int kHostNotFound = 11001;
}  // namespace

std::unique_ptr<TcpServer> FakeNetwork::createTcpServer() {
    return std::make_unique<FakeTcpServer>(*this);
}

std::unique_ptr<TcpSocket> FakeNetwork::createTcpSocket() {
    return std::make_unique<FakeTcpSocket>(*this);
}

std::unique_ptr<UdpSocket> FakeNetwork::createUdpSocket() {
    return std::make_unique<FakeUdpSocket>(*this);
}

std::optional<std::string> FakeNetwork::resolveHost(const std::string& name) {
    if (const auto it = hosts.find(name); it != hosts.end()) return it->second;
    if (name == "localhost" || name == hostName) return "127.0.0.1";
    const bool dotted = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.';
    });
    if (dotted) return name;
    return std::nullopt;
}

void FakeNetwork::deliverDatagram(std::uint16_t port, const std::string& data,
                                  const std::string& fromHost, std::uint16_t fromPort) {
    for (FakeUdpSocket* s : udpSockets_) {
        if (s->port_ == port) s->receive({data, fromHost, fromPort});
    }
}

// ---- TCP socket

FakeTcpSocket::FakeTcpSocket(FakeNetwork& net) : net_(net) {}

FakeTcpSocket::~FakeTcpSocket() {
    *alive_ = false;
    FakeTcpSocket::close();
}

void FakeTcpSocket::attach(FakeTcpSocket* peer, std::string host, std::uint16_t port) {
    peer_ = peer;
    remoteHost_ = std::move(host);
    remotePort_ = port;
    state_ = SocketState::Connected;
}

void FakeTcpSocket::fail(int code, const std::string& text) {
    state_ = SocketState::Error;
    fireEvent(events_.error, SocketError{code, text});
}

void FakeTcpSocket::connectToHost(const std::string& host, std::uint16_t port) {
    if (state_ != SocketState::Closed) return;
    state_ = SocketState::Connecting;
    std::weak_ptr<bool> alive = alive_;
    net_.loop_.post([this, alive, host, port] {
        if (alive.expired() || state_ != SocketState::Connecting) return;
        if (!net_.resolveHost(host)) return fail(kHostNotFound, "Host not found");
        const auto it = net_.servers_.find(port);
        if (it == net_.servers_.end() || !it->second->request(*this)) {
            return fail(kConnectionRefused, "Connection refused");
        }
        fireEvent(events_.connected);
    });
}

void FakeTcpSocket::close() {
    if (peer_) {
        FakeTcpSocket* peer = peer_;
        peer_ = nullptr;
        peer->peer_ = nullptr;
        std::weak_ptr<bool> alive = peer->alive_;
        net_.loop_.post([peer, alive] {
            if (!alive.expired()) peer->peerClosed();
        });
    }
    state_ = SocketState::Closed;
    inbox_.clear();
}

void FakeTcpSocket::peerClosed() {
    if (state_ != SocketState::Connected) return;
    state_ = SocketState::Closing;
    fireEvent(events_.closed);
}

std::optional<SocketError> FakeTcpSocket::send(std::string_view bytes) {
    if (state_ != SocketState::Connected || !peer_) {
        return SocketError{kNotConnected, "Socket is not connected"};
    }
    FakeTcpSocket* peer = peer_;
    peer->inbox_ += bytes;
    const std::size_t n = bytes.size();
    std::weak_ptr<bool> alive = peer->alive_;
    net_.loop_.post([peer, alive, n] {
        if (!alive.expired()) fireEvent(peer->events_.dataArrival, n);
    });
    return std::nullopt;
}

std::string FakeTcpSocket::receiveAll() {
    std::string out;
    out.swap(inbox_);
    return out;
}

// ---- TCP server

std::optional<SocketError> FakeTcpServer::listen(std::uint16_t port) {
    if (state_ == SocketState::Listening) return SocketError{kAddressInUse, "Address in use"};
    if (port == 0 || net_.servers_.count(port)) {
        state_ = SocketState::Error;
        return SocketError{kAddressInUse, "Address in use"};
    }
    net_.servers_[port] = this;
    port_ = port;
    state_ = SocketState::Listening;
    return std::nullopt;
}

void FakeTcpServer::close() {
    if (state_ == SocketState::Listening) net_.servers_.erase(port_);
    state_ = SocketState::Closed;
}

bool FakeTcpServer::request(FakeTcpSocket& client) {
    if (state_ != SocketState::Listening || !events_.connectionRequest) return false;
    pendingId_ = nextRequest_++;
    pendingClient_ = &client;
    accepted_ = false;
    fireEvent(events_.connectionRequest, pendingId_);
    pendingClient_ = nullptr;
    return accepted_;
}

std::unique_ptr<TcpSocket> FakeTcpServer::accept(int requestId) {
    if (!pendingClient_ || requestId != pendingId_ || accepted_) return nullptr;
    auto server = std::make_unique<FakeTcpSocket>(net_);
    const std::uint16_t clientPort = net_.nextEphemeral_++;
    server->attach(pendingClient_, "127.0.0.1", clientPort);
    pendingClient_->attach(server.get(), "127.0.0.1", port_);
    accepted_ = true;
    return server;
}

// ---- UDP

std::optional<SocketError> FakeUdpSocket::bind(std::uint16_t port) {
    if (state_ != SocketState::Closed) return SocketError{kAddressInUse, "Address in use"};
    port_ = port ? port : net_.nextEphemeral_++;
    state_ = SocketState::Open;
    net_.udpSockets_.push_back(this);
    return std::nullopt;
}

void FakeUdpSocket::close() {
    std::erase(net_.udpSockets_, this);
    state_ = SocketState::Closed;
}

std::optional<SocketError> FakeUdpSocket::sendTo(const std::string& host, std::uint16_t port,
                                                 std::string_view data) {
    net_.sentDatagrams.push_back({host, port, std::string(data)});
    const std::uint16_t from = port_;
    const std::string bytes(data);
    for (FakeUdpSocket* s : net_.udpSockets_) {
        if (s != this && s->port_ == port) s->receive({bytes, "127.0.0.1", from});
    }
    return std::nullopt;
}

void FakeUdpSocket::receive(const Datagram& d) {
    std::weak_ptr<bool> alive = alive_;
    net_.loop_.post([this, alive, d] {
        if (!alive.expired() && state_ == SocketState::Open) fireEvent(events_.datagram, d);
    });
}

}  // namespace kolt
