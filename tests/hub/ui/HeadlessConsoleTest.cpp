#include "hub/ui/HeadlessConsole.h"

#include <gtest/gtest.h>

#include "support/HubOnFakes.h"

namespace kolt {
namespace {

class HeadlessConsoleTest : public ::testing::Test, public test::HubOnFakes {};

TEST_F(HeadlessConsoleTest, LinesActOnTheControlsOfTheWindows) {
    state().firmwareFlags[1] = 1;
    useModel(RotatorModel::KoltUsb);
    openAzimuth(5);
    taken(5);
    HeadlessConsole console(main(), antenna());
    const struct {
        const char* line;
        const char* written;
        const char* reply;
    } cases[] = {
        {"120", "M120\r\n", ""},           {"  AZ 45 ", "M045\r\n", ""},
        {"el 30", "N030\r\n", ""},         {"stop", "A\r\n", ""},
        {"stop el", "S\r\n", ""},          {"", "", ""},
        {"az x", "", "not a number: x\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(console.handleLine(c.line), c.reply) << c.line;
        EXPECT_EQ(taken(5), c.written) << c.line;
    }
    hub->settings().memoryAngles[2] = 150;
    EXPECT_EQ(console.handleLine("mem 3"), "");
    EXPECT_EQ(taken(5), "M150\r\n");
    EXPECT_EQ(console.handleLine("mem 9"), "memories are 1 to 8\n");
    hub->settings().azimuthParking = 180;
    hub->settings().elevationParking = 10;
    console.handleLine("park");
    EXPECT_EQ(taken(5), "M180\r\nN010\r\n");
    state().shownAzimuth = 100;
    console.handleLine("+15");
    EXPECT_EQ(taken(5), "M115\r\n");
    EXPECT_NE(console.handleLine("turn"), "");
    EXPECT_EQ(taken(5), "");
    state().firmwareFlags[1] = 0;  // a unit without its elevation axis
    useModel(RotatorModel::KoltUsb);
    EXPECT_EQ(console.handleLine("el 10"), "that axis is not in use with this rotator\n");
    EXPECT_EQ(taken(5), "");
    console.handleLine("exit");
    EXPECT_TRUE(loop.exited());
}

}  // namespace
}  // namespace kolt
