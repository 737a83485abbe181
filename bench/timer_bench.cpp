// ns per pass of MeasureTimer's loop; with --once, a single measurement for
// callgrind to count instructions in.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "board_ops.h"
#include "bus_cycles.h"

// Provided beside each port the benchmark runs against.
void SetTimerNeverClears();

// The timer test never pauses: step mode stays off.

static void BM_MeasureTimerNeverClears(benchmark::State& state) {
    for (auto _ : state) {
        SetTimerNeverClears();
        benchmark::DoNotOptimize(MeasureTimer());
    }
    state.counters["ns_per_pass"] =
        benchmark::Counter(double(state.iterations()) * TIMER_POLL_LIMIT,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MeasureTimerNeverClears)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (argc == 2 && strcmp(argv[1], "--once") == 0) {
        SetTimerNeverClears();
        printf("%u\n", MeasureTimer());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

