// Benchmark entry: a GUI application object on the offscreen platform, so that raster painting
// with fonts works without a display.
#include <benchmark/benchmark.h>

#ifdef TRIMORA_BENCH_QT
#include "app/qpainter_canvas.h"

#include <QGuiApplication>
#endif

#include <cstdlib>

int main(int argc, char** argv) {
#ifdef TRIMORA_BENCH_QT
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    trimora::RegisterFontFallbacks();
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
