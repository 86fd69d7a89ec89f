#include "exercises/sheet.h"

#include "exercises/draws.h"

#include <algorithm>

namespace tarvi::exercises {

namespace {

using Values = std::vector<int>;

// Every choice of slot values within a template's ranges at a level, in order,
// that the panel accepts and whose count fits the level.
std::vector<Values> valuesAt(const Template& problem, Level level)
{
    const std::vector<Range>& ranges = problem.ranges[levelIndex(level)];
    std::vector<Values> found;
    if (ranges.empty()) // the template has no problem at this level
        return found;
    Values values;
    for (const Range& range : ranges)
        values.push_back(range.low);
    for (;;) {
        const std::optional<Solution> solution = solve(problem.kind, inputsOf(problem.kind, values));
        if (solution && fitsLevel(solution->count, level))
            found.push_back(values);
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

bool asked(const SheetOptions& options, FormulaKind kind)
{
    return std::find(options.kinds.begin(), options.kinds.end(), kind) != options.kinds.end();
}

// The unused values of one template: the first `left` of `values`.
struct Pool {
    const Template* problem;
    std::vector<Values> values;
    std::size_t left;
};

} // namespace

struct ProblemStream::State {
    SheetOptions options;
    Draws draws;
    std::vector<std::vector<Pool>> kinds; // the asked kinds in V … CR order, those with problems only
};

ProblemStream::ProblemStream(const SheetOptions& options)
    : state_(std::make_unique<State>(State{options, Draws(options.seed), {}}))
{
    for (int kind = 0; kind < kKinds; ++kind) {
        if (!asked(options, FormulaKind(kind)))
            continue;
        std::vector<Pool> pools;
        for (const Template& problem : bank()) {
            if (problem.kind != FormulaKind(kind))
                continue;
            std::vector<Values> values = valuesAt(problem, options.level);
            if (!values.empty())
                pools.push_back({&problem, values, values.size()});
        }
        if (!pools.empty())
            state_->kinds.push_back(std::move(pools));
    }
}

ProblemStream::~ProblemStream() = default;
ProblemStream::ProblemStream(ProblemStream&&) noexcept = default;
ProblemStream& ProblemStream::operator=(ProblemStream&&) noexcept = default;

std::optional<Problem> ProblemStream::next()
{
    std::vector<std::vector<Pool>>& kinds = state_->kinds;
    if (kinds.empty())
        return std::nullopt;
    std::vector<Pool>& pools = kinds[state_->draws.below(kinds.size())];
    const std::size_t poolIndex = state_->draws.below(pools.size());
    Pool& pool = pools[poolIndex];
    const std::size_t drawn = state_->draws.below(pool.left);
    --pool.left;
    std::swap(pool.values[drawn], pool.values[pool.left]);
    std::optional<Problem> problem =
        makeProblem(*pool.problem, state_->options.language, pool.values[pool.left], state_->options.level);
    // Spent templates and kinds leave the draw, so every draw gives a problem.
    if (pool.left == 0) {
        pools.erase(pools.begin() + static_cast<std::ptrdiff_t>(poolIndex));
        if (pools.empty())
            kinds.erase(std::find_if(kinds.begin(), kinds.end(), [](const auto& k) { return k.empty(); }));
    }
    return problem;
}

std::size_t ProblemStream::left() const
{
    std::size_t total = 0;
    for (const std::vector<Pool>& pools : state_->kinds)
        for (const Pool& pool : pools)
            total += pool.left;
    return total;
}

std::size_t distinctProblems(const SheetOptions& options) { return ProblemStream(options).left(); }

std::variant<Sheet, std::string> makeSheet(const SheetOptions& options)
{
    if (options.kinds.empty())
        return std::string("no kinds to draw problems from");
    if (options.count < 1 || options.count > kMaxSheetProblems)
        return std::string("--count must be 1 to 60");
    ProblemStream stream(options);
    const std::size_t available = stream.left();
    if (static_cast<std::size_t>(options.count) > available)
        return "these options give only " + std::to_string(available) + " distinct problems, not " +
               std::to_string(options.count);
    Sheet sheet{options, {}};
    while (sheet.problems.size() < static_cast<std::size_t>(options.count))
        sheet.problems.push_back(*stream.next());
    return sheet;
}

} // namespace tarvi::exercises
