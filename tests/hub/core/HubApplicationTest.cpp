#include "hub/core/HubApplication.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/fake/FakeNetwork.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeSerialPort.h"
#include "platform/fake/ScriptedDialogs.h"
#include "platform/fake/VirtualEventLoop.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

using test::readFile;

// A hub on the test doubles, in a fresh home folder.
class HubApplicationTest : public ::testing::Test {
  protected:
    HubApplication& makeHub(std::vector<std::string> arguments = {},
                            std::optional<std::filesystem::path> portDir = std::nullopt) {
        hub = std::make_unique<HubApplication>(
            HubPlatform{loop, serial, net, dialogs, processes},
            HubOptions{home.path(), portDir, std::move(arguments), home.path() / "bin"});
        return *hub;
    }
    void setting(const char* section, const char* key, const char* value) {
        ProfileFile(home / "koltvcom.ini").writeString(section, key, value);
    }
    std::string setting(const char* section, const char* key) const {
        return ProfileFile(home / "koltvcom.ini").readString(section, key);
    }
    std::string todaysTrace() const { return readFile(home / "trace" / "240131.log"); }

    test::TempDir home;
    VirtualEventLoop loop{{2024, 1, 31, 14, 5, 9, 0}};
    FakeSerialBus serial;
    FakeNetwork net{loop};
    ScriptedDialogs dialogs;
    FakeProcesses processes;
    std::unique_ptr<HubApplication> hub;
};

TEST_F(HubApplicationTest, RunsTheStartStepsInTheirOrder) {
    makeHub().start();
    const std::vector<std::string> expected = {"initial values",
                                               "command line",
                                               "paths",
                                               "first start",
                                               "newline",
                                               "lists",
                                               "serial port scan",
                                               "antenna table",
                                               "WinTest settings",
                                               "DXLog settings",
                                               "main settings",
                                               "N1MM settings",
                                               "remote sites",
                                               "azimuth dial appearance",
                                               "elevation dial appearance",
                                               "memory buttons",
                                               "board settings",
                                               "azimuthal map menu",
                                               "version trace",
                                               "dial caption",
                                               "tray icon",
                                               "virtual port component",
                                               "config button and language",
                                               "rotator link",
                                               "board start",
                                               "main window placement",
                                               "main window hidden",
                                               "model applied",
                                               "antenna window",
                                               "pending events",
                                               "WinTest link",
                                               "antenna window layout",
                                               "auto-parking countdown",
                                               "virtual port"};
    EXPECT_EQ(hub->stepsRun(), expected);
}

TEST_F(HubApplicationTest, TracesTheVersionAfterTheSwitchesAreLoaded) {
    setting("AZIMUTH", "TRACE", "1");
    setting("KOLTWIN", "TRACE", "1");
    makeHub().start();
    EXPECT_EQ(todaysTrace(),
              "14:05:09> AZIM > Loading program, Ver: 1.0.0\r\n"
              "14:05:09> VCOM > Loading program, Ver: 1.0.0\r\n"
              "14:05:09> VCOM > Init module\r\n");
    EXPECT_NE(hub->mainWindow().txtRX.text().find("Init module"), std::string::npos);
}

TEST_F(HubApplicationTest, WithoutSwitchesNoTraceFileIsWritten) {
    makeHub().start();
    EXPECT_FALSE(std::filesystem::exists(home / "trace"));
}

TEST_F(HubApplicationTest, CreatesEveryTimerOnItsWindowWithItsIntervalAndState) {
    struct Expected {
        int interval;
        bool on;
        TimerOwner owner;
    };
    using O = TimerOwner;
    const std::map<std::string, Expected> table = {
        {"TmrAz", {1000, false, O::MainWindow}},
        {"TmrEl", {1000, false, O::MainWindow}},
        {"TmrCombo", {500, false, O::MainWindow}},
        {"tmrPersist", {5000, false, O::MainWindow}},
        {"Timer2", {100, false, O::MainWindow}},
        {"TmrDelayVirtual", {1000, false, O::MainWindow}},
        {"TmrAutoCnxIP", {5000, false, O::MainWindow}},
        {"TmrRaspBerry", {1000, false, O::MainWindow}},
        {"TmrTcp", {1000, true, O::MainWindow}},
        {"TmrWT", {1000, true, O::MainWindow}},
        {"tmrZEBX", {500, false, O::MainWindow}},
        {"Tmr_Preset", {5000, false, O::AntennaWindow}},
        {"TmrAutoParking", {1000, false, O::AntennaWindow}},
        {"TmrDDENova", {2000, false, O::AntennaWindow}},
        {"tmrLimitCmdVirtual", {1000, true, O::AntennaWindow}},
        {"Timer1", {1000, true, O::DigitalAzimuthWindow}},
    };
    HubApplication& app = makeHub();
    ASSERT_EQ(kHubTimerTable.size(), table.size());
    for (const TimerSpec& spec : kHubTimerTable) {
        const auto it = table.find(spec.name);
        ASSERT_NE(it, table.end()) << spec.name;
        const Timer& timer = *(app.timers().*spec.member);
        EXPECT_EQ(timer.interval(), it->second.interval) << spec.name;
        EXPECT_EQ(timer.isActive(), it->second.on) << spec.name;
        EXPECT_EQ(spec.owner, it->second.owner) << spec.name;
    }
    // The settings then set the poll intervals.
    setting("AZIMUTH", "REFRESH", "15");
    app.start();
    EXPECT_EQ(app.timers().TmrAz->interval(), 10000);
    EXPECT_EQ(app.timers().TmrCombo->interval(), 10000);
    EXPECT_EQ(app.timers().TmrEl->interval(), 2000);
}

TEST_F(HubApplicationTest, KnowsAFirstStart) {
    makeHub().start();
    EXPECT_TRUE(hub->firstStart());
    EXPECT_EQ(setting("General", "Runonce"), "0");
    makeHub().start();
    EXPECT_FALSE(hub->firstStart());
    setting("General", "Runonce", "1");
    makeHub().start();
    EXPECT_TRUE(hub->firstStart());
}

TEST_F(HubApplicationTest, TheCommandLinePortGoesIntoBothAzimuthLists) {
    setting("AZIMUTH", "COM", "1");
    makeHub({"--headless", "/C=5"}).start();
    EXPECT_EQ(hub->state().commandLinePort, 5);
    EXPECT_EQ(hub->mainWindow().cmbAzPort.text, "5");
    EXPECT_EQ(hub->rotorSetup().cmbAzPort.text, "5");
    EXPECT_EQ(setting("AZIMUTH", "COM"), "1");  // the stored choice is not changed

    makeHub({"/C=abc"}).start();
    EXPECT_EQ(hub->state().commandLinePort, 0);
    EXPECT_EQ(hub->mainWindow().cmbAzPort.text, "1");
}

TEST_F(HubApplicationTest, SetsThePathsAndThePortDirectory) {
    makeHub().start();
    EXPECT_EQ(hub->state().iniPath, (home / "koltvcom.ini").string());
    EXPECT_EQ(hub->state().directoryPath, (home / "Directory.ini").string());
    EXPECT_EQ(hub->state().graphicsPath, (home / "GRAPHICS.ini").string());
    EXPECT_EQ(hub->state().newline, "\r\n");
    EXPECT_EQ(hub->portDirectory().directory(), home / "ports");
    EXPECT_EQ(serial.portDirectory, home / "ports");

    setting("Ports", "Directory", "wine/dosdevices");
    makeHub().start();
    EXPECT_EQ(serial.portDirectory, home / "wine/dosdevices");

    makeHub({}, "/srv/ports").start();
    EXPECT_EQ(serial.portDirectory, "/srv/ports");
}

TEST_F(HubApplicationTest, FillsTheListsOfTheMainWindow) {
    makeHub().start();
    MainWindow& w = hub->mainWindow();
    ASSERT_EQ(w.cmbModel.items.size(), 7u);
    EXPECT_EQ(w.cmbModel.items[3], "Combo (Az & El)");
    EXPECT_EQ(w.cmbModel.items[6], "KOLT-USB");
    EXPECT_EQ(w.cmbBoardAxes.items, (std::vector<std::string>{"Azimuth", "Az & El"}));
    EXPECT_EQ(w.cmbCOM.items.front(), "NONE");
    EXPECT_EQ(w.cmbAzPort.items.front(), "NONE");
    EXPECT_EQ(w.cmbElPort.items.front(), "NONE");
    EXPECT_FALSE(w.cmdDelete.enabled);
    EXPECT_FALSE(w.cmdConfig.enabled);
    EXPECT_EQ(w.tabIndex, 0);
    EXPECT_TRUE(hub->trayIcon().inTray);
    EXPECT_EQ(hub->trayIcon().tip, "KOLTVCOM 1");
}

TEST_F(HubApplicationTest, WhichWindowsTheStartLeavesOnScreen) {
    struct Case {
        const char* openPorts;
        const char* createVirtual;
        const char* graphic;
        bool mainVisible;
        bool antennaVisible;
        const char* port = "1";
    } cases[] = {
        {"0", "0", "1", false, true},  // the antenna window; the main window in the tray
        {"0", "0", "0", true, false},
        {"1", "1", "0", false, false},  // only the tray icon
        {"1", "0", "0", true, false},
        {"1", "1", "0", true, false, "7"},  // the port did not open: the main window stays
    };
    serial.addDevice(1);
    for (const auto& c : cases) {
        setting("AZIMUTH", "COM", c.port);
        setting("ELEVATION", "COM", "NONE");
        setting("KOLTWIN", "Auto Run", c.openPorts);
        setting("VCOM", "Auto Run", c.createVirtual);
        setting("Graphic", "Active", c.graphic);
        makeHub().start();
        EXPECT_EQ(hub->mainWindow().form.visible, c.mainVisible)
            << c.openPorts << c.createVirtual << c.graphic;
        EXPECT_EQ(hub->antennaWindow().form.visible, c.antennaVisible)
            << c.openPorts << c.createVirtual << c.graphic;
    }
}

TEST_F(HubApplicationTest, PendingEventsRunDuringTheStart) {
    bool ran = false;
    loop.post([&] { ran = true; });
    HubApplication& app = makeHub();
    app.start();
    EXPECT_TRUE(ran);
    EXPECT_EQ(loop.pausedMs(), 1);
}

TEST_F(HubApplicationTest, TheGraphicBoxShowsAndHidesTheAntennaWindow) {
    makeHub().start();
    CheckBox& box = hub->mainWindow().chkGraphic;
    ASSERT_TRUE(box.value);
    box.click();
    EXPECT_FALSE(hub->antennaWindow().form.visible);
    EXPECT_EQ(setting("Graphic", "Active"), "0");
    box.click();
    EXPECT_TRUE(hub->antennaWindow().form.visible);
    EXPECT_EQ(setting("Graphic", "Active"), "1");
}

TEST_F(HubApplicationTest, ClosingTheMainWindowHidesItToTheTray) {
    setting("Graphic", "Active", "0");
    makeHub().start();
    ASSERT_TRUE(hub->mainWindow().form.visible);
    EXPECT_FALSE(hub->mainWindow().form.requestClose());
    EXPECT_FALSE(hub->mainWindow().form.visible);
    EXPECT_TRUE(hub->trayIcon().inTray);
    EXPECT_FALSE(loop.exited());
}

TEST_F(HubApplicationTest, ExitEndsAtOnceAndKeepsTheWindowPosition) {
    makeHub().start();
    FormState& w = hub->antennaWindow().form;
    w.left = 1500;
    w.top = 900;
    w.width = 4000;
    w.height = 3000;
    hub->antennaWindow().mnuExit.click();
    EXPECT_TRUE(hub->state().quitting);
    EXPECT_TRUE(loop.exited());
    EXPECT_EQ(loop.exitStatus(), 0);
    EXPECT_EQ(setting("Graphic", "Left"), "1500");
    EXPECT_EQ(setting("Graphic", "Top"), "900");
    EXPECT_EQ(setting("Graphic", "Width"), "4000");
    EXPECT_EQ(setting("Graphic", "Height"), "3000");
}

TEST_F(HubApplicationTest, AMinimisedWindowsPositionIsNotKept) {
    makeHub().start();
    hub->antennaWindow().form.windowState = WindowState::Minimized;
    hub->exitHub();
    EXPECT_TRUE(loop.exited());
    EXPECT_EQ(setting("Graphic", "Left"), "");
}

TEST_F(HubApplicationTest, TheCloseBoxFollowsQuickExit) {
    setting("General", "QUICK EXIT", "0");
    makeHub().start();
    EXPECT_FALSE(hub->antennaWindow().form.requestClose());
    EXPECT_FALSE(loop.exited());
    hub->antennaWindow().mnuExit.click();  // "Exit" still ends the hub
    EXPECT_TRUE(loop.exited());
}

TEST_F(HubApplicationTest, TheCloseBoxEndsTheHubWithQuickExit) {
    makeHub().start();
    EXPECT_TRUE(hub->antennaWindow().form.requestClose());
    EXPECT_TRUE(loop.exited());
}

TEST_F(HubApplicationTest, TheVirtualPortWaitsForItsDelay) {
    setting("VCOM", "Auto Run", "1");
    setting("VCOM", "DELAY", "3");
    makeHub().start();
    Timer& delay = *hub->timers().TmrDelayVirtual;
    EXPECT_TRUE(delay.isActive());
    EXPECT_EQ(delay.interval(), 3000);
    loop.advance(3000);
    EXPECT_FALSE(delay.isActive());  // it fires once and stops itself
}

TEST_F(HubApplicationTest, NoDelayNoWait) {
    setting("VCOM", "Auto Run", "1");
    makeHub().start();
    EXPECT_FALSE(hub->timers().TmrDelayVirtual->isActive());
}

}  // namespace
}  // namespace kolt
