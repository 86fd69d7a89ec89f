#include "counting/evaluation.h"

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

double permutationsWithRepetition(std::int16_t m, const PanelInputs& inputs, const Separators& separators,
                                  Multiplicitats& record)
{
    record.k = checked16(static_cast<long long>(inputs.multiplicities.size()));
    std::int16_t sum = 0;
    for (int i = 1; i <= record.k; ++i) {
        std::int16_t& slot = record.n(i); // a tenth entry is an index failure
        slot = readWhole(inputs.multiplicities[static_cast<std::size_t>(i - 1)], separators, 1);
        sum = checked16(sum + slot);
    }
    if (m != sum)
        throw Rejected{};
    return PermRep(m, record);
}

double count(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
             Multiplicitats& record)
{
    const std::int16_t m = readWhole(inputs.m, separators);
    const std::int16_t n = hasN(kind) ? readWhole(inputs.n, separators) : 0;
    if ((kind == FormulaKind::V || kind == FormulaKind::C) && n > m)
        throw Rejected{};

    switch (kind) {
    case FormulaKind::V:
        return Varia(m, n);
    case FormulaKind::VR:
        return std::pow(static_cast<double>(m), static_cast<double>(n));
    case FormulaKind::P:
        return Fact(m);
    case FormulaKind::PR:
        return permutationsWithRepetition(m, inputs, separators, record);
    case FormulaKind::C:
        return Comb(m, n);
    case FormulaKind::CR:
        return CombRep(m, n);
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

Evaluation Calcula(FormulaKind kind, const PanelInputs& inputs, const Separators& separators,
                   Multiplicitats& record)
{
    try {
        const double x = count(kind, inputs, separators, record);
        // Shown as a 32-bit integer, to the nearest, halves to the even neighbour.
        const double whole = std::nearbyint(x);
        if (std::isfinite(whole) && whole >= INT32_MIN && whole <= INT32_MAX)
            return {true, integerText(static_cast<long long>(whole)), {}, {}};
    } catch (const Rejected&) {
    } catch (const ArithmeticFailure&) {
    }
    return {false, {}, errorTitle(kind), errorMessage(kind)};
}

} // namespace tarvi
