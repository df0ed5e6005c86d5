// The reading of the controller units' replies: how long one reply takes
// from the serial event to the rotator state, on the test doubles.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "support/HubOnFakes.h"

namespace kolt {
namespace {

void replies(benchmark::State& s, RotatorModel model, bool trace) {
    test::HubOnFakes b;
    b.state().traceAz = trace;
    b.useModel(model);
    b.openAzimuth(1);
    if (model == RotatorModel::KoltUsb) b.serial.deviceSends(1, "Ver2.3H Firm:11\r\n");
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
        benchmark::DoNotOptimize(b.state().azimuth);
    }
    if (b.state().rxAz.size() > 64) s.SkipWithError("replies were left unread");
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
