// One locus ("Ortslinie") while C runs round the circumcircle of the start triangle (720
// positions, each repainted headless on both cores), of the orthocentre and of the incentre (it is
// noted last of all, so that every position is a whole repaint), with the first 20 catalogue
// entries on and with every entry on. Wall time, since the trace uses
// both cores.
#include "draw/document.h"
#include "explore/loci.h"

#include <benchmark/benchmark.h>

namespace {

void TraceLocus(benchmark::State& state, bool allEntries, const char* name) {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    if (allEntries)
        doc.checked.set();
    else
        for (int e = 0; e < 20; ++e)
            doc.SetOn(e);
    const std::vector<trimora::TracePoint> points = trimora::TracePoints(doc, 821, 660);
    const int traced = trimora::FindTracePoint(points, name);
    if (traced < 0) {
        state.SkipWithError("no such point");
        return;
    }
    trimora::LocusRequest request{
        2, trimora::VertexPath::Circumcircle, {points[static_cast<std::size_t>(traced)]}};
    std::size_t samples = 0;
    for (auto _ : state) {
        trimora::LocusProgress progress;
        const auto loci = trimora::TraceLoci(doc, 821, 660, request, &progress);
        benchmark::DoNotOptimize(loci->size());
        samples = static_cast<std::size_t>(progress.total.load());
    }
    state.counters["samples"] = static_cast<double>(samples);
}

void BM_Locus20Entries(benchmark::State& state) {
    TraceLocus(state, false, "Höhenschnittpunkt");
}
BENCHMARK(BM_Locus20Entries)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Locus20EntriesLastNoted(benchmark::State& state) {
    TraceLocus(state, false, "Inkreismittelpunkt");
}
BENCHMARK(BM_Locus20EntriesLastNoted)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LocusAllEntries(benchmark::State& state) {
    TraceLocus(state, true, "Höhenschnittpunkt");
}
BENCHMARK(BM_LocusAllEntries)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LocusAllEntriesLastNoted(benchmark::State& state) {
    TraceLocus(state, true, "Inkreismittelpunkt");
}
BENCHMARK(BM_LocusAllEntriesLastNoted)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
