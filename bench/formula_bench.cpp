// Cost of reading one coordinate field through the formula interpreter.
#include "formula/formula.h"

#include <benchmark/benchmark.h>

static void BM_ReadFieldText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(trimora::ReadFieldText("SQRT(2)*SIN(PI/6)+1,5"));
}
BENCHMARK(BM_ReadFieldText);

static void BM_ReadFieldTextPlainNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(trimora::ReadFieldText("-2,25"));
}
BENCHMARK(BM_ReadFieldTextPlainNumber);
