#include "sim/SimUnit.h"

#include <gtest/gtest.h>

#include "sim/SimCommandLine.h"

namespace kolt::sim {
namespace {

std::string frame(const std::string& body) {
    return "\x02" + body + "\r";
}

UnitOptions unitOf(UnitKind kind) {
    UnitOptions o;
    o.kind = kind;
    return o;
}

TEST(SimUnitTest, ASingleControllerTurnsAtItsSpeedAndReportsBusy) {
    SimUnit unit(unitOf(UnitKind::Azimuth));
    unit.advanceTo(0);
    EXPECT_EQ(unit.receive(frame("A?")), frame("A,?,000,."));
    EXPECT_EQ(unit.receive(frame("AG30")), "");
    unit.advanceTo(2000);
    EXPECT_EQ(unit.receive(frame("A?")), frame("A,?,012,B"));
    unit.advanceTo(6000);
    EXPECT_EQ(unit.receive(frame("A?")), frame("A,?,030,."));
    unit.receive(frame("AG90"));
    unit.advanceTo(7000);
    unit.receive(frame("AG977"));  // stop where it is
    unit.advanceTo(9000);
    EXPECT_EQ(unit.receive(frame("A?")), frame("A,?,036,."));
    EXPECT_EQ(unit.receive(frame("B?")), "");  // not its address
}

TEST(SimUnitTest, TheElevationControllerSendsShortAngles) {
    UnitOptions o = unitOf(UnitKind::Elevation);
    o.startElevation = 7;
    SimUnit unit(o);
    EXPECT_EQ(unit.receive(frame("A?")), frame("A,?,7,."));
}

TEST(SimUnitTest, TheComboUnitAnswersForTwoAxesAndTakesTenths) {
    SimUnit unit(unitOf(UnitKind::Combo));
    unit.advanceTo(0);
    unit.receive(frame("AG0450") + frame("BG0300"));
    unit.advanceTo(100000);
    EXPECT_EQ(unit.receive(frame("A?") + frame("B?")), frame("A,?,045,.") + frame("B,?,030,."));
    unit.receive(frame("AG3000"));
    unit.advanceTo(101000);
    unit.receive(frame("AG9999"));
    EXPECT_EQ(unit.azimuth().position, 51);
    EXPECT_FALSE(unit.azimuth().moving());
}

TEST(SimUnitTest, BytesOutsideFramesAndPartialFramesAreHandled) {
    SimUnit unit(unitOf(UnitKind::Azimuth));
    EXPECT_EQ(unit.receive("noise\x02"
                           "A"),
              "");
    EXPECT_EQ(unit.receive("?\r"), frame("A,?,000,."));
}

TEST(SimUnitTest, TheKoltUsbUnitsLines) {
    UnitOptions o;
    o.firmware = "1.3D";
    o.startAzimuth = 123;
    o.startElevation = 45;
    SimUnit unit(o);
    unit.advanceTo(0);
    EXPECT_EQ(unit.receive("O\r\n"), "ZEB-USB by TOVRA\r\nVer1.3D Firm:11\r\n");
    EXPECT_EQ(unit.receive("C2\r\n"), "+0123+0045\r\n");
    EXPECT_EQ(unit.receive("CB\r"), "ADC-B: 355 265\r\n");
    unit.receive("M130\r\nN050\r\n");
    unit.advanceTo(10000);
    EXPECT_EQ(unit.receive("C2\n"), "+0130+0050\r\n");
    unit.receive("R\r\n");
    unit.advanceTo(11000);
    unit.receive("S\r\n");
    EXPECT_EQ(unit.azimuth().position, 136);
    const std::string report = unit.receive("FS\r\n");
    EXPECT_NE(report.find("Az Min:20\tAz Max:1000\r\n"), std::string::npos);
    EXPECT_NE(report.find("El Retray:3\r\n"), std::string::npos);
}

TEST(SimUnitTest, TheParameterMemoryKeepsItsChecksum) {
    SimUnit unit(unitOf(UnitKind::KoltUsb));
    auto checksumHolds = [&] {
        const auto& e = unit.eeprom();
        int sum = 0;
        for (std::size_t i = 0; i <= 0x7C; ++i)
            sum += e[i];
        return sum == (e[0x7E] | (e[0x7F] << 8));
    };
    EXPECT_TRUE(checksumHolds());
    unit.receive("FO1F:a5\r\nFAA450\r\nFER7\r\n");
    EXPECT_EQ(unit.eeprom()[0x1F], 0xA5);
    EXPECT_EQ(unit.eeprom()[0x04] | (unit.eeprom()[0x05] << 8), 450);
    EXPECT_EQ(unit.eeprom()[0x12], 7);
    EXPECT_TRUE(checksumHolds());
    const std::string image = unit.receive("FI\r\n");
    EXPECT_NE(image.find("1F:A5 "), std::string::npos);
    EXPECT_NE(image.find("7F:"), std::string::npos);
    unit.receive("FR\r\n");  // back to what was saved
    EXPECT_EQ(unit.eeprom()[0x1F], 0);
    unit.receive("FO1F:01\r\nFW\r\nFD\r\n");
    EXPECT_EQ(unit.eeprom()[0x1F], 0);
    unit.receive("FR\r\n");
    EXPECT_EQ(unit.eeprom()[0x1F], 1);
    unit.receive("FO7E:00\r\nFOZZ:1\r\n");  // the checksum and bad addresses are not writable
    EXPECT_TRUE(checksumHolds());
}

TEST(SimUnitTest, FaultsForTesting) {
    UnitOptions o = unitOf(UnitKind::Azimuth);
    o.silent = true;
    SimUnit silent(o);
    EXPECT_EQ(silent.receive(frame("A?")), "");
    o.silent = false;
    o.garbageEvery = 2;
    SimUnit noisy(o);
    EXPECT_EQ(noisy.receive(frame("A?")), frame("A,?,000,."));
    const std::string second = noisy.receive(frame("A?"));
    EXPECT_NE(second, frame("A,?,000,."));
    EXPECT_EQ(second.substr(second.size() - 11), frame("A,?,000,."));
}

TEST(SimUnitTest, AFloodOfUnframedBytesDoesNotGrowTheUnit) {
    SimUnit unit(unitOf(UnitKind::KoltUsb));
    for (int i = 0; i < 100; ++i)
        unit.receive(std::string(1000, 'x'));
    EXPECT_EQ(unit.receive("\r\nC2\r\n"), "+0000+0000\r\n");
}

TEST(SimCommandLineTest, OptionsAndMistakes) {
    const SimCommandLine line = parseSimCommandLine(
        {"--unit", "combo", "--com", "7", "--port-dir", "/tmp/p", "--speed", "12.5", "--azimuth",
         "90", "--no-elevation", "--firmware", "1.3D", "--garbage", "3", "--unplug-after", "2"});
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.unit.kind, UnitKind::Combo);
    EXPECT_EQ(line.com, 7);
    EXPECT_EQ(line.portDir, std::filesystem::path("/tmp/p"));
    EXPECT_EQ(line.unit.speed, 12.5);
    EXPECT_EQ(line.unit.startAzimuth, 90);
    EXPECT_FALSE(line.unit.hasElevation);
    EXPECT_EQ(line.unit.firmware, "1.3D");
    EXPECT_EQ(line.unit.garbageEvery, 3);
    EXPECT_EQ(line.unplugAfterSeconds, 2);

    const struct {
        std::vector<std::string> args;
        const char* error;
    } mistakes[] = {
        {{"--unit", "rotor"}, "unknown unit 'rotor' (az, el, combo or kolt-usb)"},
        {{"--com"}, "--com needs a value"},
        {{"--com", "0"}, "--com takes a number from 1 to 255, not '0'"},
        {{"--com", "2.5"}, "--com takes a whole number"},
        {{"--speed", "fast"}, "--speed takes a number from 0 to 360, not 'fast'"},
        {{"--firmware", "1.3"}, "--firmware takes four characters, such as 2.3H"},
        {{"--bogus"}, "unknown option '--bogus'"},
    };
    for (const auto& m : mistakes)
        EXPECT_EQ(parseSimCommandLine(m.args).error, m.error) << m.args[0];
    EXPECT_TRUE(parseSimCommandLine({"--help"}).help);
}

}  // namespace
}  // namespace kolt::sim
