#include "counting/explanation.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace tarvi;
using enum FormulaKind;

const Separators kMarks{".", ","};

static std::string explained(FormulaKind kind, const PanelInputs& inputs)
{
    Multiplicitats record;
    return explain(kind, inputs, kMarks, evaluatePanel(kind, inputs, kMarks, record));
}

// Each kind once with its cases of nothing to choose, the elision of a long
// run, E notation past 10^15, and failures, which explain nothing.
TEST(Explanation, EachKindWithItsZeroCasesAndLongProducts)
{
    const struct {
        FormulaKind kind;
        PanelInputs inputs;
        std::string line;
    } rows[] = {
        {V, {"7", "0", {}}, "V(7,0) = 1"},
        {V, {" 1e1 ", "5.4", {}}, "V(10,5) = 10·9·8·7·6 = 30240"}, // the numbers read, not the texts
        {V, {"20", "6", {}}, "V(20,6) = 20·19·18·17·16·15 = 27907200"},
        {V, {"20", "7", {}}, "V(20,7) = 20·19·18·…·14 = 390700800"},
        {VR, {"2", "30", {}}, "VR(2,30) = 2³⁰ = 1073741824"},
        {P, {"0", {}, {}}, "P(0) = 0! = 1"},
        {P, {"5", {}, {}}, "P(5) = 5! = 5·4·3·2·1 = 120"},
        {PR, {"6", {}, {"2", "3", "1"}}, "PR(6; 2,3,1) = 6! / (2!·3!·1!) = 720 / 12 = 60"},
        {C, {"5", "0", {}}, "C(5,0) = 1"},
        {C,
         {"33", "16", {}},
         "C(33,16) = 33! / (16!·17!) = (33·32·31·…·18) / 16! = 2.4412776311195E+22 / 20922789888000 = "
         "1166803110"},
        {CR, {"5", "3", {}}, "CR(5,3) = C(7,3) = (7·6·5) / 3! = 210 / 6 = 35"},
        {C, {"34", "17", {}}, ""},
        {PR, {"7", {}, {"2", "3", "1"}}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(explained(row.kind, row.inputs), row.line) << row.line;

    // Only a working of these inputs is written: a count paired with inputs
    // the panel does not accept has none.
    const Evaluation counted{true, "10", {}, {}};
    EXPECT_EQ(explain(C, {"abc", "2", {}}, {}, counted), "");
    EXPECT_EQ(explain(C, {"200", "199", {}}, {}, counted), "");
}

namespace {

__extension__ typedef unsigned __int128 Exact;

Exact gcd(Exact a, Exact b)
{
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

// A step's value as a fraction in lowest terms; approximate once an
// E-notation number is in it.
struct Value {
    Exact numerator = 1, denominator = 1;
    bool approximate = false;

    void times(Exact factor, bool divide)
    {
        (divide ? denominator : numerator) *= factor;
        const Exact common = gcd(numerator, denominator);
        numerator /= common;
        denominator /= common;
    }
};

// Reads one step of a worked line with exact integers: factors joined by "·",
// in parentheses or not, divided by " / ". A factor is C(a,b), k!, a number, a
// power with a superscript exponent, or d.ddd…E+XX; "a·b·c·…·z" is the run
// counting down from a to z.
class Reader {
public:
    explicit Reader(std::string_view step) : rest_(step), step_(step) {}

    Value read()
    {
        for (bool divide = false;; divide = true) {
            const bool grouped = eat("(");
            Exact last = 0; // the last plain factor, where an elided run goes on from
            do {
                const bool gap = eat("…·");
                bool plain = false;
                const Exact factor = readFactor(plain);
                for (Exact f = last - 1; gap && last > factor && f > factor; --f)
                    value_.times(f, divide);
                last = plain ? factor : 0;
                value_.times(factor, divide);
            } while (eat("·"));
            EXPECT_TRUE(!grouped || eat(")")) << step_;
            if (!eat(" / "))
                break;
        }
        EXPECT_TRUE(rest_.empty()) << "unread \"" << rest_ << "\" in " << step_;
        return value_;
    }

private:
    bool eat(std::string_view token)
    {
        const bool found = rest_.starts_with(token);
        if (found)
            rest_.remove_prefix(token.size());
        return found;
    }

    Exact number(int* length = nullptr)
    {
        Exact value = 0;
        int read = 0;
        for (; !rest_.empty() && rest_[0] >= '0' && rest_[0] <= '9'; rest_.remove_prefix(1), ++read)
            value = value * 10 + static_cast<Exact>(rest_[0] - '0');
        EXPECT_GT(read, 0) << "no number at \"" << rest_ << "\" in " << step_;
        if (length)
            *length = read;
        return value;
    }

    Exact readFactor(bool& plain)
    {
        if (eat("C(")) {
            const Exact m = number();
            const Exact n = eat(",") ? number() : 0;
            EXPECT_TRUE(eat(")")) << step_;
            Exact binomial = n <= m;
            for (Exact i = 1; i <= n && binomial != 0; ++i)
                binomial = binomial * (m - n + i) / i; // exact: C(m - n + i, i)
            return binomial;
        }
        Exact x = number();
        int decimals = 0;
        if (eat(".")) {
            const Exact fraction = number(&decimals);
            for (int i = 0; i < decimals; ++i)
                x *= 10;
            x += fraction;
        }
        if (eat("E+")) {
            value_.approximate = true;
            for (int exponent = static_cast<int>(number()); exponent > decimals; --exponent)
                x *= 10;
            return x;
        }
        EXPECT_EQ(decimals, 0) << "a fraction in " << step_;
        Exact result = 1;
        if (eat("!")) {
            for (Exact i = 2; i <= x; ++i)
                result *= i;
            return result;
        }
        static constexpr std::string_view raised[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
        int exponent = -1;
        for (int d = 0; d < 10; ++d)
            if (eat(raised[d])) {
                exponent = std::max(exponent, 0) * 10 + d;
                d = -1; // the next digit may be any
            }
        plain = exponent < 0;
        for (int i = 0; i < exponent; ++i)
            result *= x;
        return plain ? x : result;
    }

    std::string_view rest_;
    std::string_view step_;
    Value value_;
};

// Every step after the case's name reads back to the count that ends the
// line, the evaluation's: exactly, or within the 15 digits of E notation.
void checkWorking(FormulaKind kind, const PanelInputs& inputs)
{
    Multiplicitats record;
    const Evaluation outcome = evaluatePanel(kind, inputs, kMarks, record);
    const std::string line = explain(kind, inputs, kMarks, outcome);
    SCOPED_TRACE(line);
    if (!outcome.ok) {
        EXPECT_EQ(line, "");
        return;
    }
    std::vector<std::string_view> steps;
    for (std::size_t from = 0, at = 0; at != std::string::npos; from = at + 3)
        steps.push_back(std::string_view(line).substr(from, (at = line.find(" = ", from)) - from));
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps.back(), outcome.result);
    const Exact count = Reader(steps.back()).read().numerator;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const Value value = Reader(steps[i]).read();
        const long double shown = static_cast<long double>(value.numerator) / value.denominator;
        if (value.approximate)
            EXPECT_LE(std::fabs(shown - static_cast<long double>(count)), 1e-13L * count) << steps[i];
        else
            EXPECT_TRUE(value.numerator == count && value.denominator == 1) << steps[i] << " is " << shown;
    }
}

// PR for this list and every list it starts, with parts adding up to at most 12.
void checkLists(std::vector<std::string>& parts, int total)
{
    checkWorking(PR, {std::to_string(total), {}, parts});
    for (int part = 1; total + part <= 12; ++part) {
        parts.push_back(std::to_string(part));
        checkLists(parts, total + part);
        parts.pop_back();
    }
}

} // namespace

TEST(Explanation, EveryStepEqualsTheCount)
{
    for (int m = 0; m <= 20; ++m) {
        checkWorking(P, {std::to_string(m), {}, {}});
        for (int n = 0; n <= 20; ++n)
            for (FormulaKind kind : {V, VR, C, CR})
                checkWorking(kind, {std::to_string(m), std::to_string(n), {}});
    }
    std::vector<std::string> parts;
    checkLists(parts, 0);
}
