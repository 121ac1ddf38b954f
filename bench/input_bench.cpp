// Work on the largest inputs the program accepts: a data file at the size limit full of lines
// that name no element, and a long field of "(-X^" pieces. Both must stay linear in their size.
#include "app/core/session.h"
#include "formula/formula.h"

#include <benchmark/benchmark.h>

#include <string>

static void BM_LoadLargestDataFile(benchmark::State& state) {
    std::string text = "1\r\n2\r\n-2\r\n-1\r\n2\r\n-1\r\n";
    while (text.size() < trimora::kMaxDataFileBytes - 32) text += "Kein Element dieses Namens\r\n";
    trimora::Session s;
    trimora::InitSession(s, 821, 660);
    for (auto _ : state) trimora::LoadDataFileLines(s, trimora::DecodeTextFile(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LoadLargestDataFile)->Unit(benchmark::kMillisecond);

static void BM_PrepareLongNegativePowers(benchmark::State& state) {
    std::string text;
    while (text.size() < (1u << 20)) text += "(-X^2)+";
    text += "1";
    for (auto _ : state) benchmark::DoNotOptimize(trimora::ReadFieldText(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_PrepareLongNegativePowers)->Unit(benchmark::kMillisecond);
