#pragma once

#include "counting/evaluation.h"
#include "engine/random.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvi::cli {

// The words of one call of tarvi-calc: its arguments, or one line of a batch.
using Words = std::span<const std::string>;

// What one call answers. How it is written depends on the caller: a single
// call prints its lines, a batch joins them on one line.
struct Answer {
    // Also the exit status of a single call.
    enum class Status { Answered = 0, Rejected = 1, Mistake = 2 };
    Status status = Status::Answered;
    std::vector<std::string> lines; // the answer, the error's message, or what was mistaken
    std::string title;              // the error's title, when a rejected input has one
};

// A call that is not worded as the usage says. Commands throw it, naming the
// mistake ("C needs m and n"); the dispatch turns it into a Mistake answer.
class UsageMistake : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The decimal and group separators of the user's locale (LC_ALL, LC_NUMERIC,
// LANG) as the C library has them. A separator the locale does not name, and
// both when the locale is not installed, are the C locale's: "." and ",".
Separators localeSeparators();

// What every call in one process shares, set up once rather than per line.
struct Context {
    Context() { generator.seedFromClock(); }

    Separators separators = localeSeparators();
    Generator generator;                // for random cases asked for without a seed
    CountMode mode = CountMode::Double; // the call's, set by its options
};

// The options that may come before KIND or a command word: "--exact" and "-e"
// count in whole numbers of any size.
bool isExactOption(std::string_view word);

Answer answered(std::vector<std::string> lines);
// `message` may hold several lines.
Answer rejected(std::string title, std::string_view message);
Answer answerOf(const Evaluation& outcome);

// A rejected answer as one line: "C  Error: sólo enteros positivos / y  m>n".
std::string oneLine(const Answer& rejected);

// Command words and kinds are read in any case: "vr", "Vr" and "VR" are one kind.
bool sameWord(std::string_view word, std::string_view name);
FormulaKind kindOf(std::string_view word); // throws UsageMistake for an unknown kind

// Throws UsageMistake unless there are exactly `expected` words after the
// command `name`, which `takes` describes ("m and n").
void expectWords(Words words, std::size_t expected, std::string_view name, std::string_view takes);

// KIND ARGS...: a panel and its inputs, as the panel's boxes would hold them.
struct PanelCase {
    FormulaKind kind;
    PanelInputs inputs;
};
PanelCase readCase(Words words);

} // namespace tarvi::cli
