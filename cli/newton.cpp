#include "cli/newton.h"

#include "calculator/core/newton.h"

#include <iostream>

int newtonCommand(const std::vector<std::string>& words)
{
    if (words.size() != 1) {
        std::cerr << "usage: tarvi-calc newton n\n";
        return 2;
    }
    const auto n = tarvi::readExponent(words[0], tarvi::platform::systemSeparators());
    const tarvi::NewtonExpansion expansion = n ? tarvi::expandBinomial(*n) : tarvi::NewtonExpansion{};
    // A part of an expansion is not printed: it would read as the whole one.
    if (!expansion.complete) {
        std::cerr << tarvi::kNewtonTitle << '\n' << tarvi::kNewtonMessage << '\n';
        return 1;
    }
    std::cout << expansion.formula << '\n';
    for (const std::string& c : expansion.coefficients)
        std::cout << c << '\n';
    return 0;
}
