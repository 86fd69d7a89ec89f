#include "calculator/core/explanation.h"

#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

using namespace tarvi;
using enum FormulaKind;

static std::string explained(FormulaKind kind, const PanelInputs& inputs)
{
    Multiplicitats record;
    const Separators separators{".", ","};
    return explain(kind, inputs, separators, Calcula(kind, inputs, separators, record));
}

TEST(Explanation, EachKindWithItsZeroCasesAndLongProducts)
{
    struct Row {
        FormulaKind kind;
        PanelInputs inputs;
        std::string line;
    };
    const std::vector<Row> rows = {
        {V, {"10", "5", {}}, "V(10,5) = 10·9·8·7·6 = 30240"},
        {V, {"7", "0", {}}, "V(7,0) = 1"},
        {V, {"7", "1", {}}, "V(7,1) = 7"},
        {V, {"20", "6", {}}, "V(20,6) = 20·19·18·17·16·15 = 27907200"},
        {V, {"20", "7", {}}, "V(20,7) = 20·19·18·…·14 = 390700800"},
        {V, {" 1e1 ", "5.4", {}}, "V(10,5) = 10·9·8·7·6 = 30240"}, // the numbers read, not the texts
        {VR, {"5", "3", {}}, "VR(5,3) = 5³ = 125"},
        {VR, {"2", "30", {}}, "VR(2,30) = 2³⁰ = 1073741824"},
        {VR, {"5", "0", {}}, "VR(5,0) = 5⁰ = 1"},
        {VR, {"0", "0", {}}, "VR(0,0) = 0⁰ = 1"},
        {P, {"5", {}, {}}, "P(5) = 5! = 5·4·3·2·1 = 120"},
        {P, {"0", {}, {}}, "P(0) = 0! = 1"},
        {P, {"1", {}, {}}, "P(1) = 1! = 1"},
        {P, {"12", {}, {}}, "P(12) = 12! = 12·11·10·…·1 = 479001600"},
        {PR, {"6", {}, {"2", "3", "1"}}, "PR(6; 2,3,1) = 6! / (2!·3!·1!) = 720 / 12 = 60"},
        {PR, {"0", {}, {}}, "PR(0) = 0! = 1"},
        {PR, {"5", {}, {"5"}}, "PR(5; 5) = 5! / 5! = 120 / 120 = 1"},
        {PR,
         {"9", {}, std::vector<std::string>(9, "1")},
         "PR(9; 1,1,1,1,1,1,1,1,1) = 9! / (1!·1!·1!·1!·1!·1!·1!·1!·1!) = 362880 / 1 = 362880"},
        // m! past 10^15 reads in E notation, rounded once from the exact
        // product; the count stays whole.
        {PR,
         {"20", {}, {"10", "10"}},
         "PR(20; 10,10) = 20! / (10!·10!) = 2.43290200817664E+18 / 13168189440000 = 184756"},
        {C, {"5", "2", {}}, "C(5,2) = 5! / (2!·3!) = (5·4) / 2! = 20 / 2 = 10"},
        {C, {"5", "0", {}}, "C(5,0) = 1"},
        {C, {"5", "1", {}}, "C(5,1) = 5! / (1!·4!) = 5 / 1! = 5 / 1 = 5"},
        {C, {"5", "5", {}}, "C(5,5) = 5! / (5!·0!) = (5·4·3·2·1) / 5! = 120 / 120 = 1"},
        {C,
         {"33", "16", {}},
         "C(33,16) = 33! / (16!·17!) = (33·32·31·…·18) / 16! = 2.4412776311195E+22 / 20922789888000 = "
         "1166803110"},
        {CR, {"5", "3", {}}, "CR(5,3) = C(7,3) = (7·6·5) / 3! = 210 / 6 = 35"},
        {CR, {"5", "0", {}}, "CR(5,0) = 1"},
        {CR, {"0", "3", {}}, "CR(0,3) = C(2,3) = (2·1·0) / 3! = 0 / 6 = 0"},
        // Failed evaluations explain nothing.
        {V, {"4", "5", {}}, ""},
        {C, {"34", "17", {}}, ""},
        {PR, {"7", {}, {"2", "3", "1"}}, ""},
        {P, {"-3", {}, {}}, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(explained(row.kind, row.inputs), row.line)
            << NomsFormula[static_cast<std::size_t>(index(row.kind))] << " " << row.inputs.m << " "
            << row.inputs.n;

    // Only a working of these inputs is written: a count paired with inputs
    // the panel does not accept has none.
    const Evaluation counted{true, "10", {}, {}};
    EXPECT_EQ(explain(C, {"abc", "2", {}}, {}, counted), "");
    EXPECT_EQ(explain(C, {"200", "199", {}}, {}, counted), "");
}

// A small reader of the worked lines, with exact integers: it knows products
// ("·", "…" between the first factors and the last of a run), quotients (" / "),
// factorials, superscript powers, C(a,b) and the E notation of large numbers,
// which stand for their decimal value and make the step approximate.
namespace {

__extension__ typedef unsigned __int128 Exact;

Exact gcd(Exact a, Exact b)
{
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

Exact factorial(Exact n)
{
    Exact result = 1;
    for (Exact i = 2; i <= n; ++i)
        result *= i;
    return result;
}

Exact binomial(Exact m, Exact n)
{
    if (n > m)
        return 0;
    Exact result = 1;
    for (Exact i = 1; i <= n; ++i)
        result = result * (m - n + i) / i; // exact: C(m - n + i, i)
    return result;
}

std::string text(Exact x)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(x % 10)));
        x /= 10;
    } while (x != 0);
    return digits;
}

struct Value {
    Exact numerator = 1;
    Exact denominator = 1;
    bool approximate = false;

    void times(const Value& other, bool divide)
    {
        numerator *= divide ? other.denominator : other.numerator;
        denominator *= divide ? other.numerator : other.denominator;
        approximate = approximate || other.approximate;
        const Exact common = gcd(numerator, denominator);
        if (common > 1) {
            numerator /= common;
            denominator /= common;
        }
    }
};

class Reader {
public:
    explicit Reader(std::string_view step) : rest_(step), step_(step) {}

    // The step's value; a step that does not read to its end fails the test.
    // Numerators and denominators of several factors are in parentheses, a
    // lone product is not.
    Value step()
    {
        Product first = product();
        Value value = first.value;
        const bool quotient = rest_.starts_with(" / ");
        EXPECT_EQ(first.grouped, quotient && first.factors > 1) << step_;
        while (eat(" / ")) {
            const Product divisor = product();
            EXPECT_EQ(divisor.grouped, divisor.factors > 1) << step_;
            value.times(divisor.value, true);
        }
        if (!rest_.empty())
            ADD_FAILURE() << "unread \"" << rest_ << "\" in \"" << step_ << "\"";
        return value;
    }

private:
    bool eat(std::string_view token)
    {
        if (!rest_.starts_with(token))
            return false;
        rest_.remove_prefix(token.size());
        return true;
    }

    Exact digits(int* count = nullptr)
    {
        Exact value = 0;
        int read = 0;
        for (; !rest_.empty() && rest_[0] >= '0' && rest_[0] <= '9'; ++read, rest_.remove_prefix(1))
            value = value * 10 + static_cast<Exact>(rest_[0] - '0');
        if (read == 0)
            ADD_FAILURE() << "no number at \"" << rest_ << "\" in \"" << step_ << "\"";
        if (count)
            *count = read;
        return value;
    }

    // A number, "d.ddd…E+XX" included, then any "!" and superscript exponent.
    // `whole` tells whether it was a plain integer, a factor of a run.
    Value atom(bool& whole)
    {
        Value value;
        whole = false;
        if (eat("C(")) {
            const Exact m = digits();
            eat(",");
            value.numerator = binomial(m, digits());
            eat(")");
            return value;
        }
        value.numerator = digits();
        int decimals = 0, exponent = 0;
        if (eat(".")) {
            const Exact fraction = digits(&decimals);
            for (int i = 0; i < decimals; ++i)
                value.numerator *= 10;
            value.numerator += fraction;
        }
        if (eat("E+")) {
            value.approximate = true;
            exponent = static_cast<int>(digits());
        }
        if (decimals > 0 || value.approximate) {
            EXPECT_TRUE(value.approximate && exponent >= decimals) << "a fraction in " << step_;
            for (int i = decimals; i < exponent; ++i)
                value.numerator *= 10;
            return value;
        }
        if (eat("!"))
            return {factorial(value.numerator), 1, false};
        static constexpr std::string_view raised[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
        bool isPower = false;
        for (int d = 0; d < 10; ++d)
            if (eat(raised[d])) {
                exponent = exponent * 10 + d;
                isPower = true;
                d = -1; // the next digit may be any
            }
        whole = !isPower;
        if (isPower) {
            const Exact base = value.numerator;
            value.numerator = 1;
            for (int i = 0; i < exponent; ++i)
                value.numerator *= base;
        }
        return value;
    }

    struct Product {
        Value value;
        std::size_t factors = 0;
        bool grouped = false;
    };

    // Factors joined by "·", in parentheses or not. A run of whole numbers
    // counts down by one; past six factors it is written first three, "…",
    // last.
    Product product()
    {
        Product read;
        read.grouped = eat("(");
        std::vector<Exact> run; // the whole factors as written
        bool elided = false, allWhole = true;
        do {
            if (eat("…")) {
                EXPECT_FALSE(elided) << step_;
                elided = true;
                EXPECT_TRUE(eat("·")) << step_;
            }
            bool whole = false;
            const Value factor = atom(whole);
            allWhole = allWhole && whole;
            if (whole && elided && run.size() == 3) // the factors that "…" stands for
                for (Exact f = run.back() - 1; f > factor.numerator; --f)
                    read.value.times({f, 1, false}, false);
            if (whole)
                run.push_back(factor.numerator);
            read.value.times(factor, false);
            ++read.factors;
        } while (eat("·"));
        if (read.grouped && !eat(")"))
            ADD_FAILURE() << "no \")\" in " << step_;
        EXPECT_TRUE(!elided || allWhole) << "only runs are elided: " << step_;
        if (allWhole && run.size() > 1) {
            for (std::size_t i = 1; i < run.size(); ++i)
                EXPECT_TRUE(run[i] + 1 == run[i - 1] || (elided && i == 3 && run[i] < run[i - 1])) << step_;
            EXPECT_TRUE(elided ? run.size() == 4 && run[2] - run[3] > 3 : run.size() <= 6) << step_;
        }
        return read;
    }

    std::string_view rest_;
    std::string_view step_;
};

// Splits the line at " = ", reads every step after the case's name back and
// checks that each one equals the count that ends the line, which is the
// evaluation's: exactly, or within the 15 digits of an E-notation number.
void checkWorking(FormulaKind kind, const PanelInputs& inputs)
{
    std::string named = std::string(NomsFormula[static_cast<std::size_t>(index(kind))]) + "(" + inputs.m;
    named += hasN(kind) ? "," + inputs.n : "";
    for (std::size_t i = 0; i < inputs.multiplicities.size(); ++i)
        named += (i == 0 ? "; " : ",") + inputs.multiplicities[i];
    named += ")";
    Multiplicitats record;
    const Separators separators{".", ","};
    const Evaluation outcome = Calcula(kind, inputs, separators, record);
    const std::string line = explain(kind, inputs, separators, outcome);
    if (!outcome.ok) {
        EXPECT_EQ(line, "");
        return;
    }
    std::vector<std::string_view> steps;
    for (std::string_view rest = line;;) {
        const std::size_t at = rest.find(" = ");
        steps.push_back(rest.substr(0, at));
        if (at == std::string_view::npos)
            break;
        rest.remove_prefix(at + 3);
    }
    SCOPED_TRACE(line);
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps.front(), named);
    EXPECT_EQ(steps.back(), outcome.result) << "the line ends in the count";
    const Exact count = Reader(steps.back()).step().numerator;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const Value value = Reader(steps[i]).step();
        if (!value.approximate) {
            EXPECT_EQ(text(value.numerator) + "/" + text(value.denominator), text(count) + "/1") << steps[i];
            continue;
        }
        const long double shown = static_cast<long double>(value.numerator) / value.denominator;
        EXPECT_LE(std::fabs(shown - static_cast<long double>(count)), 1e-13L * count) << steps[i];
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

// Every line reads back to its count, step by step; failed cases have none.
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
