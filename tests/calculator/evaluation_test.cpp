#include "calculator/core/evaluation.h"

#include "tests/calculator/exact.h"

#include <string>

#include <gtest/gtest.h>

using namespace tarvi;
using tarvi::testkit::Exact;

namespace {

const platform::Separators kC{".", ","};

Evaluation eval(FormulaKind kind, std::string m, std::string n = {}, std::vector<std::string> list = {})
{
    Multiplicitats record;
    return Calcula(kind, {std::move(m), std::move(n), std::move(list)}, kC, record);
}

std::string shown(const Evaluation& e) { return e.ok ? e.result : e.title + " | " + e.message; }

// What the panel must show for an exact count: its digits up to 2147483647,
// otherwise the kind's error.
std::string expected(FormulaKind kind, Exact count)
{
    if (count > Exact(2147483647))
        return ErrorTitle(kind) + " | " + ErrorMessage(kind);
    return std::to_string(static_cast<long long>(count));
}

void compositions(int left, int maxParts, std::vector<int>& parts, const auto& visit)
{
    if (left == 0)
        visit(parts);
    if (static_cast<int>(parts.size()) == maxParts)
        return;
    for (int part = 1; part <= left; ++part) {
        parts.push_back(part);
        compositions(left - part, maxParts, parts, visit);
        parts.pop_back();
    }
}

} // namespace

TEST(Evaluation, ErrorBoxesCarryTheKindsTitleAndMessage)
{
    EXPECT_EQ(shown(eval(FormulaKind::V, "4", "5")), "V  Error | sólo enteros positivos\r\n y  m>n");
    EXPECT_EQ(shown(eval(FormulaKind::VR, "2", "31")), "VR  Error | sólo enteros positivos");
    EXPECT_EQ(shown(eval(FormulaKind::P, "13")), "P  Error | sólo enteros positivos");
    EXPECT_EQ(shown(eval(FormulaKind::PR, "7", {}, {"2", "3", "1"})),
              "PR  Error | m,n1..nk deben ser enteros positivos\r\n y  n1+..+nk = m");
    EXPECT_EQ(shown(eval(FormulaKind::C, "34", "17")), "C  Error | sólo enteros positivos\r\n y  m>n");
    EXPECT_EQ(shown(eval(FormulaKind::CR, "", "3")), "CR  Error | sólo enteros positivos");
}

TEST(Evaluation, ThePanelsEdgeCases)
{
    EXPECT_EQ(shown(eval(FormulaKind::V, "10", "5")), "30240");
    EXPECT_EQ(shown(eval(FormulaKind::V, "5", "5")), "120");
    EXPECT_EQ(shown(eval(FormulaKind::V, "5", "0")), "1");
    EXPECT_EQ(shown(eval(FormulaKind::VR, "5", "3")), "125");
    EXPECT_EQ(shown(eval(FormulaKind::VR, "0", "0")), "1");
    EXPECT_EQ(shown(eval(FormulaKind::P, "12")), "479001600");
    EXPECT_EQ(shown(eval(FormulaKind::P, "0")), "1");
    EXPECT_EQ(shown(eval(FormulaKind::PR, "6", {}, {"2", "3", "1"})), "60");
    EXPECT_EQ(shown(eval(FormulaKind::PR, "0")), "1");
    EXPECT_EQ(shown(eval(FormulaKind::C, "33", "16")), "1166803110");
    EXPECT_EQ(shown(eval(FormulaKind::CR, "5", "3")), "35");
    EXPECT_EQ(shown(eval(FormulaKind::CR, "5", "0")), "1");
    EXPECT_EQ(shown(eval(FormulaKind::CR, "0", "3")), "0");
    EXPECT_EQ(shown(eval(FormulaKind::P, " 5 ")), "120");
}

TEST(Evaluation, RejectedInputs)
{
    // The double range is left before any division: C(171,171) = 1 and
    // C(200,199) = 200 cannot be shown.
    EXPECT_FALSE(eval(FormulaKind::C, "171", "171").ok);
    EXPECT_FALSE(eval(FormulaKind::C, "200", "199").ok);
    EXPECT_FALSE(eval(FormulaKind::V, "32767", "100").ok);
    EXPECT_FALSE(eval(FormulaKind::CR, "2", "171").ok);
    // Negative inputs would give meaningless counts.
    EXPECT_FALSE(eval(FormulaKind::P, "-3").ok);
    EXPECT_FALSE(eval(FormulaKind::VR, "-2", "2").ok);
    EXPECT_FALSE(eval(FormulaKind::CR, "3", "-1").ok);
    EXPECT_FALSE(eval(FormulaKind::V, "abc", "1").ok);
    EXPECT_FALSE(eval(FormulaKind::V, "40000", "1").ok);
    EXPECT_FALSE(eval(FormulaKind::PR, "3", {}, {"2", "x"}).ok);
    EXPECT_FALSE(eval(FormulaKind::PR, "3", {}, {"3", "0"}).ok);
    EXPECT_FALSE(eval(FormulaKind::PR, "10", {}, std::vector<std::string>(10, "1")).ok);
    EXPECT_EQ(shown(eval(FormulaKind::PR, "9", {}, std::vector<std::string>(9, "1"))), "362880");
}

TEST(Evaluation, PrKeepsWhatItReadBeforeAFailure)
{
    Multiplicitats record;
    Calcula(FormulaKind::PR, {"3", {}, {"2", "x", "1"}}, kC, record);
    EXPECT_EQ(record.k, 3);
    EXPECT_EQ(record.n(1), 2);
}

// Every count the panels show agrees with exact integer arithmetic.
TEST(Evaluation, AgreesWithExactArithmetic)
{
    using testkit::exactBinomial;
    for (int m = 0; m <= 60; ++m) {
        const std::string ms = std::to_string(m);
        EXPECT_EQ(shown(eval(FormulaKind::P, ms)), expected(FormulaKind::P, testkit::exactVariations(m, m)));
        for (int n = 0; n <= 60; ++n) {
            const std::string ns = std::to_string(n);
            SCOPED_TRACE(ms + "," + ns);
            EXPECT_EQ(shown(eval(FormulaKind::VR, ms, ns)), expected(FormulaKind::VR, testkit::exactPower(m, n)));
            const Exact cr = n == 0 ? 1 : m == 0 ? 0 : exactBinomial(m + n - 1, n);
            EXPECT_EQ(shown(eval(FormulaKind::CR, ms, ns)), expected(FormulaKind::CR, cr));
            if (n > m) {
                EXPECT_FALSE(eval(FormulaKind::V, ms, ns).ok);
                EXPECT_FALSE(eval(FormulaKind::C, ms, ns).ok);
                continue;
            }
            EXPECT_EQ(shown(eval(FormulaKind::V, ms, ns)), expected(FormulaKind::V, testkit::exactVariations(m, n)));
            EXPECT_EQ(shown(eval(FormulaKind::C, ms, ns)), expected(FormulaKind::C, exactBinomial(m, n)));
        }
    }

    std::vector<int> parts;
    for (int m = 0; m <= 20; ++m)
        compositions(m, 4, parts, [&](const std::vector<int>& list) {
            std::vector<std::string> texts;
            for (int part : list)
                texts.push_back(std::to_string(part));
            EXPECT_EQ(shown(eval(FormulaKind::PR, std::to_string(m), {}, texts)),
                      expected(FormulaKind::PR, testkit::exactMultinomial(list)));
        });
}
