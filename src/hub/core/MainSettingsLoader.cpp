#include "hub/core/MainSettingsLoader.h"

#include <utility>

#include "hub/core/NumericText.h"

namespace kolt {
namespace {

using Targets = SettingsTargets;
using Rewrite = std::optional<std::string>;

enum class Reading { Value, Leading };
enum class Width { Int16, Int32 };

SettingRow flag(const char* section, const char* key, bool defaultOn, bool writeBack,
                std::function<void(Targets&, bool)> set) {
    return {section, key, defaultOn ? "1" : "0", writeBack,
            [set = std::move(set)](Targets& t, const std::string& text) -> Rewrite {
                set(t, flagOn(text));
                return std::nullopt;
            }};
}

// A whole number. A text that does not read as a number counts as 0; one too
// large for its field keeps the default, as a failed conversion leaves it.
// set() may return a corrected text to write back.
SettingRow numberRewriting(const char* section, std::string key, std::string defaultText,
                           bool writeBack, std::function<Rewrite(Targets&, int)> set,
                           Reading reading = Reading::Value, Width width = Width::Int16) {
    return {section, std::move(key), defaultText, writeBack,
            [=, set = std::move(set)](Targets& t, const std::string& text) -> Rewrite {
                const auto read = [&](const std::string& s) -> std::optional<int> {
                    const double v = reading == Reading::Value ? readNumber(s) : leadingNumber(s);
                    if (width == Width::Int16) return toWholeInt16(v);
                    return toWholeInt32(v);
                };
                auto value = read(text);
                if (!value) value = read(defaultText);
                return set(t, value.value_or(0));
            }};
}

SettingRow number(const char* section, std::string key, std::string defaultText, bool writeBack,
                  std::function<void(Targets&, int)> set, Reading reading = Reading::Value,
                  Width width = Width::Int16) {
    return numberRewriting(
        section, std::move(key), std::move(defaultText), writeBack,
        [set = std::move(set)](Targets& t, int v) -> Rewrite {
            set(t, v);
            return std::nullopt;
        },
        reading, width);
}

SettingRow text(const char* section, std::string key, std::string defaultText, bool writeBack,
                std::function<void(Targets&, const std::string&)> set) {
    return {section, std::move(key), std::move(defaultText), writeBack,
            [set = std::move(set)](Targets& t, const std::string& value) -> Rewrite {
                set(t, value);
                return std::nullopt;
            }};
}

std::int16_t i16(int v) {
    return static_cast<std::int16_t>(v);
}

// After the elevation port is known, the start-up choices are shown in the
// main window and the rotor setup dialog.
void copyToForms(Targets& t) {
    t.mainWindow.chkOpenPorts.value = t.state.openPortsAtStartup;
    t.rotorSetup.chkOpenPorts.value = t.state.openPortsAtStartup;
    t.mainWindow.chkRunVCOM.value = t.state.createAtStartup;
    t.mainWindow.cmbCOM.text = t.settings.virtualPortName;
    t.mainWindow.cmbAzPort.text = t.state.azPortName;
    t.mainWindow.cmbElPort.text = t.state.elPortName;
    t.rotorSetup.cmbAzPort.text = t.state.azPortName;
    t.rotorSetup.cmbElPort.text = t.state.elPortName;
}

// "Auto Run": 1 and -1 are on, -1 is rewritten as 1 and anything else as 0.
Rewrite autoRun(Targets& t, const std::string& value) {
    const double v = readNumber(value);
    t.state.openPortsAtStartup = v == 1 || v == -1;
    if (v == -1) return "1";
    if (v != 1 && value != "0") return "0";
    return std::nullopt;
}

Rewrite virtualPortDelay(Targets& t, int seconds) {
    const bool cut = seconds > 10;
    if (cut) seconds = 10;
    t.settings.virtualDelayMs = seconds * 1000;
    t.timers.TmrDelayVirtual->setInterval(seconds * 1000);
    return cut ? Rewrite("10") : std::nullopt;
}

void azimuthRefresh(Targets& t, int seconds) {
    if (seconds > 10) seconds = 10;
    if (seconds < 1) seconds = 2;
    t.settings.azRefreshMs = seconds * 1000;
    t.timers.TmrAz->setInterval(seconds * 1000);
    t.timers.TmrCombo->setInterval(seconds * 1000);
}

void elevationRefresh(Targets& t, int seconds) {
    if (seconds < 1 || seconds > 10) seconds = 2;
    t.settings.elRefreshMs = seconds * 1000;
    t.timers.TmrEl->setInterval(seconds * 1000);
}

void emulation(Targets& t, int index) {
    t.settings.emulation = i16(index);
    auto& boxes = t.mainWindow.chkEmul;
    if (index >= 0 && index < static_cast<int>(boxes.size())) {
        boxes[static_cast<std::size_t>(index)].setValue(true);
    }
}

void addMemoryRows(std::vector<SettingRow>& rows) {
    for (int n = 1; n <= kMemoryCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const std::string number1 = std::to_string(n);
        rows.push_back(
            text("Memory", "Name-" + number1, "Memory-" + number1, true,
                 [i](Targets& t, const std::string& v) { t.settings.memoryNames[i] = v; }));
        // An angle out of range in the file is 0 in memory; the file keeps it.
        rows.push_back(number(
            "Memory", "Angle-" + number1, blankNumberText(40 * n + 30), true,
            [i](Targets& t, int v) {
                t.settings.memoryAngles[i] = i16(v >= 0 && v <= 360 ? v : 0);
            },
            Reading::Leading));
    }
}

std::vector<SettingRow> buildTable() {
    constexpr bool wb = true;
    constexpr bool notWritten = false;
    constexpr Reading leading = Reading::Leading;
    std::vector<SettingRow> rows = {
        flag("General", "QUICK EXIT", true, wb,
             [](Targets& t, bool v) { t.settings.quickExit = v; }),
        number(
            "General", "Azimuth Parking", blankNumberText(0), wb,
            [](Targets& t, int v) { t.settings.azimuthParking = i16(v); }, leading),
        number(
            "General", "Elevation Parking", blankNumberText(0), wb,
            [](Targets& t, int v) { t.settings.elevationParking = i16(v); }, leading),
        number(
            "General", "Auto Parking", "0", wb,
            [](Targets& t, int v) { t.settings.autoParking = v == 1; }, leading),
        number(
            "General", "Auto Parking Timer", blankNumberText(0), wb,
            [](Targets& t, int v) { t.settings.autoParkingDelay = v; }, leading, Width::Int32),
        flag("General", "Force to Display Only Azimuth", false, wb,
             [](Targets& t, bool v) { t.state.forceAzimuthOnly = v; }),
        number("General", "Maps Number", "1", notWritten,
               [](Targets& t, int v) { t.settings.mapsNumber = i16(v < 0 || v > 4 ? 1 : v); }),
        number("General", "Load Azimuth Map", "0", wb,
               [](Targets& t, int v) { t.settings.azimuthMap = i16(v); }),
        number("Prosistel", "Model", "0", wb,
               [](Targets& t, int v) { t.state.model = static_cast<RotatorModel>(v); }),
        {"KOLTWIN", "Auto Run", "0", wb, autoRun},
        flag("KOLTWIN", "TRACE", false, wb, [](Targets& t, bool v) { t.state.traceVcom = v; }),
        flag("KOLTWIN", "Simula AZ", false, wb, [](Targets& t, bool v) { t.state.simulateAz = v; }),
        flag("KOLTWIN", "Simula EL", false, wb, [](Targets& t, bool v) { t.state.simulateEl = v; }),
        flag("AZIMUTH", "FAST STOP", false, wb,
             [](Targets& t, bool v) { t.state.fastStop[0] = v; }),
        flag("AZIMUTH", "CCW", false, notWritten, [](Targets& t, bool v) { t.state.ccw = v; }),
        flag("ELEVATION", "FAST STOP", false, wb,
             [](Targets& t, bool v) { t.state.fastStop[1] = v; }),
        flag("VCOM", "Auto Run", false, wb,
             [](Targets& t, bool v) { t.state.createAtStartup = v; }),
        text("VCOM", "COM", "COM3", wb,
             [](Targets& t, const std::string& v) { t.settings.virtualPortName = v; }),
        numberRewriting("VCOM", "DELAY", "0", wb, virtualPortDelay),
        flag("VCOM", "TRACE", false, wb, [](Targets& t, bool v) { t.trace.traceWindowOn = v; }),
        flag("VCOM", "Limit Commands", false, wb,
             [](Targets& t, bool v) { t.settings.limitCommands = v; }),
        number("VCOM", "seconds limit", "0", wb,
               [](Targets& t, int v) { t.settings.secondsLimit = i16(v); }),
        text("AZIMUTH", "COM", "1", wb,
             [](Targets& t, const std::string& v) { t.state.azPortName = v; }),
        flag("AZIMUTH", "TRACE", false, wb, [](Targets& t, bool v) { t.state.traceAz = v; }),
        flag("AZIMUTH", "PRESET PERSIST", false, wb,
             [](Targets& t, bool v) { t.state.presetPersist = v; }),
        flag("ELEVATION", "TRACE", false, wb, [](Targets& t, bool v) { t.state.traceEl = v; }),
        number("AZIMUTH", "RANDOM", "0", wb,
               [](Targets& t, int v) { t.settings.azRandom = i16(v); }),
        number("ELEVATION", "RANDOM", "0", wb,
               [](Targets& t, int v) { t.settings.elRandom = i16(v); }),
        number("KOLTWIN", "AZ UPDATE POSITION", "2", wb,
               [](Targets& t, int v) { t.state.azUpdateThreshold = i16(v); }),
        number("KOLTWIN", "EL UPDATE POSITION", "2", wb,
               [](Targets& t, int v) { t.state.elUpdateThreshold = i16(v); }),
        number("AZIMUTH", "REFRESH", "2", wb, azimuthRefresh),
        number("ELEVATION", "REFRESH", "2", wb, elevationRefresh),
        flag("ELEVATION", "INVERSION", false, wb,
             [](Targets& t, bool v) { t.state.elevationInverted = v; }),
        text("ELEVATION", "COM", "2", notWritten,
             [](Targets& t, const std::string& v) {
                 t.state.elPortName = v;
                 copyToForms(t);
             }),
        number("Tracking", "Emulation", "0", wb, emulation),
        flag("DDE Client", "NOVA", false, wb, [](Targets& t, bool v) { t.settings.ddeNova = v; }),
        number("DDE Client", "Delta Azimuth Filter", "1", wb,
               [](Targets& t, int v) { t.state.deltaFilter[0] = i16(v); }),
        number("DDE Client", "Delta Elevation Filter", "1", wb,
               [](Targets& t, int v) { t.state.deltaFilter[1] = i16(v); }),
    };
    addMemoryRows(rows);
    std::vector<SettingRow> rest = {
        flag("Graphic", "Active", true, wb,
             [](Targets& t, bool v) {
                 t.settings.graphicActive = v;
                 t.mainWindow.chkGraphic.setValue(v);
             }),
        text("Graphic", "KOLT-USB label", "KOLT-USB", notWritten,
             [](Targets& t, const std::string& v) { t.state.unitLabel = v; }),
        text("IP Server", "TCP Port", "6000", notWritten,
             [](Targets& t, const std::string& v) {
                 t.settings.tcpPort = v;
                 t.mainWindow.txtTCP.text = v.substr(0, t.mainWindow.txtTCP.maxLength);
             }),
        flag("IP Server", "TCP", false, wb,
             [](Targets& t, bool v) {
                 t.settings.tcpServerEnabled = v;
                 t.mainWindow.chkTCPServer.setValue(v);
             }),
        flag("IP Server", "Password_required", false, wb,
             [](Targets& t, bool v) { t.settings.passwordRequired = v; }),
        text("IP Server", "Password", "QUILTEX", wb,
             [](Targets& t, const std::string& v) { t.settings.serverPassword = v; }),
        flag("IP Server", "Mode", false, wb, [](Targets& t, bool v) { t.settings.ipMode = v; }),
        text("N1MM", "UDP Port", "12056", notWritten,
             [](Targets& t, const std::string& v) { t.settings.n1mmUdpPort = v; }),
        flag("N1MM", "Enabled N1MM feature", false, wb,
             [](Targets& t, bool v) {
                 t.settings.n1mmEnabled = v;
                 t.mainWindow.chkN1MM.setValue(v);
             }),
        flag("DXLog", "Enabled DXLog feature", false, wb,
             [](Targets& t, bool v) { t.settings.dxlogEnabled = v; }),
    };
    for (auto& row : rest)
        rows.push_back(std::move(row));
    return rows;
}

}  // namespace

bool flagOn(const std::string& text) {
    return !text.empty() && text.front() == '1';
}

const std::vector<SettingRow>& mainSettingsTable() {
    static const std::vector<SettingRow> table = buildTable();
    return table;
}

void loadMainSettings(SettingsFile& file, SettingsTargets& targets) {
    for (const SettingRow& row : mainSettingsTable()) {
        std::string value = file.readString(row.section, row.key);
        if (value.empty()) {
            value = row.defaultText;
            if (row.writeBack) file.writeString(row.section, row.key, row.defaultText);
        }
        if (const auto rewrite = row.apply(targets, value)) {
            file.writeString(row.section, row.key, *rewrite);
        }
    }
}

}  // namespace kolt
