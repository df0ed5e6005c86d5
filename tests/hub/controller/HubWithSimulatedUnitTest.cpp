// The hub's controller link against the simulator's units, on the virtual
// clock: what the hub writes reaches a unit, what the unit answers comes
// back as the device's bytes a moment later.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "sim/SimUnit.h"
#include "support/HubOnFakes.h"
#include "support/LinkSettings.h"

namespace kolt {
namespace {

using sim::SimUnit;
using sim::UnitKind;
using sim::UnitOptions;

class HubWithSimulatedUnitTest : public ::testing::Test, public test::HubOnFakes {
  protected:
    SimUnit& attach(int port, UnitKind kind, double startAzimuth = 0, int garbageEvery = 0) {
        UnitOptions o;
        o.kind = kind;
        o.garbageEvery = garbageEvery;
        o.speed = 10;
        o.startAzimuth = startAzimuth;
        units.push_back(std::make_unique<SimUnit>(o));
        SimUnit& unit = *units.back();
        unit.advanceTo(loop.elapsedMs());
        serial.addDevice(port).onWrite = [this, port, &unit](const std::string& bytes) {
            unit.advanceTo(loop.elapsedMs());
            const std::string reply = unit.receive(bytes);
            if (!reply.empty()) loop.post([this, port, reply] { serial.deviceSends(port, reply); });
        };
        return unit;
    }
    void startWith(RotatorModel model, const char* azPort, const char* elPort) {
        test::writeLinkSettings(home.path(), model, azPort, elPort);
        reset();
        hub->start();
    }
    void presetAzimuth(const char* text) {
        main().txtPreAz.text = text;
        main().txtPreAz.pressEnter();
    }
    void presetElevation(const char* text) {
        main().txtPreEl.text = text;
        main().txtPreEl.pressEnter();
    }
    std::vector<std::unique_ptr<SimUnit>> units;
};

TEST_F(HubWithSimulatedUnitTest, SingleControllersForBothAxes) {
    SimUnit& az = attach(1, UnitKind::Azimuth, 100);
    SimUnit& el = attach(2, UnitKind::Elevation);
    startWith(RotatorModel::AzimuthElevation, "1", "2");
    loop.advance(1500);
    EXPECT_EQ(state().azimuth, 100);
    presetAzimuth("130");
    presetElevation("20");
    loop.advance(1500);
    EXPECT_TRUE(state().azBusy);
    loop.advance(4000);
    EXPECT_EQ(az.azimuth().position, 130);
    EXPECT_EQ(el.elevation().position, 20);
    EXPECT_EQ(state().azimuth, 130);
    EXPECT_EQ(state().elevation, 20);
    EXPECT_FALSE(state().azBusy);
    // The poll keeps the link alive across the reopen after every fourth command.
    loop.advance(10000);
    EXPECT_EQ(state().azPortOpen, 1);
    EXPECT_LE(state().azTxCount, 4);
}

TEST_F(HubWithSimulatedUnitTest, AStopHaltsTheSingleController) {
    SimUnit& az = attach(1, UnitKind::Azimuth);
    startWith(RotatorModel::Azimuth, "1", "NONE");
    presetAzimuth("200");
    loop.advance(3000);
    antenna().CmdStopAz.click();
    const double stoppedAt = az.azimuth().position;
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, 200);
    loop.advance(3000);
    EXPECT_EQ(az.azimuth().position, stoppedAt);
    EXPECT_EQ(state().azimuth, static_cast<int>(std::lround(stoppedAt)));
}

TEST_F(HubWithSimulatedUnitTest, TheComboUnit) {
    SimUnit& combo = attach(3, UnitKind::Combo, 10);
    startWith(RotatorModel::Combo, "3", "NONE");
    loop.advance(2000);
    EXPECT_EQ(state().azimuth, 10);
    presetAzimuth("045");
    presetElevation("15");
    loop.advance(5000);
    EXPECT_EQ(combo.azimuth().position, 45);
    EXPECT_EQ(combo.elevation().position, 15);
    EXPECT_EQ(state().azimuth, 45);
    EXPECT_EQ(state().elevation, 15);
    EXPECT_EQ(state().shownAzimuth, 45);
}

TEST_F(HubWithSimulatedUnitTest, TheKoltUsbUnitIsIdentifiedThenPolled) {
    SimUnit& unit = attach(4, UnitKind::KoltUsb, 300);
    startWith(RotatorModel::KoltUsb, "4", "NONE");
    loop.advance(1100);
    EXPECT_EQ(state().unitPhase, UnitPhase::Normal);
    EXPECT_EQ(state().firmwareNumber, 10317);
    EXPECT_TRUE(state().elevationShown);
    loop.advance(1000);
    EXPECT_EQ(state().azimuth, 300);
    presetAzimuth("320");
    presetElevation("10");
    loop.advance(4000);  // 2 s to turn, then the next poll
    EXPECT_EQ(unit.azimuth().position, 320);
    EXPECT_EQ(state().azimuth, 320);
    EXPECT_EQ(state().elevation, 10);
    EXPECT_EQ(state().shownAzimuth, 320);
    presetAzimuth("000");
    loop.advance(2000);
    main().cmdStopPreAz.click();
    const double stoppedAt = unit.azimuth().position;
    loop.advance(3000);
    EXPECT_EQ(unit.azimuth().position, stoppedAt);
    EXPECT_GT(stoppedAt, 0);
}

TEST_F(HubWithSimulatedUnitTest, StrayBytesBetweenTheAnswersDoNotLoseTheLink) {
    for (const UnitKind kind : {UnitKind::Azimuth, UnitKind::Combo, UnitKind::KoltUsb}) {
        units.clear();
        serial.removeDevice(1);
        attach(1, kind, 50, 2);  // every second answer comes after noise
        const RotatorModel model = kind == UnitKind::Azimuth ? RotatorModel::Azimuth
                                   : kind == UnitKind::Combo ? RotatorModel::Combo
                                                             : RotatorModel::KoltUsb;
        startWith(model, "1", "NONE");
        loop.advance(3000);
        presetAzimuth("080");
        loop.advance(8000);
        EXPECT_EQ(state().azimuth, 80) << static_cast<int>(kind);
        EXPECT_EQ(state().azPortOpen, 1);
        EXPECT_LE(state().rxAz.size(), 64u);
    }
}

TEST_F(HubWithSimulatedUnitTest, ASilentUnitLeavesTheHubPollingAndRunning) {
    serial.addDevice(4);  // answers nothing
    startWith(RotatorModel::KoltUsb, "4", "NONE");
    loop.advance(5000);
    EXPECT_EQ(state().unitPhase, UnitPhase::Identify);
    EXPECT_EQ(taken(4).find("O\r\nO\r\nO\r\n"), 0u);
}

}  // namespace
}  // namespace kolt
