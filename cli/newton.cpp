#include "cli/newton.h"

#include "counting/newton.h"

namespace tarvi::cli {

Answer newton(Words words, Context& context)
{
    expectWords(words, 1, "newton", "n");
    const auto n = readExponent(words[0], context.separators);
    const NewtonExpansion expansion = n ? expandBinomial(*n, context.mode) : NewtonExpansion{};
    // A part of an expansion is not printed: it would read as the whole one.
    if (!expansion.complete)
        return rejected(std::string(kNewtonTitle), kNewtonMessage);
    std::vector<std::string> lines{expansion.formula};
    lines.insert(lines.end(), expansion.coefficients.begin(), expansion.coefficients.end());
    return answered(std::move(lines));
}

} // namespace tarvi::cli
