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

// The equilateral triangle of side 4 at stretch 1000 on a 320 x 320 area at 2400 dpi, a PNG of
// 8000 x 8000 pixels whose sides and fill reach hundreds of thousands of pixels beyond the
// picture: "--vertices 0;0;4;0;2;2*SQRT(3) --stretch 1000 --size 320x320 --dpi 2400". all = 0:
// the start-up selection, 1: every entry (--all). Drawing alone, and drawing with encoding.
trimora::Document FarTriangle(bool all) {
    trimora::Document doc;
    trimora::InitDocument(doc, 320, 320);
    doc.fields = {"0", "0", "4", "0", "2", "2*SQRT(3)"};
    doc.view.stretchFactor = 1000;
    trimora::ApplyFieldTexts(doc, 320, 320);
    if (all) doc.checked.set();
    return doc;
}

void BM_DrawFarTriangle(benchmark::State& state) {
    trimora::Document doc = FarTriangle(state.range(0) != 0);
    for (auto _ : state) {
        const QImage image = trimora::RenderImage(doc, 320, 320, 2400);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawFarTriangle)->DenseRange(0, 1)->ArgName("all")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportFarTriangle(benchmark::State& state) {
    trimora::Document doc = FarTriangle(state.range(0) != 0);
    for (auto _ : state) {
        const trimora::Encoded e = trimora::EncodePicture(doc, 320, 320, trimora::PictureFormat::Png, {2400, 0});
        benchmark::DoNotOptimize(e.bytes.data());
    }
}
BENCHMARK(BM_ExportFarTriangle)->DenseRange(0, 1)->ArgName("all")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
#endif
