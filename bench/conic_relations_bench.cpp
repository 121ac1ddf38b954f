// The points on the drawn conics with every catalogue entry on: the marked places against each
// logged conic, and the check of each set on three other triangles.
#include "draw/document.h"
#include "draw/point_table.h"
#include "draw/slots.h"
#include "explore/conic_relations.h"
#include "explore/null_canvas.h"
#include "explore/plane.h"
#include "explore/relations_search.h"
#include "paint/paint.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ConicRelationsAllEntries(benchmark::State& state) {
    trimora::Document doc;
    trimora::InitDocument(doc, 821, 660);
    doc.checked.set();
    const std::vector<trimora::MarkedPoint> points = trimora::RelationsOfDocument(doc, 821, 660).points;
    trimora::Document copy = doc;
    trimora::NullCanvas canvas(821, 660);
    trimora::PaintLog log;
    trimora::PaintDocument(copy, canvas, true, &log);
    const double size = trimora::plane::LongestSide({trimora::ScreenAsReal(copy.points, trimora::kSlotA),
                                                     trimora::ScreenAsReal(copy.points, trimora::kSlotB),
                                                     trimora::ScreenAsReal(copy.points, trimora::kSlotC)});
    // The same repaint stands for the other triangles: every set is checked as far as it goes.
    const trimora::OtherTriangle other{trimora::PointsOf(copy.results, log),
                                       trimora::kRelationTolerance * size, log.conics, log.lines, log.circles};
    const std::vector<trimora::OtherTriangle> others(3, other);
    std::size_t found = 0;
    for (auto _ : state) {
        found = trimora::ConicRelations(points, log, size, others).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["points"] = static_cast<double>(points.size());
    state.counters["conics"] = static_cast<double>(log.conics.size());
    state.counters["relations"] = static_cast<double>(found);
}
BENCHMARK(BM_ConicRelationsAllEntries)->Unit(benchmark::kMicrosecond);

} // namespace
