#include "counting/evaluation.h"

#include "engine/exactcount.h"
#include "engine/numtext.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace tarvi {

namespace {

// Any input the panel does not accept; the caller turns it into the kind's box.
struct Rejected {};

// Negative parameters would give plainly wrong counts (P of -3 would be 1), so
// every input must be a whole number of at least `minimum`.
std::int16_t readWhole(const std::string& text, const Separators& separators, int minimum = 0)
{
    const std::optional<std::int16_t> value = parseWhole16(text, separators);
    if (!value || *value < minimum)
        throw Rejected{};
    return *value;
}

// m and n as read, for the kinds that have them (n is 0 for P and PR).
struct Parameters {
    std::int16_t m = 0;
    std::int16_t n = 0;
};

// Reads and checks every input, and for PR fills `record`, before anything is
// counted: a count in either mode starts from the same accepted inputs.
Parameters readInputs(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
                      Multiplicitats& record)
{
    const Parameters p{readWhole(inputs.m, separators),
                       hasN(kind) ? readWhole(inputs.n, separators) : std::int16_t{0}};
    if ((kind == FormulaKind::V || kind == FormulaKind::C) && p.n > p.m)
        throw Rejected{};
    if (kind != FormulaKind::PR)
        return p;
    record.k = checked16(static_cast<long long>(inputs.multiplicities.size()));
    std::int16_t sum = 0;
    for (int i = 1; i <= record.k; ++i) {
        std::int16_t& slot = record.n(i); // a tenth entry is an index failure
        slot = readWhole(inputs.multiplicities[static_cast<std::size_t>(i - 1)], separators, 1);
        sum = checked16(sum + slot);
    }
    if (p.m != sum)
        throw Rejected{};
    return p;
}

double count(FormulaKind kind, Parameters p, const Multiplicitats& record)
{
    switch (kind) {
    case FormulaKind::V:
        return Varia(p.m, p.n);
    case FormulaKind::VR:
        return std::pow(static_cast<double>(p.m), static_cast<double>(p.n));
    case FormulaKind::P:
        return Fact(p.m);
    case FormulaKind::PR:
        return PermRep(p.m, record);
    case FormulaKind::C:
        return Comb(p.m, p.n);
    case FormulaKind::CR:
        return CombRep(p.m, p.n);
    }
    throw Rejected{};
}

mpz_class exactCount(FormulaKind kind, Parameters p, const Multiplicitats& record)
{
    switch (kind) {
    case FormulaKind::V:
        return exactVariations(p.m, p.n);
    case FormulaKind::VR:
        return exactPower(p.m, p.n);
    case FormulaKind::P:
        return exactFactorial(p.m);
    case FormulaKind::PR:
        return exactPermutationsWithRepetition(p.m, record);
    case FormulaKind::C:
        return exactCombinations(p.m, p.n);
    case FormulaKind::CR:
        return exactCombinationsWithRepetition(p.m, p.n);
    }
    throw Rejected{};
}

} // namespace

std::string errorTitle(FormulaKind kind) { return std::string(NomsFormula[index(kind)]).append("  Error"); }

std::string errorMessage(FormulaKind kind)
{
    switch (kind) {
    case FormulaKind::PR:
        return std::string("m,n1..nk deben ser enteros positivos")
            .append(SaltLinia)
            .append(" y  n1+..+nk = m");
    case FormulaKind::V:
    case FormulaKind::C:
        return std::string("sólo enteros positivos").append(SaltLinia).append(" y  m>n");
    default:
        return "sólo enteros positivos";
    }
}

Evaluation evaluatePanel(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
                         Multiplicitats& record, CountMode mode)
{
    try {
        const Parameters p = readInputs(kind, inputs, separators, record);
        if (mode == CountMode::Exact)
            return {true, decimalDigits(exactCount(kind, p, record)), {}, {}};
        const double x = count(kind, p, record);
        // Shown as a 32-bit integer, to the nearest, halves to the even neighbour.
        const double whole = std::nearbyint(x);
        if (std::isfinite(whole) && whole >= INT32_MIN && whole <= INT32_MAX)
            return {true, integerText(static_cast<long long>(whole)), {}, {}};
    } catch (const Rejected&) {
    } catch (const ArithmeticFailure&) {
    }
    return {false, {}, errorTitle(kind), errorMessage(kind)};
}

Evaluation evaluate(FormulaKind kind, const PanelInputs& inputs, CountMode mode)
{
    Multiplicitats record;
    return evaluatePanel(kind, inputs, Separators{}, record, mode);
}

} // namespace tarvi
