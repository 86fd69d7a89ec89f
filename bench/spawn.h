#pragma once

// A program started as a shell starts it, its output thrown away, timed as a
// whole, process start included.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tarvi::bench {

inline void spawnEach(benchmark::State& state, const char* program, std::vector<std::string> words)
{
    std::vector<char*> argv{const_cast<char*>(program)};
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, program, &actions, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program did not answer");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace tarvi::bench
