// The reading of the controller units' replies: how long one reply takes
// from the serial event to the rotator state, on the test doubles.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "hub/core/HubApplication.h"
#include "platform/fake/FakeNetwork.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeSerialPort.h"
#include "platform/fake/ScriptedDialogs.h"
#include "platform/fake/VirtualEventLoop.h"

namespace kolt {
namespace {

struct Bench {
    explicit Bench(RotatorModel model, bool trace) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kolt-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        home = pattern;
        hub = std::make_unique<HubApplication>(HubPlatform{loop, serial, net, dialogs, processes},
                                               HubOptions{home, std::nullopt, {}, home});
        hub->state().traceAz = trace;
        hub->state().model = model;
        hub->controllerPorts().applyModel();
        serial.addDevice(1);
        hub->mainWindow().cmbAzPort.text = std::to_string(1);
        hub->controllerPorts().openAzimuthPort();
        if (model == RotatorModel::KoltUsb) serial.deviceSends(1, "Ver2.3H Firm:11\r\n");
    }
    ~Bench() {
        hub.reset();
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    }
    std::filesystem::path home;
    VirtualEventLoop loop;
    FakeSerialBus serial;
    FakeNetwork net{loop};
    ScriptedDialogs dialogs;
    FakeProcesses processes;
    std::unique_ptr<HubApplication> hub;
};

void replies(benchmark::State& s, RotatorModel model, bool trace) {
    Bench b(model, trace);
    int i = 0;
    for (auto _ : s) {
        const int angle = i++ % 360;
        char reply[32];
        if (model == RotatorModel::KoltUsb) {
            std::snprintf(reply, sizeof reply, "+%04d+0045\r\n", angle);
        } else {
            std::snprintf(reply, sizeof reply,
                          "\x02"
                          "A,?,%03d,B\r",
                          angle);
        }
        b.serial.deviceSends(1, reply);
        benchmark::DoNotOptimize(b.hub->state().azimuth);
    }
    if (b.hub->state().rxAz.size() > 64) s.SkipWithError("replies were left unread");
}

void BM_KoltUsbPosition(benchmark::State& s) {
    replies(s, RotatorModel::KoltUsb, false);
}
void BM_KoltUsbPositionTraced(benchmark::State& s) {
    replies(s, RotatorModel::KoltUsb, true);
}
void BM_SingleControllerFrame(benchmark::State& s) {
    replies(s, RotatorModel::Azimuth, false);
}
BENCHMARK(BM_KoltUsbPosition);
BENCHMARK(BM_KoltUsbPositionTraced);
BENCHMARK(BM_SingleControllerFrame);

}  // namespace
}  // namespace kolt

BENCHMARK_MAIN();
