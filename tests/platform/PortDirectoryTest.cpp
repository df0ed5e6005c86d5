#include "platform/PortDirectory.h"

#include <gtest/gtest.h>

#include "platform/SerialPort.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

TEST(PortDirectoryTest, APortIsItsLinkOrTheMachinesSerialDevice) {
    test::TempDir dir;
    std::filesystem::create_symlink("/dev/null", dir / "com5");
    std::filesystem::create_symlink(dir / "gone", dir / "com6");  // dangling: the device left
    const PortDirectory ports(dir.path());
    EXPECT_EQ(ports.devicePath(5), dir / "com5");
    EXPECT_EQ(ports.devicePath(6), dir / "com6");
    EXPECT_EQ(ports.devicePath(1), "/dev/ttyS0");
    EXPECT_EQ(ports.devicePath(32), "/dev/ttyS31");
    EXPECT_EQ(ports.entryPath(12), dir / "com12");
}

TEST(PortDirectoryTest, ReadsPortNames) {
    struct Case {
        const char* name;
        std::optional<int> number;
    } cases[] = {
        {"COM3", 3},
        {"com12", 12},
        {"Com1", 1},
        {"COM0", std::nullopt},
        {"COM", std::nullopt},
        {"COM3 ", std::nullopt},
        {"LPT1", std::nullopt},
        {"COMX", std::nullopt},
        {"NONE", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortDirectory::numberOfName(c.name), c.number) << c.name;
}

TEST(LineSettingsTest, ParsesTheSerialControlsSettingsText) {
    const auto s = LineSettings::parse("9600,n,8,1");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->baud, 9600);
    EXPECT_EQ(s->parity, 'N');
    EXPECT_EQ(s->dataBits, 8);
    EXPECT_EQ(s->stopBits, 1);
    const auto t = LineSettings::parse("19200, E, 7, 1.5");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->parity, 'E');
    EXPECT_EQ(t->stopBits, 1.5);
    for (const char* bad : {"", "9600", "9600,n,8", "9600,x,8,1", "9600,n,9,1", "abc,n,8,1",
                            "9600,n,8,3", "9600,n,8,1,1", "10,n,8,1"}) {
        EXPECT_FALSE(LineSettings::parse(bad)) << bad;
    }
}

}  // namespace
}  // namespace kolt
