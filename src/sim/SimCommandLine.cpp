#include "sim/SimCommandLine.h"

#include <charconv>
#include <cmath>

namespace kolt::sim {

namespace {

std::optional<double> number(const std::string& text) {
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<UnitKind> kindOf(const std::string& name) {
    if (name == "az" || name == "azimuth") return UnitKind::Azimuth;
    if (name == "el" || name == "elevation") return UnitKind::Elevation;
    if (name == "combo") return UnitKind::Combo;
    if (name == "kolt-usb" || name == "koltusb") return UnitKind::KoltUsb;
    return std::nullopt;
}

}  // namespace

const char* unitKindName(UnitKind kind) {
    switch (kind) {
        case UnitKind::Azimuth:
            return "azimuth controller";
        case UnitKind::Elevation:
            return "elevation controller";
        case UnitKind::Combo:
            return "combo unit";
        case UnitKind::KoltUsb:
            return "KOLT-USB unit";
    }
    return "unit";
}

std::string simUsage() {
    return "Usage: koltsim [options]\n"
           "Poses as one rotator controller unit on a pseudo-terminal and links it as\n"
           "<port dir>/comN, where the hub and the configuration tool find port N.\n"
           "\n"
           "  --unit KIND          az, el, combo or kolt-usb (default kolt-usb)\n"
           "  --com N              the port number to link (1..255, default 1)\n"
           "  --port-dir DIR       where the link goes (default: the hub's,\n"
           "                       $XDG_CONFIG_HOME/koltvcom/ports)\n"
           "  --speed DEG          degrees a second the antenna turns (default 6)\n"
           "  --azimuth DEG        start azimuth (default 0)\n"
           "  --elevation DEG      start elevation (default 0)\n"
           "  --no-elevation       a KOLT-USB unit without an elevation axis\n"
           "  --firmware TEXT      the KOLT-USB firmware version, 4 characters (default 2.3H)\n"
           "  --silent             take commands but never answer\n"
           "  --garbage N          put stray bytes before every Nth answer\n"
           "  --unplug-after SEC   vanish after SEC seconds, as a pulled USB adapter does\n"
           "  --verbose            print every command and the moving antenna\n"
           "  --help, --version\n"
           "\n"
           "Units: the single controllers and the combo unit take STX, an address\n"
           "(\"A\"; \"B\" for the combo unit's elevation), a command and CR: \"?\" (answers\n"
           "STX A,?,123,B CR, B while moving), \"G\" and an angle (the combo unit: four\n"
           "digits, tenths last), \"G999\", \"G977\", \"G9999\" stop. The KOLT-USB unit takes\n"
           "lines: O (banner with \"Ver\" and \"Firm:\"), C2 (+0aaa+0eee), CB (ADC-B: a b),\n"
           "FS and FI (stored parameters, labelled and as address:value pairs), Mddd,\n"
           "Nddd (go), A (stop azimuth), S (stop), L R U D (turn), and the parameter\n"
           "commands FR FW FD FO<addr>:<value> FAS FAE FAA FAO FAR FAW FAT and the FE ones.\n"
           "SIGINT or SIGTERM removes the link and ends it.\n";
}

SimCommandLine parseSimCommandLine(const std::vector<std::string>& arguments) {
    SimCommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) {
                line.error = a + " needs a value";
                return std::nullopt;
            }
            return arguments[++i];
        };
        auto numeric = [&](double low, double high) -> std::optional<double> {
            const auto text = value();
            if (!text) return std::nullopt;
            const auto v = number(*text);
            if (!v || *v < low || *v > high) {
                line.error = a + " takes a number from " + std::to_string(static_cast<int>(low)) +
                             " to " + std::to_string(static_cast<int>(high)) + ", not '" + *text +
                             "'";
                return std::nullopt;
            }
            return v;
        };
        if (a == "--help" || a == "-h") {
            line.help = true;
        } else if (a == "--version") {
            line.version = true;
        } else if (a == "--unit") {
            const auto text = value();
            if (!text) break;
            const auto kind = kindOf(*text);
            if (!kind) {
                line.error = "unknown unit '" + *text + "' (az, el, combo or kolt-usb)";
                break;
            }
            line.unit.kind = *kind;
        } else if (a == "--com") {
            const auto v = numeric(1, 255);
            if (!v) break;
            if (*v != std::floor(*v)) {
                line.error = "--com takes a whole number";
                break;
            }
            line.com = static_cast<int>(*v);
        } else if (a == "--port-dir") {
            const auto text = value();
            if (!text) break;
            line.portDir = *text;
        } else if (a == "--speed") {
            const auto v = numeric(0.1, 360);
            if (!v) break;
            line.unit.speed = *v;
        } else if (a == "--azimuth") {
            const auto v = numeric(0, 359);
            if (!v) break;
            line.unit.startAzimuth = *v;
        } else if (a == "--elevation") {
            const auto v = numeric(0, 180);
            if (!v) break;
            line.unit.startElevation = *v;
        } else if (a == "--no-elevation") {
            line.unit.hasElevation = false;
        } else if (a == "--firmware") {
            const auto text = value();
            if (!text) break;
            if (text->size() != 4) {
                line.error = "--firmware takes four characters, such as 2.3H";
                break;
            }
            line.unit.firmware = *text;
        } else if (a == "--silent") {
            line.unit.silent = true;
        } else if (a == "--garbage") {
            const auto v = numeric(1, 1000000);
            if (!v) break;
            line.unit.garbageEvery = static_cast<int>(*v);
        } else if (a == "--unplug-after") {
            const auto v = numeric(0.001, 1e9);
            if (!v) break;
            line.unplugAfterSeconds = *v;
        } else if (a == "--verbose" || a == "-v") {
            line.verbose = true;
        } else {
            line.error = "unknown option '" + a + "'";
            break;
        }
    }
    return line;
}

}  // namespace kolt::sim
