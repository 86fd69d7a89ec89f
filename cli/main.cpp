// tarvi-calc: evaluates a formula panel, makes up random cases or expands
// (a+b)^n from the command line, for scripting and for checking answers, with
// the same checks and messages as the window.

#include "calculator/core/evaluation.h"
#include "cli/lines.h"
#include "cli/listing.h"
#include "cli/newton.h"
#include "cli/random.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "usage: tarvi-calc KIND ARGS...\n"
    "  V m n      variations             VR m n   variations with repetition\n"
    "  P n        permutations           PR m n1 n2 ... (up to 9 multiplicities)\n"
    "  C m n      combinations           CR m n   combinations with repetition\n"
    "  newton n   (a+b)^n written out, then its coefficients C(n,0) ... C(n,n), one per line\n"
    "  random KIND|Todos [SEED]   made-up cases with their results, as the window's \"+\"\n"
    "  list KIND ARGS...          what was counted, one numbered word a line, for counts up to 50\n"
    "Every word after KIND is an input, even one that begins with \"-\".\n"
    "Exit status: 0 for a count or a listing, 1 for an input the panel rejects or a case\n"
    "too large to list, 2 for a usage mistake.\n";

int usage(std::ostream& out, int status)
{
    out << kUsage;
    return status;
}

bool parseKind(std::string_view word, tarvi::FormulaKind& kind)
{
    for (int i = 0; i < tarvi::kKinds; ++i)
        if (word == tarvi::NomsFormula[static_cast<std::size_t>(i)]) {
            kind = static_cast<tarvi::FormulaKind>(i);
            return true;
        }
    return false;
}

int evaluate(tarvi::FormulaKind kind, const std::vector<std::string>& words, bool listing)
{
    tarvi::PanelInputs inputs;
    if (kind == tarvi::FormulaKind::PR) {
        if (words.empty())
            return usage(std::cerr, 2);
        inputs.m = words[0];
        inputs.multiplicities.assign(words.begin() + 1, words.end());
    } else {
        const std::size_t expected = tarvi::hasN(kind) ? 2 : 1;
        if (words.size() != expected)
            return usage(std::cerr, 2);
        inputs.m = words[0];
        if (expected == 2)
            inputs.n = words[1];
    }
    if (listing)
        return tarvi::cli::printListing(kind, inputs);
    tarvi::Multiplicitats record;
    const tarvi::Evaluation outcome =
        tarvi::Calcula(kind, inputs, tarvi::platform::systemSeparators(), record);
    if (!outcome.ok) {
        std::cerr << outcome.title << '\n' << tarvi::cli::withNewlines(outcome.message) << '\n';
        return 1;
    }
    std::cout << outcome.result << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usage(std::cerr, 2);
    if (args[0] == "--help" || args[0] == "-h")
        return usage(std::cout, 0);

    if (args[0] == "newton")
        return newtonCommand(std::vector<std::string>(args.begin() + 1, args.end()));
    if (args[0] == "random")
        return runRandom(std::vector<std::string>(args.begin() + 1, args.end()));

    const bool listing = args[0] == "list";
    const std::size_t kindAt = listing ? 1 : 0;
    tarvi::FormulaKind kind;
    if (args.size() <= kindAt || !parseKind(args[kindAt], kind))
        return usage(std::cerr, 2);
    return evaluate(kind, std::vector<std::string>(args.begin() + kindAt + 1, args.end()), listing);
}
