#include "platform/qt/QtSerialPort.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/QtWait.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

using test::waitFor;

// A pseudo-terminal posing as a device: its slave is linked as comN.
class PtyDevice {
  public:
    explicit PtyDevice(const std::filesystem::path& link) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) std::abort();
        std::filesystem::create_symlink(::ptsname(master_), link);
    }
    ~PtyDevice() { unplug(); }
    void send(const std::string& bytes) {
        [[maybe_unused]] auto n = ::write(master_, bytes.data(), bytes.size());
    }
    // What the program wrote, waiting up to a while for the wanted length.
    std::string receive(std::size_t wanted) {
        std::string got;
        while (got.size() < wanted) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0) break;
            char buffer[256];
            const auto n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) break;
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }
    void unplug() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

  private:
    int master_ = -1;
};

class QtSerialPortTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    QtSerialPortFactory factory{PortDirectory(dir.path())};
};

TEST_F(QtSerialPortTest, CarriesBytesBothWays) {
    PtyDevice unit(dir / "com5");
    auto port = factory.createSerialPort();
    std::vector<int> events;
    port->setEventHandler([&](int code) { events.push_back(code); });
    EXPECT_FALSE(port->setSettings("9600,n,8,1"));
    port->setPortNumber(5);
    const auto error = port->open();
    ASSERT_FALSE(error) << error->description;
    EXPECT_TRUE(port->isOpen());

    ASSERT_FALSE(
        port->write("\x02"
                    "A?\r"));
    EXPECT_EQ(unit.receive(4),
              "\x02"
              "A?\r");

    unit.send("+0123+0045\r\n");
    std::string got;
    ASSERT_TRUE(waitFor([&] {
        got += port->readAll();
        return got.size() >= 12;
    }));
    EXPECT_EQ(got, "+0123+0045\r\n");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), comm::kEvReceive);
    port->close();
    EXPECT_FALSE(port->isOpen());
    EXPECT_TRUE(port->write("late"));
}

TEST_F(QtSerialPortTest, ABusyPortAndAnAbsentOneGiveDifferentErrors) {
    PtyDevice unit(dir / "com5");
    std::filesystem::create_symlink(dir / "nothing-there", dir / "com7");
    auto first = factory.createSerialPort();
    first->setPortNumber(5);
    ASSERT_FALSE(first->open());

    auto second = factory.createSerialPort();
    second->setPortNumber(5);
    const auto busy = second->open();
    ASSERT_TRUE(busy);
    EXPECT_TRUE(comm::isBusyError(busy->code)) << busy->code << " " << busy->description;
    EXPECT_TRUE(comm::isBusyError(first->open()->code));  // the same control again

    second->setPortNumber(7);
    const auto absent = second->open();
    ASSERT_TRUE(absent);
    EXPECT_FALSE(comm::isBusyError(absent->code)) << absent->description;

    first->close();
    second->setPortNumber(5);
    EXPECT_FALSE(second->open());  // free again once the first let it go
}

TEST_F(QtSerialPortTest, RefusesBadSettings) {
    auto port = factory.createSerialPort();
    const auto e = port->setSettings("fast please");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->code, comm::kErrBadSettings);
    EXPECT_EQ(port->settings(), "9600,n,8,1");
}

TEST_F(QtSerialPortTest, AVanishedDeviceClosesThePortAndSaysSo) {
    auto unit = std::make_unique<PtyDevice>(dir / "com3");
    auto port = factory.createSerialPort();
    std::vector<int> events;
    port->setEventHandler([&](int code) { events.push_back(code); });
    port->setPortNumber(3);
    ASSERT_FALSE(port->open());
    unit->unplug();
    ASSERT_TRUE(waitFor([&] { return !port->isOpen(); }));
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), comm::kEventDeviceLost);
}

}  // namespace
}  // namespace kolt
