// Export of the standard picture (the start-up triangle with circles, axes and labels) to each
// file format, encoding included, without writing the file.
#ifdef TRIMORA_BENCH_QT
#include "app/picture_export.h"
#include "draw/document.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ExportPicture(benchmark::State& state) {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    for (int e : {12, 13, 14, 15, 16, 17, 20}) doc.SetOn(e);
    doc.view.showAxes = true;
    const auto format = static_cast<trimora::PictureFormat>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const trimora::Encoded e = trimora::EncodePicture(doc, 821, 660, format);
        bytes = e.bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
// 1 BMP, 2 BMP 16 colours, 3 JPEG, 4 GIF, 5 PNG, 6 metafile, 7 SVG, 8 PDF
BENCHMARK(BM_ExportPicture)->DenseRange(1, 8)->ArgName("format")->Unit(benchmark::kMillisecond);

} // namespace
#endif
