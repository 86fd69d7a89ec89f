#include "counting/randomcase.h"

#include "engine/numtext.h"

namespace tarvi {

RandomCase GeneraCas(FormulaKind kind, Generator& generator)
{
    const std::int16_t n = NumAtzar(2, 5, generator);
    const std::int16_t m = static_cast<std::int16_t>(n + NumAtzar(1, 5, generator));

    RandomCase drawn;
    drawn.m = integerText(m);
    if (hasN(kind))
        drawn.n = integerText(n);
    if (kind == FormulaKind::PR) {
        std::int16_t sum = NumAtzar(1, static_cast<std::int16_t>(m / 2), generator);
        drawn.multiplicities.push_back(integerText(sum));
        while (sum < m) {
            const std::int16_t l = NumAtzar(1, static_cast<std::int16_t>(m - sum), generator);
            drawn.multiplicities.push_back(integerText(l));
            sum = static_cast<std::int16_t>(sum + l);
        }
    }
    return drawn;
}

} // namespace tarvi
