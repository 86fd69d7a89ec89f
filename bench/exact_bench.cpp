// Exact counts. In the process: the five largest counts of the 16-bit range,
// from input texts to every decimal digit. As programs, in the same run:
// tarvi-calc --exact beside /bin/true and beside a plain GMP program that
// prints 32767!, each started as a shell starts it.

#include "bench/spawn.h"
#include "counting/evaluation.h"

#include <benchmark/benchmark.h>

namespace {

using tarvi::FormulaKind;

void exact(benchmark::State& state, FormulaKind kind, tarvi::PanelInputs inputs)
{
    for (auto _ : state) {
        const tarvi::Evaluation outcome = tarvi::evaluate(kind, inputs, tarvi::CountMode::Exact);
        if (!outcome.ok) {
            state.SkipWithError("the case was refused");
            break;
        }
        state.counters["digits"] = static_cast<double>(outcome.result.size());
    }
}

BENCHMARK_CAPTURE(exact, P_32767, FormulaKind::P, {"32767", {}, {}})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exact, C_32767_16383, FormulaKind::C, {"32767", "16383", {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exact, VR_32767_32767, FormulaKind::VR, {"32767", "32767", {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exact, CR_16384_16383, FormulaKind::CR, {"16384", "16383", {}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exact, PR_32767_nine, FormulaKind::PR,
                  {"32767", {}, {"3641", "3641", "3641", "3641", "3641", "3641", "3641", "3641", "3639"}})
    ->Unit(benchmark::kMillisecond);

void program(benchmark::State& state, const char* path, std::vector<std::string> words)
{
    tarvi::bench::spawnEach(state, path, std::move(words));
}

BENCHMARK_CAPTURE(program, true, "/bin/true", {})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(program, calc_exact_C_100_50, TARVI_CALC, {"--exact", "C", "100", "50"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(program, gmp_factorial_32767, GMP_FACTORIAL, {})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(program, calc_exact_P_32767, TARVI_CALC, {"--exact", "P", "32767"})
    ->Unit(benchmark::kMicrosecond);

} // namespace
