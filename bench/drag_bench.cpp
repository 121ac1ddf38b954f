// One drag step as the window does it at every mouse move: the vertex follows the mouse, the six
// fields are rewritten, and the whole picture and results are painted again.
#include "app/core/session.h"
#include "paint/paint.h"
#include "draw/recording_canvas.h"
#include "base/resource.h"

#include <benchmark/benchmark.h>

#ifdef TRIMORA_BENCH_QT
#include "app/fast_raster.h"
#include "app/qpainter_canvas.h"
#endif

namespace {

trimora::Session KimberlingPoints() {
    trimora::Session s;
    trimora::InitSession(s, 821, 660);
    static const std::vector<std::string> topics = trimora::LoadResourceLines("WTRIMORA");
    trimora::ApplyTopic(s, "Kimberling-Punkte", topics);
    trimora::EnterResultsMode(s);
    return s;
}

void BM_DragStepResultsMode(benchmark::State& state) {
    trimora::Session s = KimberlingPoints();
    trimora::RecordingCanvas canvas(821, 660);
    int step = 0;
    for (auto _ : state) {
        canvas.Clear();
        const int dx = step++ % 100;
        trimora::DragVertexTo(s, 0, 300 + dx, 200 + dx / 2);
        trimora::PaintDocument(s.doc, canvas, true);
        benchmark::DoNotOptimize(s.doc.results.Size());
    }
    state.counters["lines"] = static_cast<double>(s.doc.results.Size());
    state.counters["repaints/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DragStepResultsMode)->Unit(benchmark::kMicrosecond);

#ifdef TRIMORA_BENCH_QT
void BM_DragStepPicture(benchmark::State& state) {
    trimora::Session s = KimberlingPoints();
    QImage image(821, 660, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        const int dx = step++ % 100;
        trimora::DragVertexTo(s, 0, 300 + dx, 200 + dx / 2);
        trimora::RenderPicture(s.doc, image, false, true);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["repaints/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DragStepPicture)->Unit(benchmark::kMicrosecond);

// The same step with every entry on, painted as the drawing area paints it.
void BM_DragStepAllEntries(benchmark::State& state) {
    trimora::Session s;
    trimora::InitSession(s, 821, 660);
    s.doc.checked.set();
    QImage image(821, 660, QImage::Format_RGB32);
    trimora::FastRaster raster;
    int step = 0;
    for (auto _ : state) {
        const int dx = step++ % 100;
        trimora::DragVertexTo(s, 0, 300 + dx, 200 + dx / 2);
        raster.Render(s.doc, image, false, true);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["repaints/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DragStepAllEntries)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace
