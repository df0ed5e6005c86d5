// The hub as its users start it: a real process on a fresh home folder.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ProfileFile.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

using test::ChildProcess;
using test::readFile;

const std::string kHub = KOLTVCOM_PATH;
constexpr const char* kReady = "Stop it with Ctrl+C.";

class HubProcessTest : public ::testing::Test {
  protected:
    std::unique_ptr<ChildProcess> startHub(std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"--headless", "--home", home.path().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        auto hub = std::make_unique<ChildProcess>(kHub, args);
        EXPECT_TRUE(hub->started());
        EXPECT_TRUE(hub->waitForOutput(kReady)) << hub->output();
        return hub;
    }
    std::string setting(const char* section, const char* key) const {
        return ProfileFile(home / "koltvcom.ini").readString(section, key, "(absent)");
    }

    test::TempDir home;
};

TEST_F(HubProcessTest, AFirstStartCreatesTheSettingsFileAndSigtermEndsIt) {
    auto hub = startHub();
    hub->signal(SIGTERM);
    EXPECT_EQ(hub->waitForExit(1000), 0) << hub->output();

    EXPECT_EQ(setting("General", "QUICK EXIT"), "1");
    EXPECT_EQ(setting("Prosistel", "Model"), "0");
    EXPECT_EQ(setting("AZIMUTH", "REFRESH"), "2");
    EXPECT_EQ(setting("ELEVATION", "REFRESH"), "2");
    EXPECT_EQ(setting("VCOM", "COM"), "COM3");
    EXPECT_EQ(setting("IP Server", "Password"), "QUILTEX");
    for (const auto& [section, key] :
         std::vector<std::pair<const char*, const char*>>{{"General", "Maps Number"},
                                                          {"AZIMUTH", "CCW"},
                                                          {"ELEVATION", "COM"},
                                                          {"Graphic", "KOLT-USB label"},
                                                          {"IP Server", "TCP Port"},
                                                          {"N1MM", "UDP Port"}}) {
        EXPECT_EQ(setting(section, key), "(absent)") << section << " / " << key;
    }
    EXPECT_NE(hub->output().find(home.path().string()), std::string::npos);
}

TEST_F(HubProcessTest, WithADisplayItShowsItsWindowsAndKeepsTheirPlaceOnExit) {
    // The offscreen platform stands in for a display.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ChildProcess hub(kHub, {"--home", home.path().string()});
    ::unsetenv("QT_QPA_PLATFORM");
    ASSERT_TRUE(hub.started());
    ASSERT_TRUE(hub.waitForOutput(kReady)) << hub.output();
    EXPECT_EQ(hub.output().find("headless"), std::string::npos) << hub.output();
    hub.signal(SIGTERM);
    EXPECT_EQ(hub.waitForExit(2000), 0) << hub.output();
    // A first start: the default width, the height laid out for both dials.
    EXPECT_EQ(setting("Graphic", "Width"), "3675");
    EXPECT_EQ(setting("Graphic", "Height"), std::to_string(3675 / 2 + 725));
    EXPECT_EQ(setting("General", "Button"), "1");
}

TEST_F(HubProcessTest, SigintEndsItToo) {
    auto hub = startHub();
    hub->signal(SIGINT);
    EXPECT_EQ(hub->waitForExit(1000), 0) << hub->output();
}

TEST_F(HubProcessTest, TheRangeRulesRewriteTheFile) {
    test::writeFile(home / "koltvcom.ini",
                    "; written by hand\n"
                    "[Station]\n"
                    "Call=EA1ABC\n"
                    "\n"
                    "[VCOM]\n"
                    "DELAY=30\n"
                    "[KOLTWIN]\n"
                    "Auto Run=-1\n");
    auto hub = startHub();
    hub->signal(SIGTERM);
    ASSERT_EQ(hub->waitForExit(1000), 0);
    EXPECT_EQ(setting("VCOM", "DELAY"), "10");
    EXPECT_EQ(setting("KOLTWIN", "Auto Run"), "1");
    const std::string text = readFile(home / "koltvcom.ini");
    EXPECT_EQ(text.rfind("; written by hand\n[Station]\nCall=EA1ABC\n\n[VCOM]\n", 0), 0u) << text;
}

TEST_F(HubProcessTest, TracesTheStartWhenTheAzimuthTraceIsOn) {
    test::writeFile(home / "koltvcom.ini", "[AZIMUTH]\nTRACE=1\n");
    auto hub = startHub();
    hub->signal(SIGTERM);
    ASSERT_EQ(hub->waitForExit(1000), 0);
    ASSERT_TRUE(std::filesystem::is_directory(home / "trace"));
    std::string all;
    for (const auto& f : std::filesystem::directory_iterator(home / "trace")) {
        EXPECT_EQ(f.path().extension(), ".log");
        EXPECT_EQ(f.path().stem().string().size(), 6u);  // yymmdd
        all += readFile(f.path());
    }
    EXPECT_NE(all.find("> AZIM > Loading program, Ver: 1.0.0\r\n"), std::string::npos) << all;
    EXPECT_EQ(all.find("ELEV >"), std::string::npos);
}

TEST_F(HubProcessTest, StartsWithItsWindowsWhereThereIsADisplay) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ChildProcess hub(kHub, {"--home", home.path().string()});
    ::unsetenv("QT_QPA_PLATFORM");
    ASSERT_TRUE(hub.waitForOutput(kReady)) << hub.output();
    EXPECT_NE(hub.output().find("1.0.0 running\n"), std::string::npos) << hub.output();
    hub.signal(SIGTERM);
    EXPECT_EQ(hub.waitForExit(1000), 0) << hub.output();
    EXPECT_EQ(setting("Graphic", "Active"), "1");
}

TEST(HubCommandLineTest, HelpVersionAndMistakes) {
    {
        ChildProcess p(kHub, {"--help"});
        EXPECT_EQ(p.waitForExit(5000), 0);
        EXPECT_NE(p.output().find("Usage: koltvcom"), std::string::npos);
    }
    {
        ChildProcess p(kHub, {"--version"});
        EXPECT_EQ(p.waitForExit(5000), 0);
        EXPECT_EQ(p.output(), "koltvcom 1.0.0\n");
    }
    {
        ChildProcess p(kHub, {"--frobnicate"});
        EXPECT_EQ(p.waitForExit(5000), 2);
        EXPECT_NE(p.output().find("unknown option: --frobnicate"), std::string::npos);
    }
}

TEST(HubCommandLineTest, AHomeThatCannotBeAFolderIsRefused) {
    test::TempDir dir;
    test::writeFile(dir / "file", "x");
    ChildProcess p(kHub, {"--headless", "--home", (dir / "file").string()});
    EXPECT_EQ(p.waitForExit(5000), 1);
    EXPECT_NE(p.output().find("cannot use the home folder"), std::string::npos) << p.output();
}

}  // namespace
}  // namespace kolt
