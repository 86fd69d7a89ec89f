#include "cli/random.h"

#include "counting/caseline.h"
#include "counting/randomcase.h"

#include <charconv>
#include <optional>

namespace tarvi::cli {

namespace {

std::string solvedCase(FormulaKind kind, Generator& generator, const Context& context)
{
    const RandomCase drawn = GeneraCas(kind, generator);
    Multiplicitats record;
    const Evaluation outcome = evaluatePanel(kind, drawn, context.separators, record, context.mode);
    return caseLine(kind, drawn, outcome.ok ? outcome.result : oneLine(answerOf(outcome)));
}

std::uint32_t readSeed(const std::string& text)
{
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size())
        throw UsageMistake("the seed must be a whole number from 0 to 4294967295");
    return seed;
}

} // namespace

Answer random(Words words, Context& context)
{
    if (words.empty())
        throw UsageMistake("random needs a kind or Todos");
    if (words.size() > 2)
        throw UsageMistake("random takes a kind or Todos, and a seed; found " + std::to_string(words.size()) +
                           " arguments");
    const bool all = sameWord(words[0], "Todos");
    const FormulaKind first = all ? FormulaKind::V : kindOf(words[0]);
    std::optional<Generator> seeded;
    if (words.size() == 2)
        seeded.emplace(readSeed(words[1]));
    Generator& generator = seeded ? *seeded : context.generator;

    const int last = all ? kKinds - 1 : index(first);
    std::vector<std::string> lines;
    for (int kind = index(first); kind <= last; ++kind)
        lines.push_back(solvedCase(static_cast<FormulaKind>(kind), generator, context));
    return answered(std::move(lines));
}

} // namespace tarvi::cli
