#include "cli/command.h"

#include "engine/plaintext.h"

#include <algorithm>

#include <langinfo.h>
#include <locale.h>

namespace tarvi::cli {

Separators localeSeparators()
{
    Separators separators;
    // A locale object of its own: the process's locale stays the C locale.
    const locale_t user = ::newlocale(LC_NUMERIC_MASK, "", locale_t{});
    if (user == locale_t{})
        return separators;
    const std::string_view decimal = ::nl_langinfo_l(RADIXCHAR, user);
    const std::string_view group = ::nl_langinfo_l(THOUSEP, user);
    if (!decimal.empty())
        separators.decimal = decimal;
    if (!group.empty())
        separators.group = group;
    ::freelocale(user);
    return separators;
}

Answer answered(std::vector<std::string> lines) { return {Answer::Status::Answered, std::move(lines), {}}; }

Answer rejected(std::string title, std::string_view message)
{
    return {Answer::Status::Rejected, splitLines(message), std::move(title)};
}

Answer answerOf(const Evaluation& outcome)
{
    return outcome.ok ? answered({outcome.result}) : rejected(outcome.title, outcome.message);
}

std::string oneLine(const Answer& rejected)
{
    // The message's second line starts with a blank: " / y  m>n".
    const std::string message = joinLines(rejected.lines, " /");
    return rejected.title.empty() ? message : rejected.title + ": " + message;
}

bool isExactOption(std::string_view word) { return word == "--exact" || word == "-e"; }

bool sameWord(std::string_view word, std::string_view name)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(word, name, {}, lower, lower);
}

FormulaKind kindOf(std::string_view word)
{
    for (int i = 0; i < kKinds; ++i)
        if (sameWord(word, NomsFormula[static_cast<std::size_t>(i)]))
            return static_cast<FormulaKind>(i);
    throw UsageMistake("unknown kind \"" + visibleText(word) + "\"");
}

void expectWords(Words words, std::size_t expected, std::string_view name, std::string_view takes)
{
    const std::string named = std::string(name);
    if (words.size() < expected)
        throw UsageMistake(named + " needs " + std::string(takes));
    if (words.size() > expected)
        throw UsageMistake(named + " takes " + std::string(takes) + "; found " +
                           std::to_string(words.size()) + " arguments");
}

PanelCase readCase(Words words)
{
    if (words.empty())
        throw UsageMistake("no kind given");
    PanelCase asked{kindOf(words[0]), {}};
    const std::string_view name = NomsFormula[static_cast<std::size_t>(index(asked.kind))];
    const Words inputs = words.subspan(1);
    if (asked.kind == FormulaKind::PR) {
        // Any number of multiplicities: more than nine is the panel's own error.
        if (inputs.empty())
            throw UsageMistake("PR needs m");
        asked.inputs.multiplicities.assign(inputs.begin() + 1, inputs.end());
    } else if (hasN(asked.kind)) {
        expectWords(inputs, 2, name, "m and n");
        asked.inputs.n = inputs[1];
    } else {
        expectWords(inputs, 1, name, "n");
    }
    asked.inputs.m = inputs[0];
    return asked;
}

} // namespace tarvi::cli
