#include "hub/ui/AntennaDisplay.h"

#include <gtest/gtest.h>

namespace kolt {
namespace {

struct AntennaDisplayTest : ::testing::Test {
    RotatorState state;
    MainWindow main;
    AntennaWindow window;
    AntennaDisplay display{state, main, window};
};

TEST_F(AntennaDisplayTest, TheBearingIsTheRotorAzimuthPlusTheOffset) {
    AntennaRecord& a = activeAntennaRecord(state);
    a.name = "Beam";
    a.offset = 30;
    a.rotorAzimuth = 350;
    display.updateAzimuth();
    EXPECT_EQ(state.shownAzimuth, 20);
    EXPECT_EQ(a.bearing, 20);
    EXPECT_EQ(window.AG_Az.needle[0], 20);
    EXPECT_EQ(window.AG_Az.needleCount, 2);
    EXPECT_EQ(window.form.caption, "Beam @ 20º");
    EXPECT_EQ(main.ddeAzimuth, "RA:20");
}

TEST_F(AntennaDisplayTest, ABidirectionalAntennaShowsItsBackDirection) {
    AntennaRecord& a = activeAntennaRecord(state);
    a.bidirectional = true;
    a.rotorAzimuth = 270;
    display.updateAzimuth();
    EXPECT_EQ(window.AG_Az.needleCount, 3);
    EXPECT_EQ(window.AG_Az.needle[0], 270);
    EXPECT_EQ(window.AG_Az.needle[2], 90);
    EXPECT_EQ(state.shownAzimuth, 90);
    EXPECT_EQ(main.ddeAzimuth, "RA:90");
    // Both ends highlighted from 20 degrees before them.
    EXPECT_EQ(window.AG_Az.sectorStart(0), 250);
    EXPECT_EQ(window.AG_Az.sectorStart(1), 70);
    EXPECT_TRUE(window.AG_Az.sectorShown(1));
    a.bidirectional = false;
    a.rotorAzimuth = 10;
    display.updateAzimuth();
    EXPECT_EQ(window.AG_Az.needleCount, 2);
    EXPECT_EQ(window.AG_Az.sectorStart(0), -10);
    EXPECT_FALSE(window.AG_Az.sectorShown(1));
}

TEST_F(AntennaDisplayTest, ANewElevationReachesTheTitleWhileTheAzimuthStays) {
    // The order the link reports a position in: azimuth first, then elevation.
    state.elevationShown = true;
    AntennaRecord& a = activeAntennaRecord(state);
    a.name = "Beam";
    a.rotorAzimuth = 135;
    for (int poll = 0; poll < 3; ++poll) {
        display.updateAzimuth();
        state.displayElevation = 30;
        display.updateElevation();
    }
    EXPECT_EQ(window.form.caption, "Beam @ 135º | 30º");
    EXPECT_EQ(window.AG_EL.needle[0], 30);
}

TEST_F(AntennaDisplayTest, WithElevationShownAChangeOfElevationAloneRedrawsTheTitle) {
    state.elevationShown = true;
    AntennaRecord& a = activeAntennaRecord(state);
    a.name = "Beam";
    a.rotorAzimuth = 120;
    display.updateAzimuth();
    EXPECT_EQ(window.form.caption, "Beam @ 120º | 0º");
    state.displayElevation = 45;
    display.updateAzimuth();
    EXPECT_EQ(window.form.caption, "Beam @ 120º | 45º");
    window.form.caption = "untouched";
    display.updateAzimuth();  // nothing changed
    EXPECT_EQ(window.form.caption, "untouched");
    state.elevationShown = false;
    state.displayElevation = 50;
    display.updateAzimuth();  // without elevation shown the elevation does not count
    EXPECT_EQ(window.form.caption, "untouched");
}

TEST_F(AntennaDisplayTest, AnUnchangedBearingIsNotDrawnAgain) {
    activeAntennaRecord(state).rotorAzimuth = 33;  // the bearing drawn last at start
    display.updateAzimuth();
    EXPECT_EQ(window.form.caption, "Antenna");
    activeAntennaRecord(state).rotorAzimuth = 34;
    display.updateAzimuth();
    EXPECT_EQ(window.form.caption, " @ 34º");
}

TEST_F(AntennaDisplayTest, ElevationAndBusyColours) {
    state.displayElevation = 200;
    display.updateElevation();
    EXPECT_EQ(state.shownElevation, 180);
    EXPECT_EQ(main.ddeElevation, "RE:180");
    state.azBusy = true;
    display.showAzimuthBusy();
    EXPECT_TRUE(main.lblAzBusy.visible);
    EXPECT_EQ(window.CmdStop.backColour, (Rgb{0, 192, 0}));
    EXPECT_EQ(window.cmdGo.backColour, std::nullopt);
    state.azBusy = false;
    display.showAzimuthBusy();
    EXPECT_FALSE(main.lblAzBusy.visible);
    EXPECT_EQ(window.cmdPresetAz.backColour, (Rgb{0, 192, 0}));
    EXPECT_EQ(window.CmdStopAz.backColour, std::nullopt);
}

}  // namespace
}  // namespace kolt
