// A 60-problem sheet of every kind, drawn and written as text, GIFT and
// Moodle XML: the whole of what `tarvi-calc sheet --count 60` does but start
// the process. The seed changes with every round, so no round repeats another.

#include "exercises/writers.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tarvi::exercises;

SheetOptions sixtyProblems(benchmark::State& state, std::uint64_t seed)
{
    return {{tarvi::FormulaKind::V, tarvi::FormulaKind::VR, tarvi::FormulaKind::P, tarvi::FormulaKind::PR,
             tarvi::FormulaKind::C, tarvi::FormulaKind::CR},
            kMaxSheetProblems,
            Level(state.range(0)),
            tarvi::platform::Language::Spanish,
            "Combinatoria",
            seed};
}

template <std::string (*Write)(const Sheet&)> void BM_Sheet(benchmark::State& state)
{
    std::uint64_t seed = 0;
    for (auto _ : state) {
        const std::variant<Sheet, std::string> made = makeSheet(sixtyProblems(state, ++seed));
        benchmark::DoNotOptimize(Write(std::get<Sheet>(made)));
    }
}

} // namespace

BENCHMARK_TEMPLATE(BM_Sheet, sheetText)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Sheet, sheetGift)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Sheet, sheetMoodleXml)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
