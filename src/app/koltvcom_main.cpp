// The rotator hub.

#include <unistd.h>
#include <QApplication>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <system_error>

#include "Version.h"
#include "hub/core/CommandLine.h"
#include "hub/core/HubApplication.h"
#include "hub/core/HubPaths.h"
#include "hub/ui/HeadlessConsole.h"
#include "hub/ui/views/HubViews.h"
#include "hub/ui/views/QtDialogs.h"
#include "platform/HeadlessDialogs.h"
#include "platform/qt/QtEventLoop.h"
#include "platform/qt/QtNetwork.h"
#include "platform/qt/QtProcesses.h"
#include "platform/qt/QtSerialPort.h"

namespace {

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* v = std::getenv(name);
        if (v && *v) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kolt;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const HubCommandLine line = parseHubCommandLine(arguments);
    if (!line.error.empty()) {
        std::cerr << "koltvcom: " << line.error << "\n\n" << hubUsage();
        return 2;
    }
    for (const std::string& w : line.warnings)
        std::cerr << "koltvcom: " << w << "\n";
    if (line.help) {
        std::cout << hubUsage();
        return 0;
    }
    if (line.version) {
        std::cout << "koltvcom " << kVersionText << "\n";
        return 0;
    }

    const std::filesystem::path home = line.home.value_or(defaultHomeFolder("koltvcom"));
    std::error_code ec;
    std::filesystem::create_directories(home, ec);
    if (ec || !std::filesystem::is_directory(home)) {
        std::cerr << "koltvcom: cannot use the home folder " << home.string() << ": "
                  << (ec ? ec.message() : "not a folder") << "\n";
        return 1;
    }

    const bool headless = line.headless || !displayAvailable();
    std::unique_ptr<QCoreApplication> app;
    if (headless) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }

    QtEventLoop loop;
    QtSerialPortFactory serialPorts(PortDirectory(home / "ports"));
    QtNetwork network;
    QtProcesses processes;
    HeadlessDialogs headlessDialogs("koltvcom", std::cerr);
    QtDialogs screenDialogs;
    Dialogs& dialogs = headless ? static_cast<Dialogs&>(headlessDialogs) : screenDialogs;

    std::error_code exeError;
    const std::filesystem::path programFolder =
        std::filesystem::read_symlink("/proc/self/exe", exeError).parent_path();
    HubApplication hub({loop, serialPorts, network, dialogs, processes},
                       {home, line.portDir, arguments, programFolder});
    headlessDialogs.setTraceSink(
        [&hub](const std::string& text) { hub.trace().logToMonitor(text); });
    loop.onTerminationSignal([&hub] { hub.exitHub(); });

    std::unique_ptr<HubViews> views;
    if (!headless) views = std::make_unique<HubViews>(hub);

    // Headless, the position the dials would show is printed when it changes and
    // the operator types what the windows would take.
    std::unique_ptr<HeadlessConsole> console;
    std::unique_ptr<QSocketNotifier> input;
    std::unique_ptr<QTimer> titleWatch;
    std::string lastTitle;
    std::string pendingInput;
    if (headless) {
        console = std::make_unique<HeadlessConsole>(hub.mainWindow(), hub.antennaWindow());
        titleWatch = std::make_unique<QTimer>();
        QObject::connect(titleWatch.get(), &QTimer::timeout, [&] {
            const RotatorState& st = hub.state();
            std::string shown = "azimuth " + std::to_string(st.shownAzimuth);
            if (st.elevationShown) shown += ", elevation " + std::to_string(st.shownElevation);
            if (st.azBusy || st.elBusy) shown += " (moving)";
            if (shown == lastTitle) return;
            lastTitle = shown;
            std::cout << "Antenna: " << shown << std::endl;
        });
        titleWatch->start(200);
        input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(input.get(), &QSocketNotifier::activated, [&] {
            char buffer[256];
            const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (n <= 0) {
                input->setEnabled(false);  // end of input: the hub runs on
                return;
            }
            pendingInput.append(buffer, static_cast<std::size_t>(n));
            if (pendingInput.size() > 4096) pendingInput.clear();
            for (std::size_t end; (end = pendingInput.find('\n')) != std::string::npos;) {
                const std::string reply = console->handleLine(pendingInput.substr(0, end));
                pendingInput.erase(0, end + 1);
                std::cout << reply << std::flush;
            }
        });
    }

    hub.start();
    std::cerr << "koltvcom " << kVersionText << (headless ? " running headless\n" : " running\n")
              << "  home folder:  " << home.string() << "\n"
              << "  settings:     " << hub.settingsFile().path().string() << "\n"
              << "  traces:       " << (home / "trace").string() << "\n"
              << "  serial ports: " << hub.portDirectory().directory().string() << "/comN\n"
              << "Stop it with Ctrl+C.\n";
    if (headless) std::cerr << HeadlessConsole::help();
    return app->exec();
}
