#include "counting/randomcase.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace tarvi;

// Over many draws of every kind: n from 2 to 5 and m from n + 1 to n + 5 (each
// pair seen), or m from 3 to 10 without n; for PR, at least two positive parts,
// the first at most m / 2, adding up to m. Every case is solved, except a PR list
// of ten ones, which the panel refuses (more than nine multiplicities).
TEST(RandomCase, EveryDrawnCaseIsInRangeAndItsCountIsShown)
{
    Generator generator(2024);
    std::set<std::pair<int, int>> seen; // (n, m - n)
    for (int draw = 0; draw < 3000; ++draw) {
        const auto kind = static_cast<FormulaKind>(draw % kKinds);
        const RandomCase drawn = GeneraCas(kind, generator);
        const int m = std::stoi(drawn.m), n = hasN(kind) ? std::stoi(drawn.n) : 0;
        if (hasN(kind))
            seen.insert({n, m - n});
        ASSERT_TRUE(hasN(kind) ? n >= 2 && n <= 5 && m - n >= 1 && m - n <= 5
                               : drawn.n.empty() && m >= 3 && m <= 10)
            << m << "," << n;
        std::vector<int> parts;
        for (const std::string& text : drawn.multiplicities)
            parts.push_back(std::stoi(text));
        ASSERT_TRUE(kind != FormulaKind::PR ? parts.empty()
                                            : parts.size() >= 2 && parts[0] <= m / 2 &&
                                                  *std::min_element(parts.begin(), parts.end()) >= 1 &&
                                                  std::accumulate(parts.begin(), parts.end(), 0) == m)
            << m;
        Multiplicitats record;
        ASSERT_EQ(evaluatePanel(kind, drawn, {}, record).ok, parts.size() <= 9) << drawn.m;
    }
    EXPECT_EQ(seen.size(), 20u);
}
