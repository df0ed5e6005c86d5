#include "hub/ui/AntennaSelection.h"

#include <gtest/gtest.h>

#include "support/HubOnFakes.h"

namespace kolt {
namespace {

class AntennaSelectionTest : public ::testing::Test, public test::HubOnFakes {
  protected:
    AntennaSelection& antennas() { return hub->antennas(); }
    void setting(const char* key, const char* value) {
        ProfileFile(home / "koltvcom.ini").writeString("Antenna Setup", key, value);
    }
    std::string setting(const std::string& key) {
        return ProfileFile(home / "koltvcom.ini").readString("Antenna Setup", key);
    }
};

TEST_F(AntennaSelectionTest, DefaultsGiveOneAntennaInTheMenuWithItsCheckMark) {
    hub->start();
    EXPECT_EQ(state().activeAntenna, 0);
    EXPECT_EQ(state().rotorName, "KOLT-USB");
    EXPECT_TRUE(state().antennas[0].enabled);
    EXPECT_EQ(state().antennas[0].name, "Antenna 1");
    EXPECT_FALSE(state().antennas[3].enabled);
    EXPECT_EQ(state().antennas[3].name, "Antenna 4");
    EXPECT_TRUE(antenna().mnuAntSeparator.visible);
    EXPECT_TRUE(antenna().mnuAnt[0].visible);
    EXPECT_TRUE(antenna().mnuAnt[0].checked);
    EXPECT_EQ(antenna().mnuAnt[0].caption, "Antenna 1");
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_FALSE(antenna().mnuAnt[i].visible) << i;
    // Missing keys are not written back by the load.
    EXPECT_EQ(setting("Ant-1 Name"), "");
}

TEST_F(AntennaSelectionTest, AnActiveAntennaOutOfRangeSelectsTheFirst) {
    for (const char* act : {"7", "0", "-3", "x"}) {
        reset();
        setting("Antenna Act", act);
        antennas().load();
        EXPECT_EQ(state().activeAntenna, 0) << act;
    }
    setting("Antenna Act", "3");
    antennas().load();
    EXPECT_EQ(state().activeAntenna, 2);
}

TEST_F(AntennaSelectionTest, TheStoredTableIsRead) {
    setting("Rotor Name", "Tower");
    setting("Ant-2 Act", "1");
    setting("Ant-2 Name", "Log");
    setting("Ant-2 Offset", "90");
    setting("Ant-2 Bidirectionability", "1");
    setting("Ant-2 Limit", "45");
    setting("Ant-1 Act", "yes");  // only "1" enables
    antennas().load();
    const AntennaRecord& a = state().antennas[1];
    EXPECT_TRUE(a.enabled);
    EXPECT_EQ(a.name, "Log");
    EXPECT_EQ(a.offset, 90);
    EXPECT_TRUE(a.bidirectional);
    EXPECT_EQ(a.limit, 45);
    EXPECT_FALSE(state().antennas[0].enabled);
    EXPECT_EQ(state().rotorName, "Tower");
    antennas().activateAntennas();
    EXPECT_FALSE(antenna().mnuAnt[0].visible);
    EXPECT_EQ(antenna().mnuAnt[1].caption, "Log");
}

TEST_F(AntennaSelectionTest, SelectingAnotherAntennaRetitlesAndOffsetsThePresets) {
    setting("Ant-2 Act", "1");
    setting("Ant-2 Name", "Dipole");
    setting("Ant-2 Offset", "90");
    ProfileFile(home / "koltvcom.ini").writeString("Prosistel", "Model", "1");
    hub->start();
    activeAntennaRecord(state()).rotorAzimuth = 10;
    hub->display().updateAzimuth();
    EXPECT_EQ(antenna().form.caption, "Antenna 1 @ 10º");
    antenna().mnuAnt[1].click();
    EXPECT_EQ(state().activeAntenna, 1);
    EXPECT_EQ(antenna().form.caption, "Dipole @ 100º");
    EXPECT_EQ(state().shownAzimuth, 100);
    EXPECT_FALSE(antenna().mnuAnt[0].checked);
    EXPECT_TRUE(antenna().mnuAnt[1].checked);
    EXPECT_EQ(setting("Antenna Act"), "2");
    EXPECT_EQ(pointing().rotorAngleFor(100), 10);
}

TEST_F(AntennaSelectionTest, TheSetupDialogStoresRowsAndCancelKeepsTheTable) {
    hub->start();
    antenna().form.stayOnTop = true;
    antenna().mnuAlwaysActive.checked = true;
    antenna().mnuAntennaSetup.click();
    AntennaSetupDialog& d = antennas().dialog();
    ASSERT_TRUE(d.form.visible);
    EXPECT_EQ(d.form.caption, "Antennas Setup");
    EXPECT_EQ(d.helpTopic, 2110);
    EXPECT_FALSE(antenna().form.stayOnTop);  // the dialog must not hide behind it
    EXPECT_EQ(d.txtName[0].text, "Antenna 1");

    d.chkAnt[2].value = true;
    d.txtName[2].text = "Vertical";
    d.txtOffset[2].text = "400";
    d.txtLimit[2].text = "12";
    d.chkBidirectional[2].value = true;
    d.txtOffset[0].text = "30";
    d.cmdOK.click();
    EXPECT_FALSE(d.form.visible);
    EXPECT_TRUE(antenna().form.stayOnTop);
    const AntennaRecord& a = state().antennas[2];
    EXPECT_TRUE(a.enabled);
    EXPECT_EQ(a.offset, 0);
    EXPECT_EQ(a.limit, 12);
    EXPECT_EQ(state().antennas[0].offset, 30);
    EXPECT_EQ(setting("Ant-3 Act"), "1");
    EXPECT_EQ(setting("Ant-3 Name"), "Vertical");
    EXPECT_EQ(setting("Ant-3 Offset"), "0");
    EXPECT_EQ(setting("Ant-3 Bidirectionability"), "1");
    EXPECT_EQ(setting("Ant-3 Limit"), "12");
    EXPECT_EQ(setting("Ant-4 Act"), "0");
    // The menu and the title follow at once.
    EXPECT_TRUE(antenna().mnuAnt[2].visible);
    EXPECT_EQ(antenna().mnuAnt[2].caption, "Vertical");
    EXPECT_EQ(antenna().form.caption, "Antenna 1 @ 30º | 0º");

    antenna().mnuAntennaSetup.click();
    d.txtName[0].text = "Changed";
    d.cmdCancel.click();
    EXPECT_EQ(state().antennas[0].name, "Antenna 1");
    EXPECT_EQ(d.txtName[0].text, "Antenna 1");
}

}  // namespace
}  // namespace kolt
