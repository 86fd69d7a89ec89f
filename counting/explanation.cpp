#include "counting/explanation.h"

#include "engine/exactcount.h"
#include "engine/failure.h"
#include "engine/numtext.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvi {

namespace {

constexpr char kTimes[] = "·";
constexpr char kOver[] = " / ";
constexpr char kEquals[] = " = ";
constexpr char kElided[] = "…";
constexpr std::array<std::string_view, 10> kSuperscriptDigits = {"⁰", "¹", "²", "³", "⁴",
                                                                 "⁵", "⁶", "⁷", "⁸", "⁹"};
// Runs longer than this are elided; up to it every factor is written.
constexpr int kWholeRun = 6;
// In exact working, an intermediate number of more digits than this reads as
// its first kLeadingDigits digits, "…" and its digit count.
constexpr std::size_t kWholeDigits = 40;
constexpr std::size_t kLeadingDigits = 10;

// The parameters as the evaluation read them.
struct Parameters {
    int m = 0;
    int n = 0;
    std::vector<int> multiplicities;
};

std::optional<Parameters> read(FormulaKind kind, const PanelInputs& inputs, const Separators& separators)
{
    const auto whole = [&](const std::string& text) -> std::optional<int> {
        const std::optional<std::int16_t> value = parseWhole16(text, separators);
        if (!value || *value < 0)
            return std::nullopt;
        return *value;
    };
    Parameters found;
    const std::optional<int> m = whole(inputs.m);
    const std::optional<int> n = hasN(kind) ? whole(inputs.n) : 0;
    if (!m || !n)
        return std::nullopt;
    found.m = *m;
    found.n = *n;
    if (kind == FormulaKind::PR) {
        for (const std::string& entry : inputs.multiplicities) {
            const std::optional<int> multiplicity = whole(entry);
            if (!multiplicity)
                return std::nullopt;
            found.multiplicities.push_back(*multiplicity);
        }
    }
    return found;
}

std::string superscript(int exponent)
{
    std::string raised;
    for (char digit : integerText(exponent))
        raised += kSuperscriptDigits[static_cast<std::size_t>(digit - '0')];
    return raised;
}

std::string factorial(int n) { return integerText(n) + "!"; }

// The factors from, from - 1, ..., to (from >= to).
std::string descending(int from, int to)
{
    std::string product;
    const auto times = [&](int factor) {
        if (!product.empty())
            product += kTimes;
        product += integerText(factor);
    };
    if (from - to + 1 > kWholeRun) {
        for (int factor = from; factor > from - 3; --factor)
            times(factor);
        product.append(kTimes).append(kElided);
        times(to);
    } else {
        for (int factor = from; factor >= to; --factor)
            times(factor);
    }
    return product;
}

// A product as a numerator or a denominator: in parentheses when it has more
// than one factor, so "/" cannot be read as dividing only the last.
std::string grouped(const std::string& product, int factors)
{
    return factors > 1 ? "(" + product + ")" : product;
}

// An intermediate number. In double working, as the program writes numbers:
// exact up to 15 digits, so a long one reads in E notation but never with a
// wrong digit; one beyond the double range is none the evaluation could have
// formed. In exact working, every digit, or for a long one the first digits
// and the count: "9332621544…(158 cifras)".
std::string numberText(const mpz_class& value, CountMode mode)
{
    const std::string digits = decimalDigits(value);
    if (mode == CountMode::Exact) {
        if (digits.size() <= kWholeDigits)
            return digits;
        return digits.substr(0, kLeadingDigits) + kElided + "(" +
               integerText(static_cast<long long>(digits.size())) + " cifras)";
    }
    const double nearest = nearestWith15Digits(digits);
    if (!std::isfinite(nearest))
        throw ArithmeticFailure(ArithmeticFailure::Kind::FloatingPoint, "beyond the double range");
    return generalNumberText(nearest);
}

std::string quotient(const mpz_class& numerator, const mpz_class& denominator, CountMode mode)
{
    return numberText(numerator, mode).append(kOver).append(numberText(denominator, mode));
}

mpz_class factorialValue(int n)
{
    return fallingProduct(static_cast<unsigned long>(n), static_cast<unsigned long>(n));
}

// The steps of the line, each equal to the next.
class Steps {
public:
    explicit Steps(std::string named) : line_(std::move(named)), last_(line_) {}

    Steps& then(std::string step)
    {
        if (step != last_) {
            line_.append(kEquals).append(step);
            last_ = std::move(step);
        }
        return *this;
    }

    std::string line() const { return line_; }

private:
    std::string line_;
    std::string last_;
};

std::string named(FormulaKind kind, const Parameters& p)
{
    std::string name(NomsFormula[static_cast<std::size_t>(index(kind))]);
    name += "(" + integerText(p.m);
    if (hasN(kind))
        name += "," + integerText(p.n);
    for (std::size_t i = 0; i < p.multiplicities.size(); ++i)
        name.append(i == 0 ? "; " : ",").append(integerText(p.multiplicities[i]));
    return name + ")";
}

// m! / (n1!·n2!···nk!): the list is written whole, since "…" could not tell
// which multiplicities it leaves out.
void permutationsWithRepetition(Steps& steps, const Parameters& p, CountMode mode)
{
    const int m = p.m;
    if (p.multiplicities.empty()) {
        steps.then(factorial(m));
        return;
    }
    std::string factorials;
    mpz_class denominator = 1;
    for (int multiplicity : p.multiplicities) {
        if (!factorials.empty())
            factorials += kTimes;
        factorials += factorial(multiplicity);
        denominator *= factorialValue(multiplicity);
    }
    const int k = static_cast<int>(p.multiplicities.size());
    steps.then(factorial(m).append(kOver).append(grouped(factorials, k)))
        .then(quotient(factorialValue(m), denominator, mode));
}

// V(top, n) / n!, the one division of C and of CR, whose product runs from top down.
void fallingOverFactorial(Steps& steps, int top, int n, CountMode mode)
{
    const mpz_class falling = fallingProduct(static_cast<unsigned long>(top), static_cast<unsigned long>(n));
    steps.then(grouped(descending(top, top - n + 1), n).append(kOver).append(factorial(n)))
        .then(quotient(falling, factorialValue(n), mode));
}

std::string working(FormulaKind kind, const Parameters& p, const std::string& count, CountMode mode)
{
    const int m = p.m;
    const int n = p.n;
    Steps steps(named(kind, p));
    switch (kind) {
    case FormulaKind::V:
        if (n > 0)
            steps.then(descending(m, m - n + 1));
        break;
    case FormulaKind::VR:
        steps.then(integerText(m) + superscript(n));
        break;
    case FormulaKind::P:
        steps.then(factorial(m));
        if (m > 0)
            steps.then(descending(m, 1));
        break;
    case FormulaKind::PR:
        permutationsWithRepetition(steps, p, mode);
        break;
    case FormulaKind::C:
        if (n > 0) {
            steps.then(factorial(m) + kOver + "(" + factorial(n) + kTimes + factorial(m - n) + ")");
            fallingOverFactorial(steps, m, n, mode);
        }
        break;
    case FormulaKind::CR:
        // m·(m+1)···(m+n-1) / n!, the same product as C(m+n-1,n) counts.
        if (n > 0) {
            steps.then("C(" + integerText(m + n - 1) + "," + integerText(n) + ")");
            fallingOverFactorial(steps, m + n - 1, n, mode);
        }
        break;
    }
    return steps.then(count).line();
}

} // namespace

std::string explain(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
                    const Evaluation& outcome, CountMode mode)
{
    if (!outcome.ok)
        return {};
    const std::optional<Parameters> parameters = read(kind, inputs, separators);
    if (!parameters)
        return {};
    try {
        return working(kind, *parameters, outcome.result, mode);
    } catch (const ArithmeticFailure&) {
        return {}; // inputs whose factorials the evaluation could not have formed either
    }
}

} // namespace tarvi
