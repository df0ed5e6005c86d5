#include "hub/ui/AntennaWindowControl.h"

#include <gtest/gtest.h>

#include "support/HubOnFakes.h"

namespace kolt {
namespace {

class AntennaWindowControlTest : public ::testing::Test, public test::HubOnFakes {
  protected:
    AntennaWindowControl& control() { return hub->antennaControl(); }
    void setting(const char* section, const char* key, const char* value) {
        ProfileFile(home / "koltvcom.ini").writeString(section, key, value);
    }
    std::string setting(const char* section, const char* key) {
        return ProfileFile(home / "koltvcom.ini").readString(section, key);
    }
    float captionSize() {
        const Dial& d = antenna().AG_Az;
        return d.appearance.fonts[static_cast<std::size_t>(d.appearance.captions[0].fontId)].size;
    }
};

TEST_F(AntennaWindowControlTest, TheDialCaptionFollowsTheModelAndGrowsWithTheDial) {
    const struct {
        RotatorModel model;
        bool winTest;
        const char* caption;
    } cases[] = {
        {RotatorModel::KoltUsb, false, "Unit-7"},   {RotatorModel::ZebSe, false, "ZEBX"},
        {RotatorModel::RemoteTcp, false, "Remote"}, {RotatorModel::Azimuth, false, "Tower"},
        {RotatorModel::KoltUsb, true, "Tower"},
    };
    for (const auto& c : cases) {
        reset();
        state().unitLabel = "Unit-7";
        state().rotorName = "Tower";
        control().winTestLinkOn = c.winTest;
        useModel(c.model);
        EXPECT_EQ(antenna().AG_Az.caption(), c.caption) << static_cast<int>(c.model);
    }
    const struct {
        int width;
        float size;
    } sizes[] = {{1999, 22}, {2000, 26}, {2999, 26}, {3000, 30}, {3999, 30},
                 {4000, 34}, {5999, 34}, {6000, 40}, {9000, 40}};
    for (const auto& s : sizes) {
        antenna().AG_Az.rect.width = s.width;
        control().setDialCaption();
        EXPECT_EQ(captionSize(), s.size) << s.width;
        EXPECT_FALSE(antenna().AG_Az.appearance.fonts[0].bold);
    }
}

TEST_F(AntennaWindowControlTest, AFirstStartTakesTheDefaultSizeAndLaterStartsTheSavedPlace) {
    setting("Prosistel", "Model", "1");
    hub->start();
    EXPECT_TRUE(hub->firstStart());
    EXPECT_EQ(antenna().form.width, 3675);
    EXPECT_EQ(antenna().form.height, 2460);
    EXPECT_EQ(antenna().form.caption, "Antenna 1 @ 0º");
    antenna().form.left = 1200;
    antenna().form.top = 900;
    control().resized(5000, 4000);
    antenna().mnuExit.click();
    EXPECT_EQ(setting("Graphic", "Left"), "1200");
    EXPECT_EQ(setting("Graphic", "Width"), "5000");

    reset();
    hub->start();
    EXPECT_FALSE(hub->firstStart());
    EXPECT_EQ(antenna().form.left, 1200);
    EXPECT_EQ(antenna().form.top, 900);
    EXPECT_EQ(antenna().form.width, 5000);
    EXPECT_EQ(antenna().form.height, 4000);

    // Sizes of 1500 or less and places of 0 or less are not taken.
    setting("Graphic", "Width", "1500");
    setting("Graphic", "Left", "-40");
    reset();
    hub->start();
    EXPECT_EQ(antenna().form.width, 3675);
    EXPECT_EQ(antenna().form.left, 0);
}

TEST_F(AntennaWindowControlTest, AMinimisedWindowIsNotSaved) {
    setting("Prosistel", "Model", "1");
    hub->start();
    control().resized(5000, 4000);
    antenna().form.windowState = WindowState::Minimized;
    control().resized(100, 100);  // ignored while minimised
    EXPECT_EQ(antenna().form.width, 5000);
    antenna().mnuExit.click();
    EXPECT_EQ(setting("Graphic", "Width"), "");
}

TEST_F(AntennaWindowControlTest, ResizingWithElevationKeepsTheProportion) {
    setting("Prosistel", "Model", "0");
    hub->start();
    ASSERT_TRUE(state().elevationShown);
    EXPECT_EQ(antenna().form.height, antenna().form.width / 2 + 725);
    control().resized(6000, antenna().form.height);
    EXPECT_EQ(antenna().form.height, 3725);
    control().resized(6000, 4725);
    EXPECT_EQ(antenna().form.width, 8000);
    EXPECT_TRUE(antenna().AG_EL.visible);
    EXPECT_EQ(antenna().AG_EL.rect.width, antenna().AG_Az.rect.width);
    EXPECT_TRUE(antenna().mnuParkEl.visible);
    EXPECT_FALSE(antenna().CmdMemo[0].visible);
    EXPECT_FALSE(antenna().txtPreset.visible);
    antenna().mnuDefaultSize.click();
    EXPECT_EQ(antenna().form.width, 3675);
    EXPECT_EQ(antenna().form.height, 3675 / 2 + 725);
}

TEST_F(AntennaWindowControlTest, AzimuthAloneHidesTheElevationDialAndItsParking) {
    setting("Prosistel", "Model", "1");
    hub->start();
    EXPECT_FALSE(antenna().AG_EL.visible);
    EXPECT_FALSE(antenna().mnuParkEl.visible);
    EXPECT_FALSE(antenna().mnuSetParkingEl.visible);
    EXPECT_TRUE(antenna().CmdMemo[0].visible);
    EXPECT_TRUE(antenna().txtPreset.visible);
    EXPECT_EQ(antenna().AG_Az.rect.width, antenna().AG_Az.rect.height);
    EXPECT_EQ(antenna().CmdMemo[0].rect.height, antenna().AG_Az.rect.height / 6);
}

TEST_F(AntennaWindowControlTest, AlwaysActiveKeepsTheWindowOnTopAndIsStored) {
    hub->start();
    antenna().mnuAlwaysActive.click();
    EXPECT_TRUE(antenna().form.stayOnTop);
    EXPECT_TRUE(antenna().mnuAlwaysActive.checked);
    EXPECT_EQ(setting("Graphic", "On Top"), "1");
    // Dialogs from the menus come in front of it.
    antenna().mnuRotorSetup.click();
    EXPECT_FALSE(antenna().form.stayOnTop);
    hub->rotorSetup().cmdCancel.click();
    EXPECT_TRUE(antenna().form.stayOnTop);
    antenna().mnuEdit.click();
    EXPECT_FALSE(antenna().form.stayOnTop);
    hub->memories().dialog().cmdCancel.click();
    EXPECT_TRUE(antenna().form.stayOnTop);  // the check mark still says so
    dialogs.inputAnswers.push_back("90");
    antenna().mnuSetParking.click();
    EXPECT_FALSE(dialogs.inputs.empty());
    EXPECT_TRUE(antenna().form.stayOnTop);
    antenna().mnuAntennaSetup.click();
    EXPECT_FALSE(antenna().form.stayOnTop);
    hub->antennas().dialog().cmdCancel.click();
    EXPECT_TRUE(antenna().form.stayOnTop);
    antenna().mnuAlwaysActive.click();
    EXPECT_EQ(setting("Graphic", "On Top"), "0");

    reset();
    setting("Graphic", "On Top", "1");
    hub->start();
    EXPECT_TRUE(antenna().form.stayOnTop);
    EXPECT_TRUE(antenna().mnuAlwaysActive.checked);
}

TEST_F(AntennaWindowControlTest, DisplayOnlyAzimuthPerModel) {
    const struct {
        RotatorModel model;
        bool elevationAxis;
        bool shown;
    } cases[] = {
        {RotatorModel::AzimuthElevation, false, true},
        {RotatorModel::Azimuth, false, false},
        {RotatorModel::Elevation, false, false},
        {RotatorModel::Combo, false, true},
        {RotatorModel::RemoteTcp, false, true},
        {RotatorModel::ZebSe, false, false},
        {RotatorModel::ZebSe, true, true},
        {RotatorModel::KoltUsb, false, false},
        {RotatorModel::KoltUsb, true, true},
    };
    for (const auto& c : cases) {
        reset();
        state().firmwareFlags[1] = c.elevationAxis ? 1 : 0;
        state().boardAxes = c.elevationAxis ? 2 : 1;
        useModel(c.model);
        EXPECT_EQ(antenna().mnuOnlyAzimuth.visible, c.shown) << static_cast<int>(c.model);
    }
    reset();
    hub->start();
    state().firmwareFlags[1] = 1;
    useModel(RotatorModel::KoltUsb);
    ASSERT_TRUE(state().elevationShown);
    antenna().mnuOnlyAzimuth.click();
    EXPECT_TRUE(state().forceAzimuthOnly);
    EXPECT_TRUE(antenna().mnuOnlyAzimuth.checked);
    EXPECT_FALSE(state().elevationShown);
    EXPECT_FALSE(antenna().AG_EL.visible);
    EXPECT_TRUE(antenna().CmdMemo[0].visible);
    EXPECT_EQ(setting("General", "Force to Display Only Azimuth"), "1");
    antenna().mnuOnlyAzimuth.click();
    EXPECT_TRUE(state().elevationShown);
    EXPECT_EQ(setting("General", "Force to Display Only Azimuth"), "0");
}

TEST_F(AntennaWindowControlTest, TheDigitalAzimuthWindow) {
    hub->start();
    DigitalAzimuthWindow& d = hub->digitalAzimuth();
    EXPECT_FALSE(d.form.visible);
    activeAntennaRecord(state()).rotorAzimuth = 45;
    hub->display().updateAzimuth();
    antenna().mnuShowAz.click();
    EXPECT_TRUE(d.form.visible);
    EXPECT_TRUE(antenna().mnuShowAz.checked);
    EXPECT_EQ(d.lblBig.caption, "045º");
    activeAntennaRecord(state()).rotorAzimuth = 300;
    hub->display().updateAzimuth();
    loop.advance(1000);
    EXPECT_EQ(d.lblBig.caption, "300º");
    EXPECT_EQ(d.lblSmall.caption, "300");
    EXPECT_EQ(d.form.caption, "300");
    EXPECT_EQ(d.progressValue, 300);
    fireEvent(d.onToggleKey);
    EXPECT_FALSE(d.form.visible);
    EXPECT_FALSE(antenna().mnuShowAz.checked);
    antenna().mnuShowAz.click();
    d.form.requestClose();
    EXPECT_FALSE(d.form.visible);
    EXPECT_FALSE(antenna().mnuShowAz.checked);
}

TEST_F(AntennaWindowControlTest, HideClearsTheGraphicBoxAndGeneralSetupShowsTheMainWindow) {
    hub->start();
    ASSERT_TRUE(antenna().form.visible);
    antenna().mnuHide.visible = true;
    antenna().mnuHide.click();
    EXPECT_FALSE(antenna().form.visible);
    EXPECT_FALSE(main().chkGraphic.value);
    EXPECT_EQ(setting("Graphic", "Active"), "0");
    antenna().mnuGeneralSetup.visible = true;
    antenna().mnuGeneralSetup.click();
    EXPECT_TRUE(main().form.visible);
}

TEST_F(AntennaWindowControlTest, TheConnectionColourIsRedForTheRemoteModel) {
    setting("Prosistel", "Model", "4");
    hub->start();
    EXPECT_EQ(antenna().AG_Az.connectionColour, (Rgb{255, 0, 0}));
    reset();
    setting("Prosistel", "Model", "6");
    hub->start();
    EXPECT_EQ(antenna().AG_Az.connectionColour, (Rgb{0, 0, 255}));
}

TEST_F(AntennaWindowControlTest, TheTrayIconMinimisesAndRestoresTheAntennaWindow) {
    hub->start();
    TrayIcon& tray = hub->trayIcon();
    fireEvent(tray.onLeftButton);
    EXPECT_EQ(antenna().form.windowState, WindowState::Minimized);
    fireEvent(tray.onLeftButton);
    EXPECT_EQ(antenna().form.windowState, WindowState::Normal);
    EXPECT_TRUE(antenna().form.visible);
    main().form.visible = true;
    fireEvent(tray.onRestore);
    EXPECT_FALSE(main().form.visible);
    EXPECT_TRUE(tray.inTray);
}

TEST_F(AntennaWindowControlTest, TabsSetTheirHelpAndSaveStoresTheRotorTab) {
    hub->start();
    main().selectTab(5);
    EXPECT_EQ(main().tabIndex, 5);
    EXPECT_EQ(main().helpContext, 1500);
    main().selectTab(2);  // its feature is still to come: greyed
    EXPECT_EQ(main().tabIndex, 5);
    main().selectTab(0);
    EXPECT_EQ(main().helpContext, 1600);
    main().form.visible = true;
    main().cmbAzPort.text = "7";
    main().cmdSave.click();
    EXPECT_FALSE(main().form.visible);
    EXPECT_EQ(setting("AZIMUTH", "COM"), "7");
}

}  // namespace
}  // namespace kolt
