#include "engine/counting.h"

#include <cmath>

namespace tarvi {

namespace {

double checkedResult(double r)
{
    if (!std::isfinite(r))
        throw ArithmeticFailure(ArithmeticFailure::Kind::FloatingPoint, "floating-point overflow");
    return r;
}

std::size_t slot(int i)
{
    if (i < 1 || i > 9)
        throw ArithmeticFailure(ArithmeticFailure::Kind::IndexOutOfRange, "multiplicity index out of range");
    return static_cast<std::size_t>(i - 1);
}

} // namespace

double checkedMul(double a, double b) { return checkedResult(a * b); }

double checkedDiv(double a, double b)
{
    if (b == 0.0)
        throw ArithmeticFailure(ArithmeticFailure::Kind::FloatingPoint, "division by zero");
    return checkedResult(a / b);
}

std::int16_t& Multiplicitats::n(int i) { return values_[slot(i)]; }
std::int16_t Multiplicitats::n(int i) const { return values_[slot(i)]; }

double Fact(std::int16_t n)
{
    double result = 1.0;
    // The counter is 16-bit: stepping past 32767 is an overflow, like any other
    // 16-bit intermediate (171! has failed long before that).
    for (int i = 2; i <= n; i = checked16(i + 1))
        result = checkedMul(result, i);
    return result;
}

double Varia(std::int16_t m, std::int16_t n)
{
    if (n == 0)
        return 1.0;
    const std::int16_t low = checked16(m - n + 1);
    checked16(m - n);
    checked16(m - n + 2);
    // Factors in ascending order, from the smallest up to m.
    double result = low;
    for (double j = low + 1.0; j <= m; j += 1.0)
        result = checkedMul(result, j);
    return result;
}

double Comb(std::int16_t m, std::int16_t n)
{
    if (n == 0)
        return 1.0;
    const double f = Fact(n);
    const double v = Varia(m, n);
    return checkedDiv(v, f);
}

double CombRep(std::int16_t m, std::int16_t n)
{
    if (n == 0)
        return 1.0;
    checked16(m + n);
    const std::int16_t last = checked16(m + n - 1);
    checked16(m + 1);
    double result = m;
    for (double j = m + 1.0; j <= last; j += 1.0)
        result = checkedMul(result, j);
    return checkedDiv(result, Fact(n));
}

double PermRep(std::int16_t m, const Multiplicitats& r)
{
    double result = Fact(m);
    for (int i = 1; i <= r.k; ++i)
        result = checkedDiv(result, Fact(r.n(i)));
    return result;
}

} // namespace tarvi
