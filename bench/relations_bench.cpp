// The relations among the marked points with every catalogue entry on: the whole command (the
// repaints with the results shown, the search and the checks on the moved triangles) and the
// search alone.
#include "draw/document.h"
#include "draw/slots.h"
#include "explore/relations_search.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// Argument 0: the start-up (scalene) triangle; 1: isosceles; 2: equilateral to the pixel.
trimora::Document AllOn(int kind = 0) {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    if (kind > 0) {
        doc.points.screen[trimora::kSlotA] = {390, kind == 1 ? 170 : 126};
        doc.points.screen[trimora::kSlotB] = {220, 420};
        doc.points.screen[trimora::kSlotC] = {560, 420};
    }
    doc.checked.set();
    return doc;
}

void BM_RelationsAllEntries(benchmark::State& state) {
    const trimora::Document doc = AllOn(static_cast<int>(state.range(0)));
    trimora::RelationSet set;
    for (auto _ : state) {
        set = trimora::RelationsOfDocument(doc, 821, 660);
        benchmark::DoNotOptimize(set.relations.size());
    }
    const auto general = std::count_if(set.relations.begin(), set.relations.end(),
                                       [](const trimora::Relation& r) { return r.general; });
    state.counters["points"] = static_cast<double>(set.points.size());
    state.counters["relations"] = static_cast<double>(general);
    state.counters["thisTriangle"] = static_cast<double>(set.relations.size() - static_cast<std::size_t>(general));
}
BENCHMARK(BM_RelationsAllEntries)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

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
