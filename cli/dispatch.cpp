#include "cli/dispatch.h"

#include "cli/batch.h"
#include "cli/listing.h"
#include "cli/newton.h"
#include "cli/random.h"
#include "cli/sheet.h"
#include "counting/explanation.h"
#include "engine/plaintext.h"

#include <array>

namespace tarvi::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: tarvi-calc KIND ARGS...\n"
    "  V m n      variations             VR m n   variations with repetition\n"
    "  P n        permutations           PR m n1 n2 ... (up to 9 multiplicities)\n"
    "  C m n      combinations           CR m n   combinations with repetition\n"
    "  newton n   (a+b)^n written out, then its coefficients C(n,0) ... C(n,n), one per line\n"
    "  random KIND|Todos [SEED]   made-up cases with their results, as the window's \"+\"\n"
    "  list KIND ARGS...          what was counted, one numbered word a line, for counts up to 50\n"
    "  explain KIND ARGS...       the count worked out on one line: V(10,5) = 10·9·8·7·6 = 30240\n"
    "  -e, --exact  before KIND, a command word or \"-\", or at the start of a batch line:\n"
    "               every count exact, with all its digits, also beyond 2147483647\n"
    "  sheet [--kinds V,VR,P,PR,C,CR] [--count N] [--level 1|2|3] [--lang es|ca|en] [--title T]\n"
    "        [--seed N] [--format pdf|moodle|gift|text] [-o FILE]\n"
    "                             a sheet of word problems and its solutions; on standard output\n"
    "                             without -o; defaults: all kinds, 10, level 1, es, a random seed\n"
    "Every word after KIND is an input, even one that begins with \"-\".\n"
    "Exit status: 0 for a count, its working or a listing, 1 for an input the panel rejects\n"
    "or a case too large to list, or a sheet that cannot be written, 2 for a usage mistake.\n";

Answer mistake(std::string what) { return {Answer::Status::Mistake, {std::move(what)}, {}}; }

Answer help(Words, Context&) { return answered(splitLines(kUsage.substr(0, kUsage.size() - 1))); }

// A sheet writes files and its own output: a call of its own, not a batch line.
Answer sheetInBatch(Words, Context&) { throw UsageMistake("sheet cannot be a line of a batch"); }

Answer version(Words, Context&) { return answered({"tarvi-calc " TARVI_VERSION}); }

Answer count(Words words, Context& context)
{
    const PanelCase asked = readCase(words);
    Multiplicitats record;
    return answerOf(evaluatePanel(asked.kind, asked.inputs, context.separators, record, context.mode));
}

// The count's working, or the count's error: the inputs are checked as for the count.
Answer explanation(Words words, Context& context)
{
    const PanelCase asked = readCase(words);
    Multiplicitats record;
    const Evaluation outcome =
        evaluatePanel(asked.kind, asked.inputs, context.separators, record, context.mode);
    if (!outcome.ok)
        return answerOf(outcome);
    return answered({explain(asked.kind, asked.inputs, context.separators, outcome, context.mode)});
}

// The command words; any other first word names a kind.
struct Command {
    std::string_view name;
    Answer (*run)(Words after, Context& context);
};

constexpr std::array kCommands{
    Command{"list", list},           Command{"newton", newton},      Command{"random", random},
    Command{"explain", explanation}, Command{"--help", help},        Command{"-h", help},
    Command{"--version", version},   Command{"sheet", sheetInBatch},
};

// The options before the call's first word. Each sets the mode of the
// context; the caller says for how long.
Words readOptions(Words words, Context& context)
{
    for (; !words.empty() && isExactOption(words.front()); words = words.subspan(1))
        context.mode = CountMode::Exact;
    return words;
}

Answer answerWords(Words words, Context& context)
{
    try {
        for (const Command& command : kCommands)
            if (!words.empty() && sameWord(words[0], command.name))
                return command.run(words.subspan(1), context);
        if (!words.empty() && words[0].starts_with("--"))
            throw UsageMistake("unknown option \"" + visibleText(words[0]) + "\"");
        return count(words, context);
    } catch (const UsageMistake& wrong) {
        return mistake(wrong.what());
    }
}

} // namespace

Answer answer(Words words, Context& context)
{
    // A call's own options hold for it alone: a batch line's "--exact" does
    // not carry over to the next line.
    const CountMode standing = context.mode;
    Answer found = answerWords(readOptions(words, context), context);
    context.mode = standing;
    return found;
}

int printAnswer(const Answer& answer, std::ostream& out, std::ostream& err)
{
    switch (answer.status) {
    case Answer::Status::Answered:
        for (const std::string& line : answer.lines)
            out << line << '\n';
        break;
    case Answer::Status::Rejected:
        if (!answer.title.empty())
            err << answer.title << '\n';
        for (const std::string& line : answer.lines)
            err << line << '\n';
        break;
    case Answer::Status::Mistake:
        err << "tarvi-calc: " << answer.lines.front() << '\n' << kUsage;
        break;
    }
    return static_cast<int>(answer.status);
}

int run(Words args, int input, std::ostream& out, std::ostream& err)
{
    Context context;
    // The program's options hold for every line of a batch.
    const Words call = readOptions(args, context);
    int status = 0;
    if (!call.empty() && call[0] == "-")
        status = call.size() == 1 ? runBatch(input, out, err, context)
                                  : printAnswer(mistake("\"-\" must be the only argument"), out, err);
    else if (!call.empty() && sameWord(call[0], "sheet"))
        status = runSheet(call.subspan(1), out, err);
    else
        status = printAnswer(answer(call, context), out, err);
    if (!out.flush()) {
        err << "tarvi-calc: cannot write to standard output\n";
        return 1;
    }
    return status;
}

} // namespace tarvi::cli
