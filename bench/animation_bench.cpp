// The animated GIF of one run and the memory it takes at its peak (the counter "peak_MB", the
// process's high-water mark of resident memory, reset before each run): the window's default of
// 120 frames of 821 x 660 pixels, and a triangle whose six fields are 200 kB formulas on a drawing
// area of 4000 x 1 pixels (a run of some 16000 ticks).
#ifdef TRIMORA_BENCH_QT
#include "app/animation_export.h"
#include "app/core/session.h"
#include "base/resource.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024; // kB
    return 0;
}

void RunAnimation(benchmark::State& state, const trimora::Session& s) {
    const std::string path = "/tmp/trimora_animation_bench_" + std::to_string(getpid()) + ".gif";
    double peak = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        const QString failure = trimora::ExportAnimation(s, s.width, s.height, trimora::kDefaultAnimationFrames, path);
        if (!failure.isEmpty()) state.SkipWithError(failure.toStdString().c_str());
        peak = std::max(peak, PeakMegabytes());
    }
    std::remove(path.c_str());
    state.counters["peak_MB"] = peak;
}

void BM_AnimationDefault(benchmark::State& state) {
    trimora::Session s;
    trimora::InitSession(s, 821, 660);
    trimora::ApplyTopic(s, "Feuerbach-Kreis", trimora::LoadResourceLines("WTRIMORA"));
    RunAnimation(state, s);
}
BENCHMARK(BM_AnimationDefault)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_AnimationLongFormulas(benchmark::State& state) {
    trimora::Session s;
    trimora::InitSession(s, 4000, 1);
    const char* values[6] = {"-1", "0", "1", "0", "0", "1"};
    for (std::size_t n = 0; n < 6; ++n) {
        std::string formula;
        while (formula.size() < 200000) formula += "0+";
        s.doc.fields[n] = formula + values[n]; // 200 kB, worth the start-up vertex
    }
    trimora::ApplyTypedCoordinates(s);
    RunAnimation(state, s);
}
BENCHMARK(BM_AnimationLongFormulas)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
#endif
