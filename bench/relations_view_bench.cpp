// The window's relations list as the user narrows it: one keystroke in the filter, one point
// chosen, over every relation with every catalogue entry on (also those for this triangle only).
// The relations are found once before; only the narrowing and the list model's refill count.
#ifdef TRIMORA_BENCH_QT
#include "app/relations_view.h"
#include "app/results_view.h"
#include "draw/document.h"
#include "draw/slots.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

// Argument 0: the start-up (scalene) triangle; 1: isosceles (many relations for this triangle only).
const trimora::RelationsList& Listed(int kind) {
    static trimora::RelationsList lists[2];
    trimora::RelationsList& list = lists[kind];
    if (!list.Listed()) {
        trimora::Document doc;
        trimora::InitDocument(doc, 821, 660);
        if (kind == 1) doc.points.screen[trimora::kSlotA] = {390, 170};
        doc.checked.set();
        list.Compute(doc, 821, 660);
        list.ShowAll(true);
    }
    return list;
}

void BM_RelationsFilterKeystroke(benchmark::State& state) {
    trimora::RelationsList list = Listed(static_cast<int>(state.range(0)));
    trimora::ResultsModel model;
    const QString typed = "schwerpunkt kollinear";
    int length = 0;
    for (auto _ : state) {
        length = length % static_cast<int>(typed.size()) + 1;
        list.SetFilter(typed.left(length));
        model.SetLines(list.ShownLines(), list.ShownToolTips()); // as the relations' dock shows them
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = static_cast<double>(list.Lines().size());
}
BENCHMARK(BM_RelationsFilterKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RelationsChoosePoint(benchmark::State& state) {
    trimora::RelationsList list = Listed(static_cast<int>(state.range(0)));
    trimora::ResultsModel model;
    const int points = static_cast<int>(list.Set().points.size());
    int point = 0;
    for (auto _ : state) {
        point = (point + 1) % points;
        list.ChoosePoint(point);
        model.SetLines(list.ShownLines(), list.ShownToolTips()); // as the relations' dock shows them
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = static_cast<double>(list.Lines().size());
}
BENCHMARK(BM_RelationsChoosePoint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
#endif
