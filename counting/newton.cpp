#include "counting/newton.h"

#include "engine/counting.h"
#include "engine/exactcount.h"
#include "engine/numtext.h"

namespace tarvi {

std::optional<std::int16_t> readExponent(std::string_view text, const Separators& separators)
{
    const std::optional<std::int16_t> n = parseWhole16(text, separators);
    if (!n || *n < 1)
        return std::nullopt;
    return n;
}

namespace {

// A coefficient and the text written in front of its term, as FormatCoef
// writes it: nothing for 1.
struct Coefficient {
    std::string listed;
    std::string written;
};

Coefficient coefficient(const mpz_class& exact, CountMode mode)
{
    if (mode == CountMode::Exact) {
        std::string digits = decimalDigits(exact);
        return {digits, digits == "1" ? std::string() : digits};
    }
    const double c = nearestWith15Digits(decimalDigits(exact));
    return {generalNumberText(c), FormatCoef(c)};
}

} // namespace

NewtonExpansion expandBinomial(std::int16_t n, CountMode mode)
{
    NewtonExpansion out;
    out.coefficients.reserve(static_cast<std::size_t>(n) + 1);
    out.formula = FormatPot("(a+b)", n) + " = ";
    // C(n,0) = 1, then C(n,k+1) = C(n,k)·(n-k)/(k+1), a division that is
    // always exact.
    mpz_class exact = 1;
    try {
        for (int k = 0; k <= n; exact *= n - k, exact /= ++k) {
            // The count in doubles decides in either mode, as in the panels, whether C(n,k)
            // can be computed at all; what is shown is the exact count, so
            // every coefficient is whole and C(n,k) reads as C(n,n-k).
            (void)Comb(n, static_cast<std::int16_t>(k));
            Coefficient c = coefficient(exact, mode);
            out.coefficients.push_back(std::move(c.listed));
            if (k > 0)
                out.formula += '+';
            out.formula += c.written;
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
