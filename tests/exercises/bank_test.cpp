#include "exercises/bank.h"
#include "exercises/draws.h"
#include "exercises/sheet.h"
#include "testkit/primecounts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <set>

namespace tarvi::exercises {
namespace {

using platform::Language;

constexpr std::array kLanguages{Language::English, Language::Catalan, Language::Spanish};
constexpr std::array kLevelsAll{Level::Easy, Level::Medium, Level::Any};

// The count of a template's values worked out apart from the counting core,
// in whole numbers of any size.
mpz_class exactCount(FormulaKind kind, const std::vector<int>& v)
{
    using testkit::factorialRatio;
    std::vector<unsigned long> n(v.begin(), v.end());
    switch (kind) {
    case FormulaKind::V:
        return factorialRatio(n[0], {n[0] - n[1]});
    case FormulaKind::VR:
        return testkit::power(n[0], n[1]);
    case FormulaKind::P:
        return factorialRatio(n[0], {});
    case FormulaKind::PR:
        return factorialRatio(std::accumulate(n.begin(), n.end(), 0ul), n);
    case FormulaKind::C:
        return factorialRatio(n[0], {n[1], n[0] - n[1]});
    case FormulaKind::CR:
        return factorialRatio(n[0] + n[1] - 1, {n[1], n[0] - 1});
    }
    return 0;
}

// Whether `number` stands in `text` as a whole number, not inside a longer one.
bool showsNumber(const std::string& text, int number)
{
    const std::string digits = std::to_string(number);
    for (std::size_t at = text.find(digits); at != std::string::npos; at = text.find(digits, at + 1)) {
        const bool before = at > 0 && std::isdigit(static_cast<unsigned char>(text[at - 1]));
        const std::size_t end = at + digits.size();
        const bool after = end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]));
        if (!before && !after)
            return true;
    }
    return false;
}

TEST(Bank, EachKindHasSixTemplatesWithProblemsAtEveryLevel)
{
    for (int kind = 0; kind < kKinds; ++kind) {
        int templates = 0;
        for (const Template& problem : bank()) {
            if (problem.kind != FormulaKind(kind))
                continue;
            ++templates;
            for (const Wording& wording : problem.wordings) {
                EXPECT_FALSE(wording.statement.empty() || wording.reason.empty());
                EXPECT_EQ(wording.meanings.size(), slotCount(problem)) << wording.statement;
            }
        }
        EXPECT_GE(templates, 6) << NomsFormula[static_cast<std::size_t>(kind)];
        for (Level level : kLevelsAll) {
            std::size_t values = 0;
            bool beyondInt = false; // a count that only exact counting reaches
            for (const Template& problem : bank()) {
                if (problem.kind != FormulaKind(kind))
                    continue;
                for (const std::vector<int>& chosen : templateValues(problem, level)) {
                    ++values;
                    beyondInt = beyondInt || exactCount(problem.kind, chosen) > 2147483647;
                }
            }
            const std::string_view name = NomsFormula[static_cast<std::size_t>(kind)];
            EXPECT_GE(values, level == Level::Any ? 50u : 10u) << name << " level " << int(level);
            EXPECT_EQ(beyondInt, level == Level::Any) << name << " level " << int(level);
        }
    }
}

// Every problem the bank can make, in every language and at every level: the
// numbers it fills in stand in the statement, the count is the counting core's
// and the whole-number count, and it fits the level. A variation never takes
// every element, which would make it a permutation.
TEST(Bank, EveryProblemShowsItsNumbersAndIsSolvedRight)
{
    for (const Template& problem : bank()) {
        for (Level level : kLevelsAll) {
            for (const std::vector<int>& values : templateValues(problem, level)) {
                if (problem.kind == FormulaKind::V) {
                    EXPECT_LT(values[1], values[0]);
                }
                for (Language language : kLanguages) {
                    const std::optional<Problem> made = makeProblem(problem, language, values, level);
                    ASSERT_TRUE(made);
                    const std::string& statement = made->statement;
                    SCOPED_TRACE(statement);
                    EXPECT_EQ(statement.find_first_of("{}|#"), std::string::npos);
                    for (std::size_t slot = 0; slot < values.size(); ++slot) {
                        // A number the statement does not show is fixed by its context.
                        const auto& ranges = problem.ranges;
                        const bool fixed = std::all_of(ranges.begin(), ranges.end(), [&](const auto& level) {
                            return level.empty() ||
                                   (level[slot].low == values[slot] && level[slot].high == values[slot]);
                        });
                        EXPECT_TRUE(fixed || showsNumber(statement, values[slot])) << "slot " << slot;
                    }
                    const CountMode mode = level == Level::Any ? CountMode::Exact : CountMode::Double;
                    EXPECT_EQ(made->count, evaluate(problem.kind, made->inputs, mode).result);
                    EXPECT_EQ(made->count, exactCount(problem.kind, values).get_str());
                    EXPECT_TRUE(made->answerLine.starts_with(NomsFormula[std::size_t(index(problem.kind))]));
                    EXPECT_TRUE(made->answerLine.ends_with(" = " + made->count));
                    // A shortened number counts its digits in the problem's language.
                    const std::string shortened = "…(";
                    for (std::size_t at = made->answerLine.find(shortened); at != std::string::npos;
                         at = made->answerLine.find(shortened, at + 1)) {
                        const std::string_view rest = std::string_view(made->answerLine).substr(at);
                        EXPECT_TRUE(rest.starts_with(shortened) &&
                                    rest.substr(0, rest.find(')'))
                                        .ends_with(" " + std::string(sheetWords(language).digits)))
                            << rest;
                    }
                    EXPECT_TRUE(fitsLevel(made->count, level));
                    EXPECT_EQ(made->slots.size(), values.size());
                }
            }
        }
    }
}

// A slot that can be 1 must change its words with it: "1 delegado", never "1 delegados".
TEST(Bank, ANumberThatCanBeOneHasItsSingular)
{
    for (const Template& problem : bank()) {
        for (std::size_t slot = 0; slot < slotCount(problem); ++slot) {
            const bool canBeOne =
                std::any_of(problem.ranges.begin(), problem.ranges.end(),
                            [&](const auto& level) { return !level.empty() && level[slot].low == 1; });
            if (!canBeOne)
                continue;
            for (const Wording& wording : problem.wordings) {
                std::vector<int> values(slotCount(problem), 3);
                values[slot] = 1;
                const std::string one = fillIn(wording.statement, problem.kind, values);
                values[slot] = 2;
                const std::string two = fillIn(wording.statement, problem.kind, values);
                const auto differ = std::mismatch(one.begin(), one.end(), two.begin(), two.end());
                const std::size_t at = static_cast<std::size_t>(differ.first - one.begin());
                EXPECT_NE(one.substr(at + 1), two.substr(at + 1)) << one;
            }
        }
    }
}

TEST(Bank, FillsInNumbersAndTheirWords)
{
    struct Row {
        FormulaKind kind;
        std::string_view statement;
        std::vector<int> values;
        std::string_view filled;
    };
    const Row rows[] = {
        {FormulaKind::C,
         "De {m} alumnos, {n:# delegado|# delegados}.",
         {28, 1},
         "De 28 alumnos, 1 delegado."},
        {FormulaKind::C,
         "De {m} alumnos, {n:# delegado|# delegados}.",
         {28, 3},
         "De 28 alumnos, 3 delegados."},
        {FormulaKind::VR, "{n:una vez|# veces}", {2, 1}, "una vez"},
        {FormulaKind::PR,
         "{m}: {1:# roja|# rojas}, {2} y {3:# verde|# verdes}",
         {1, 2, 3},
         "6: 1 roja, 2 y 3 verdes"},
        {FormulaKind::P, "{m} libros", {12}, "12 libros"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(fillIn(row.statement, row.kind, row.values), row.filled);
    for (std::string_view wrong : {"{n}", "{x} libros", "{4}"})
        EXPECT_THROW(fillIn(wrong, FormulaKind::P, {5}), std::logic_error) << wrong;
}

TEST(Bank, LevelsSplitCountsAtOneThousandAndTenMillion)
{
    struct Row {
        std::string_view count;
        Level level;
    };
    for (const Row& row :
         {Row{"2", Level::Easy}, Row{"1000", Level::Easy}, Row{"1001", Level::Medium},
          Row{"10000000", Level::Medium}, Row{"10000001", Level::Any}, Row{"2147483648", Level::Any},
          Row{"265252859812191058636308480000000", Level::Any}}) {
        for (Level level : kLevelsAll)
            EXPECT_EQ(fitsLevel(row.count, level), level == row.level) << row.count << " " << int(level);
    }
    for (Level level : kLevelsAll)
        EXPECT_FALSE(fitsLevel("1", level));
}

// The numbers of SplitMix64 from seed 0, as published with the algorithm: the
// same on every compiler and library.
TEST(Draws, FollowTheWrittenSteps)
{
    Draws draws(0);
    EXPECT_EQ(draws.next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(draws.next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(draws.next(), 0x06C45D188009454FULL);
    std::set<std::uint64_t> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t drawn = draws.below(7);
        EXPECT_LT(drawn, 7u);
        seen.insert(drawn);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(draws.below(1), 0u);
}

} // namespace
} // namespace tarvi::exercises
