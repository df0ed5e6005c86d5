#include "platform/qt/QtNetwork.h"

#include <gtest/gtest.h>

#include "support/QtWait.h"

namespace kolt {
namespace {

using test::waitFor;

TEST(QtNetworkTest, AcceptsAConnectionAndCarriesDataOnLoopback) {
    QtNetwork net;
    auto server = net.createTcpServer();
    std::unique_ptr<TcpSocket> accepted;
    server->setEvents({[&](int id) { accepted = server->accept(id); }, {}});
    ASSERT_FALSE(server->listen(0));
    EXPECT_EQ(server->state(), SocketState::Listening);
    const std::uint16_t port = server->localPort();
    ASSERT_NE(port, 0);

    auto client = net.createTcpSocket();
    bool connected = false;
    std::string clientGot;
    client->setEvents({[&] { connected = true; },
                       [&](std::size_t) { clientGot += client->receiveAll(); },
                       {},
                       {}});
    client->connectToHost("127.0.0.1", port);
    ASSERT_TRUE(waitFor([&] { return connected && accepted; }));
    EXPECT_EQ(client->state(), SocketState::Connected);
    EXPECT_EQ(accepted->state(), SocketState::Connected);
    EXPECT_EQ(accepted->remoteHost(), "127.0.0.1");

    std::string serverGot;
    bool closed = false;
    accepted->setEvents({{},
                         [&](std::size_t n) {
                             EXPECT_GT(n, 0u);
                             serverGot += accepted->receiveAll();
                         },
                         [&] { closed = true; },
                         {}});
    ASSERT_FALSE(accepted->send("KOLTVCOM Version 1.0.0\r\n"));
    ASSERT_FALSE(client->send("M090\r"));
    ASSERT_TRUE(waitFor([&] { return serverGot == "M090\r" && clientGot.size() == 24; }));
    EXPECT_EQ(clientGot, "KOLTVCOM Version 1.0.0\r\n");

    client->close();
    ASSERT_TRUE(waitFor([&] { return closed; }));
    EXPECT_EQ(client->state(), SocketState::Closed);
    EXPECT_TRUE(client->send("after close"));
}

TEST(QtNetworkTest, ARequestNobodyAcceptsIsRefused) {
    QtNetwork net;
    auto server = net.createTcpServer();
    int requests = 0;
    server->setEvents({[&](int) { ++requests; }, {}});
    ASSERT_FALSE(server->listen(0));
    auto client = net.createTcpSocket();
    bool closed = false;
    client->setEvents({{}, {}, [&] { closed = true; }, [&](const SocketError&) { closed = true; }});
    client->connectToHost("127.0.0.1", server->localPort());
    ASSERT_TRUE(waitFor([&] { return requests == 1 && closed; }));
}

TEST(QtNetworkTest, ATakenPortFailsTheListen) {
    QtNetwork net;
    auto first = net.createTcpServer();
    ASSERT_FALSE(first->listen(0));
    auto second = net.createTcpServer();
    const auto error = second->listen(first->localPort());
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->description.empty());
    EXPECT_EQ(second->state(), SocketState::Error);
    second->close();
    EXPECT_EQ(second->state(), SocketState::Closed);
}

TEST(QtNetworkTest, AConnectionToAClosedPortReportsAnError) {
    QtNetwork net;
    auto probe = net.createTcpServer();
    ASSERT_FALSE(probe->listen(0));
    const std::uint16_t port = probe->localPort();
    probe->close();
    auto client = net.createTcpSocket();
    std::optional<SocketError> error;
    client->setEvents({{}, {}, {}, [&](const SocketError& e) { error = e; }});
    client->connectToHost("127.0.0.1", port);
    ASSERT_TRUE(waitFor([&] { return error.has_value(); }));
    EXPECT_EQ(client->state(), SocketState::Error);
}

TEST(QtNetworkTest, CarriesDatagrams) {
    QtNetwork net;
    auto listener = net.createUdpSocket();
    std::vector<UdpSocket::Datagram> got;
    listener->setEvents({[&](const UdpSocket::Datagram& d) { got.push_back(d); }, {}});
    ASSERT_FALSE(listener->bind(0));
    EXPECT_EQ(listener->state(), SocketState::Open);
    auto sender = net.createUdpSocket();
    ASSERT_FALSE(sender->bind(0));
    ASSERT_FALSE(sender->sendTo("127.0.0.1", listener->localPort(), "<RotorInfo/>"));
    ASSERT_FALSE(sender->sendTo("localhost", listener->localPort(), "second"));
    ASSERT_TRUE(waitFor([&] { return got.size() == 2; }));
    EXPECT_EQ(got[0].data, "<RotorInfo/>");
    EXPECT_EQ(got[0].host, "127.0.0.1");
    EXPECT_EQ(got[0].port, sender->localPort());
    EXPECT_EQ(got[1].data, "second");
}

TEST(QtNetworkTest, HandlersMayEndTheirOwnSockets) {
    QtNetwork net;
    auto server = net.createTcpServer();
    std::unique_ptr<TcpSocket> accepted;
    int acceptedCount = 0;
    server->setEvents({[&](int id) {
                           accepted = server->accept(id);
                           ++acceptedCount;
                           accepted->setEvents({{}, {}, [&] { accepted.reset(); }, {}});
                       },
                       {}});
    ASSERT_FALSE(server->listen(0));
    auto client = net.createTcpSocket();
    client->setEvents({[&] { client.reset(); }, {}, {}, {}});  // ends itself when connected
    client->connectToHost("127.0.0.1", server->localPort());
    ASSERT_TRUE(waitFor([&] { return !client && acceptedCount == 1; }));
    ASSERT_TRUE(waitFor([&] { return !accepted; }));  // the peer's end ends the server side

    auto listener = net.createUdpSocket();
    int datagrams = 0;
    listener->setEvents({[&](const UdpSocket::Datagram&) {
                             ++datagrams;
                             listener.reset();
                         },
                         {}});
    ASSERT_FALSE(listener->bind(0));
    const std::uint16_t port = listener->localPort();
    auto sender = net.createUdpSocket();
    ASSERT_FALSE(sender->bind(0));
    ASSERT_FALSE(sender->sendTo("127.0.0.1", port, "one"));
    ASSERT_FALSE(sender->sendTo("127.0.0.1", port, "two"));
    ASSERT_TRUE(waitFor([&] { return !listener; }));
    EXPECT_EQ(datagrams, 1);
}

TEST(QtNetworkTest, ResolvesNames) {
    QtNetwork net;
    EXPECT_EQ(net.resolveHost("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(net.resolveHost("localhost"), "127.0.0.1");
    EXPECT_FALSE(net.localHostName().empty());
}

}  // namespace
}  // namespace kolt
