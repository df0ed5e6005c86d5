#include "hub/ui/HeadlessConsole.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "hub/core/NumericText.h"

namespace kolt {

const char* HeadlessConsole::help() {
    return "Commands: <deg> or az <deg> (point the azimuth), el <deg> (point the elevation),\n"
           "stop, stop el, -15, -5, +5, +15 (steps), mem <1-8> (recall a memory),\n"
           "park (both parking positions), exit, help.\n";
}

std::string HeadlessConsole::handleLine(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> words;
    for (std::string w; in >> w;) {
        for (char& c : w)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        words.push_back(w);
    }
    if (words.empty()) return {};
    const std::string& first = words[0];
    auto preset = [](TextBox& box, const std::string& value) -> std::string {
        if (!isNumericText(value)) return "not a number: " + value + "\n";
        if (!box.reachable()) return "that axis is not in use with this rotator\n";
        box.text = value;
        box.pressEnter();
        return {};
    };
    if (first == "help" || first == "?") return help();
    if (first == "exit" || first == "quit") {
        antenna_.mnuExit.click();
        return {};
    }
    if (first == "stop") {
        if (words.size() > 1 && words[1] == "el") {
            main_.cmdStopPreEl.click();
        } else {
            main_.cmdStopPreAz.click();
        }
        return {};
    }
    if (first == "-15") {
        antenna_.mnuStepLeft15.click();
    } else if (first == "-5") {
        antenna_.mnuStepLeft5.click();
    } else if (first == "+5") {
        antenna_.mnuStepRight5.click();
    } else if (first == "+15") {
        antenna_.mnuStepRight15.click();
    } else if (first == "mem" && words.size() == 2) {
        const std::string& n = words[1];
        if (n.size() != 1 || n[0] < '1' || n[0] > '8') return "memories are 1 to 8\n";
        antenna_.mnuMemo[static_cast<std::size_t>(n[0] - '1')].click();
    } else if (first == "park") {
        antenna_.mnuParkAz.click();
        antenna_.mnuParkEl.click();
    } else if ((first == "az" || first == "el") && words.size() == 2) {
        return preset(first == "az" ? main_.txtPreAz : main_.txtPreEl, words[1]);
    } else if (words.size() == 1 && isNumericText(first)) {
        return preset(main_.txtPreAz, first);
    } else {
        return std::string("unknown command: ") + std::string(line) + "\n" + help();
    }
    return {};
}

}  // namespace kolt
