// The points on the drawn conics with every catalogue entry on: the marked places against each
// logged conic, and the check of each set on three other triangles; and the relations among the
// drawn lines and circles, checked on them as well.
#include "draw/document.h"
#include "draw/point_table.h"
#include "draw/slots.h"
#include "explore/conic_relations.h"
#include "explore/drawn_relations.h"
#include "explore/null_canvas.h"
#include "explore/plane.h"
#include "explore/relations_search.h"
#include "paint/paint.h"

#include <benchmark/benchmark.h>

namespace {

struct Painted {
    trimora::Document doc;
    trimora::PaintLog log;
    std::vector<trimora::MarkedPoint> points;
    std::array<trimora::RealPoint, 3> abc{};
    double size = 0;
    std::vector<trimora::OtherTriangle> others;
};

// The start-up triangle with every entry on; the same repaint stands for the other triangles, so
// that every set is checked as far as it goes.
Painted PaintEverything() {
    Painted p;
    trimora::InitDocument(p.doc, 821, 660);
    p.doc.checked.set();
    p.points = trimora::RelationsOfDocument(p.doc, 821, 660).points;
    trimora::NullCanvas canvas(821, 660);
    trimora::PaintDocument(p.doc, canvas, true, &p.log);
    p.abc = {trimora::ScreenAsReal(p.doc.points, trimora::kSlotA), trimora::ScreenAsReal(p.doc.points, trimora::kSlotB),
             trimora::ScreenAsReal(p.doc.points, trimora::kSlotC)};
    p.size = trimora::plane::LongestSide(p.abc);
    const trimora::OtherTriangle other{trimora::PointsOf(p.doc.results, p.log), trimora::kRelationTolerance * p.size,
                                       p.log.conics, p.log.lines, p.log.circles};
    p.others.assign(3, other);
    return p;
}

void BM_ConicRelationsAllEntries(benchmark::State& state) {
    const Painted p = PaintEverything();
    std::size_t found = 0;
    for (auto _ : state) {
        found = trimora::ConicRelations(p.points, p.log, p.size, p.others).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["points"] = static_cast<double>(p.points.size());
    state.counters["conics"] = static_cast<double>(p.log.conics.size());
    state.counters["relations"] = static_cast<double>(found);
}
BENCHMARK(BM_ConicRelationsAllEntries)->Unit(benchmark::kMicrosecond);

void BM_DrawnRelationsAllEntries(benchmark::State& state) {
    const Painted p = PaintEverything();
    std::size_t found = 0;
    for (auto _ : state) {
        found = trimora::DrawnElementRelations(p.points, p.log, p.abc, p.others).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["lines"] = static_cast<double>(p.log.lines.size());
    state.counters["circles"] = static_cast<double>(p.log.circles.size());
    state.counters["relations"] = static_cast<double>(found);
}
BENCHMARK(BM_DrawnRelationsAllEntries)->Unit(benchmark::kMillisecond);

} // namespace
