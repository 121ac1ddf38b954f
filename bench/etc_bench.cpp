// The cost of the ETC numbers: the look-up of a result label. (The whole repaint with the switch
// "ETC-Nummern" off and on is BM_RepaintRecording.)
#include "draw/document.h"
#include "draw/recording_canvas.h"
#include "base/etc_numbers.h"
#include "paint/paint.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Every label of a repaint with every entry on, each with the title of its block.
void BM_FindEtcRow(benchmark::State& state) {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    doc.checked.set();
    trimora::RecordingCanvas canvas(821, 660);
    trimora::PaintDocument(doc, canvas, true);
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

} // namespace
