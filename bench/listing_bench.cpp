// The largest listings: fifty entries, the longest word, and the subsets
// that Conjs builds recursively.

#include "counting/enumeration.h"

#include <benchmark/benchmark.h>

namespace {

void list(benchmark::State& state, tarvi::FormulaKind kind, tarvi::PanelInputs inputs)
{
    const tarvi::Separators separators;
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvi::listingFor(kind, inputs, separators));
}

BENCHMARK_CAPTURE(list, C_50_49, tarvi::FormulaKind::C, {"50", "49", {}});
BENCHMARK_CAPTURE(list, C_50_1, tarvi::FormulaKind::C, {"50", "1", {}});
BENCHMARK_CAPTURE(list, V_50_1, tarvi::FormulaKind::V, {"50", "1", {}});
BENCHMARK_CAPTURE(list, CR_2_49, tarvi::FormulaKind::CR, {"2", "49", {}});
BENCHMARK_CAPTURE(list, P_4, tarvi::FormulaKind::P, {"4", {}, {}});
BENCHMARK_CAPTURE(list, PR_49_48_1, tarvi::FormulaKind::PR, {"49", {}, {"48", "1"}});
// One word of 32767 letters.
BENCHMARK_CAPTURE(list, VR_1_32767, tarvi::FormulaKind::VR, {"1", "32767", {}});
// Refused after the evaluation, before anything is built.
BENCHMARK_CAPTURE(list, C_52_26_refused, tarvi::FormulaKind::C, {"52", "26", {}});

void conjs(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvi::Conjs(tarvi::Alfabet.substr(0, 50), 49));
}
BENCHMARK(conjs);

} // namespace
