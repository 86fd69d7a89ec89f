#include "counting/newton.h"

#include "engine/counting.h"
#include "engine/exactwhole.h"
#include "engine/numtext.h"

namespace tarvi {

std::optional<std::int16_t> readExponent(std::string_view text, const Separators& separators)
{
    const std::optional<std::int16_t> n = parseWhole16(text, separators);
    if (!n || *n < 1)
        return std::nullopt;
    return n;
}

NewtonExpansion expandBinomial(std::int16_t n)
{
    NewtonExpansion out;
    out.coefficients.reserve(static_cast<std::size_t>(n) + 1);
    out.formula = FormatPot("(a+b)", n) + " = ";
    // C(n,0) = 1, then C(n,k+1) = C(n,k)·(n-k)/(k+1), a division that is
    // always exact.
    ExactWhole exact;
    try {
        for (int k = 0; k <= n; exact *= static_cast<std::uint32_t>(n - k), exact.divideExactly(++k)) {
            // The count in doubles decides, as in the panels, whether C(n,k)
            // can be computed at all; what is shown is the exact count, so
            // every coefficient is whole and C(n,k) reads as C(n,n-k).
            (void)Comb(n, static_cast<std::int16_t>(k));
            const double c = nearestWith15Digits(exact.digits());
            out.coefficients.push_back(generalNumberText(c));
            if (k > 0)
                out.formula += '+';
            out.formula += FormatCoef(c);
            out.formula += FormatPot("a", static_cast<std::int16_t>(n - k));
            out.formula += ' ';
            out.formula += FormatPot("b", static_cast<std::int16_t>(k));
        }
        out.complete = true;
    } catch (const ArithmeticFailure&) {
        out.complete = false;
    }
    return out;
}

NewtonFont newtonFont(std::int16_t n, float loadSize)
{
    if (n >= 1 && n <= 9)
        return {"Tahoma", loadSize};
    return {"Arial Narrow", n >= 11 ? 8.0f : loadSize};
}

} // namespace tarvi
