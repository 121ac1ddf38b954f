#include "base/format.h"

#include <benchmark/benchmark.h>

static void BM_FormatReal(benchmark::State& state) {
    double x = 1234.56789;
    for (auto _ : state) benchmark::DoNotOptimize(trimora::FormatReal(x, 3));
}
BENCHMARK(BM_FormatReal);
