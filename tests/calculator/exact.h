#pragma once

// Exact counts in 128-bit integers, saturated far above the 32-bit limit, to
// check the floating-point counts against.

#include <algorithm>
#include <vector>

namespace tarvi::testkit {

__extension__ typedef unsigned __int128 Exact;
inline constexpr Exact kSaturated = Exact(1) << 100;

inline Exact times(Exact a, Exact b)
{
    if (a == 0 || b == 0)
        return 0;
    return a > kSaturated / b ? kSaturated : a * b;
}

inline Exact exactBinomial(int m, int n)
{
    if (n < 0 || n > m)
        return 0;
    n = std::min(n, m - n);
    Exact result = 1;
    for (int i = 1; i <= n; ++i) {
        if (result >= kSaturated)
            return kSaturated;
        result = result * Exact(m - n + i) / Exact(i); // exact at every step
    }
    return result;
}

inline Exact exactVariations(int m, int n)
{
    Exact result = 1;
    for (int j = m - n + 1; j <= m; ++j)
        result = times(result, Exact(j));
    return result;
}

inline Exact exactPower(int m, int n)
{
    Exact result = 1;
    for (int i = 0; i < n; ++i)
        result = times(result, Exact(m));
    return result;
}

inline Exact exactMultinomial(const std::vector<int>& parts)
{
    Exact result = 1;
    int total = 0;
    for (int part : parts) {
        total += part;
        result = times(result, exactBinomial(total, part));
    }
    return result;
}

} // namespace tarvi::testkit
