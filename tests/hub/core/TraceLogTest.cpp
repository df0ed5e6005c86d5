#include "hub/core/TraceLog.h"

#include <gtest/gtest.h>

#include "platform/fake/VirtualEventLoop.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

using test::readFile;

class TraceLogTest : public ::testing::Test {
  protected:
    std::filesystem::path file(const char* name) const { return dir / "trace" / name; }

    test::TempDir dir;
    VirtualEventLoop clock{{2024, 1, 31, 14, 5, 9, 0}};
    RotatorState state;
    LogBox monitor;
    TraceLog trace{state, clock, dir.path(), monitor};
};

TEST_F(TraceLogTest, WritesEachChannelWithItsPrefixWhenItsSwitchIsOn) {
    state.traceAz = true;
    state.traceEl = true;
    state.traceVcom = true;
    trace.traceWtOn = true;
    trace.logToFile(TraceChannel::Azimuth, "Loading program, Ver: 1.0.0");
    trace.logToFile(TraceChannel::Elevation, "RX: comEvCTS");
    trace.logToFile(TraceChannel::VirtualPort, "TX: +0045+0007");
    trace.logToFile(TraceChannel::WinTest, "RCVD: STATUS");
    trace.logToFile(4, "no such channel");
    trace.logToFile(-1, "no such channel");
    EXPECT_EQ(readFile(file("240131.log")),
              "14:05:09> AZIM > Loading program, Ver: 1.0.0\r\n"
              "14:05:09> ELEV > RX: comEvCTS\r\n"
              "14:05:09> VCOM > TX: +0045+0007\r\n"
              "14:05:09> WT > RCVD: STATUS\r\n");
}

TEST_F(TraceLogTest, ASwitchedOffChannelWritesNothing) {
    state.traceAz = true;
    trace.logToFile(TraceChannel::Elevation, "quiet");
    trace.logToFile(TraceChannel::VirtualPort, "quiet");
    trace.logToFile(TraceChannel::WinTest, "quiet");
    EXPECT_FALSE(std::filesystem::exists(dir / "trace"));
    trace.logToFile(TraceChannel::Azimuth, "heard");
    EXPECT_EQ(readFile(file("240131.log")), "14:05:09> AZIM > heard\r\n");
}

TEST_F(TraceLogTest, LinesAfterMidnightGoToTheNewDaysFile) {
    VirtualEventLoop lateClock({2024, 12, 31, 23, 59, 59, 0});
    TraceLog late(state, lateClock, dir.path(), monitor);
    state.traceVcom = true;
    late.logToFile(TraceChannel::VirtualPort, "old year");
    lateClock.advance(1000);
    late.logToFile(TraceChannel::VirtualPort, "new year");
    EXPECT_EQ(readFile(file("241231.log")), "23:59:59> VCOM > old year\r\n");
    EXPECT_EQ(readFile(file("250101.log")), "00:00:00> VCOM > new year\r\n");
}

TEST_F(TraceLogTest, AFolderRemovedWhileRunningIsMadeAgain) {
    state.traceAz = true;
    trace.logToFile(TraceChannel::Azimuth, "one");
    std::filesystem::remove_all(dir / "trace");
    trace.logToFile(TraceChannel::Azimuth, "two");
    EXPECT_EQ(readFile(file("240131.log")), "14:05:09> AZIM > two\r\n");
}

TEST_F(TraceLogTest, AnUnwritableFolderLosesTheLineQuietly) {
    state.traceAz = true;
    test::writeFile(dir / "trace", "a file where the folder should be");
    trace.logToFile(TraceChannel::Azimuth, "lost");
    EXPECT_EQ(readFile(dir / "trace"), "a file where the folder should be");
}

TEST_F(TraceLogTest, TheMonitorShowsEveryLineAndTheFileFollowsTheVirtualPortSwitch) {
    trace.logToMonitor("Init module");
    EXPECT_EQ(monitor.text(), "14:05:09 -> Init module\r\n");
    EXPECT_FALSE(std::filesystem::exists(file("240131.log")));
    state.traceVcom = true;
    trace.logToMonitor("second");
    EXPECT_EQ(readFile(file("240131.log")), "14:05:09> VCOM > second\r\n");
}

TEST_F(TraceLogTest, TheTraceWindowTakesLinesOnlyWhileItIsOn) {
    state.traceVcom = true;
    trace.logToTraceWindow("while off");
    EXPECT_EQ(trace.window().txtRX.text(), "");
    EXPECT_FALSE(std::filesystem::exists(file("240131.log")));

    trace.window().mnuStart.click();
    state.traceVcom = false;  // window on, file channel off
    trace.logToTraceWindow("shown only");
    EXPECT_EQ(trace.window().txtRX.text(), "14:05:09 -> shown only\r\n");
    EXPECT_FALSE(std::filesystem::exists(file("240131.log")));

    trace.window().mnuStop.click();
    trace.logToTraceWindow("after stop");
    EXPECT_EQ(trace.window().txtRX.text(), "14:05:09 -> shown only\r\n");
}

TEST_F(TraceLogTest, TheTraceWindowsMenu) {
    TraceWindow& w = trace.window();
    w.form.visible = true;
    w.mnuStart.click();
    trace.logToTraceWindow("line");
    w.mnuClear.click();
    EXPECT_EQ(w.txtRX.text(), "");
    w.mnuExit.click();
    EXPECT_FALSE(w.form.visible);
    EXPECT_TRUE(trace.traceWindowOn);  // hiding does not stop the logging
    w.form.visible = true;
    EXPECT_FALSE(w.form.requestClose());  // the window is kept, only hidden
    EXPECT_FALSE(w.form.visible);
}

TEST(TraceWindowTest, KeepsItsSmallestSizeAndFitsTheBox) {
    TraceWindow w;
    w.boxLeft = 100;
    w.boxTop = 50;
    w.resized(1000, 1000);
    EXPECT_EQ(w.form.width, 3200);
    EXPECT_EQ(w.form.height, 2200);
    EXPECT_EQ(w.boxWidth, 3200 - 100 - 200);
    EXPECT_EQ(w.boxHeight, 2200 - 50 - 950);
    w.resized(9000, 6000);
    EXPECT_EQ(w.form.width, 9000);
    EXPECT_EQ(w.boxHeight, 6000 - 50 - 950);
    w.form.windowState = WindowState::Minimized;
    w.resized(100, 100);
    EXPECT_EQ(w.form.width, 9000);
}

TEST(LogBoxTest, CutsItsOldestTextBeforeAppending) {
    LogBox box;
    const LocalDateTime t{2024, 1, 1, 9, 8, 7, 0};
    box.append(std::string(60001 - 15, 'a') + "Z", t);  // 60001 with the time and line end
    ASSERT_EQ(box.text().size(), 60001u);
    const std::string before = box.text();
    box.append("new", t);
    EXPECT_EQ(box.text(), before.substr(60001 - 50000) + "09:08:07 -> new\r\n");
    EXPECT_EQ(box.rewrites(), 1u);
}

TEST(LogBoxTest, AtTheLimitNothingIsCut) {
    LogBox box;
    const LocalDateTime t{};
    box.append(std::string(60000 - 14, 'a'), t);
    ASSERT_EQ(box.text().size(), 60000u);
    box.append("x", t);
    EXPECT_EQ(box.text().size(), 60000u + 15u);
    EXPECT_EQ(box.rewrites(), 0u);
}

TEST(LogBoxTest, ALongRunStaysBounded) {
    LogBox box;
    const LocalDateTime t{};
    for (int i = 0; i < 20000; ++i)
        box.append("RX: +0123+0045", t);
    EXPECT_LE(box.text().size(), LogBox::kLimit + 64);
}

TEST(LogBoxTest, NeverKeepsHalfACharacter) {
    LogBox box;
    const LocalDateTime t{};
    std::string line;
    while (line.size() < 61000)
        line += "\xC2\xBA";  // the degree sign of the titles
    box.append(line, t);
    box.append("x", t);
    EXPECT_NE(static_cast<unsigned char>(box.text()[0]) & 0xC0, 0x80);
}

}  // namespace
}  // namespace kolt
