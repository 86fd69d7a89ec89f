#include "counting/evaluation.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

using namespace tarvi;
using enum FormulaKind;

static std::string shown(FormulaKind kind, const PanelInputs& inputs)
{
    Multiplicitats record;
    const Evaluation e = evaluatePanel(kind, inputs, {".", ","}, record);
    return e.ok ? e.result : e.title + " | " + e.message;
}

static std::string error(FormulaKind kind) { return errorTitle(kind) + " | " + errorMessage(kind); }

// A case as a failure names it: "V 4 5", "PR 3  2 x".
static std::string named(FormulaKind kind, const PanelInputs& inputs)
{
    std::string name =
        std::string(NomsFormula[static_cast<std::size_t>(index(kind))]) + " " + inputs.m + " " + inputs.n;
    for (const std::string& part : inputs.multiplicities)
        name += " " + part;
    return name;
}

// Exact counts, held at kPast once above the 32-bit limit (they only grow from
// there), so that every product fits in 64 bits.
using Count = unsigned long long;
constexpr Count kPast = 2147483648;
static Count times(Count a, Count b) { return std::min(a * b, kPast); }
static Count binomial(int m, int n) // C(m - n + i, i) for i = 1..n, exact at every step
{
    Count result = n >= 0 && n <= m;
    for (int i = 1; i <= n && result < kPast; ++i)
        result = result * Count(m - n + i) / Count(i);
    return std::min(result, kPast);
}

// What the panel must show for an exact count: its digits, or past the limit the kind's error.
static std::string expected(FormulaKind kind, Count count)
{
    return count < kPast ? std::to_string(count) : error(kind);
}

// Checks PR for this list of parts adding up to total, then for every list it
// starts, up to four parts adding up to at most 20.
static void checkCompositions(std::vector<std::string>& parts, int total, Count count)
{
    const PanelInputs inputs{std::to_string(total), {}, parts};
    EXPECT_EQ(shown(PR, inputs), expected(PR, count)) << named(PR, inputs);
    for (int part = 1; total + part <= 20 && parts.size() < 4; ++part) {
        parts.push_back(std::to_string(part));
        checkCompositions(parts, total + part, times(count, binomial(total + part, part)));
        parts.pop_back();
    }
}

TEST(Evaluation, ErrorBoxesAndTheLimitsOfThe32BitCount)
{
    EXPECT_EQ(shown(V, {"4", "5", {}}), "V  Error | sólo enteros positivos\r\n y  m>n");
    EXPECT_EQ(shown(VR, {"2", "31", {}}), "VR  Error | sólo enteros positivos");
    EXPECT_EQ(shown(P, {"13", {}, {}}), "P  Error | sólo enteros positivos");
    EXPECT_EQ(shown(PR, {"7", {}, {"2", "3", "1"}}),
              "PR  Error | m,n1..nk deben ser enteros positivos\r\n y  n1+..+nk = m");
    EXPECT_EQ(shown(C, {"34", "17", {}}), "C  Error | sólo enteros positivos\r\n y  m>n");
    EXPECT_EQ(shown(CR, {"", "3", {}}), "CR  Error | sólo enteros positivos");
    EXPECT_EQ(shown(PR, {"9", {}, std::vector<std::string>(9, "1")}), "362880");
    // Past the double range before any division (C(171,171) = 1 is refused), negative,
    // not numbers, past 16 bits, or PR lists with a bad part or more than nine parts.
    const std::pair<FormulaKind, PanelInputs> refused[] = {
        {C, {"171", "171", {}}},     {C, {"200", "199", {}}},
        {V, {"32767", "100", {}}},   {CR, {"2", "171", {}}},
        {P, {"-3", {}, {}}},         {VR, {"-2", "2", {}}},
        {CR, {"3", "-1", {}}},       {V, {"abc", "1", {}}},
        {V, {"40000", "1", {}}},     {PR, {"3", {}, {"2", "x"}}},
        {PR, {"3", {}, {"3", "0"}}}, {PR, {"10", {}, std::vector<std::string>(10, "1")}},
    };
    for (const auto& [kind, inputs] : refused)
        EXPECT_EQ(shown(kind, inputs), error(kind)) << named(kind, inputs);
}

// Every count the panels show agrees with exact integer arithmetic.
TEST(Evaluation, AgreesWithExactArithmetic)
{
    Count factorial = 1;
    for (int m = 0; m <= 60; ++m, factorial = times(factorial, m)) {
        const std::string ms = std::to_string(m);
        EXPECT_EQ(shown(P, {ms, {}, {}}), expected(P, factorial));
        Count power = 1, variations = 1; // m^n and m (m - 1) ... (m - n + 1)
        for (int n = 0; n <= 60;
             power = times(power, m), variations = times(variations, std::max(m - n, 0)), ++n) {
            const std::string ns = std::to_string(n);
            SCOPED_TRACE(ms + "," + ns);
            EXPECT_EQ(shown(VR, {ms, ns, {}}), expected(VR, power));
            EXPECT_EQ(shown(CR, {ms, ns, {}}), expected(CR, n == 0 ? 1 : binomial(m + n - 1, n)));
            EXPECT_EQ(shown(V, {ms, ns, {}}), n > m ? error(V) : expected(V, variations));
            EXPECT_EQ(shown(C, {ms, ns, {}}), n > m ? error(C) : expected(C, binomial(m, n)));
        }
    }
    std::vector<std::string> parts;
    checkCompositions(parts, 0, 1);
}
