#include "platform/qt/QtNetwork.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <map>

#include "platform/qt/QtSupport.h"

namespace kolt {
namespace {

// Dotted IPv4 where the address is one, also when it came as IPv4-mapped IPv6.
std::string plainAddress(const QHostAddress& address) {
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return (ok ? QHostAddress(v4) : address).toString().toStdString();
}

SocketError errorOf(const QAbstractSocket& s) {
    return {static_cast<int>(s.error()), s.errorString().toStdString()};
}

// Connected sockets from the server or from connectToHost.
class QtTcpSocket : public TcpSocket {
  public:
    explicit QtTcpSocket(QTcpSocket* socket) : socket_(socket) {
        QTcpSocket* s = socket_.get();
        QObject::connect(s, &QTcpSocket::connected, [this] {
            failed_ = false;
            fireEvent(events_.connected);
        });
        QObject::connect(s, &QTcpSocket::readyRead, [this] {
            const auto n = static_cast<std::size_t>(socket_->bytesAvailable());
            if (n > 0) fireEvent(events_.dataArrival, n);
        });
        QObject::connect(s, &QTcpSocket::disconnected, [this] { fireEvent(events_.closed); });
        QObject::connect(s, &QTcpSocket::errorOccurred, [this](QAbstractSocket::SocketError e) {
            // The peer's close arrives as "disconnected"; it is no error.
            if (e == QAbstractSocket::RemoteHostClosedError) return;
            failed_ = true;
            fireEvent(events_.error, errorOf(*socket_));
        });
    }
    ~QtTcpSocket() override {
        QObject::disconnect(socket_.get(), nullptr, nullptr, nullptr);
        socket_->abort();
    }

    void setEvents(Events events) override { events_ = std::move(events); }

    SocketState state() const override {
        switch (socket_->state()) {
            case QAbstractSocket::HostLookupState:
                return SocketState::ResolvingHost;
            case QAbstractSocket::ConnectingState:
                return SocketState::Connecting;
            case QAbstractSocket::ConnectedState:
                return SocketState::Connected;
            case QAbstractSocket::BoundState:
                return SocketState::Open;
            case QAbstractSocket::ListeningState:
                return SocketState::Listening;
            case QAbstractSocket::ClosingState:
                return SocketState::Closing;
            case QAbstractSocket::UnconnectedState:
                break;
        }
        return failed_ ? SocketState::Error : SocketState::Closed;
    }

    void connectToHost(const std::string& host, std::uint16_t port) override {
        failed_ = false;
        socket_->connectToHost(QString::fromStdString(host), port);
    }
    void close() override {
        failed_ = false;
        socket_->abort();
    }
    std::optional<SocketError> send(std::string_view bytes) override {
        if (socket_->state() != QAbstractSocket::ConnectedState) {
            return SocketError{static_cast<int>(QAbstractSocket::UnknownSocketError),
                               "Socket is not connected"};
        }
        if (socket_->write(bytes.data(), static_cast<qint64>(bytes.size())) < 0) {
            return errorOf(*socket_);
        }
        socket_->flush();
        return std::nullopt;
    }
    std::string receiveAll() override {
        const QByteArray data = socket_->readAll();
        return std::string(data.constData(), static_cast<std::size_t>(data.size()));
    }
    std::size_t pendingSendBytes() const override {
        return static_cast<std::size_t>(socket_->bytesToWrite());
    }
    std::string remoteHost() const override { return plainAddress(socket_->peerAddress()); }
    std::uint16_t remotePort() const override { return socket_->peerPort(); }

  private:
    QtOwned<QTcpSocket> socket_;
    Events events_;
    bool failed_ = false;
};

class QtTcpServer : public TcpServer {
  public:
    QtTcpServer() {
        QObject::connect(server_.get(), &QTcpServer::newConnection, [this] { takeConnections(); });
        QObject::connect(
            server_.get(), &QTcpServer::acceptError, [this](QAbstractSocket::SocketError) {
                fireEvent(events_.error, SocketError{static_cast<int>(server_->serverError()),
                                                     server_->errorString().toStdString()});
            });
    }
    ~QtTcpServer() override {
        QObject::disconnect(server_.get(), nullptr, nullptr, nullptr);
        server_->close();
        for (auto& [id, socket] : pending_)
            socket->abort();
    }

    void setEvents(Events events) override { events_ = std::move(events); }
    SocketState state() const override {
        if (server_->isListening()) return SocketState::Listening;
        return failed_ ? SocketState::Error : SocketState::Closed;
    }
    std::optional<SocketError> listen(std::uint16_t port) override {
        if (server_->isListening()) return SocketError{-1, "Already listening"};
        if (!server_->listen(QHostAddress::Any, port)) {
            failed_ = true;
            return SocketError{static_cast<int>(server_->serverError()),
                               server_->errorString().toStdString()};
        }
        failed_ = false;
        return std::nullopt;
    }
    void close() override {
        failed_ = false;
        server_->close();
    }
    std::unique_ptr<TcpSocket> accept(int requestId) override {
        const auto it = pending_.find(requestId);
        if (it == pending_.end()) return nullptr;
        QTcpSocket* s = it->second.release();
        pending_.erase(it);
        return std::make_unique<QtTcpSocket>(s);
    }
    std::uint16_t localPort() const override { return server_->serverPort(); }

  private:
    void takeConnections() {
        const auto alive = token_.watch();
        while (QTcpSocket* s = server_->nextPendingConnection()) {
            const int id = nextRequest_++;
            s->setParent(nullptr);
            pending_[id].reset(s);
            fireEvent(events_.connectionRequest, id);
            if (!*alive) return;
            // Not accepted during the event: refused.
            if (const auto it = pending_.find(id); it != pending_.end()) {
                it->second->abort();
                pending_.erase(it);
            }
        }
    }

    QtOwned<QTcpServer> server_{new QTcpServer};
    Events events_;
    bool failed_ = false;
    int nextRequest_ = 1;
    std::map<int, QtOwned<QTcpSocket>> pending_;
    AliveToken token_;
};

class QtUdpSocket : public UdpSocket {
  public:
    QtUdpSocket() {
        QObject::connect(socket_.get(), &QUdpSocket::readyRead, [this] { readDatagrams(); });
        QObject::connect(
            socket_.get(), &QUdpSocket::errorOccurred,
            [this](QAbstractSocket::SocketError) { fireEvent(events_.error, errorOf(*socket_)); });
    }
    ~QtUdpSocket() override {
        QObject::disconnect(socket_.get(), nullptr, nullptr, nullptr);
        socket_->close();
    }

    void setEvents(Events events) override { events_ = std::move(events); }
    SocketState state() const override {
        return socket_->state() == QAbstractSocket::BoundState ? SocketState::Open
                                                               : SocketState::Closed;
    }
    std::optional<SocketError> bind(std::uint16_t port) override {
        if (!socket_->bind(QHostAddress::AnyIPv4, port,
                           QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
            return errorOf(*socket_);
        }
        return std::nullopt;
    }
    void close() override { socket_->close(); }
    std::optional<SocketError> sendTo(const std::string& host, std::uint16_t port,
                                      std::string_view data) override {
        QHostAddress address(QString::fromStdString(host));
        if (address.isNull()) {
            const QHostInfo info = QHostInfo::fromName(QString::fromStdString(host));
            if (info.addresses().isEmpty()) return SocketError{-1, "Host not found: " + host};
            address = info.addresses().front();
        }
        if (socket_->writeDatagram(data.data(), static_cast<qint64>(data.size()), address, port) <
            0) {
            return errorOf(*socket_);
        }
        return std::nullopt;
    }
    std::uint16_t localPort() const override { return socket_->localPort(); }

  private:
    void readDatagrams() {
        const auto alive = token_.watch();
        while (socket_->hasPendingDatagrams()) {
            const QNetworkDatagram d = socket_->receiveDatagram();
            if (!d.isValid()) break;
            const QByteArray bytes = d.data();
            fireEvent(
                events_.datagram,
                Datagram{std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                         plainAddress(d.senderAddress()),
                         static_cast<std::uint16_t>(d.senderPort())});
            if (!*alive) return;
        }
    }

    QtOwned<QUdpSocket> socket_{new QUdpSocket};
    Events events_;
    AliveToken token_;
};

}  // namespace

std::unique_ptr<TcpServer> QtNetwork::createTcpServer() {
    return std::make_unique<QtTcpServer>();
}

std::unique_ptr<TcpSocket> QtNetwork::createTcpSocket() {
    return std::make_unique<QtTcpSocket>(new QTcpSocket());
}

std::unique_ptr<UdpSocket> QtNetwork::createUdpSocket() {
    return std::make_unique<QtUdpSocket>();
}

std::string QtNetwork::localHostName() const {
    return QHostInfo::localHostName().toStdString();
}

std::optional<std::string> QtNetwork::resolveHost(const std::string& name) {
    const QHostAddress literal(QString::fromStdString(name));
    if (!literal.isNull()) return literal.toString().toStdString();
    const QHostInfo info = QHostInfo::fromName(QString::fromStdString(name));
    for (const QHostAddress& a : info.addresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol) return a.toString().toStdString();
    }
    if (!info.addresses().isEmpty()) return info.addresses().front().toString().toStdString();
    return std::nullopt;
}

}  // namespace kolt
