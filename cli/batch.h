#pragma once

#include "cli/command.h"

#include <ostream>

namespace tarvi::cli {

// Lines longer than this are refused without being kept: a batch holds calls.
inline constexpr std::size_t kLongestBatchLine = 4096;

// Answers every line read from the file descriptor `input` as a call with the
// line's words, with exactly one line on `out` for each: the answer's lines
// joined by " | ", or an empty line for a blank line, a line starting with "#"
// and a line that fails. A failing line also writes "line N: " and its error
// on `err`. Answers are written before the next wait for input, so a batch can
// also be fed line by line. Returns 0 when every line was answered, else 1.
int runBatch(int input, std::ostream& out, std::ostream& err, Context& context);

} // namespace tarvi::cli
