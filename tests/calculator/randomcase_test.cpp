#include "calculator/core/randomcase.h"

#include <numeric>
#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

int whole(const std::string& text) { return std::stoi(text); }

} // namespace

TEST(RandomCase, EveryDrawnCaseIsInRangeAndItsCountIsShown)
{
    Generator generator(2024);
    std::set<int> ns, steps;
    int prLists = 0;
    for (int draw = 0; draw < 3000; ++draw) {
        const auto kind = static_cast<FormulaKind>(draw % kKinds);
        const RandomCase drawn = GeneraCas(kind, generator);
        const int m = whole(drawn.m);
        if (hasN(kind)) {
            const int n = whole(drawn.n);
            ASSERT_GE(n, 2);
            ASSERT_LE(n, 5);
            ASSERT_GE(m - n, 1);
            ASSERT_LE(m - n, 5);
            ns.insert(n);
            steps.insert(m - n);
        } else {
            ASSERT_TRUE(drawn.n.empty());
            ASSERT_GE(m, 3);
            ASSERT_LE(m, 10);
        }
        if (kind == FormulaKind::PR) {
            ++prLists;
            std::vector<int> parts;
            for (const std::string& text : drawn.multiplicities)
                parts.push_back(whole(text));
            ASSERT_GE(parts.size(), 2u);
            ASSERT_GE(parts.front(), 1);
            ASSERT_LE(parts.front(), m / 2);
            for (int part : parts)
                ASSERT_GE(part, 1);
            ASSERT_EQ(std::accumulate(parts.begin(), parts.end(), 0), m);
        } else {
            ASSERT_TRUE(drawn.multiplicities.empty());
        }

        // Every case is solved, except a PR list of ten ones, which the panel
        // refuses (more than nine multiplicities).
        Multiplicitats record;
        const Evaluation outcome = Calcula(kind, drawn, {}, record);
        ASSERT_EQ(outcome.ok, drawn.multiplicities.size() <= 9) << drawn.m;
    }
    EXPECT_EQ(ns, (std::set<int>{2, 3, 4, 5}));
    EXPECT_EQ(steps, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(prLists, 500);
}

TEST(RandomCase, DrawsComeInOrderOneEach)
{
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        Generator generator(seed);
        Generator replay(seed);
        const RandomCase drawn = GeneraCas(FormulaKind::PR, generator);

        const int n = NumAtzar(2, 5, replay);
        const int m = n + NumAtzar(1, 5, replay);
        ASSERT_EQ(drawn.m, std::to_string(m));
        int sum = NumAtzar(1, static_cast<std::int16_t>(m / 2), replay);
        std::vector<std::string> expected{std::to_string(sum)};
        while (sum < m) {
            const int part = NumAtzar(1, static_cast<std::int16_t>(m - sum), replay);
            expected.push_back(std::to_string(part));
            sum += part;
        }
        ASSERT_EQ(drawn.multiplicities, expected);
        // Nothing more was drawn: both generators stand at the same place.
        ASSERT_EQ(generator.next(), replay.next());
    }

    // P draws n too, although only m is shown.
    Generator generator(7), replay(7);
    GeneraCas(FormulaKind::P, generator);
    NumAtzar(2, 5, replay);
    NumAtzar(1, 5, replay);
    EXPECT_EQ(generator.next(), replay.next());
}
