// The cost of the ETC numbers: the look-up of a result label, and a whole recorded repaint with
// every entry on, with the switch "ETC-Nummern" off and on.
#include "draw/document.h"
#include "draw/recording_canvas.h"
#include "grund/etc_numbers.h"
#include "paint/paint.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace {

trimora::Document AllOn(bool etc) {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    doc.checked.set();
    doc.view.showEtc = etc;
    return doc;
}

// Every label of a repaint with every entry on, each with the title of its block.
void BM_FindEtcRow(benchmark::State& state) {
    trimora::Document doc = AllOn(false);
    trimora::RecordingCanvas canvas(821, 660);
    trimora::PaintBox1Paintx(doc, canvas, true);
    std::vector<std::pair<std::string, std::string>> keys;
    std::string title;
    for (const std::string& line : doc.results.Lines()) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos)
            title = line;
        else
            keys.emplace_back(line.substr(0, tab), title);
    }
    int found = 0;
    for (auto _ : state)
        for (const auto& [label, block] : keys)
            found += trimora::FindEtcRow(label, block) != nullptr;
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
    state.counters["labels"] = static_cast<double>(keys.size());
}
BENCHMARK(BM_FindEtcRow)->Unit(benchmark::kMicrosecond);

void BM_RepaintRecordingEtc(benchmark::State& state) {
    trimora::Document doc = AllOn(state.range(0) != 0);
    trimora::RecordingCanvas canvas(821, 660);
    for (auto _ : state) {
        canvas.Clear();
        trimora::PaintBox1Paintx(doc, canvas, true);
        benchmark::DoNotOptimize(doc.results.Size());
    }
    state.counters["centres"] = static_cast<double>(doc.etcCentres.size());
}
BENCHMARK(BM_RepaintRecordingEtc)->Arg(0)->Arg(1)->ArgName("etc")->Unit(benchmark::kMicrosecond);

} // namespace
