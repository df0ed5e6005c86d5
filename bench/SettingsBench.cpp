// What the start costs in settings work: the main loader on a first start
// (every default written back, one rename per key) and on a complete file.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "hub/core/MainSettingsLoader.h"
#include "platform/fake/VirtualEventLoop.h"

namespace {

using namespace kolt;

std::filesystem::path benchFolder() {
    auto dir =
        std::filesystem::temp_directory_path() / ("kolt-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

void load(const std::filesystem::path& file) {
    VirtualEventLoop loop;
    RotatorState state;
    HubSettings settings;
    HubTimers timers(loop);
    MainWindow mainWindow;
    RotorSetup rotorSetup;
    LogBox monitor;
    TraceLog trace(state, loop, file.parent_path(), monitor);
    SettingsFile ini(file);
    SettingsTargets targets{state, settings, timers, mainWindow, rotorSetup, trace};
    loadMainSettings(ini, targets);
}

void FirstStartLoad(benchmark::State& s) {
    const auto file = benchFolder() / "first.ini";
    for (auto _ : s) {
        std::filesystem::remove(file);
        load(file);
    }
}
BENCHMARK(FirstStartLoad)->Unit(benchmark::kMillisecond);

void LoadOfACompleteFile(benchmark::State& s) {
    const auto file = benchFolder() / "complete.ini";
    std::filesystem::remove(file);
    load(file);
    for (auto _ : s)
        load(file);
}
BENCHMARK(LoadOfACompleteFile)->Unit(benchmark::kMillisecond);

void ReadOneKey(benchmark::State& s) {
    const auto file = benchFolder() / "read.ini";
    std::filesystem::remove(file);
    load(file);
    const SettingsFile ini(file);
    for (auto _ : s)
        benchmark::DoNotOptimize(ini.readString("DXLog", "Enabled DXLog feature"));
}
BENCHMARK(ReadOneKey)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::remove_all(benchFolder());
    return 0;
}
