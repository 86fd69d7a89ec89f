#include "exercises/sheet.h"

#include "exercises/draws.h"

#include <algorithm>

namespace tarvi::exercises {

namespace {

using Values = std::vector<int>;

bool asked(const SheetOptions& options, FormulaKind kind)
{
    return std::find(options.kinds.begin(), options.kinds.end(), kind) != options.kinds.end();
}

// The unused values of one template: the first `left` of `values`.
struct Pool {
    const Template* problem;
    std::vector<Values> values;
    std::size_t left;
    std::size_t drawn = 0;
};

// The templates of one kind that still have problems.
struct KindPools {
    std::vector<Pool> pools;
    std::size_t drawn = 0;
};

// One of the items drawn least often so far, chosen at random: a sheet
// spreads over the kinds, and over a kind's templates, before repeating one.
template <typename Item> std::size_t leastDrawn(const std::vector<Item>& items, Draws& draws)
{
    std::vector<std::size_t> least;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!least.empty() && items[i].drawn < items[least[0]].drawn)
            least.clear();
        if (least.empty() || items[i].drawn == items[least[0]].drawn)
            least.push_back(i);
    }
    return least[draws.below(least.size())];
}

// Whether a text is well-formed UTF-8 without control characters, so that it
// stays one line in every format and XML can hold it.
bool oneLineOfText(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || lead < 0x20 || lead == 0x7F || i + length > text.size())
            return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kShortest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000) ||
            (code >= 0x80 && code < 0xA0))
            return false;
        i += length;
    }
    return true;
}

} // namespace

struct ProblemStream::State {
    SheetOptions options;
    Draws draws;
    std::vector<KindPools> kinds; // the asked kinds in V … CR order, those with problems only
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
            std::vector<Values> values = templateValues(problem, options.level);
            if (!values.empty())
                pools.push_back({&problem, values, values.size()});
        }
        if (!pools.empty())
            state_->kinds.push_back({std::move(pools)});
    }
}

ProblemStream::~ProblemStream() = default;
ProblemStream::ProblemStream(ProblemStream&&) noexcept = default;
ProblemStream& ProblemStream::operator=(ProblemStream&&) noexcept = default;

std::optional<Problem> ProblemStream::next()
{
    std::vector<KindPools>& kinds = state_->kinds;
    if (kinds.empty())
        return std::nullopt;
    const std::size_t kindIndex = leastDrawn(kinds, state_->draws);
    std::vector<Pool>& pools = kinds[kindIndex].pools;
    const std::size_t poolIndex = leastDrawn(pools, state_->draws);
    Pool& pool = pools[poolIndex];
    ++kinds[kindIndex].drawn;
    ++pool.drawn;
    const std::size_t drawn = state_->draws.below(pool.left);
    --pool.left;
    std::swap(pool.values[drawn], pool.values[pool.left]);
    std::optional<Problem> problem =
        makeProblem(*pool.problem, state_->options.language, pool.values[pool.left], state_->options.level);
    // Spent templates and kinds leave the draw, so every draw gives a problem.
    if (pool.left == 0) {
        pools.erase(pools.begin() + static_cast<std::ptrdiff_t>(poolIndex));
        if (pools.empty())
            kinds.erase(kinds.begin() + static_cast<std::ptrdiff_t>(kindIndex));
    }
    return problem;
}

std::size_t ProblemStream::left() const
{
    std::size_t total = 0;
    for (const KindPools& kind : state_->kinds)
        for (const Pool& pool : kind.pools)
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
    if (!oneLineOfText(options.title))
        return std::string("--title must be one line of UTF-8 text");
    ProblemStream stream(options);
    const std::size_t available = stream.left();
    if (static_cast<std::size_t>(options.count) > available)
        return "these options give only " + std::to_string(available) + " distinct problems, not " +
               std::to_string(options.count);
    Sheet sheet{options, {}};
    if (sheet.options.title.empty())
        sheet.options.title = sheetWords(options.language).title;
    while (sheet.problems.size() < static_cast<std::size_t>(options.count))
        sheet.problems.push_back(*stream.next());
    return sheet;
}

} // namespace tarvi::exercises
