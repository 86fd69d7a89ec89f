#include "engine/binomialrow.h"

namespace tarvi {

namespace {

constexpr std::uint64_t kBase = 1'000'000'000;

} // namespace

BinomialRow::BinomialRow(std::int16_t n) : n_(n) {}

std::string BinomialRow::digits() const
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

void BinomialRow::next()
{
    if (k_ >= n_) {
        limbs_.assign(1, 0);
        ++k_;
        return;
    }
    const auto factor = static_cast<std::uint64_t>(n_ - k_);
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
        const std::uint64_t product = limb * factor + carry;
        limb = static_cast<std::uint32_t>(product % kBase);
        carry = product / kBase;
    }
    for (; carry > 0; carry /= kBase)
        limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));

    ++k_;
    const auto divisor = static_cast<std::uint64_t>(k_);
    std::uint64_t remainder = 0;
    for (auto i = limbs_.size(); i-- > 0;) {
        const std::uint64_t part = remainder * kBase + limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(part / divisor);
        remainder = part % divisor;
    }
    while (limbs_.size() > 1 && limbs_.back() == 0)
        limbs_.pop_back();
}

} // namespace tarvi
