#include "hub/controller/ControllerLink.h"

#include <gtest/gtest.h>

#include "support/HubOnFakes.h"

namespace kolt {
namespace {

using test::stx;

std::string kOlderReportForTest() {
    return "Az Min:20\tAz Max:1000\r\nAz Ang:360\tAz Off:0\r\nAz Reso:2\tAz Watch:60\r\n"
           "Az Retray:3\r\nEl Min:20\tEl Max:1000\r\nEl Ang:180\tEl Off:0\r\n"
           "El Reso:2\tEl Watch:60\r\nEl Retray:5\r\n";
}

class ControllerLinkTest : public ::testing::Test, public test::HubOnFakes {};

TEST_F(ControllerLinkTest, FramingPerModel) {
    const struct {
        RotatorModel model;
        int channel;
        const char* text;
        int device;
        const char* written;
    } cases[] = {
        {RotatorModel::AzimuthElevation, 0, "G45", 5,
         "\x02"
         "AG45\r"},
        {RotatorModel::AzimuthElevation, 1, "G30", 6,
         "\x02"
         "AG30\r"},
        {RotatorModel::Combo, 0, "G0450", 5,
         "\x02"
         "AG0450\r"},
        {RotatorModel::Combo, 1, "G0300", 5,
         "\x02"
         "BG0300\r"},
        {RotatorModel::KoltUsb, 0, "M045\r\n", 5, "M045\r\n"},
        {RotatorModel::KoltUsb, 1, "G977", 5, "S\r\n"},
        {RotatorModel::KoltUsb, 0, "xG999x", 5, "S\r\n"},
    };
    for (const auto& c : cases) {
        reset();
        useModel(c.model);
        openAzimuth(5);
        if (c.model == RotatorModel::AzimuthElevation) openElevation(6);
        taken(5);
        int channel = c.channel;
        link().send(c.text, channel);
        EXPECT_EQ(taken(c.device), c.written) << c.text;
        if (c.model == RotatorModel::KoltUsb) {
            EXPECT_EQ(channel, 6);
        }
    }
}

TEST_F(ControllerLinkTest, TheRemoteModelHandsEveryCommandToTheRemoteLink) {
    useModel(RotatorModel::RemoteTcp);
    std::vector<std::string> sent;
    link().hooks.sendRemote = [&](const std::string& text) { sent.push_back(text); };
    link().send("M120\r\n", LinkChannel::Azimuth);
    link().pollAzimuth();
    EXPECT_EQ(sent, (std::vector<std::string>{"M120\r\n", "C2\r\n"}));
}

TEST_F(ControllerLinkTest, AzimuthCommandsCountAndTheFifthPollReopensThePort) {
    useModel(RotatorModel::Azimuth);
    openAzimuth(5);
    for (int i = 0; i < 4; ++i)
        link().pollAzimuth();
    EXPECT_EQ(state().azTxCount, 4);
    const std::size_t opens = serial.openAttempts.size();
    taken(5);
    link().pollAzimuth();
    EXPECT_EQ(serial.openAttempts.size(), opens + 1);  // closed and opened again
    EXPECT_EQ(state().azTxCount, 1);
    EXPECT_EQ(taken(5), stx("A?"));
    EXPECT_EQ(state().azPortOpen, 1);
}

TEST_F(ControllerLinkTest, PollsOfTheKoltUsbUnitFollowItsPhase) {
    const struct {
        UnitPhase phase;
        double firmware;
        const char* written;
    } cases[] = {
        {UnitPhase::Identify, 0, "O\r\n"},      {UnitPhase::Parameters, 313, "FI\r\n"},
        {UnitPhase::Parameters, 312, "FS\r\n"}, {UnitPhase::Sensor, 0, "CB\r\n"},
        {UnitPhase::Normal, 0, "C2\r\n"},       {static_cast<UnitPhase>(5), 0, ""},
    };
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    for (const auto& c : cases) {
        state().unitPhase = c.phase;
        state().firmwareNumber = c.firmware;
        taken(5);
        link().pollAzimuth();
        EXPECT_EQ(taken(5), c.written) << static_cast<int>(c.phase);
    }
}

TEST_F(ControllerLinkTest, TheComboPollAlternatesBetweenItsTwoAxes) {
    useModel(RotatorModel::Combo);
    openAzimuth(5);
    timers().TmrCombo->setInterval(500);
    loop.advance(1000);
    EXPECT_EQ(taken(5), stx("A?") + stx("B?"));
}

TEST_F(ControllerLinkTest, SingleAzimuthReplies) {
    const struct {
        std::string reply;
        int azimuth;
        bool busy;
    } cases[] = {
        {stx("A,?,123,B"), 123, true},
        {stx("A,?,123,."), 123, false},
        {"noise" + stx("A,?,045,.,more"), 45, false},
        {stx("A,?,1x3,B"), 7, false},         // not numeric: unchanged
        {stx("A,?,1") + "23,.\r", 7, false},  // no STX for the rest: read from the start
        {stx("A,?,010,.") + stx("A,?,020,B"), 20, true},  // both frames of a batch
    };
    for (const auto& c : cases) {
        reset();
        useModel(RotatorModel::Azimuth);
        openAzimuth(5);
        state().azimuth = 7;
        serial.deviceSends(5, c.reply);
        EXPECT_EQ(state().azimuth, c.azimuth) << c.reply;
        EXPECT_EQ(state().azBusy, c.busy) << c.reply;
        if (c.azimuth != 7) {
            EXPECT_EQ(activeAntennaRecord(state()).rotorAzimuth, c.azimuth);
            EXPECT_EQ(main().lblAZ.caption, std::to_string(c.azimuth));
        }
    }
}

TEST_F(ControllerLinkTest, AFrameInPiecesIsReadWhenItsEndArrives) {
    useModel(RotatorModel::Azimuth);
    openAzimuth(5);
    serial.deviceSends(5,
                       "\x02"
                       "A,?,2");
    serial.deviceSends(5, "70,.,xxxx");
    EXPECT_EQ(state().azimuth, 0);
    EXPECT_TRUE(timers().TmrAz->isActive());  // polling goes on meanwhile
    serial.deviceSends(5, "\r");
    EXPECT_EQ(state().azimuth, 270);
    EXPECT_NE(traceFile().find("AZIM > RXD: >A,?,270,.,xxxx\r<"), std::string::npos);
}

TEST_F(ControllerLinkTest, ElevationReplies) {
    const struct {
        std::string reply;
        bool inverted;
        int elevation;
    } cases[] = {
        {stx("A,?,45,."), false, 45},
        {stx("A,?,5,."), false, 5},
        {stx("A,?,200,."), false, 0},
        {stx("A,?,30,."), true, 60},
        {stx("A,?,1234,."), false, 77},  // four digits: not an elevation
        {"junk\r" + stx("A,?,12,."), false, 12},
    };
    for (const auto& c : cases) {
        reset();
        useModel(RotatorModel::AzimuthElevation);
        openElevation(6);
        state().elevation = 77;
        state().elevationInverted = c.inverted;
        serial.deviceSends(6, c.reply);
        EXPECT_EQ(state().elevation, c.elevation) << c.reply;
        EXPECT_EQ(state().rxEl, "") << c.reply;
    }
}

TEST_F(ControllerLinkTest, ComboReplies) {
    useModel(RotatorModel::Combo);
    openAzimuth(5);
    serial.deviceSends(5, stx("B,?,045,B"));
    EXPECT_EQ(state().elevation, 45);
    EXPECT_TRUE(state().elBusy);
    EXPECT_EQ(antenna().AG_EL.needle[0], 45);
    serial.deviceSends(5, stx("A,?,270,."));
    EXPECT_EQ(state().azimuth, 270);
    EXPECT_FALSE(state().azBusy);
    EXPECT_EQ(state().shownAzimuth, 270);
    EXPECT_EQ(activeAntennaRecord(state()).rotorAzimuth, 0);  // drawn as received only
    state().elevationInverted = true;
    serial.deviceSends(5, stx("B,?,200,."));
    EXPECT_EQ(state().elevation, 90);  // above 180 is 0, inverted 90
    EXPECT_FALSE(state().elBusy);
}

TEST_F(ControllerLinkTest, ComboShortFramesAreDroppedOnceTextPilesUp) {
    useModel(RotatorModel::Combo);
    openAzimuth(5);
    serial.deviceSends(5, stx("A,?,1"));
    EXPECT_EQ(state().rxAz, stx("A,?,1"));
    serial.deviceSends(5, std::string(20, 'x') + "\r");
    EXPECT_EQ(state().rxAz, "");
}

TEST_F(ControllerLinkTest, KoltUsbBannerIdentifiesTheUnit) {
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    EXPECT_FALSE(state().elevationShown);
    serial.deviceSends(5, "ZEB-USB by TOVRA\r\nVer1.3");
    EXPECT_EQ(state().unitPhase, UnitPhase::Identify);
    serial.deviceSends(5, "D Firm:11\r\n");
    EXPECT_EQ(state().firmwareText, "1.3D");
    EXPECT_EQ(state().firmwareNumber, 313);
    EXPECT_EQ(state().firmwareFlags[0], 1);
    EXPECT_EQ(state().firmwareFlags[1], 1);
    EXPECT_EQ(state().unitPhase, UnitPhase::Normal);
    EXPECT_TRUE(state().elevationShown);
    EXPECT_TRUE(antenna().AG_EL.visible);
    // 313 asks for the newer report but reads the older one.
    state().unitPhase = UnitPhase::Parameters;
    taken(5);
    link().pollAzimuth();
    EXPECT_EQ(taken(5), "FI\r\n");
    serial.deviceSends(5, kOlderReportForTest());
    EXPECT_EQ(state().unitPhase, UnitPhase::Sensor);
    EXPECT_EQ(link().storedParameters().elevation.retries, 5);
}

TEST_F(ControllerLinkTest, KoltUsbPositionsAndTheSensor) {
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    serial.deviceSends(5, "Ver2.3H Firm:10\r\n");
    ASSERT_EQ(state().unitPhase, UnitPhase::Normal);
    serial.deviceSends(5, "+0123+0045\r\n");
    EXPECT_EQ(state().azimuth, 123);
    EXPECT_EQ(state().elevation, 0);  // the unit has no elevation axis
    EXPECT_EQ(state().shownAzimuth, 123);
    state().firmwareFlags[1] = 1;
    serial.deviceSends(5, "+0200+0030\r\n?>");
    EXPECT_EQ(state().azimuth, 200);
    EXPECT_EQ(state().elevation, 30);
    EXPECT_EQ(state().shownElevation, 30);
    serial.deviceSends(5, "+0x00+0030\r\n");
    EXPECT_EQ(state().azimuth, 200);  // not a number: kept

    state().unitPhase = UnitPhase::Sensor;
    serial.deviceSends(5, "ADC-B: 512 300\r\n");
    EXPECT_EQ(state().sensorValue, 512);
    EXPECT_EQ(state().sensorValue2, 300);
    EXPECT_TRUE(link().parametersComplete());
}

TEST_F(ControllerLinkTest, UnconsumedTextNeverGrowsTheBuffersWithoutBound) {
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    openElevation(6);
    for (int i = 0; i < 200; ++i) {
        serial.deviceSends(5, std::string(1000, 'z'));
        serial.deviceSends(6, std::string(1000, 'z'));
    }
    EXPECT_LE(state().rxAz.size(), kReceiveBufferLimit);
    EXPECT_LE(state().rxEl.size(), kReceiveBufferLimit);
}

TEST_F(ControllerLinkTest, AWriteErrorIsTracedAndClosesThatPort) {
    useModel(RotatorModel::AzimuthElevation);
    openAzimuth(5);
    openElevation(6);
    serial.device(6)->failWrites = true;
    link().send("G10", LinkChannel::Elevation);
    EXPECT_EQ(state().elPortOpen, 0);
    EXPECT_EQ(state().azPortOpen, 1);
    EXPECT_NE(traceFile().find("ELEV > Error TX data COM: 1. Description: Write timeout"),
              std::string::npos);
    serial.device(5)->failWrites = true;
    link().send("G10", LinkChannel::Azimuth);
    EXPECT_EQ(state().azPortOpen, 0);
    EXPECT_FALSE(timers().TmrAz->isActive());
}

TEST_F(ControllerLinkTest, AnUnpluggedUnitClosesThePortAndCanBeOpenedAgain) {
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    serial.unplug(5);
    EXPECT_EQ(state().azPortOpen, 0);
    EXPECT_FALSE(timers().TmrAz->isActive());
    EXPECT_EQ(main().cmdAzOpen.caption, "Open");
    EXPECT_NE(traceFile().find("The device of the azimuth port went away"), std::string::npos);
    loop.advance(5000);  // nothing polls a closed port
    openAzimuth(5);
    EXPECT_EQ(state().azPortOpen, 1);
    loop.advance(1000);
    EXPECT_EQ(taken(5), "O\r\n");
}

TEST_F(ControllerLinkTest, LineEventsAreTracedWithTheirNames) {
    useModel(RotatorModel::Azimuth);
    openAzimuth(5);
    serial.deviceSignals(5, comm::kEvCTS);
    serial.deviceSignals(5, comm::kEventOverrun);
    const std::string trace = traceFile();
    EXPECT_NE(trace.find("AZIM > RX: comEvCTS"), std::string::npos);
    EXPECT_NE(trace.find("AZIM > RX: comEventOverrun"), std::string::npos);
}

}  // namespace
}  // namespace kolt
