// One evaluation of each panel, from input texts to the result text.

#include "counting/evaluation.h"

#include <benchmark/benchmark.h>

namespace {

void evaluate(benchmark::State& state, tarvi::FormulaKind kind, tarvi::PanelInputs inputs)
{
    const tarvi::Separators separators;
    tarvi::Multiplicitats record;
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvi::evaluatePanel(kind, inputs, separators, record));
}

BENCHMARK_CAPTURE(evaluate, V, tarvi::FormulaKind::V, {"10", "5", {}});
BENCHMARK_CAPTURE(evaluate, VR, tarvi::FormulaKind::VR, {"5", "3", {}});
BENCHMARK_CAPTURE(evaluate, P, tarvi::FormulaKind::P, {"12", {}, {}});
BENCHMARK_CAPTURE(evaluate, PR, tarvi::FormulaKind::PR, {"6", {}, {"2", "3", "1"}});
BENCHMARK_CAPTURE(evaluate, C, tarvi::FormulaKind::C, {"33", "16", {}});
BENCHMARK_CAPTURE(evaluate, CR, tarvi::FormulaKind::CR, {"5", "3", {}});
// The slowest rejection: a factorial that runs until it leaves the double range.
BENCHMARK_CAPTURE(evaluate, C_overflow, tarvi::FormulaKind::C, {"200", "199", {}});

} // namespace
