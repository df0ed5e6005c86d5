#include "hub/core/MainSettingsLoader.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>
#include <ostream>

#include "platform/fake/VirtualEventLoop.h"
#include "support/TempDir.h"

namespace kolt {
namespace {

using test::readFile;
using test::writeFile;

// Everything the loader writes into, on a fresh home folder.
struct LoaderBench {
    LoaderBench() {
        mainWindow.chkGraphic.onClick = [this] { ++graphicClicks; };
        for (std::size_t i = 0; i < mainWindow.chkEmul.size(); ++i) {
            mainWindow.chkEmul[i].onClick = [this, i] {
                emulationClicks.push_back(static_cast<int>(i));
            };
        }
    }

    void load() {
        SettingsTargets t{state, settings, timers, mainWindow, rotorSetup, trace};
        loadMainSettings(file, t);
    }
    std::string stored(const std::string& section, const std::string& key) const {
        return file.readString(section, key);
    }

    test::TempDir dir;
    SettingsFile file{dir / "koltvcom.ini"};
    VirtualEventLoop loop;
    RotatorState state;
    HubSettings settings;
    HubTimers timers{loop};
    MainWindow mainWindow;
    RotorSetup rotorSetup;
    LogBox monitor;
    TraceLog trace{state, loop, dir.path(), monitor};
    int graphicClicks = 0;
    std::vector<int> emulationClicks;
};

class MainSettingsLoaderTest : public ::testing::Test, public LoaderBench {};

// Every key of the main settings in the order the start reads them, with
// what a first start writes (nullptr: not written).
struct MainKey {
    std::string section;
    std::string key;
    const char* firstStartValue;
};

std::vector<MainKey> mainKeys() {
    std::vector<MainKey> keys = {
        {"General", "QUICK EXIT", "1"},
        {"General", "Azimuth Parking", "0"},
        {"General", "Elevation Parking", "0"},
        {"General", "Auto Parking", "0"},
        {"General", "Auto Parking Timer", "0"},
        {"General", "Force to Display Only Azimuth", "0"},
        {"General", "Maps Number", nullptr},
        {"General", "Load Azimuth Map", "0"},
        {"Prosistel", "Model", "0"},
        {"KOLTWIN", "Auto Run", "0"},
        {"KOLTWIN", "TRACE", "0"},
        {"KOLTWIN", "Simula AZ", "0"},
        {"KOLTWIN", "Simula EL", "0"},
        {"AZIMUTH", "FAST STOP", "0"},
        {"AZIMUTH", "CCW", nullptr},
        {"ELEVATION", "FAST STOP", "0"},
        {"VCOM", "Auto Run", "0"},
        {"VCOM", "COM", "COM3"},
        {"VCOM", "DELAY", "0"},
        {"VCOM", "TRACE", "0"},
        {"VCOM", "Limit Commands", "0"},
        {"VCOM", "seconds limit", "0"},
        {"AZIMUTH", "COM", "1"},
        {"AZIMUTH", "TRACE", "0"},
        {"AZIMUTH", "PRESET PERSIST", "0"},
        {"ELEVATION", "TRACE", "0"},
        {"AZIMUTH", "RANDOM", "0"},
        {"ELEVATION", "RANDOM", "0"},
        {"KOLTWIN", "AZ UPDATE POSITION", "2"},
        {"KOLTWIN", "EL UPDATE POSITION", "2"},
        {"AZIMUTH", "REFRESH", "2"},
        {"ELEVATION", "REFRESH", "2"},
        {"ELEVATION", "INVERSION", "0"},
        {"ELEVATION", "COM", nullptr},
        {"Tracking", "Emulation", "0"},
        {"DDE Client", "NOVA", "0"},
        {"DDE Client", "Delta Azimuth Filter", "1"},
        {"DDE Client", "Delta Elevation Filter", "1"},
    };
    static const char* const angles[] = {"70", "110", "150", "190", "230", "270", "310", "350"};
    static const char* const names[] = {"Memory-1", "Memory-2", "Memory-3", "Memory-4",
                                        "Memory-5", "Memory-6", "Memory-7", "Memory-8"};
    for (int n = 1; n <= 8; ++n) {
        keys.push_back({"Memory", "Name-" + std::to_string(n), names[n - 1]});
        keys.push_back({"Memory", "Angle-" + std::to_string(n), angles[n - 1]});
    }
    const std::vector<MainKey> rest = {
        {"Graphic", "Active", "1"},
        {"Graphic", "KOLT-USB label", nullptr},
        {"IP Server", "TCP Port", nullptr},
        {"IP Server", "TCP", "0"},
        {"IP Server", "Password_required", "0"},
        {"IP Server", "Password", "QUILTEX"},
        {"IP Server", "Mode", "0"},
        {"N1MM", "UDP Port", nullptr},
        {"N1MM", "Enabled N1MM feature", "0"},
        {"DXLog", "Enabled DXLog feature", "0"},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

TEST_F(MainSettingsLoaderTest, ReadsEveryKeyInItsOrder) {
    const auto expected = mainKeys();
    const auto& table = mainSettingsTable();
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].section + "/" + table[i].key,
                  expected[i].section + "/" + expected[i].key)
            << "row " << i;
    }
}

TEST_F(MainSettingsLoaderTest, AFirstStartWritesEveryWrittenBackDefaultAndNoOther) {
    load();
    for (const MainKey& k : mainKeys()) {
        EXPECT_EQ(stored(k.section, k.key), k.firstStartValue ? k.firstStartValue : "")
            << k.section << " / " << k.key;
    }
    // The memories and parking values are written with their leading blank.
    const std::string text = readFile(file.path());
    EXPECT_NE(text.find("Angle-1= 70\n"), std::string::npos);
    EXPECT_NE(text.find("Azimuth Parking= 0\n"), std::string::npos);
}

TEST_F(MainSettingsLoaderTest, ASecondStartWritesNothing) {
    load();
    const std::string first = readFile(file.path());
    const auto firstTime = std::filesystem::last_write_time(file.path());
    LoaderBench again;
    std::filesystem::copy_file(file.path(), again.file.path());
    again.load();
    EXPECT_EQ(readFile(again.file.path()), first);
    EXPECT_EQ(std::filesystem::last_write_time(file.path()), firstTime);
}

TEST_F(MainSettingsLoaderTest, AFirstStartLoadsTheDefaults) {
    load();
    EXPECT_TRUE(settings.quickExit);
    EXPECT_EQ(state.model, RotatorModel::AzimuthElevation);
    EXPECT_EQ(state.azPortName, "1");
    EXPECT_EQ(state.elPortName, "2");
    EXPECT_EQ(settings.virtualPortName, "COM3");
    EXPECT_EQ(timers.TmrAz->interval(), 2000);
    EXPECT_EQ(timers.TmrCombo->interval(), 2000);
    EXPECT_EQ(timers.TmrEl->interval(), 2000);
    EXPECT_EQ(settings.mapsNumber, 1);
    EXPECT_EQ(settings.memoryAngles[0], 70);
    EXPECT_EQ(settings.memoryAngles[7], 350);
    EXPECT_EQ(settings.memoryNames[4], "Memory-5");
    EXPECT_EQ(settings.tcpPort, "6000");
    EXPECT_EQ(mainWindow.txtTCP.text, "6000");
    EXPECT_EQ(settings.serverPassword, "QUILTEX");
    EXPECT_EQ(settings.n1mmUdpPort, "12056");
    EXPECT_EQ(state.unitLabel, "KOLT-USB");
    EXPECT_TRUE(mainWindow.chkGraphic.value);
    EXPECT_EQ(graphicClicks, 1);  // the box reacted as a click does
    EXPECT_EQ(emulationClicks, std::vector<int>{0});
}

// A key as stored, and what the start makes of it.
struct KeyCase {
    std::string section;
    std::string key;
    std::optional<std::string> storedValue;  // nullopt: missing
    std::function<std::string(LoaderBench&)> loaded;
    std::string expectedLoaded;
    std::string expectedInFile;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.section << " / " << c.key << " = " << (c.storedValue ? *c.storedValue : "(missing)");
}

std::string caseName(const ::testing::TestParamInfo<KeyCase>& info) {
    std::string name = std::to_string(info.index) + "_" + info.param.section + "_" +
                       info.param.key + "_" +
                       info.param.storedValue.value_or("missing").substr(0, 8);
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    }
    return name;
}

class MainSettingsKeys : public MainSettingsLoaderTest,
                         public ::testing::WithParamInterface<KeyCase> {};

std::string azimuthPolls(LoaderBench& b) {
    return std::to_string(b.timers.TmrAz->interval()) + "/" +
           std::to_string(b.timers.TmrCombo->interval());
}

#define FIELD(expr) [](LoaderBench& b) { return (expr); }
#define ON(expr) FIELD(std::string((expr) ? "on" : "off"))
#define NUM(expr) FIELD(std::to_string(expr))

TEST_P(MainSettingsKeys, ReadsConvertsAndRewrites) {
    const KeyCase& c = GetParam();
    if (c.storedValue) file.writeString(c.section, c.key, *c.storedValue);
    load();
    EXPECT_EQ(c.loaded(*this), c.expectedLoaded);
    EXPECT_EQ(stored(c.section, c.key), c.expectedInFile);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MainSettingsKeys,
    ::testing::Values(
        KeyCase{"AZIMUTH", "REFRESH", "15", azimuthPolls, "10000/10000", "15"},
        KeyCase{"AZIMUTH", "REFRESH", "0", azimuthPolls, "2000/2000", "0"},
        KeyCase{"AZIMUTH", "REFRESH", "5", azimuthPolls, "5000/5000", "5"},
        KeyCase{"ELEVATION", "REFRESH", "15", NUM(b.timers.TmrEl->interval()), "2000", "15"},
        KeyCase{"ELEVATION", "REFRESH", "10", NUM(b.timers.TmrEl->interval()), "10000", "10"},
        KeyCase{"VCOM", "DELAY", "30", NUM(b.settings.virtualDelayMs), "10000", "10"},
        KeyCase{"VCOM", "DELAY", "4", NUM(b.timers.TmrDelayVirtual->interval()), "4000", "4"},
        KeyCase{"KOLTWIN", "Auto Run", "-1", ON(b.state.openPortsAtStartup), "on", "1"},
        KeyCase{"KOLTWIN", "Auto Run", "1", ON(b.state.openPortsAtStartup), "on", "1"},
        KeyCase{"KOLTWIN", "Auto Run", "5", ON(b.state.openPortsAtStartup), "off", "0"},
        KeyCase{"KOLTWIN", "Auto Run", "yes", ON(b.state.openPortsAtStartup), "off", "0"},
        KeyCase{"General", "Maps Number", "7", NUM(b.settings.mapsNumber), "1", "7"},
        KeyCase{"General", "Maps Number", "-1", NUM(b.settings.mapsNumber), "1", "-1"},
        KeyCase{"General", "Maps Number", "3", NUM(b.settings.mapsNumber), "3", "3"},
        KeyCase{"Memory", "Angle-3", "400", NUM(b.settings.memoryAngles[2]), "0", "400"},
        KeyCase{"Memory", "Angle-1", "359.5", NUM(b.settings.memoryAngles[0]), "360", "359.5"},
        KeyCase{"Memory", "Name-2", "Beam NE", FIELD(b.settings.memoryNames[1]), "Beam NE",
                "Beam NE"},
        KeyCase{"Prosistel", "Model", "6", NUM(static_cast<int>(b.state.model)), "6", "6"},
        KeyCase{"Prosistel", "Model", "abc", NUM(static_cast<int>(b.state.model)), "0", "abc"},
        KeyCase{"Prosistel", "Model", "99999", NUM(static_cast<int>(b.state.model)), "0", "99999"},
        KeyCase{"Prosistel", "Model", "2.5", NUM(static_cast<int>(b.state.model)), "2", "2.5"},
        KeyCase{"General", "QUICK EXIT", "0", ON(b.settings.quickExit), "off", "0"},
        KeyCase{"General", "QUICK EXIT", "10", ON(b.settings.quickExit), "on", "10"},
        KeyCase{"AZIMUTH", "TRACE", "yes", ON(b.state.traceAz), "off", "yes"},
        KeyCase{"AZIMUTH", "TRACE", "1", ON(b.state.traceAz), "on", "1"},
        KeyCase{"General", "Auto Parking", "1.0", ON(b.settings.autoParking), "on", "1.0"},
        KeyCase{"General", "Auto Parking", "2", ON(b.settings.autoParking), "off", "2"},
        KeyCase{"General", "Auto Parking Timer", "70000", NUM(b.settings.autoParkingDelay), "70000",
                "70000"},
        KeyCase{"AZIMUTH", "FAST STOP", "1", ON(b.state.fastStop[0] && !b.state.fastStop[1]), "on",
                "1"},
        KeyCase{"ELEVATION", "FAST STOP", std::nullopt, ON(b.state.fastStop[1]), "off", "0"},
        KeyCase{"AZIMUTH", "CCW", "1", ON(b.state.ccw), "on", "1"},
        KeyCase{"ELEVATION", "INVERSION", "1", ON(b.state.elevationInverted), "on", "1"},
        KeyCase{"VCOM", "TRACE", "1", ON(b.trace.traceWindowOn), "on", "1"},
        KeyCase{"KOLTWIN", "TRACE", "1", ON(b.state.traceVcom), "on", "1"},
        KeyCase{"KOLTWIN", "AZ UPDATE POSITION", "5", NUM(b.state.azUpdateThreshold), "5", "5"},
        KeyCase{"DDE Client", "Delta Elevation Filter", "3", NUM(b.state.deltaFilter[1]), "3", "3"},
        KeyCase{"Graphic", "KOLT-USB label", "ROTOR-1", FIELD(b.state.unitLabel), "ROTOR-1",
                "ROTOR-1"},
        KeyCase{"IP Server", "TCP Port", "60001x", FIELD(b.mainWindow.txtTCP.text), "60001",
                "60001x"},
        KeyCase{"IP Server", "Password", "s3cret", FIELD(b.settings.serverPassword), "s3cret",
                "s3cret"},
        KeyCase{"VCOM", "COM", std::string(130, 'C'), NUM(b.settings.virtualPortName.size()), "119",
                std::string(119, 'C')},
        KeyCase{"Tracking", "Emulation", "2",
                NUM(b.emulationClicks.empty() ? -1 : b.emulationClicks.front()), "2", "2"},
        KeyCase{"Tracking", "Emulation", "9", NUM(b.emulationClicks.size()), "0", "9"},
        KeyCase{"Graphic", "Active", "0", NUM(b.graphicClicks), "0", "0"}),
    caseName);

TEST_F(MainSettingsLoaderTest, ShowsTheStartChoicesInBothDialogs) {
    file.writeString("KOLTWIN", "Auto Run", "1");
    file.writeString("VCOM", "Auto Run", "1");
    file.writeString("VCOM", "COM", "COM7");
    file.writeString("AZIMUTH", "COM", "5");
    file.writeString("ELEVATION", "COM", "6");
    load();
    EXPECT_TRUE(mainWindow.chkOpenPorts.value);
    EXPECT_TRUE(rotorSetup.chkOpenPorts.value);
    EXPECT_TRUE(mainWindow.chkRunVCOM.value);
    EXPECT_EQ(mainWindow.cmbCOM.text, "COM7");
    EXPECT_EQ(mainWindow.cmbAzPort.text, "5");
    EXPECT_EQ(mainWindow.cmbElPort.text, "6");
    EXPECT_EQ(rotorSetup.cmbAzPort.text, "5");
    EXPECT_EQ(rotorSetup.cmbElPort.text, "6");
}

TEST_F(MainSettingsLoaderTest, AHandEditedFileKeepsItsOwnLinesInOrder) {
    const std::string original =
        "; my station\n"
        "[Station]\n"
        "Call=EA1ABC\n"
        "\n"
        "[AZIMUTH]\n"
        "; keep this note\n"
        "REFRESH=3\n"
        "[Zebra]\n"
        "x=y\n";
    writeFile(file.path(), original);
    load();
    const std::string after = readFile(file.path());
    // Every original line is still there, in the same order.
    std::size_t at = 0;
    for (std::size_t start = 0; start < original.size();) {
        const std::size_t end = original.find('\n', start);
        const std::string line = original.substr(start, end - start + 1);
        const std::size_t found = after.find(line, at);
        ASSERT_NE(found, std::string::npos) << "lost or moved: " << line;
        at = found + line.size();
        start = end + 1;
    }
    EXPECT_EQ(file.readString("AZIMUTH", "REFRESH"), "3");
    EXPECT_EQ(file.readString("Zebra", "x"), "y");
    EXPECT_EQ(file.readString("AZIMUTH", "FAST STOP"), "0");
}

}  // namespace
}  // namespace kolt
