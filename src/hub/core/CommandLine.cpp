#include "hub/core/CommandLine.h"

#include <string_view>

#include "hub/core/NumericText.h"

namespace kolt {
namespace {

// "--name value" or "--name=value"; advances i past what it used.
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i,
                                       std::string_view name, std::string& error) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = std::string(name) + " needs a folder";
            return std::nullopt;
        }
        return args[++i];
    }
    const std::string prefix = std::string(name) + "=";
    if (arg.rfind(prefix, 0) == 0) {
        if (arg.size() == prefix.size()) error = std::string(name) + " needs a folder";
        return arg.substr(prefix.size());
    }
    return std::nullopt;
}

}  // namespace

HubCommandLine parseHubCommandLine(const std::vector<std::string>& arguments) {
    HubCommandLine out;
    out.arguments = arguments;
    for (std::size_t i = 0; i < arguments.size() && out.error.empty(); ++i) {
        const std::string& arg = arguments[i];
        if (auto v = optionValue(arguments, i, "--home", out.error)) {
            out.home = *v;
        } else if (auto d = optionValue(arguments, i, "--port-dir", out.error)) {
            out.portDir = *d;
        } else if (!out.error.empty()) {
            break;
        } else if (arg == "--headless") {
            out.headless = true;
        } else if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg == "--version") {
            out.version = true;
        } else if (arg.find("/C=") != std::string::npos) {
            if (commandLinePortOf({arg}) == 0)
                out.warnings.push_back("ignoring " + arg + ": not a port number");
        } else if (arg.rfind("-", 0) == 0) {
            out.error = "unknown option: " + arg;
        } else {
            out.error = "unexpected argument: " + arg;
        }
    }
    return out;
}

std::string hubUsage() {
    return "Usage: koltvcom [/C=n] [--home DIR] [--port-dir DIR] [--headless]\n"
           "\n"
           "The rotator hub.\n"
           "  /C=n            open serial port n to the KOLT-USB unit at start\n"
           "  --home DIR      folder of the settings, language files and traces\n"
           "                  (default: $XDG_CONFIG_HOME/koltvcom, ~/.config/koltvcom)\n"
           "  --port-dir DIR  folder whose links comN name serial port n\n"
           "                  (default: the [Ports] Directory setting, or HOME/ports)\n"
           "  --headless      run without windows; every door works and what a window\n"
           "                  would show is in the trace\n"
           "  --help          show this text\n"
           "  --version       show the version\n";
}

std::int16_t commandLinePortOf(const std::vector<std::string>& arguments) {
    for (const std::string& arg : arguments) {
        const auto at = arg.find("/C=");
        if (at == std::string::npos) continue;
        const std::string_view rest = std::string_view(arg).substr(at + 3);
        if (!isNumericText(rest)) return 0;
        return toWholeInt16(readNumber(rest)).value_or(0);
    }
    return 0;
}

}  // namespace kolt
