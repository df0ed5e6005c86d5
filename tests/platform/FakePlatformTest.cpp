// The doubles stand in for the machine in every module test, so they must
// behave as the real layer does where the modules depend on it.

#include <gtest/gtest.h>

#include "platform/fake/FakeNetwork.h"
#include "platform/fake/FakeSerialPort.h"
#include "platform/fake/VirtualEventLoop.h"

namespace kolt {
namespace {

TEST(FakeSerialTest, OpenErrorsTellBusyFromAbsent) {
    FakeSerialBus bus;
    bus.addDevice(3);
    bus.addDevice(4).busy = true;
    auto port = bus.createSerialPort();
    port->setPortNumber(3);
    EXPECT_FALSE(port->open());
    EXPECT_TRUE(port->isOpen());
    // The same control again, another control on the same port, a port held
    // by another program: "in use"; a port that is not there: anything else.
    EXPECT_TRUE(comm::isBusyError(port->open()->code));
    auto second = bus.createSerialPort();
    second->setPortNumber(3);
    EXPECT_TRUE(comm::isBusyError(second->open()->code));
    second->setPortNumber(4);
    EXPECT_TRUE(comm::isBusyError(second->open()->code));
    second->setPortNumber(9);
    const auto absent = second->open();
    ASSERT_TRUE(absent);
    EXPECT_FALSE(comm::isBusyError(absent->code));
    EXPECT_EQ(bus.openAttempts, (std::vector<int>{3, 3, 3, 4, 9}));
}

TEST(FakeSerialTest, CarriesBytesBothWaysAndReportsAPulledDevice) {
    FakeSerialBus bus;
    auto& unit = bus.addDevice(2);
    unit.onWrite = [&](const std::string& bytes) {
        if (bytes == "?\r") bus.deviceSends(2, "ok");
    };
    auto port = bus.createSerialPort();
    std::vector<int> events;
    port->setEventHandler([&](int code) { events.push_back(code); });
    port->setPortNumber(2);
    ASSERT_FALSE(port->open());
    ASSERT_FALSE(port->write("?\r"));
    EXPECT_EQ(unit.written, "?\r");
    EXPECT_EQ(port->readAll(), "ok");
    EXPECT_EQ(port->readAll(), "");
    bus.unplug(2);
    EXPECT_FALSE(port->isOpen());
    EXPECT_EQ(events, (std::vector<int>{comm::kEvReceive, comm::kEventDeviceLost}));
    EXPECT_TRUE(port->write("x"));
}

TEST(FakeNetworkTest, ConnectsAcceptsAndCarriesData) {
    VirtualEventLoop loop;
    FakeNetwork net(loop);
    auto server = net.createTcpServer();
    std::unique_ptr<TcpSocket> accepted;
    server->setEvents({[&](int id) { accepted = server->accept(id); }, {}});
    ASSERT_FALSE(server->listen(6000));
    EXPECT_EQ(server->state(), SocketState::Listening);

    auto client = net.createTcpSocket();
    bool connected = false;
    std::size_t arrived = 0;
    client->setEvents({[&] { connected = true; }, [&](std::size_t n) { arrived += n; }, {}, {}});
    client->connectToHost("localhost", 6000);
    EXPECT_EQ(client->state(), SocketState::Connecting);
    loop.processEvents();
    ASSERT_TRUE(accepted);
    EXPECT_TRUE(connected);
    EXPECT_EQ(client->state(), SocketState::Connected);

    bool closed = false;
    accepted->setEvents({{}, {}, [&] { closed = true; }, {}});
    ASSERT_FALSE(accepted->send("+0123+0045\r\n"));
    loop.processEvents();
    EXPECT_EQ(arrived, 12u);
    EXPECT_EQ(client->receiveAll(), "+0123+0045\r\n");
    client->close();
    loop.processEvents();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(accepted->send("x"));
}

TEST(FakeNetworkTest, RefusesWhatNobodyAccepts) {
    VirtualEventLoop loop;
    FakeNetwork net(loop);
    auto other = net.createTcpServer();
    ASSERT_FALSE(other->listen(6000));
    auto second = net.createTcpServer();
    EXPECT_TRUE(second->listen(6000));  // the port is taken
    EXPECT_EQ(second->state(), SocketState::Error);

    auto client = net.createTcpSocket();
    std::optional<SocketError> error;
    client->setEvents({{}, {}, {}, [&](const SocketError& e) { error = e; }});
    client->connectToHost("localhost", 6001);
    loop.processEvents();
    ASSERT_TRUE(error);
    EXPECT_EQ(client->state(), SocketState::Error);
    EXPECT_FALSE(net.resolveHost("no.such.host"));
}

TEST(FakeNetworkTest, DeliversDatagramsToBoundSockets) {
    VirtualEventLoop loop;
    FakeNetwork net(loop);
    auto listener = net.createUdpSocket();
    std::vector<std::string> got;
    listener->setEvents({[&](const UdpSocket::Datagram& d) { got.push_back(d.data); }, {}});
    ASSERT_FALSE(listener->bind(12040));
    net.deliverDatagram(12040, "<xml/>");
    net.deliverDatagram(12041, "elsewhere");
    auto sender = net.createUdpSocket();
    ASSERT_FALSE(sender->bind(0));
    ASSERT_FALSE(sender->sendTo("127.0.0.1", 12040, "from a peer"));
    loop.processEvents();
    EXPECT_EQ(got, (std::vector<std::string>{"<xml/>", "from a peer"}));
    EXPECT_EQ(net.sentDatagrams.size(), 1u);
}

}  // namespace
}  // namespace kolt
