// tarvi-calc explain against the plain count, kind by kind: one answer within
// the process, and one whole run of the program as a shell starts it.

#include "cli/dispatch.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

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
    std::vector<char*> argv{const_cast<char*>(TARVI_CALC)};
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, TARVI_CALC, &actions, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("tarvi-calc did not answer");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

BENCHMARK_CAPTURE(program, C_count, {"C", "33", "16"})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(program, C_explain, {"explain", "C", "33", "16"})->Unit(benchmark::kMicrosecond);

} // namespace
