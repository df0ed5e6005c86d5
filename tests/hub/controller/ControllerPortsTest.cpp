#include "hub/controller/ControllerPorts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ProfileFile.h"
#include "support/HubOnFakes.h"

namespace kolt {
namespace {

class ControllerPortsTest : public ::testing::Test, public test::HubOnFakes {
  protected:
    bool listed(const ListControl& list, const std::string& item) const {
        return std::count(list.items.begin(), list.items.end(), item) == 1;
    }
    std::string setting(const char* section, const char* key) {
        return ProfileFile(home / "koltvcom.ini").readString(section, key, "", 200);
    }
};

TEST_F(ControllerPortsTest, TheScanListsFreeAndBusyPortsAndOffersTheAbsentOnes) {
    serial.addDevice(1);
    serial.addDevice(4).busy = true;
    ListControl dialogList;
    ports().virtualPortDialogList = &dialogList;
    main().cmbAzPort.text = "4";
    ports().scanPorts(PortListOwner::MainWindow);
    EXPECT_EQ(main().cmbAzPort.items, (std::vector<std::string>{"NONE", "1", "4"}));
    EXPECT_EQ(main().cmbElPort.items, (std::vector<std::string>{"NONE", "1", "4"}));
    EXPECT_EQ(main().cmbAzPort.text, "4");
    EXPECT_TRUE(listed(main().cmbCOM, "COM4 (used)"));
    EXPECT_TRUE(listed(dialogList, "COM4 (used)"));
    EXPECT_TRUE(listed(main().cmbCOM, "COM2"));
    EXPECT_TRUE(listed(dialogList, "COM32"));
    EXPECT_FALSE(listed(main().cmbCOM, "COM1"));
    // Every focus scans again; the names are not listed twice.
    main().cmbAzPort.focus();
    EXPECT_TRUE(listed(main().cmbCOM, "COM2"));
    EXPECT_EQ(main().cmbCOM.items.size(), 31u);  // all but the free COM1
}

TEST_F(ControllerPortsTest, TheSetupDialogsScanSkipsTheActiveVirtualPort) {
    serial.addDevice(3);
    serial.addDevice(5);
    ports().activeVirtualPortName = [] { return std::string("COM3"); };
    ports().scanPorts(PortListOwner::RotorSetup);
    EXPECT_EQ(hub->rotorSetup().cmbAzPort.items, (std::vector<std::string>{"NONE", "5"}));
    EXPECT_EQ(main().cmbAzPort.items, (std::vector<std::string>{}));  // not this dialog's
}

TEST_F(ControllerPortsTest, AScanLeavesAnOpenLinkAlone) {
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    ports().scanPorts(PortListOwner::MainWindow);
    EXPECT_TRUE(listed(main().cmbAzPort, "5"));  // ours: in use
    EXPECT_TRUE(hub->serialControls().MSComAz->isOpen());
    EXPECT_EQ(hub->serialControls().MSComAz->portNumber(), 5);
}

TEST_F(ControllerPortsTest, OpeningAndClosingTheAzimuthPort) {
    useModel(RotatorModel::KoltUsb);
    state().azTxCount = 3;
    openAzimuth(5);
    const RotorSetup& setup = hub->rotorSetup();
    EXPECT_EQ(state().azPortOpen, 1);
    EXPECT_EQ(state().azTxCount, 0);
    EXPECT_EQ(state().azPortName, "5");
    EXPECT_TRUE(timers().TmrAz->isActive());
    EXPECT_FALSE(setup.cmbAzPort.enabled);
    EXPECT_EQ(setup.cmbAzPort.backColour, (Rgb{255, 192, 192}));
    EXPECT_EQ(main().cmdAzOpen.caption, "Close");
    EXPECT_EQ(setup.cmdAzOpen.caption, "Close");
    EXPECT_TRUE(main().cmdConfig.enabled);
    EXPECT_EQ(hub->serialControls().MSComAz->settings(), "9600,n,8,1");
    EXPECT_NE(traceFile().find("AZIM > Opening COM Azimuth.... Refresh: 1000"), std::string::npos);

    main().cmdAzOpen.click();
    EXPECT_EQ(state().azPortOpen, 0);
    EXPECT_FALSE(timers().TmrAz->isActive());
    EXPECT_TRUE(setup.cmbAzPort.enabled);
    EXPECT_EQ(setup.cmbAzPort.backColour, (Rgb{128, 255, 128}));
    EXPECT_EQ(main().cmdAzOpen.caption, "Open");
    EXPECT_NE(traceFile().find("AZIM > Close COM Azimuth."), std::string::npos);

    ports().captions.close = "Cerrar";
    main().cmdAzOpen.click();
    EXPECT_EQ(main().cmdAzOpen.caption, "Cerrar");
}

TEST_F(ControllerPortsTest, NoneLeavesThePortClosedWithoutAMessage) {
    main().cmbAzPort.text = "NONE";
    main().cmdAzOpen.click();
    main().cmbElPort.text = "NONE";
    main().cmdElOpen.click();
    EXPECT_EQ(state().azPortOpen, 0);
    EXPECT_EQ(state().elPortOpen, 0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(state().startupError);
}

TEST_F(ControllerPortsTest, AnOpenErrorIsTracedFlaggedAndShown) {
    const struct {
        RotatorModel model;
        bool elevation;
        const char* message;
    } cases[] = {
        {RotatorModel::KoltUsb, false, "Error Opening Com Port: 9"},
        {RotatorModel::Combo, false, "Error Opening Combo Port: 9"},
        {RotatorModel::AzimuthElevation, true, "Error Opening Com Port: 9"},
    };
    for (const auto& c : cases) {
        reset();
        dialogs.messages.clear();
        useModel(c.model);
        state().unitPhase = UnitPhase::Normal;
        if (c.elevation) {
            main().cmbElPort.text = "9";
            main().cmdElOpen.click();
        } else {
            main().cmbAzPort.text = "9";
            main().cmdAzOpen.click();
        }
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_TRUE(state().startupError);
        EXPECT_EQ(state().azPortOpen, 0);
        EXPECT_EQ(state().elPortOpen, 0);
        EXPECT_FALSE(timers().TmrAz->isActive());
        EXPECT_NE(traceFile().find("Opening COM Error:Invalid port number"), std::string::npos);
        if (c.model == RotatorModel::KoltUsb) {
            EXPECT_EQ(state().unitPhase, UnitPhase::Identify);
            EXPECT_TRUE(main().cmdConfig.enabled);
        }
    }
}

TEST_F(ControllerPortsTest, WithTheComboModelTheAzimuthButtonDrivesTheComboPort) {
    useModel(RotatorModel::Combo);
    serial.addDevice(5);
    hub->rotorSetup().cmbAzPort.text = "5";
    hub->rotorSetup().cmdAzOpen.click();  // copies its list into the main window's
    EXPECT_EQ(main().cmbAzPort.text, "5");
    EXPECT_TRUE(hub->serialControls().MSComcombo->isOpen());
    EXPECT_FALSE(hub->serialControls().MSComAz->isOpen());
    EXPECT_EQ(state().azPortOpen, 1);
    EXPECT_EQ(state().elPortOpen, 1);
    EXPECT_TRUE(timers().TmrCombo->isActive());
    EXPECT_EQ(main().cmdAzOpen.caption, "close");
    main().cmdAzOpen.click();
    EXPECT_FALSE(hub->serialControls().MSComcombo->isOpen());
    EXPECT_EQ(state().azPortOpen, 0);
    EXPECT_EQ(state().elPortOpen, 0);
    EXPECT_FALSE(timers().TmrCombo->isActive());
    EXPECT_EQ(main().cmdAzOpen.caption, "open");
}

TEST_F(ControllerPortsTest, ChoosingTheRemoteOrBoardModelClosesThePorts) {
    int boardStarts = 0;
    ports().hooks.startBoard = [&] { ++boardStarts; };
    useModel(RotatorModel::AzimuthElevation);
    openAzimuth(5);
    openElevation(6);
    hub->rotorSetup().cmbModel.choose(static_cast<int>(RotatorModel::ZebSe));
    EXPECT_EQ(state().model, RotatorModel::ZebSe);
    EXPECT_EQ(state().azPortOpen, 0);
    EXPECT_EQ(state().elPortOpen, 0);
    EXPECT_TRUE(hub->rotorSetup().chkOpenPorts.value);
    EXPECT_EQ(boardStarts, 1);
    EXPECT_TRUE(hub->rotorSetup().cmbBoardAxes.visible);
    EXPECT_FALSE(main().cmbAzPort.visible);
}

TEST_F(ControllerPortsTest, TheModelDecidesWhatIsShown) {
    const struct {
        RotatorModel model;
        bool elevationShown;
        const char* portLabel;
        bool azPort;
        bool elPort;
    } cases[] = {
        {RotatorModel::AzimuthElevation, true, "Azim. serial port:", true, true},
        {RotatorModel::Azimuth, false, "Azim. serial port:", true, false},
        {RotatorModel::Elevation, true, "Azim. serial port:", false, true},
        {RotatorModel::Combo, true, "Combo serial port:", true, false},
        {RotatorModel::RemoteTcp, false, "Azim. serial port:", false, false},
        {RotatorModel::ZebSe, false, "Azim. serial port:", false, false},
        {RotatorModel::KoltUsb, false, "KOLT-USB Port:", true, false},
    };
    for (const auto& c : cases) {
        useModel(c.model);
        const RotorSetup& setup = hub->rotorSetup();
        EXPECT_EQ(state().elevationShown, c.elevationShown) << static_cast<int>(c.model);
        EXPECT_EQ(state().comboModel, c.model == RotatorModel::Combo);
        EXPECT_EQ(state().remoteMode, c.model == RotatorModel::RemoteTcp);
        EXPECT_EQ(setup.lblAzPort.caption, c.portLabel);
        EXPECT_EQ(setup.cmbAzPort.visible, c.azPort);
        EXPECT_EQ(setup.cmbElPort.visible, c.elPort);
        EXPECT_EQ(setup.fraRemote.visible, c.model == RotatorModel::RemoteTcp);
        EXPECT_EQ(antenna().mnuRemote.visible, c.model == RotatorModel::RemoteTcp);
        EXPECT_EQ(antenna().AG_EL.visible, c.elevationShown);
        EXPECT_EQ(antenna().txtPreset.visible, !c.elevationShown);
        EXPECT_EQ(setup.cmbModel.listIndex, static_cast<int>(c.model));
    }
    // The remote peer, the board's axes and the unit's flags show the elevation.
    state().remoteHasElevation = true;
    useModel(RotatorModel::RemoteTcp);
    EXPECT_TRUE(state().elevationShown);
    state().firmwareFlags[1] = 1;
    useModel(RotatorModel::KoltUsb);
    EXPECT_TRUE(state().elevationShown);
    state().forceAzimuthOnly = true;
    useModel(RotatorModel::KoltUsb);
    EXPECT_FALSE(state().elevationShown);
    state().forceAzimuthOnly = false;
    useModel(RotatorModel::ZebSe);
    hub->rotorSetup().cmbBoardAxes.choose(1);
    EXPECT_EQ(state().boardAxes, 2);
    EXPECT_TRUE(state().elevationShown);
}

TEST_F(ControllerPortsTest, SaveStoresTheChoicesAndCancelDoesNot) {
    RotorSetup& setup = hub->rotorSetup();
    antenna().form.stayOnTop = true;
    antenna().mnuRotorSetup.click();
    EXPECT_TRUE(setup.form.visible);
    EXPECT_FALSE(antenna().form.stayOnTop);
    setup.cmbModel.choose(static_cast<int>(RotatorModel::Combo));
    setup.cmbAzPort.text = "7";
    setup.cmbElPort.text = "NONE";
    setup.chkOpenPorts.value = true;
    setup.cmdSave.click();
    EXPECT_FALSE(setup.form.visible);
    EXPECT_TRUE(antenna().form.stayOnTop);
    EXPECT_TRUE(main().chkOpenPorts.value);
    EXPECT_TRUE(state().openPortsAtStartup);
    EXPECT_EQ(setting("KOLTWIN", "Auto Run"), "1");
    EXPECT_EQ(setting("AZIMUTH", "COM"), "7");
    EXPECT_EQ(setting("ELEVATION", "COM"), "NONE");
    EXPECT_EQ(setting("Prosistel", "Model"), "3");

    antenna().mnuRotorSetup.click();
    setup.cmbAzPort.text = "9";
    setup.cmdCancel.click();
    EXPECT_FALSE(setup.form.visible);
    EXPECT_EQ(setting("AZIMUTH", "COM"), "7");
    // Its close box hides it; while the hub quits it closes.
    antenna().mnuRotorSetup.click();
    EXPECT_FALSE(setup.form.requestClose());
    EXPECT_FALSE(setup.form.visible);
    state().quitting = true;
    EXPECT_TRUE(setup.form.requestClose());
}

class ConfigurationLaunchTest : public ControllerPortsTest {
  protected:
    void SetUp() override {
        useModel(RotatorModel::KoltUsb);
        openAzimuth(5);
        taken(5);
        ports().hooks.endHub = [this] { ended = true; };
    }
    bool ended = false;
};

TEST_F(ConfigurationLaunchTest, NoLeavesTheHubRunningInThePhaseOfParameters) {
    dialogs.messageAnswers.push_back(MessageAnswer::No);
    main().cmdConfig.click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const MessageRequest& q = dialogs.messages[0];
    EXPECT_EQ(q.title, "Configuration");
    EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    EXPECT_EQ(q.text,
              "The KOLTVCOM program need to be closed for executing the configuration program: "
              "KOLTCONF.exe.\r\n\r\nDo you want continue?");
    EXPECT_EQ(taken(5), "A\r\nS\r\n");  // both axes stopped first
    EXPECT_EQ(state().unitPhase, UnitPhase::Parameters);
    EXPECT_EQ(state().azPortOpen, 1);
    EXPECT_TRUE(processes.started.empty());
    EXPECT_FALSE(ended);
}

TEST_F(ConfigurationLaunchTest, YesStartsTheToolBesideTheHubAndEndsTheHub) {
    dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    ports().languageIndex = 2;
    main().cmdConfig.click();
    EXPECT_EQ(dialogs.messages[0].title, "Configuracion");
    EXPECT_EQ(state().azPortOpen, 0);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].program, home.path() / "bin" / "koltconf");
    EXPECT_EQ(processes.started[0].arguments,
              (std::vector<std::string>{"  /C=5", "--home", home.path().string()}));
    EXPECT_TRUE(ended);
}

TEST_F(ConfigurationLaunchTest, AMissingToolIsReportedAndTheHubStays) {
    dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    processes.startSucceeds = false;
    main().cmdConfig.click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              "The KOLTCONF.exe file not found!\r\nThis program is required for the "
              "configuration and it should be located at: \r\n -> " +
                  (home.path() / "bin").string());
    EXPECT_FALSE(ended);
}

TEST_F(ConfigurationLaunchTest, FromTheSetupDialogTheChoicesAreSavedFirst) {
    dialogs.messageAnswers.push_back(MessageAnswer::No);
    hub->rotorSetup().cmbAzPort.text = "5";
    hub->rotorSetup().cmdConfig.click();
    EXPECT_EQ(setting("Prosistel", "Model"), "6");
    EXPECT_EQ(setting("AZIMUTH", "COM"), "5");
}

}  // namespace
}  // namespace kolt
