#include "engine/exactwhole.h"

namespace tarvi {

namespace {

constexpr std::uint64_t kBase = 1'000'000'000;

} // namespace

ExactWhole::ExactWhole(std::uint32_t value)
{
    do {
        limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
        value = static_cast<std::uint32_t>(value / kBase);
    } while (value > 0);
}

std::string ExactWhole::digits() const
{
    std::string out = std::to_string(limbs_.back());
    for (auto i = limbs_.size() - 1; i-- > 0;) {
        // Every lower limb is nine digits, leading zeros included.
        char limb[9];
        for (std::uint32_t value = limbs_[i], d = 9; d-- > 0; value /= 10)
            limb[d] = static_cast<char>('0' + value % 10);
        out.append(limb, sizeof limb);
    }
    return out;
}

ExactWhole& ExactWhole::operator*=(std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
        const std::uint64_t product = limb * std::uint64_t{factor} + carry;
        limb = static_cast<std::uint32_t>(product % kBase);
        carry = product / kBase;
    }
    for (; carry > 0; carry /= kBase)
        limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
    while (limbs_.size() > 1 && limbs_.back() == 0)
        limbs_.pop_back();
    return *this;
}

ExactWhole& ExactWhole::divideExactly(std::uint32_t divisor)
{
    std::uint64_t remainder = 0;
    for (auto i = limbs_.size(); i-- > 0;) {
        const std::uint64_t part = remainder * kBase + limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(part / divisor);
        remainder = part % divisor;
    }
    while (limbs_.size() > 1 && limbs_.back() == 0)
        limbs_.pop_back();
    return *this;
}

ExactWhole ExactWhole::descendingProduct(std::uint32_t from, std::uint32_t to)
{
    ExactWhole product;
    for (std::uint64_t factor = to; factor <= from; ++factor)
        product *= static_cast<std::uint32_t>(factor);
    return product;
}

} // namespace tarvi
