#include "hub/core/RotatorState.h"

#include <gtest/gtest.h>

namespace kolt {
namespace {

TEST(RotatorStateTest, StartsWithTheValuesOfAFreshStart) {
    const RotatorState s;
    EXPECT_EQ(s.lastPresetAz, 999);
    EXPECT_EQ(s.lastDrawn[0], 33);
    EXPECT_EQ(s.lastDrawn[1], 0);
    EXPECT_EQ(s.unitPhase, UnitPhase::Identify);
    EXPECT_EQ(s.azUpdateThreshold, 2);
    EXPECT_EQ(s.elUpdateThreshold, 2);
    EXPECT_EQ(s.deltaFilter[0], 1);
    EXPECT_EQ(s.unitLabel, "KOLT-USB");
    EXPECT_EQ(s.rotorName, "KOLT-USB");
    EXPECT_FALSE(s.quitting);
    EXPECT_EQ(s.azPortOpen, 0);
    EXPECT_EQ(s.antennas.size(), 5u);
}

TEST(RotatorStateTest, AntennaBearingAddsTheActiveOffsetAndWraps) {
    struct Case {
        int rotor;
        int offset;
        RotatorModel model;
        int bearing;
    } cases[] = {
        {350, 20, RotatorModel::KoltUsb, 10},
        {5, -10, RotatorModel::AzimuthElevation, 355},
        {100, 30, RotatorModel::Azimuth, 130},
        {350, 20, RotatorModel::RemoteTcp, 350},  // the remote side applied its offset
        {360, 20, RotatorModel::RemoteTcp, 0},
    };
    for (const auto& c : cases) {
        RotatorState s;
        s.model = c.model;
        s.activeAntenna = 2;
        s.antennas[2].rotorAzimuth = static_cast<std::int16_t>(c.rotor);
        s.antennas[2].offset = static_cast<std::int16_t>(c.offset);
        EXPECT_EQ(antennaBearing(s), c.bearing) << c.rotor << " + " << c.offset;
    }
}

TEST(RotatorStateTest, TheActiveIndexNeverLeavesTheFourAntennas) {
    RotatorState s;
    s.antennas[0].name = "first";
    s.antennas[4].name = "spare";
    for (const int index : {4, -1, 99}) {
        s.activeAntenna = static_cast<std::int16_t>(index);
        EXPECT_EQ(activeAntennaRecord(s).name, "first") << index;
    }
    s.activeAntenna = 3;
    EXPECT_EQ(&activeAntennaRecord(s), &s.antennas[3]);
}

TEST(RotatorStateTest, ElevationAsShownIsClamped) {
    RotatorState s;
    for (const auto& [in, out] :
         std::initializer_list<std::pair<int, int>>{{45, 45}, {200, 180}, {-5, 0}, {180, 180}}) {
        s.elevation = static_cast<std::int16_t>(in);
        EXPECT_EQ(elevationAsShown(s), out) << in;
    }
}

}  // namespace
}  // namespace kolt
