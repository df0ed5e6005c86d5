// koltsim as a real process: its link, its help and mistakes, and its faults.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

using test::ChildProcess;

TEST(SimProcessTest, HelpAndMistakes) {
    ChildProcess help(KOLTSIM_PATH, {"--help"});
    EXPECT_EQ(help.waitForExit(5000), 0);
    EXPECT_NE(help.output().find("Usage: koltsim"), std::string::npos);
    ChildProcess bad(KOLTSIM_PATH, {"--unit", "rotor"});
    EXPECT_EQ(bad.waitForExit(5000), 2);
    EXPECT_NE(bad.output().find("unknown unit 'rotor'"), std::string::npos);
}

TEST(SimProcessTest, AnswersOnItsLinkAndRemovesItOnSigterm) {
    test::TempDir dir;
    ChildProcess sim(KOLTSIM_PATH,
                     {"--com", "7", "--port-dir", dir.path().string(), "--azimuth", "33"});
    ASSERT_TRUE(sim.waitForOutput("linked as " + (dir / "com7").string()));
    const int fd = ::open((dir / "com7").c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios raw{};
    ::tcgetattr(fd, &raw);
    ::cfmakeraw(&raw);
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 20;  // 2 s at most
    ::tcsetattr(fd, TCSANOW, &raw);
    ASSERT_EQ(::write(fd, "C2\r\n", 4), 4);
    std::string reply;
    char buffer[64];
    while (reply.find('\n') == std::string::npos) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        reply.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    EXPECT_EQ(reply, "+0033+0000\r\n");
    sim.signal(SIGTERM);
    EXPECT_EQ(sim.waitForExit(5000), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir / "com7")));
}

TEST(SimProcessTest, UnplugsAfterItsTimeAndLeavesNoLink) {
    test::TempDir dir;
    ChildProcess sim(KOLTSIM_PATH, {"--port-dir", dir.path().string(), "--unplug-after", "0.3"});
    EXPECT_EQ(sim.waitForExit(5000), 0);
    EXPECT_NE(sim.output().find("koltsim: unplugged"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir / "com1")));
}

TEST(SimProcessTest, RefusesToReplaceAFileThatIsNotALink) {
    test::TempDir dir;
    test::writeFile(dir / "com1", "mine");
    ChildProcess sim(KOLTSIM_PATH, {"--port-dir", dir.path().string()});
    EXPECT_EQ(sim.waitForExit(5000), 1);
    EXPECT_NE(sim.output().find("is not a link this program may replace"), std::string::npos);
    EXPECT_EQ(test::readFile(dir / "com1"), "mine");
}

}  // namespace
}  // namespace kolt
