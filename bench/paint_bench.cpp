// One whole repaint with every catalogue entry on and the results shown: the work done at every
// mouse move while a vertex is dragged.
#include "draw/document.h"
#include "draw/recording_canvas.h"
#include "paint/paint.h"

#include <benchmark/benchmark.h>

#ifdef TRIMORA_BENCH_QT
#include "app/fast_raster.h"
#include "app/qpainter_canvas.h"

#include <algorithm>
#include <chrono>
#include <vector>
#endif

namespace {

trimora::Document AllOn() {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    doc.checked.set();
    return doc;
}

// With the switch "ETC-Nummern" off (etc:0) and on (etc:1).
void BM_RepaintRecording(benchmark::State& state) {
    trimora::Document doc = AllOn();
    doc.view.showEtc = state.range(0) != 0;
    trimora::RecordingCanvas canvas(821, 660);
    for (auto _ : state) {
        canvas.Clear();
        trimora::PaintDocument(doc, canvas, true);
        benchmark::DoNotOptimize(doc.results.Size());
    }
    state.counters["lines"] = static_cast<double>(doc.results.Size());
    state.counters["calls"] = static_cast<double>(canvas.Calls().size());
    state.counters["centres"] = static_cast<double>(doc.etcCentres.size());
}
BENCHMARK(BM_RepaintRecording)->Arg(0)->Arg(1)->ArgName("etc")->Unit(benchmark::kMicrosecond);

#ifdef TRIMORA_BENCH_QT
void BM_RepaintRaster(benchmark::State& state) {
    trimora::Document doc = AllOn();
    QImage image(821, 660, QImage::Format_RGB32);
    const bool antialiasing = state.range(0) != 0;
    for (auto _ : state) {
        trimora::RenderPicture(doc, image, true, antialiasing);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintRaster)->Arg(0)->Arg(1)->ArgName("antialiasing")->Unit(benchmark::kMicrosecond);

// The plain replay through QPainter and the drawing area's fast path side by side, anti-aliased,
// with every entry on and the results shown; wall time, since the fast path uses both cores.
void BM_RepaintAllEntries(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    trimora::Document doc;
    trimora::InitDocument(doc, width, height);
    doc.checked.set();
    QImage plain(width, height, QImage::Format_RGB32), fast(width, height, QImage::Format_RGB32);
    trimora::FastRaster raster;
    using Clock = std::chrono::steady_clock;
    // The two paths take turns, so that both meet the same load of the machine; the medians of
    // the single repaints are reported.
    std::vector<double> plainMs, fastMs;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        trimora::RenderPicture(doc, plain, true, true);
        const auto t1 = Clock::now();
        raster.Render(doc, fast, true, true);
        const auto t2 = Clock::now();
        plainMs.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        fastMs.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0.0 : v[v.size() / 2];
    };
    state.counters["plain_ms"] = median(plainMs);
    state.counters["fast_ms"] = median(fastMs);
    state.counters["ratio"] = median(fastMs) / median(plainMs);
}
BENCHMARK(BM_RepaintAllEntries)
    ->Args({821, 660})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
#endif

} // namespace
