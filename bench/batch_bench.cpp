// tarvi-calc's batch: 100,000 lines answered in one process, from reading the
// input to writing the answers. Items per second are lines per second.

#include "cli/batch.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kLines = 100000;

void batch(benchmark::State& state, std::vector<std::string> cycle)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> input(std::tmpfile(), std::fclose);
    for (int i = 0; i < kLines; ++i)
        std::fprintf(input.get(), "%s\n", cycle[static_cast<std::size_t>(i) % cycle.size()].c_str());
    std::fflush(input.get());
    std::ofstream out("/dev/null");
    std::ofstream err("/dev/null");
    tarvi::cli::Context context;
    for (auto _ : state) {
        ::lseek(fileno(input.get()), 0, SEEK_SET);
        benchmark::DoNotOptimize(tarvi::cli::runBatch(fileno(input.get()), out, err, context));
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

// A class's answers to check: a count on every line.
BENCHMARK_CAPTURE(batch, counts, {"V 10 5", "VR 5 3", "P 12", "PR 6 2 3 1", "C 33 16", "CR 5 3"})
    ->Unit(benchmark::kMillisecond);
// Everything a batch meets: listings, expansions, made-up cases, comments,
// blank lines, rejected inputs and usage mistakes.
BENCHMARK_CAPTURE(batch, mixed,
                  {"V 10 5", "list C 4 2", "newton 5", "random Todos 7", "# a comment", "", "C 34 17",
                   "PR 7 2 3 1", "X 1", "c 5 2"})
    ->Unit(benchmark::kMillisecond);

} // namespace
