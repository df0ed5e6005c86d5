// The unit simulator: one controller unit on a pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "Version.h"
#include "hub/core/HubPaths.h"
#include "sim/SimCommandLine.h"
#include "sim/SimUnit.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A link may be replaced only when it is ours to replace: dangling, or left
// behind by an earlier pseudo-terminal.
bool mayReplace(const std::filesystem::path& link) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(link, ec);
    if (ec || !std::filesystem::exists(status)) return true;
    if (!std::filesystem::is_symlink(status)) return false;
    const auto target = std::filesystem::read_symlink(link, ec);
    if (ec) return false;
    return !std::filesystem::exists(target, ec) || target.string().rfind("/dev/pts/", 0) == 0;
}

std::string printable(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        if (c == '\x02') {
            out += "<STX>";
        } else if (c == '\r') {
            out += "<CR>";
        } else if (c == '\n') {
            out += "<LF>";
        } else if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) {
            char b[8];
            std::snprintf(b, sizeof b, "<%02X>", static_cast<unsigned char>(c));
            out += b;
        } else {
            out += c;
        }
    }
    return out;
}

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return;  // nobody reads: an answer to no one is dropped
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kolt::sim;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const SimCommandLine line = parseSimCommandLine(arguments);
    if (!line.error.empty()) {
        std::cerr << "koltsim: " << line.error << "\n\n" << simUsage();
        return 2;
    }
    if (line.help) {
        std::cout << simUsage();
        return 0;
    }
    if (line.version) {
        std::cout << "koltsim " << kolt::kVersionText << "\n";
        return 0;
    }

    const std::filesystem::path dir =
        line.portDir.value_or(kolt::defaultHomeFolder("koltvcom") / "ports");
    const std::filesystem::path link = dir / ("com" + std::to_string(line.com));
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!mayReplace(link)) {
        std::cerr << "koltsim: " << link.string()
                  << " exists and is not a link this program may replace\n";
        return 1;
    }

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::cerr << "koltsim: cannot make a pseudo-terminal: " << std::strerror(errno) << "\n";
        return 1;
    }
    const std::string slavePath = ::ptsname(master);
    // Held open so the line stays raw and reading never fails while no
    // program has the port open.
    const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0) {
        std::cerr << "koltsim: cannot open " << slavePath << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    std::filesystem::remove(link, ec);
    std::filesystem::create_symlink(slavePath, link, ec);
    if (ec) {
        std::cerr << "koltsim: cannot link " << link.string() << ": " << ec.message() << "\n";
        return 1;
    }

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    SimUnit unit(line.unit);
    std::cout << "koltsim: " << unitKindName(line.unit.kind) << " on " << slavePath
              << ", linked as " << link.string() << " (port " << line.com << ")" << std::endl;

    const std::int64_t started = nowMs();
    std::int64_t lastReport = started;
    unit.advanceTo(started);
    bool unplugged = false;
    while (!g_stop) {
        pollfd p{master, POLLIN, 0};
        const int ready = ::poll(&p, 1, 20);
        const std::int64_t now = nowMs();
        unit.advanceTo(now);
        if (ready > 0 && (p.revents & POLLIN)) {
            char buffer[512];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0) {
                const std::string in(buffer, static_cast<std::size_t>(n));
                const std::string out = unit.receive(in);
                if (line.verbose) {
                    std::cerr << "koltsim: < " << printable(in) << "\n";
                    if (!out.empty()) std::cerr << "koltsim: > " << printable(out) << "\n";
                }
                writeAll(master, out);
            }
        }
        if (line.verbose && now - lastReport >= 1000 &&
            (unit.azimuth().moving() || unit.elevation().moving())) {
            lastReport = now;
            std::fprintf(stderr, "koltsim: azimuth %5.1f  elevation %5.1f  moving\n",
                         unit.azimuth().position, unit.elevation().position);
        }
        if (line.unplugAfterSeconds > 0 &&
            static_cast<double>(now - started) >= line.unplugAfterSeconds * 1000.0) {
            unplugged = true;
            break;
        }
    }
    std::filesystem::remove(link, ec);
    ::close(slave);
    ::close(master);
    if (unplugged) std::cout << "koltsim: unplugged" << std::endl;
    return 0;
}
