// tarvi-calc explain against the plain count, kind by kind: one answer within
// the process, and one whole run of the program as a shell starts it.

#include "bench/spawn.h"
#include "cli/dispatch.h"

#include <benchmark/benchmark.h>

namespace {

void answer(benchmark::State& state, std::vector<std::string> words)
{
    tarvi::cli::Context context;
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvi::cli::answer(words, context));
}

BENCHMARK_CAPTURE(answer, V_count, {"V", "10", "5"});
BENCHMARK_CAPTURE(answer, V_explain, {"explain", "V", "10", "5"});
BENCHMARK_CAPTURE(answer, VR_count, {"VR", "5", "3"});
BENCHMARK_CAPTURE(answer, VR_explain, {"explain", "VR", "5", "3"});
BENCHMARK_CAPTURE(answer, P_count, {"P", "12"});
BENCHMARK_CAPTURE(answer, P_explain, {"explain", "P", "12"});
BENCHMARK_CAPTURE(answer, PR_count, {"PR", "6", "2", "3", "1"});
BENCHMARK_CAPTURE(answer, PR_explain, {"explain", "PR", "6", "2", "3", "1"});
BENCHMARK_CAPTURE(answer, C_count, {"C", "33", "16"});
BENCHMARK_CAPTURE(answer, C_explain, {"explain", "C", "33", "16"});
BENCHMARK_CAPTURE(answer, CR_count, {"CR", "5", "3"});
BENCHMARK_CAPTURE(answer, CR_explain, {"explain", "CR", "5", "3"});

// tarvi-calc started with these words, its output thrown away.
void program(benchmark::State& state, std::vector<std::string> words)
{
    tarvi::bench::spawnEach(state, TARVI_CALC, std::move(words));
}

BENCHMARK_CAPTURE(program, C_count, {"C", "33", "16"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(program, C_explain, {"explain", "C", "33", "16"})->Unit(benchmark::kMicrosecond);

} // namespace
