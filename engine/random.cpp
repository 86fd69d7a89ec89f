#include "engine/random.h"

#include "engine/failure.h"

#include <chrono>
#include <cmath>

namespace tarvi {

void Generator::seedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

Generator& programGenerator()
{
    static Generator generator;
    return generator;
}

std::int16_t NumAtzar(std::int16_t lo, std::int16_t hi, Generator& generator)
{
    const float r = generator.next();
    const float width = checked16(hi - lo + 1);
    const float value = std::floor(r * width) + lo;
    return checked16(std::llrint(value));
}

} // namespace tarvi
