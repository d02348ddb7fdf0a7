// Speed of the riser sizing on the largest design the table holds: 101 risers in 30 sections,
// the default candidates (every 5 mm from 25 mm up to each pipe), on one thread and on two.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "thalmuro/engine.h"

namespace {

using namespace thalmuro;

// 101 risers in 30 sections, eleven of four risers and nineteen of three, the pipe widening from
// 0.9 m to 1.77 m; Δl = 5 m, Δz = 0.05 m, risers of 0.15 m as typed; Q = 3 m^3/s.
DiffuserInput largestDesign() {
    const NumberLocale point = NumberLocale::english();
    DiffuserInput in;
    in.risers = "101";
    in.sections = "30";
    in.drho = "0.027";
    in.total_discharge = "3";
    in.manning = "0.013";
    int first = 1;
    for (std::size_t s = 0; s < kSectionRows; ++s) {
        const int count = s < 11 ? 4 : 3;
        in.rows[s] = {std::to_string(first),
                      std::to_string(first + count - 1),
                      formatGeneral(0.9 + 0.03 * static_cast<double>(s), point),
                      "5",
                      "0.05",
                      "0.15"};
        first += count;
    }
    return in;
}

// Wall-clock time per sizing, with the processor time of every thread of the process and the
// designs weighed: on a busy machine the wall-clock time shows the other programs as well.
void BM_SizeRisers101In30Sections(benchmark::State& state) {
    const DiffuserInput in = largestDesign();
    const auto threads = static_cast<unsigned>(state.range(0));
    long designs = 0;
    bool met = false;
    const std::clock_t start = std::clock();
    for (auto _ : state) {
        const SizingResult result = sizeRisers(in, {}, {}, NumberLocale::english(), threads);
        designs = result.designs;
        met = result.proposal.goals_met;
        benchmark::DoNotOptimize(result);
    }
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    state.counters["process_cpu_ms"] = benchmark::Counter(ms, benchmark::Counter::kAvgIterations);
    state.counters["designs"] = static_cast<double>(designs);
    state.counters["goals_met"] = met ? 1.0 : 0.0;
}
BENCHMARK(BM_SizeRisers101In30Sections)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(5.0);

}  // namespace

BENCHMARK_MAIN();
