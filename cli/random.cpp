#include "cli/random.h"

#include "calculator/core/evaluation.h"
#include "calculator/core/randomcase.h"
#include "engine/random.h"

#include <charconv>
#include <iostream>

namespace {

// "V(7,3)", "P(5)", "PR(6[2][3][1])": the panel's name and its inputs.
std::string caseText(tarvi::FormulaKind kind, const tarvi::RandomCase& drawn)
{
    std::string text(tarvi::NomsFormula[static_cast<std::size_t>(tarvi::index(kind))]);
    text.append("(").append(drawn.m);
    if (tarvi::hasN(kind))
        text.append(",").append(drawn.n);
    for (const std::string& multiplicity : drawn.multiplicities)
        text.append("[").append(multiplicity).append("]");
    return text.append(")");
}

std::string oneLine(std::string text)
{
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, " /");
    return text;
}

void printCase(tarvi::FormulaKind kind, tarvi::Generator& generator)
{
    const tarvi::RandomCase drawn = tarvi::GeneraCas(kind, generator);
    tarvi::Multiplicitats record;
    const tarvi::Evaluation outcome =
        tarvi::Calcula(kind, drawn, tarvi::platform::systemSeparators(), record);
    std::cout << caseText(kind, drawn) << " = "
              << (outcome.ok ? outcome.result : outcome.title + ": " + oneLine(outcome.message)) << '\n';
}

} // namespace

int runRandom(const std::vector<std::string>& words)
{
    if (words.empty() || words.size() > 2) {
        std::cerr << "usage: tarvi-calc random KIND|Todos [SEED]\n";
        return 2;
    }
    int first = -1;
    for (int i = 0; i < tarvi::kKinds; ++i)
        if (words[0] == tarvi::NomsFormula[static_cast<std::size_t>(i)])
            first = i;
    if (words[0] == "Todos")
        first = tarvi::kAllKinds;
    if (first < 0) {
        std::cerr << "tarvi-calc random: unknown kind \"" << words[0]
                  << "\" (V, VR, P, PR, C, CR or Todos)\n";
        return 2;
    }

    tarvi::Generator generator;
    if (words.size() == 2) {
        std::uint32_t seed = 0;
        const std::string& text = words[1];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
        if (error != std::errc() || end != text.data() + text.size()) {
            std::cerr << "tarvi-calc random: the seed must be a whole number from 0 to 4294967295\n";
            return 2;
        }
        generator.seed(seed);
    } else {
        generator.seedFromClock();
    }

    const int last = first == tarvi::kAllKinds ? tarvi::kKinds - 1 : first;
    for (int kind = first == tarvi::kAllKinds ? 0 : first; kind <= last; ++kind)
        printCase(static_cast<tarvi::FormulaKind>(kind), generator);
    return 0;
}
