#include "exercises/bank.h"

#include "counting/explanation.h"
#include "exercises/sheet.h"
#include "exercises/templates.h"

#include <numeric>
#include <stdexcept>

namespace tarvi::exercises {

namespace {

// The number a placeholder names: m and n, or the multiplicities 1 … 9 of PR
// and their sum m.
std::optional<int> slotValue(std::string_view name, FormulaKind kind, const std::vector<int>& values)
{
    std::size_t slot = 0;
    if (kind == FormulaKind::PR && name == "m")
        return std::accumulate(values.begin(), values.end(), 0);
    if (kind == FormulaKind::PR && name.size() == 1 && name[0] >= '1' && name[0] <= '9')
        slot = static_cast<std::size_t>(name[0] - '1');
    else if (kind != FormulaKind::PR && name == "n" && hasN(kind))
        slot = 1;
    else if (kind == FormulaKind::PR || name != "m")
        return std::nullopt;
    if (slot >= values.size())
        return std::nullopt;
    return values[slot];
}

void replaceAll(std::string& text, std::string_view what, std::string_view with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// Levels 1 and 2 count as the panel does by default; level 3 exactly.
CountMode countModeOf(Level level) { return level == Level::Any ? CountMode::Exact : CountMode::Double; }

// Whole digits compared as numbers.
bool notAbove(std::string_view count, std::string_view bound)
{
    return count.size() < bound.size() || (count.size() == bound.size() && count <= bound);
}

} // namespace

const std::vector<Template>& bank()
{
    static const std::vector<Template> templates = [] {
        std::vector<Template> all = variationTemplates();
        for (std::vector<Template> more : {permutationTemplates(), combinationTemplates()})
            all.insert(all.end(), more.begin(), more.end());
        return all;
    }();
    return templates;
}

std::size_t slotCount(const Template& problem) { return problem.wordings[0].meanings.size(); }

std::string fillIn(std::string_view statement, FormulaKind kind, const std::vector<int>& values)
{
    std::string filled;
    while (!statement.empty()) {
        const std::size_t open = statement.find('{');
        filled += statement.substr(0, open);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = statement.find('}', open);
        const std::string_view placeholder = statement.substr(open + 1, close - open - 1);
        statement.remove_prefix(close == std::string_view::npos ? statement.size() : close + 1);

        const std::size_t colon = placeholder.find(':');
        const std::optional<int> value = slotValue(placeholder.substr(0, colon), kind, values);
        if (!value)
            throw std::logic_error("a template names no slot of its own: " + std::string(placeholder));
        const std::string number = std::to_string(*value);
        if (colon == std::string_view::npos) {
            filled += number;
            continue;
        }
        const std::string_view forms = placeholder.substr(colon + 1);
        const std::size_t bar = forms.find('|');
        std::string form(*value == 1 ? forms.substr(0, bar) : forms.substr(bar + 1));
        replaceAll(form, "#", number);
        filled += form;
    }
    return filled;
}

PanelInputs inputsOf(FormulaKind kind, const std::vector<int>& values)
{
    PanelInputs inputs;
    if (kind == FormulaKind::PR) {
        int sum = 0;
        for (int value : values) {
            sum += value;
            inputs.multiplicities.push_back(std::to_string(value));
        }
        inputs.m = std::to_string(sum);
        return inputs;
    }
    inputs.m = std::to_string(values.at(0));
    if (hasN(kind))
        inputs.n = std::to_string(values.at(1));
    return inputs;
}

std::optional<Solution> solve(FormulaKind kind, const PanelInputs& inputs, Level level)
{
    const CountMode mode = countModeOf(level);
    const Evaluation outcome = evaluate(kind, inputs, mode);
    if (!outcome.ok)
        return std::nullopt;
    return Solution{outcome.result, explain(kind, inputs, Separators{}, outcome, mode)};
}

bool fitsLevel(std::string_view count, Level level)
{
    switch (level) {
    case Level::Easy:
        return !notAbove(count, "1") && notAbove(count, "1000");
    case Level::Medium:
        return !notAbove(count, "1000") && notAbove(count, "10000000");
    case Level::Any:
        return !notAbove(count, "10000000");
    }
    return false;
}

namespace {

// Values that make a problem of its kind and no other: a variation that takes
// every element (n = m) orders them all, and is a permutation.
bool belongsToKind(FormulaKind kind, const std::vector<int>& values)
{
    return kind != FormulaKind::V || values.at(1) < values.at(0);
}

} // namespace

std::vector<std::vector<int>> templateValues(const Template& problem, Level level)
{
    const std::vector<Range>& ranges = problem.ranges[levelIndex(level)];
    std::vector<std::vector<int>> found;
    if (ranges.empty()) // the template has no problem at this level
        return found;
    std::vector<int> values;
    for (const Range& range : ranges)
        values.push_back(range.low);
    for (;;) {
        // Only the count decides; the worked answer is written for the problems drawn.
        if (belongsToKind(problem.kind, values)) {
            const Evaluation outcome =
                evaluate(problem.kind, inputsOf(problem.kind, values), countModeOf(level));
            if (outcome.ok && fitsLevel(outcome.result, level))
                found.push_back(values);
        }
        std::size_t slot = values.size();
        while (slot > 0 && values[slot - 1] == ranges[slot - 1].high) {
            values[slot - 1] = ranges[slot - 1].low;
            --slot;
        }
        if (slot == 0)
            return found;
        ++values[slot - 1];
    }
}

std::optional<Problem> makeProblem(const Template& problem, platform::Language language,
                                   const std::vector<int>& values, Level level)
{
    PanelInputs inputs = inputsOf(problem.kind, values);
    std::optional<Solution> solution = solve(problem.kind, inputs, level);
    if (!solution || !fitsLevel(solution->count, level))
        return std::nullopt;
    const Wording& wording = problem.wordings[platform::column(language)];
    std::vector<Slot> slots;
    for (const std::string& meaning : wording.meanings)
        slots.push_back({meaning});
    // The worked answer shortens a long number with the Spanish word for its
    // digits; the problem's language has its own.
    constexpr std::string_view kDigits = " cifras)";
    std::string& answer = solution->answerLine;
    const std::string digits = " " + std::string(sheetWords(language).digits) + ")";
    for (std::size_t at = answer.find(kDigits); at != std::string::npos;
         at = answer.find(kDigits, at + digits.size()))
        answer.replace(at, kDigits.size(), digits);
    return Problem{problem.kind,
                   std::move(inputs),
                   fillIn(wording.statement, problem.kind, values),
                   wording.reason,
                   std::move(slots),
                   std::move(solution->answerLine),
                   std::move(solution->count)};
}

} // namespace tarvi::exercises
