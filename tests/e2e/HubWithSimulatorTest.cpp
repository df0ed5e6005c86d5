// The hub's application object on the real platform layer against koltsim
// processes on real pseudo-terminals.

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <memory>

#include "hub/core/HubApplication.h"
#include "platform/HeadlessDialogs.h"
#include "platform/ProfileFile.h"
#include "platform/qt/QtEventLoop.h"
#include "platform/qt/QtNetwork.h"
#include "platform/qt/QtProcesses.h"
#include "platform/qt/QtSerialPort.h"
#include "support/ChildProcess.h"
#include "support/LinkSettings.h"
#include "support/QtWait.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

using test::waitFor;

class HubWithSimulatorTest : public ::testing::Test {
  protected:
    std::unique_ptr<test::ChildProcess> simulate(const char* unit, int com, int azimuth = 0) {
        auto sim = std::make_unique<test::ChildProcess>(
            KOLTSIM_PATH,
            std::vector<std::string>{"--unit", unit, "--com", std::to_string(com), "--port-dir",
                                     (home / "ports").string(), "--speed", "40", "--azimuth",
                                     std::to_string(azimuth)});
        EXPECT_TRUE(sim->waitForOutput("linked as")) << sim->output();
        return sim;
    }

    HubApplication& startHub(RotatorModel model, const char* azPort, const char* elPort) {
        test::writeLinkSettings(home.path(), model, azPort, elPort);
        ProfileFile ini(home / "koltvcom.ini");
        ini.writeString("AZIMUTH", "TRACE", "1");
        ini.writeString("Graphic", "Active", "0");
        hub = std::make_unique<HubApplication>(
            HubPlatform{loop, serialPorts, network, dialogs, processes},
            HubOptions{home.path(), std::nullopt, {}, home.path()});
        hub->start();
        return *hub;
    }

    void preset(const char* azimuth) {
        hub->mainWindow().txtPreAz.text = azimuth;
        hub->mainWindow().txtPreAz.pressEnter();
    }

    // Points far off, stops on the way, and sees the antenna stay put.
    void checkStop(const char* farAway, int from) {
        preset(farAway);
        ASSERT_TRUE(waitFor([&] { return std::abs(hub->state().azimuth - from) >= 20; }, 8000));
        hub->antennaWindow().CmdStopAz.click();
        waitFor([] { return false; }, 1500);  // a poll after the stop
        const int stoppedAt = hub->state().azimuth;
        waitFor([] { return false; }, 1500);
        EXPECT_EQ(hub->state().azimuth, stoppedAt);
        EXPECT_NE(std::to_string(stoppedAt), farAway);
    }

    test::TempDir home;
    QtEventLoop loop;
    QtSerialPortFactory serialPorts{PortDirectory(home / "ports")};
    QtNetwork network;
    HeadlessDialogs dialogs{"koltvcom", std::cerr};
    QtProcesses processes;
    std::unique_ptr<HubApplication> hub;
};

TEST_F(HubWithSimulatorTest, SingleAzimuthAndElevationControllers) {
    auto az = simulate("az", 1, 10);
    auto el = simulate("el", 2);
    HubApplication& h = startHub(RotatorModel::AzimuthElevation, "1", "2");
    ASSERT_EQ(h.state().azPortOpen, 1);
    ASSERT_EQ(h.state().elPortOpen, 1);
    EXPECT_TRUE(waitFor([&] { return h.state().azimuth == 10; }));
    preset("050");
    h.mainWindow().txtPreEl.text = "30";
    h.mainWindow().txtPreEl.pressEnter();
    EXPECT_TRUE(waitFor([&] { return h.state().azimuth == 50 && h.state().elevation == 30; }, 8000))
        << h.state().azimuth << " " << h.state().elevation;
    checkStop("300", 50);
}

TEST_F(HubWithSimulatorTest, SingleAzimuthController) {
    auto az = simulate("az", 3, 200);
    HubApplication& h = startHub(RotatorModel::Azimuth, "3", "NONE");
    EXPECT_TRUE(waitFor([&] { return h.state().azimuth == 200; }));
    preset("170");
    EXPECT_TRUE(waitFor([&] { return h.state().azimuth == 170 && !h.state().azBusy; }, 8000));
    checkStop("010", 170);
}

TEST_F(HubWithSimulatorTest, ComboUnit) {
    auto combo = simulate("combo", 4, 90);
    HubApplication& h = startHub(RotatorModel::Combo, "4", "NONE");
    EXPECT_TRUE(waitFor([&] { return h.state().azimuth == 90; }));
    preset("045");
    h.mainWindow().txtPreEl.text = "20";
    h.mainWindow().txtPreEl.pressEnter();
    EXPECT_TRUE(waitFor([&] { return h.state().azimuth == 45 && h.state().elevation == 20; }, 8000))
        << h.state().azimuth << " " << h.state().elevation;
    checkStop("300", 45);
}

TEST_F(HubWithSimulatorTest, KoltUsbUnitAndItsUnplugging) {
    auto unit = simulate("kolt-usb", 5, 120);
    HubApplication& h = startHub(RotatorModel::KoltUsb, "5", "NONE");
    EXPECT_TRUE(waitFor([&] { return h.state().unitPhase == UnitPhase::Normal; }));
    EXPECT_EQ(h.state().firmwareText, "2.3H");
    EXPECT_TRUE(h.state().elevationShown);
    EXPECT_TRUE(waitFor([&] { return h.state().azimuth == 120; }));
    preset("150");
    EXPECT_TRUE(waitFor([&] { return h.state().shownAzimuth == 150; }, 8000));
    checkStop("350", 150);

    // The unit goes away: the port closes with a trace line, the hub runs on.
    unit->signal(SIGKILL);
    EXPECT_TRUE(waitFor([&] { return h.state().azPortOpen == 0; }));
    EXPECT_FALSE(h.timers().TmrAz->isActive());
    const std::string trace = test::readFile(h.trace().dailyFile(loop.localNow()));
    EXPECT_NE(trace.find("The device of the azimuth port went away; the port is closed."),
              std::string::npos);

    // Back again: the operator opens it once more.
    unit = simulate("kolt-usb", 5, 40);
    h.mainWindow().cmdAzOpen.click();
    EXPECT_EQ(h.state().azPortOpen, 1);
    EXPECT_TRUE(waitFor([&] { return h.state().azimuth == 40; }));
}

}  // namespace
}  // namespace kolt
