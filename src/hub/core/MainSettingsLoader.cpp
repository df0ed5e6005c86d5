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
SettingRow number(const char* section, const char* key, std::string defaultText, bool writeBack,
                  std::function<Rewrite(Targets&, int)> set, Reading reading = Reading::Value,
                  Width width = Width::Int16) {
    return {section, key, defaultText, writeBack,
            [=, set = std::move(set)](Targets& t, const std::string& text) -> Rewrite {
                const auto read = [&](const std::string& s) {
                    const double v = reading == Reading::Value ? readNumber(s) : leadingNumber(s);
                    return width == Width::Int16 ? std::optional<int>(toWholeInt16(v))
                                                 : std::optional<int>(toWholeInt32(v));
                };
                auto value = read(text);
                if (!value) value = read(defaultText);
                return set(t, value.value_or(0));
            }};
}

SettingRow text(const char* section, const char* key, const char* defaultText, bool writeBack,
                std::function<void(Targets&, const std::string&)> set) {
    return {section, key, defaultText, writeBack,
            [set = std::move(set)](Targets& t, const std::string& value) -> Rewrite {
                set(t, value);
                return std::nullopt;
            }};
}

std::int16_t i16(int v) { return static_cast<std::int16_t>(v); }

// The written numbers of the memories and parking carry one leading blank.
std::string blankNumber(int v) { return v < 0 ? std::to_string(v) : " " + std::to_string(v); }

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

void addMemoryRows(std::vector<SettingRow>& rows) {
    for (int n = 1; n <= kMemoryCount; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const std::string name = "Memory-" + std::to_string(n);
        rows.push_back({"Memory", "Name-" + std::to_string(n), name, true,
                        [i](Targets& t, const std::string& v) -> Rewrite {
                            t.settings.memoryNames[i] = v;
                            return std::nullopt;
                        }});
        SettingRow angle = number(
            "Memory", "", blankNumber(40 * n + 30), true,
            [i](Targets& t, int v) -> Rewrite {
                // Out of range in the file: 0 in memory, the file unchanged.
                t.settings.memoryAngles[i] = i16(v >= 0 && v <= 360 ? v : 0);
                return std::nullopt;
            },
            Reading::Leading);
        angle.key = "Angle-" + std::to_string(n);
        rows.push_back(std::move(angle));
    }
}

std::vector<SettingRow> buildTable() {
    std::vector<SettingRow> rows = {
        flag("General", "QUICK EXIT", true, true, [](Targets& t, bool v) { t.settings.quickExit = v; }),
        number("General", "Azimuth Parking", blankNumber(0), true,
               [](Targets& t, int v) -> Rewrite { t.settings.azimuthParking = i16(v); return std::nullopt; },
               Reading::Leading),
        number("General", "Elevation Parking", blankNumber(0), true,
               [](Targets& t, int v) -> Rewrite { t.settings.elevationParking = i16(v); return std::nullopt; },
               Reading::Leading),
        number("General", "Auto Parking", "0", true,
               [](Targets& t, int v) -> Rewrite { t.settings.autoParking = v == 1; return std::nullopt; },
               Reading::Leading),
        number("General", "Auto Parking Timer", blankNumber(0), true,
               [](Targets& t, int v) -> Rewrite { t.settings.autoParkingDelay = v; return std::nullopt; },
               Reading::Leading, Width::Int32),
        flag("General", "Force to Display Only Azimuth", false, true,
             [](Targets& t, bool v) { t.state.forceAzimuthOnly = v; }),
        number("General", "Maps Number", "1", false,
               [](Targets& t, int v) -> Rewrite {
                   t.settings.mapsNumber = i16(v < 0 || v > 4 ? 1 : v);
                   return std::nullopt;
               }),
        number("General", "Load Azimuth Map", "0", true,
               [](Targets& t, int v) -> Rewrite { t.settings.azimuthMap = i16(v); return std::nullopt; }),
        number("Prosistel", "Model", "0", true,
               [](Targets& t, int v) -> Rewrite { t.state.model = static_cast<RotatorModel>(v); return std::nullopt; }),
        {"KOLTWIN", "Auto Run", "0", true,
         [](Targets& t, const std::string& value) -> Rewrite {
             const double v = readNumber(value);
             t.state.openPortsAtStartup = v == 1 || v == -1;
             if (v == -1) return "1";
             if (v != 1 && value != "0") return "0";
             return std::nullopt;
         }},
        flag("KOLTWIN", "TRACE", false, true, [](Targets& t, bool v) { t.state.traceVcom = v; }),
        flag("KOLTWIN", "Simula AZ", false, true, [](Targets& t, bool v) { t.state.simulateAz = v; }),
        flag("KOLTWIN", "Simula EL", false, true, [](Targets& t, bool v) { t.state.simulateEl = v; }),
        flag("AZIMUTH", "FAST STOP", false, true, [](Targets& t, bool v) { t.state.fastStop[0] = v; }),
        flag("AZIMUTH", "CCW", false, false, [](Targets& t, bool v) { t.state.ccw = v; }),
        flag("ELEVATION", "FAST STOP", false, true, [](Targets& t, bool v) { t.state.fastStop[1] = v; }),
        flag("VCOM", "Auto Run", false, true, [](Targets& t, bool v) { t.state.createAtStartup = v; }),
        text("VCOM", "COM", "COM3", true,
             [](Targets& t, const std::string& v) { t.settings.virtualPortName = v; }),
        number("VCOM", "DELAY", "0", true,
               [](Targets& t, int v) -> Rewrite {
                   const bool cut = v > 10;
                   if (cut) v = 10;
                   t.settings.virtualDelayMs = v * 1000;
                   t.timers.TmrDelayVirtual->setInterval(v * 1000);
                   return cut ? Rewrite("10") : std::nullopt;
               }),
        flag("VCOM", "TRACE", false, true, [](Targets& t, bool v) { t.trace.traceWindowOn = v; }),
        flag("VCOM", "Limit Commands", false, true, [](Targets& t, bool v) { t.settings.limitCommands = v; }),
        number("VCOM", "seconds limit", "0", true,
               [](Targets& t, int v) -> Rewrite { t.settings.secondsLimit = i16(v); return std::nullopt; }),
        text("AZIMUTH", "COM", "1", true, [](Targets& t, const std::string& v) { t.state.azPortName = v; }),
        flag("AZIMUTH", "TRACE", false, true, [](Targets& t, bool v) { t.state.traceAz = v; }),
        flag("AZIMUTH", "PRESET PERSIST", false, true, [](Targets& t, bool v) { t.state.presetPersist = v; }),
        flag("ELEVATION", "TRACE", false, true, [](Targets& t, bool v) { t.state.traceEl = v; }),
        number("AZIMUTH", "RANDOM", "0", true,
               [](Targets& t, int v) -> Rewrite { t.settings.azRandom = i16(v); return std::nullopt; }),
        number("ELEVATION", "RANDOM", "0", true,
               [](Targets& t, int v) -> Rewrite { t.settings.elRandom = i16(v); return std::nullopt; }),
        number("KOLTWIN", "AZ UPDATE POSITION", "2", true,
               [](Targets& t, int v) -> Rewrite { t.state.azUpdateThreshold = i16(v); return std::nullopt; }),
        number("KOLTWIN", "EL UPDATE POSITION", "2", true,
               [](Targets& t, int v) -> Rewrite { t.state.elUpdateThreshold = i16(v); return std::nullopt; }),
        number("AZIMUTH", "REFRESH", "2", true,
               [](Targets& t, int v) -> Rewrite {
                   if (v > 10) v = 10;
                   if (v < 1) v = 2;
                   t.settings.azRefreshMs = v * 1000;
                   t.timers.TmrAz->setInterval(v * 1000);
                   t.timers.TmrCombo->setInterval(v * 1000);
                   return std::nullopt;
               }),
        number("ELEVATION", "REFRESH", "2", true,
               [](Targets& t, int v) -> Rewrite {
                   if (v < 1 || v > 10) v = 2;
                   t.settings.elRefreshMs = v * 1000;
                   t.timers.TmrEl->setInterval(v * 1000);
                   return std::nullopt;
               }),
        flag("ELEVATION", "INVERSION", false, true, [](Targets& t, bool v) { t.state.elevationInverted = v; }),
        text("ELEVATION", "COM", "2", false,
             [](Targets& t, const std::string& v) {
                 t.state.elPortName = v;
                 copyToForms(t);
             }),
        number("Tracking", "Emulation", "0", true,
               [](Targets& t, int v) -> Rewrite {
                   t.settings.emulation = i16(v);
                   if (v >= 0 && v < static_cast<int>(t.mainWindow.chkEmul.size())) {
                       t.mainWindow.chkEmul[static_cast<std::size_t>(v)].setValue(true);
                   }
                   return std::nullopt;
               }),
        flag("DDE Client", "NOVA", false, true, [](Targets& t, bool v) { t.settings.ddeNova = v; }),
        number("DDE Client", "Delta Azimuth Filter", "1", true,
               [](Targets& t, int v) -> Rewrite { t.state.deltaFilter[0] = i16(v); return std::nullopt; }),
        number("DDE Client", "Delta Elevation Filter", "1", true,
               [](Targets& t, int v) -> Rewrite { t.state.deltaFilter[1] = i16(v); return std::nullopt; }),
    };
    addMemoryRows(rows);
    std::vector<SettingRow> rest = {
        flag("Graphic", "Active", true, true,
             [](Targets& t, bool v) {
                 t.settings.graphicActive = v;
                 t.mainWindow.chkGraphic.setValue(v);
             }),
        text("Graphic", "KOLT-USB label", "KOLT-USB", false,
             [](Targets& t, const std::string& v) { t.state.unitLabel = v; }),
        text("IP Server", "TCP Port", "6000", false,
             [](Targets& t, const std::string& v) {
                 t.settings.tcpPort = v;
                 t.mainWindow.txtTCP.text = v.substr(0, t.mainWindow.txtTCP.maxLength);
             }),
        flag("IP Server", "TCP", false, true,
             [](Targets& t, bool v) {
                 t.settings.tcpServerEnabled = v;
                 t.mainWindow.chkTCPServer.setValue(v);
             }),
        flag("IP Server", "Password_required", false, true,
             [](Targets& t, bool v) { t.settings.passwordRequired = v; }),
        text("IP Server", "Password", "QUILTEX", true,
             [](Targets& t, const std::string& v) { t.settings.serverPassword = v; }),
        flag("IP Server", "Mode", false, true, [](Targets& t, bool v) { t.settings.ipMode = v; }),
        text("N1MM", "UDP Port", "12056", false,
             [](Targets& t, const std::string& v) { t.settings.n1mmUdpPort = v; }),
        flag("N1MM", "Enabled N1MM feature", false, true,
             [](Targets& t, bool v) {
                 t.settings.n1mmEnabled = v;
                 t.mainWindow.chkN1MM.setValue(v);
             }),
        flag("DXLog", "Enabled DXLog feature", false, true,
             [](Targets& t, bool v) { t.settings.dxlogEnabled = v; }),
    };
    for (auto& row : rest) rows.push_back(std::move(row));
    return rows;
}

}  // namespace

bool flagOn(const std::string& text) { return !text.empty() && text.front() == '1'; }

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
