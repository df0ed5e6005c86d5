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
    a.name = "Yagi";
    a.offset = 30;
    a.rotorAzimuth = 350;
    display.updateAzimuth();
    EXPECT_EQ(state.shownAzimuth, 20);
    EXPECT_EQ(a.bearing, 20);
    EXPECT_EQ(window.AG_Az.needle[0], 20);
    EXPECT_EQ(window.AG_Az.needleCount, 2);
    EXPECT_EQ(window.form.caption, "Yagi @ 20º");
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
