#pragma once

#include "cli/command.h"

#include <ostream>

namespace tarvi::cli {

// Answers one call: KIND ARGS..., or a command word and the words after it,
// each perhaps after the options (--exact). A batch line and a single call
// both come through here.
Answer answer(Words words, Context& context);

// Writes an answer as a single call does and returns the exit status: the
// answer's lines on `out`; or the error's title and message, or the mistake
// and the usage, on `err`.
int printAnswer(const Answer& answer, std::ostream& out, std::ostream& err);

// The whole program: one call, or with "-" as the only argument after the
// options a batch of calls read from `input`. Answers that cannot be written make the status 1.
int run(Words args, int input, std::ostream& out, std::ostream& err);

} // namespace tarvi::cli
