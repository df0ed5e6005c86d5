#include "hub/core/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "hub/core/HubPaths.h"

namespace kolt {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(CommandLineTest, ReadsTheOptions) {
    const auto l =
        parseHubCommandLine({"/C=5", "--home", "/tmp/h", "--port-dir=/tmp/p", "--headless"});
    EXPECT_EQ(l.error, "");
    EXPECT_EQ(l.home, std::filesystem::path("/tmp/h"));
    EXPECT_EQ(l.portDir, std::filesystem::path("/tmp/p"));
    EXPECT_TRUE(l.headless);
    EXPECT_FALSE(l.help);
    EXPECT_EQ(commandLinePortOf(l.arguments), 5);
    EXPECT_TRUE(parseHubCommandLine({"--help"}).help);
    EXPECT_TRUE(parseHubCommandLine({"--version"}).version);
}

TEST(CommandLineTest, RefusesWhatItCannotUse) {
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--home"}, {"--home="}, {"--bogus"}, {"stray"}}) {
        EXPECT_NE(parseHubCommandLine(bad).error, "") << bad.front();
    }
}

TEST(CommandLineTest, ASlashCWithoutAPortIsIgnoredWithAWarning) {
    for (const char* arg : {"/C=abc", "/C=", "/C=0"}) {
        const auto l = parseHubCommandLine({arg, "--headless"});
        EXPECT_EQ(l.error, "") << arg;
        ASSERT_EQ(l.warnings.size(), 1u) << arg;
        EXPECT_EQ(l.warnings[0], std::string("ignoring ") + arg + ": not a port number");
        EXPECT_TRUE(l.headless);
    }
}

TEST(CommandLineTest, ThePortAfterSlashC) {
    struct Case {
        std::vector<std::string> args;
        int port;
    } cases[] = {
        {{"/C=5"}, 5},   {{"  /C=12"}, 12}, {{"/C= 7 "}, 7}, {{"/C=abc"}, 0},
        {{"/C=5x"}, 0},  {{}, 0},           {{"/c=5"}, 0},   {{"--headless", "/C=3"}, 3},
        {{"/C=2.5"}, 2},  // a number is a number, as the conversion rounds it
    };
    for (const auto& c : cases)
        EXPECT_EQ(commandLinePortOf(c.args), c.port);
}

TEST(HubPathsTest, ThePortDirectoryComesFromTheCommandLineTheSettingsOrTheHome) {
    const std::filesystem::path home = "/home/op/.config/koltvcom";
    EXPECT_EQ(resolvePortDirectory(std::filesystem::path("/x"), "y", home), "/x");
    EXPECT_EQ(resolvePortDirectory(std::nullopt, "/abs/ports", home), "/abs/ports");
    EXPECT_EQ(resolvePortDirectory(std::nullopt, "rel", home), home / "rel");
    EXPECT_EQ(resolvePortDirectory(std::nullopt, "", home), home / "ports");
    const ScopedEnv h("HOME", "/home/op");
    EXPECT_EQ(resolvePortDirectory(std::nullopt, "~/.wine/dosdevices", home),
              "/home/op/.wine/dosdevices");
}

TEST(HubPathsTest, TheDefaultHomeFollowsTheDesktopRules) {
    const ScopedEnv h("HOME", "/home/op");
    {
        const ScopedEnv x("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(defaultHomeFolder("koltvcom"), "/xdg/koltvcom");
    }
    const ScopedEnv x("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(defaultHomeFolder("koltvcom"), "/home/op/.config/koltvcom");
}

}  // namespace
}  // namespace kolt
