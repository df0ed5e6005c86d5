#include "hub/controller/PointingControl.h"

#include <gtest/gtest.h>

#include "hub/core/Angles.h"
#include "support/HubOnFakes.h"

namespace kolt {
namespace {

using test::stx;

class PointingControlTest : public ::testing::Test, public test::HubOnFakes {
  protected:
    void presetAzimuth(const std::string& text) {
        main().txtPreAz.text = text;
        main().txtPreAz.pressEnter();
    }
    void presetElevation(const std::string& text) {
        main().txtPreEl.text = text;
        main().txtPreEl.pressEnter();
    }
};

TEST_F(PointingControlTest, RotorAngleForOffsetsAndBidirectionalAntennas) {
    const struct {
        int offset;
        bool bidirectional;
        int rotor;
        int bearing;
        int angle;
    } cases[] = {
        {30, false, 0, 10, 340}, {0, false, 0, 359, 359},  {-20, false, 0, 350, 10},
        {0, true, 0, 200, 20},   {0, true, 0, 90, 90},     {0, true, 0, 271, 271},
        {0, true, 0, 91, 271},   {0, true, 300, 100, 280}, {30, true, 0, 250, 40},
    };
    for (const auto& c : cases) {
        AntennaRecord& a = activeAntennaRecord(state());
        a.offset = static_cast<std::int16_t>(c.offset);
        a.bidirectional = c.bidirectional;
        a.rotorAzimuth = static_cast<std::int16_t>(c.rotor);
        EXPECT_EQ(pointing().rotorAngleFor(static_cast<std::int16_t>(c.bearing)), c.angle)
            << c.offset << " " << c.bidirectional << " " << c.bearing;
    }
}

TEST_F(PointingControlTest, AzimuthPresetPerModel) {
    const struct {
        RotatorModel model;
        const char* text;
        std::string written;
    } cases[] = {
        {RotatorModel::Azimuth, "045", stx("AG45")}, {RotatorModel::Azimuth, "abc", stx("AG0")},
        {RotatorModel::Combo, "045", stx("AG0450")}, {RotatorModel::KoltUsb, "45", "M045\r\n"},
        {RotatorModel::KoltUsb, "400", "M040\r\n"},
    };
    for (const auto& c : cases) {
        reset();
        useModel(c.model);
        openAzimuth(5);
        taken(5);
        presetAzimuth(c.text);
        EXPECT_EQ(taken(5), c.written) << c.text;
    }
}

TEST_F(PointingControlTest, TheSamePresetTwiceIsSentAgainOnlyWhileTheRotorIsElsewhere) {
    useModel(RotatorModel::Azimuth);
    openAzimuth(5);
    presetAzimuth("120");
    EXPECT_EQ(taken(5), stx("AG120"));
    state().azimuth = 120;
    presetAzimuth("120");
    EXPECT_EQ(taken(5), "");
    state().azimuth = 100;
    presetAzimuth("120");
    EXPECT_EQ(taken(5), stx("AG120"));
}

TEST_F(PointingControlTest, FastStopGoesBeforeANewPresetWhileBusy) {
    for (const RotatorModel model : {RotatorModel::Azimuth, RotatorModel::Combo}) {
        reset();
        useModel(model);
        openAzimuth(5);
        state().fastStop[0] = true;
        state().azBusy = true;
        presetAzimuth("045");
        const bool combo = model == RotatorModel::Combo;
        EXPECT_EQ(taken(5), combo ? stx("AG9999") + stx("AG0450") : stx("AG999") + stx("AG45"));
        EXPECT_EQ(antenna().AG_Az.needle[1], 45);
        state().azBusy = false;
        presetAzimuth("050");
        EXPECT_EQ(taken(5), combo ? stx("AG0500") : stx("AG50"));
    }
}

TEST_F(PointingControlTest, PersistSendsThePresetAgainUntilTheRotorArrives) {
    useModel(RotatorModel::Azimuth);
    openAzimuth(5);
    timers().TmrAz->stop();  // polls would clutter the line
    state().presetPersist = true;
    presetAzimuth("120");
    taken(5);
    AntennaRecord& antenna = activeAntennaRecord(state());
    antenna.rotorAzimuth = 100;
    state().azimuth = 100;
    timers().TmrAz->stop();
    loop.advance(5000);
    EXPECT_EQ(taken(5), stx("AG120"));
    EXPECT_NE(traceFile().find("Warning: Persist Detection. PresetAz sent again"),
              std::string::npos);
    timers().TmrAz->stop();
    state().azBusy = true;  // still turning: no check
    loop.advance(5000);
    EXPECT_EQ(taken(5), "");
    state().azBusy = false;
    antenna.rotorAzimuth = 115;
    loop.advance(5000);
    EXPECT_EQ(taken(5), "");
    EXPECT_FALSE(timers().tmrPersist->isActive());

    // A difference above 350 is the same direction across north.
    state().lastPresetAz = 999;
    presetAzimuth("359");
    antenna.rotorAzimuth = 4;
    timers().TmrAz->stop();
    taken(5);
    loop.advance(5000);
    EXPECT_EQ(taken(5), "");
    EXPECT_FALSE(timers().tmrPersist->isActive());
}

TEST_F(PointingControlTest, AStopEndsPersist) {
    useModel(RotatorModel::Azimuth);
    openAzimuth(5);
    state().presetPersist = true;
    presetAzimuth("120");
    ASSERT_TRUE(timers().tmrPersist->isActive());
    taken(5);
    main().cmdStopPreAz.click();
    EXPECT_EQ(taken(5), stx("AG977"));
    EXPECT_FALSE(timers().tmrPersist->isActive());
}

TEST_F(PointingControlTest, StopsPerModel) {
    const struct {
        RotatorModel model;
        bool fast;
        std::string azimuthStop;
        std::string elevationStop;
    } cases[] = {
        {RotatorModel::AzimuthElevation, false, stx("AG977"), stx("AG977")},
        {RotatorModel::AzimuthElevation, true, stx("AG999"), stx("AG999")},
        {RotatorModel::Combo, false, stx("AG977"), stx("BG977")},
        {RotatorModel::KoltUsb, false, "A\r\n", "S\r\n"},
        {RotatorModel::KoltUsb, true, "A\r\n", "S\r\n"},
    };
    for (const auto& c : cases) {
        reset();
        state().firmwareFlags[1] = 1;  // a KOLT-USB unit with its elevation axis
        useModel(c.model);
        openAzimuth(5);
        const int elDevice = c.model == RotatorModel::AzimuthElevation ? 6 : 5;
        if (elDevice == 6) openElevation(6);
        state().fastStop = {c.fast, c.fast};
        taken(5);
        antenna().CmdStopAz.click();
        EXPECT_EQ(taken(5), c.azimuthStop);
        antenna().CmdStopEl.click();
        EXPECT_EQ(taken(elDevice), c.elevationStop);
    }
}

TEST_F(PointingControlTest, ElevationPresetPerModel) {
    const struct {
        RotatorModel model;
        bool inverted;
        const char* text;
        std::string written;
        double needle;
    } cases[] = {
        {RotatorModel::AzimuthElevation, false, "045", stx("AG045"), 45},
        {RotatorModel::AzimuthElevation, false, "45", stx("AG45"), 45},
        {RotatorModel::AzimuthElevation, true, "30", stx("AG60"), 60},
        {RotatorModel::Combo, false, "45", stx("BG0450"), 45},
        {RotatorModel::Combo, true, "30", stx("BG0600"), 60},
        {RotatorModel::KoltUsb, false, "7", "N007\r\n", 7},
    };
    for (const auto& c : cases) {
        reset();
        state().firmwareFlags[1] = 1;
        useModel(c.model);
        openAzimuth(5);
        const int device = c.model == RotatorModel::AzimuthElevation ? 6 : 5;
        if (device == 6) openElevation(6);
        state().elevationInverted = c.inverted;
        taken(device);
        presetElevation(c.text);
        EXPECT_EQ(taken(device), c.written) << c.text;
        EXPECT_EQ(antenna().AG_EL.needle[1], c.needle) << c.text;
    }
}

TEST_F(PointingControlTest, StepsWrapAndChainWithinFiveSeconds) {
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    const struct {
        int shown;
        int step;
        int target;
    } cases[] = {{357, 5, 2}, {10, -15, 355}, {0, -5, 355}, {350, 15, 5}};
    for (const auto& c : cases) {
        timers().Tmr_Preset->stop();
        state().shownAzimuth = static_cast<std::int16_t>(c.shown);
        pointing().stepAzimuth(c.step);
        EXPECT_EQ(main().txtPreAz.text, threeDigits(c.target));
        EXPECT_EQ(antenna().AG_Az.needle[1], c.target);
    }
    timers().Tmr_Preset->stop();
    state().shownAzimuth = 350;
    taken(5);
    antenna().mnuStepRight5.click();
    loop.advance(4000);
    antenna().mnuStepRight5.click();
    EXPECT_EQ(main().txtPreAz.text, "000");
    loop.advance(2000);
    EXPECT_TRUE(timers().Tmr_Preset->isActive());  // restarted by the second step
    loop.advance(3100);
    EXPECT_FALSE(timers().Tmr_Preset->isActive());
    antenna().mnuStepRight5.click();  // from the position again
    EXPECT_EQ(main().txtPreAz.text, "355");
}

TEST_F(PointingControlTest, TheAntennaWindowsEntryPoints) {
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    taken(5);
    antenna().txtPreset.text = "123";
    antenna().cmdGo.click();
    EXPECT_EQ(taken(5), "M123\r\n");
    EXPECT_EQ(main().txtPreAz.text, "123");

    antenna().AG_Az.clickAt(200);
    EXPECT_EQ(taken(5), "M200\r\n");

    dialogs.inputAnswers.push_back("77");
    antenna().cmdPresetAz.click();
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].title, "Preset:");
    EXPECT_EQ(dialogs.inputs[0].defaultText, "200");
    EXPECT_EQ(taken(5), "M077\r\n");

    antenna().cmdPresetAz.click();  // cancelled: points to 0
    EXPECT_EQ(taken(5), "M000\r\n");

    int focusReturns = 0;
    pointing().hooks.returnFocus = [&] { ++focusReturns; };
    antenna().AG_Az.pressButton(1);
    EXPECT_EQ(taken(5), "");
    antenna().AG_Az.pressButton(2);
    EXPECT_EQ(taken(5), "A\r\n");
    EXPECT_EQ(focusReturns, 1);
}

}  // namespace
}  // namespace kolt
