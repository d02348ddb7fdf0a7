// Speed of the march and of the optimised balancing at its worst, against the same balancing
// written with plain doubles and no failure checks; and of a list of operating conditions
// solved on every core, against the same Solves one after another.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "thalmuro/engine.h"

namespace {

using namespace thalmuro;

// 101 risers in one section: D = 1.5 m, d = 0.3 m, Δl = 8 m, Δz = 0.2 m, Sharp inlets.
DiffuserInput wideDiffuser(const char* q, FlowMode mode) {
    DiffuserInput in;
    in.risers = "101";
    in.sections = "1";
    in.drho = "0.0307";
    in.total_discharge = q;
    in.manning = "0.01";
    in.rows[0] = {"1", "101", "1.5", "8", "0.2", "0.3"};
    in.flow_mode = mode;
    return in;
}

// The same balancing with plain doubles: every formula in the same order of operations, the
// section data copied onto the risers in every pass, the same per-riser invariants hoisted,
// nothing checked.
struct Plain {
    static constexpr int N = 101;
    double g = kGravity, p = kPi, drho = 0.0307, Q = 30;
    // The one section: D, Δl, Δz, d and its friction factor.
    double sectionD = 1.5, sectionDl = 8, sectionDz = 0.2, sectionD1 = 0.3;
    double sectionF = 0.01 * 0.01 * 124.58 / std::pow(1.5, 0.33333);
    std::array<double, N> E{}, cd{}, vd{}, vr{}, q{}, fr{}, qp{};
    std::array<double, N> f{}, D{}, dl{}, dz{}, d{};
    std::array<double, 11> e{}, qi{};

    double pass(double qc) {
        const double p2 = p * p, qc2 = qc * qc;
        const double D1 = sectionD, d1 = sectionD1;
        const double D14 = (D1 * D1) * (D1 * D1), d14 = (d1 * d1) * (d1 * d1);
        const double xNum = 8.0 * qc2, xDen1 = p2 * D14 * g;
        for (int j = 0; j < 9; ++j) {
            const double x = xNum / (xDen1 * e[j]);
            const double c = 0.63 - 0.58 * x;
            e[j + 1] = qc2 / (c * c * p2 * d14 * g / 8.0);
        }
        E[0] = e[9];
        cd[0] = 0.63 - 0.58 * (xNum / (xDen1 * E[0]));
        vd[0] = 4.0 * qc / (p * (D1 * D1));
        vr[0] = 4.0 * qc / ((d1 * d1) * p);
        q[0] = qc;
        fr[0] = vr[0] / std::pow(d1 * g * drho, 0.5);
        for (int i = 0; i < N; ++i) {
            f[i] = sectionF;
            D[i] = sectionD;
            dl[i] = sectionDl;
            dz[i] = sectionDz;
            d[i] = sectionD1;
        }
        for (int i = 1; i < N; ++i) {
            E[i] = E[i - 1] +
                   f[i - 1] * dl[i - 1] * (vd[i - 1] * vd[i - 1]) / (2.0 * g * D[i - 1]) +
                   drho * dz[i - 1];
            const double xDen = (D[i] * D[i]) * (D[i] * D[i]) * p2 * g * E[i];
            const double area = (d[i] * d[i]) * p / 4.0;
            const double head = std::pow(2.0 * g * E[i], 0.5);
            for (int j = 0; j < 9; ++j) {
                const double x = 8.0 * (qi[j] * qi[j]) / xDen;
                qi[j + 1] = (0.63 - 0.58 * x) * area * head;
            }
            q[i] = qi[9];
            qp[i - 1] = i == 1 ? q[1] + q[0] : q[i] + qp[i - 2];
            cd[i] = 0.63 - 0.58 * (8.0 * (qp[i - 1] * qp[i - 1]) / xDen);
            vd[i] = 4.0 * qp[i - 1] / ((D[i] * D[i]) * p);
            vr[i] = 4.0 * q[i] / ((d[i] * d[i]) * p);
            fr[i] = vr[i] / std::pow(d[i] * g * drho, 0.5);
        }
        double sum = 0.0;
        for (int i = 0; i < N; ++i)
            sum = sum + q[i];
        return sum;
    }

    Balance balance() {
        e[0] = 0.01;
        qi[0] = 0.01;
        Balance b;
        b.qc = 0.95 * Q / N;
        for (;;) {
            b.qcalc = pass(b.qc);
            ++b.passes;
            if (!(b.qcalc > Q && b.qc > 0.0001)) return b;
            b.qc = b.qc - 0.0001;
        }
    }
};

void BM_OnePass101Risers(benchmark::State& state) {
    const DiffuserInput in = wideDiffuser("30", FlowMode::standard);
    SharedState shared;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Solve(in, shared, NumberLocale::english()));
    }
}
BENCHMARK(BM_OnePass101Risers);

void BM_OptimisedWorstCase(benchmark::State& state) {
    const DiffuserInput in = wideDiffuser("30", FlowMode::optimised);
    SharedState shared;
    long passes = 0;
    for (auto _ : state) {
        const SolveOutcome out = Solve(in, shared, NumberLocale::english());
        passes = out.balance.passes;
        benchmark::DoNotOptimize(out);
    }
    // The plain loop must reach the same balance to the bit, or the comparison means nothing.
    const Balance plain = Plain().balance();
    FlowMode mode = FlowMode::optimised;
    SharedState check;
    const Balance checked = Solve(wideDiffuser("30", mode), check, NumberLocale::english()).balance;
    if (plain.qc != checked.qc || plain.qcalc != checked.qcalc || plain.passes != checked.passes) {
        state.SkipWithError("the plain loop does not reproduce the engine's balance");
    }
    state.counters["passes"] = static_cast<double>(passes);
}
BENCHMARK(BM_OptimisedWorstCase)->Unit(benchmark::kMillisecond);

void BM_OptimisedWorstCaseUnchecked(benchmark::State& state) {
    long passes = 0;
    for (auto _ : state) {
        Plain plain;
        const Balance b = plain.balance();
        passes = b.passes;
        benchmark::DoNotOptimize(b);
    }
    state.counters["passes"] = static_cast<double>(passes);
}
BENCHMARK(BM_OptimisedWorstCaseUnchecked)->Unit(benchmark::kMillisecond);

// 1000 operating conditions of the 101-riser case in the standard flow mode: Q from 15 to
// 45 m^3/s at the design's Δρ/ρ.
std::vector<OperatingCondition> thousandConditions() {
    std::vector<OperatingCondition> conditions;
    for (int i = 0; i < 1000; ++i)
        conditions.push_back({15.0 + 30.0 * i / 999.0, 0.0307});
    return conditions;
}

// The processor time of every thread of the process per iteration, ms: on a busy machine the
// wall-clock time shows the other programs as well, this the work done.
class ProcessTime {
  public:
    void report(benchmark::State& state) const {
        const double ms = 1000.0 * static_cast<double>(std::clock() - start_) / CLOCKS_PER_SEC;
        state.counters["process_cpu_ms"] =
            benchmark::Counter(ms, benchmark::Counter::kAvgIterations);
    }

  private:
    std::clock_t start_ = std::clock();
};

// Wall-clock time, the work being on other threads; compare with 1.2 x the time of the 1000
// Solves below divided by the number of cores.
void BM_ThousandConditionsAllCores(benchmark::State& state) {
    const DiffuserInput in = wideDiffuser("30", FlowMode::standard);
    const std::vector<OperatingCondition> conditions = thousandConditions();
    const ProcessTime time;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solveConditions(in, conditions, NumberLocale::english()));
    }
    time.report(state);
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_ThousandConditionsAllCores)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same 1000 problems, each solved once on the program's one set of shared variables.
void BM_ThousandSolvesSequential(benchmark::State& state) {
    std::vector<DiffuserInput> inputs;
    for (const OperatingCondition& condition : thousandConditions()) {
        inputs.push_back(wideDiffuser("30", FlowMode::standard));
        inputs.back().total_discharge = formatGeneral(condition.q, NumberLocale::english());
    }
    SharedState shared;
    const ProcessTime time;
    for (auto _ : state) {
        for (const DiffuserInput& in : inputs)
            benchmark::DoNotOptimize(Solve(in, shared, NumberLocale::english()));
    }
    time.report(state);
}
BENCHMARK(BM_ThousandSolvesSequential)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
