// How long the antenna window's dials take to paint, offscreen: one whole
// dial (face, rose, tics and labels, sectors, needles) into an image, and the
// window's layout for a new size.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "hub/ui/AntennaLayout.h"
#include "hub/ui/AntennaWindow.h"
#include "hub/ui/views/DialView.h"

namespace kolt {
namespace {

void paintDial(benchmark::State& s, bool azimuth) {
    AntennaWindow window;
    Dial& dial = azimuth ? window.AG_Az : window.AG_EL;
    dial.setCaption("KOLT-USB", 30, false);
    DialView view(dial);
    const int side = static_cast<int>(s.range(0));
    view.resize(side, side);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    int i = 0;
    for (auto _ : s) {
        dial.needle[0] = i++ % 360;
        dial.setSectorStart(0, dial.needle[0] - 20);
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_AzimuthDial(benchmark::State& s) {
    paintDial(s, true);
}
void BM_ElevationDial(benchmark::State& s) {
    paintDial(s, false);
}
BENCHMARK(BM_AzimuthDial)->Arg(150)->Arg(300)->Arg(600)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ElevationDial)->Arg(300)->Unit(benchmark::kMicrosecond);

void BM_Layout(benchmark::State& s) {
    int w = 3000;
    for (auto _ : s) {
        w = w == 3000 ? 6000 : 3000;
        benchmark::DoNotOptimize(layOutAntennaWindow({w, 3000, 4000, 3000, true, true}));
    }
}
BENCHMARK(BM_Layout);

}  // namespace
}  // namespace kolt

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
