#include "hub/controller/ControllerReplies.h"

#include <gtest/gtest.h>

namespace kolt {
namespace {

TEST(FirmwareNumberTest, VersionTextsAndTheirNumbers) {
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"1.3D", 313},    {"2.1A", 10110}, {"1.30", 0}, {"1.3d", 313}, {"2.3H", 10317},
        {"A.11", 100101}, {"0.3D", 0},     {"1,3D", 0}, {"1.", 0},     {"", 0},
        {"1.0A", 0},      {"9.99", 80909}, {"1.3?", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(firmwareNumberOf(c.text), c.number) << c.text;
}

TEST(HexByteTest, EitherCaseAndNothingElse) {
    EXPECT_EQ(hexByte("1F"), 31);
    EXPECT_EQ(hexByte("a0"), 160);
    EXPECT_EQ(hexByte("0G"), std::nullopt);
    EXPECT_EQ(hexByte("1"), std::nullopt);
    EXPECT_EQ(hexByte(" 1"), std::nullopt);
}

const char* const kOlderReport =
    "Az Min:20\tAz Max:1000\r\nAz Ang:360\tAz Off:15\r\nAz Reso:2\tAz Watch:60\r\n"
    "Az Retray:3\r\nEl Min:25\tEl Max:990\r\nEl Ang:180\tEl Off:0\r\nEl Reso:4\tEl Watch:30\r\n"
    "El Retray:5\r\n";

TEST(OlderParameterLayoutTest, ReadsBothAxesAndIsCompleteAfterTheLastValue) {
    std::string rx = kOlderReport;
    StoredParameters p;
    EXPECT_TRUE(readOlderParameterLayout(rx, p, true));
    EXPECT_EQ(p.azimuth.minimum, 20);
    EXPECT_EQ(p.azimuth.maximum, 1000);
    EXPECT_EQ(p.azimuth.angle, 360);
    EXPECT_EQ(p.azimuth.offset, 15);
    EXPECT_EQ(p.azimuth.resolution, 2);
    EXPECT_EQ(p.azimuth.watchdog, 60);
    EXPECT_EQ(p.azimuth.retries, 3);
    EXPECT_EQ(p.elevation.minimum, 25);
    EXPECT_EQ(p.elevation.maximum, 990);
    EXPECT_EQ(p.elevation.resolution, 4);
    EXPECT_EQ(p.elevation.retries, 5);
}

TEST(OlderParameterLayoutTest, WithoutElevationTheAzimuthRetriesComplete) {
    std::string rx = "Az Min:20\tAz Max:1000\r\nAz Retray:3\r\n";
    StoredParameters p;
    EXPECT_TRUE(readOlderParameterLayout(rx, p, false));
    rx = "Az Min:20\tAz Max:1000\r\nAz Retray:3\r\n";
    EXPECT_FALSE(readOlderParameterLayout(rx, p, true));  // the elevation is still to come
}

TEST(OlderParameterLayoutTest, AValueWaitsForItsEnd) {
    std::string rx = "Az Min:20\tAz Max:10";
    StoredParameters p;
    EXPECT_FALSE(readOlderParameterLayout(rx, p, false));
    EXPECT_EQ(p.azimuth.minimum, 20);
    EXPECT_EQ(p.azimuth.maximum, 0);  // its CR has not arrived
    rx += "00\r\n";
    readOlderParameterLayout(rx, p, false);
    EXPECT_EQ(p.azimuth.maximum, 1000);
}

TEST(NewerParameterLayoutTest, TwoEntriesGiveTheMinimumWith255) {
    std::string rx = "00:14 01:00 02:E8 03:03 02:01 ";
    StoredParameters p;
    readNewerParameterLayout(rx, p);
    EXPECT_EQ(p.azimuth.minimum, 0xE8 + 255 * 1);
    EXPECT_EQ(rx, "");
}

TEST(NewerParameterLayoutTest, AnInvalidValueOrAMissingSpaceChangesNothing) {
    StoredParameters p;
    std::string rx = "02:E8 02:0X ";
    readNewerParameterLayout(rx, p);
    EXPECT_EQ(p.azimuth.minimum, 0);
    rx = "02:E8";
    readNewerParameterLayout(rx, p);
    EXPECT_EQ(rx, "02:E8");  // waits for its space
}

TEST(ReceiveBufferTest, KeepsOnlyTheNewestTextPastTheLimit) {
    std::string buffer;
    for (int i = 0; i < 100; ++i)
        appendBounded(buffer, std::string(1000, static_cast<char>('a' + i % 26)));
    EXPECT_EQ(buffer.size(), kReceiveBufferLimit);
    EXPECT_EQ(buffer.back(), static_cast<char>('a' + 99 % 26));
}

}  // namespace
}  // namespace kolt
