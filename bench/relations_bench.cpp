// The relations among the marked points with every catalogue entry on: the whole command (two
// repaints with the results shown and the search) and the search alone.
#include "draw/document.h"
#include "explore/relations_search.h"

#include <benchmark/benchmark.h>

namespace {

trimora::Document AllOn() {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    doc.checked.set();
    return doc;
}

void BM_RelationsAllEntries(benchmark::State& state) {
    const trimora::Document doc = AllOn();
    trimora::RelationSet set;
    for (auto _ : state) {
        set = trimora::RelationsOfDocument(doc, 821, 660);
        benchmark::DoNotOptimize(set.relations.size());
    }
    state.counters["points"] = static_cast<double>(set.points.size());
    state.counters["relations"] = static_cast<double>(set.relations.size());
}
BENCHMARK(BM_RelationsAllEntries)->Unit(benchmark::kMillisecond);

void BM_RelationsSearchOnly(benchmark::State& state) {
    const trimora::Document doc = AllOn();
    const std::vector<trimora::MarkedPoint> points = trimora::RelationsOfDocument(doc, 821, 660).points;
    const std::array<trimora::RealPoint, 3> abc{trimora::RealPoint{290, 190}, {220, 420}, {560, 420}};
    const trimora::PaintLog noTriangles;
    for (auto _ : state) {
        const trimora::RelationSet set = trimora::FindRelations(points, noTriangles, abc);
        benchmark::DoNotOptimize(set.relations.size());
    }
    state.counters["points"] = static_cast<double>(points.size());
}
BENCHMARK(BM_RelationsSearchOnly)->Unit(benchmark::kMillisecond);

} // namespace
