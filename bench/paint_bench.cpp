// One whole repaint with every catalogue entry on and the results shown: the work done at every
// mouse move while a vertex is dragged.
#include "draw/document.h"
#include "paint/paint.h"
#include "draw/recording_canvas.h"

#include <benchmark/benchmark.h>

#ifdef TRIMORA_BENCH_QT
#include "app/qpainter_canvas.h"
#endif

namespace {

trimora::Document AllOn() {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    doc.checked.set();
    return doc;
}

void BM_RepaintRecording(benchmark::State& state) {
    trimora::Document doc = AllOn();
    trimora::RecordingCanvas canvas(821, 660);
    for (auto _ : state) {
        canvas.Clear();
        trimora::PaintBox1Paintx(doc, canvas, true);
        benchmark::DoNotOptimize(doc.results.Size());
    }
    state.counters["lines"] = static_cast<double>(doc.results.Size());
    state.counters["calls"] = static_cast<double>(canvas.Calls().size());
}
BENCHMARK(BM_RepaintRecording)->Unit(benchmark::kMicrosecond);

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
#endif

} // namespace
