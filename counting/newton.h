#pragma once

#include "counting/evaluation.h"
#include "engine/readnumber.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvi {

// The one message of the Newton strip, for every input it cannot expand.
inline constexpr std::string_view kNewtonTitle = "Binomio de Newton";
inline constexpr std::string_view kNewtonMessage = "n ha de ser un entero positivo";

// The exponent as typed: a whole number from 1 to 32767 (a fraction goes to the
// nearest integer, halves to even), or nothing.
std::optional<std::int16_t> readExponent(std::string_view text, const Separators& separators);

// (a+b)^n written out: the coefficients C(n,0) ... C(n,n) as general number
// texts of their exact values (whole, exact up to 15 digits, then rounded to
// 15 significant digits), or in exact mode as their whole digits, and the
// expansion text with "^" before every exponent. When a coefficient leaves the
// double range (from n = 171 on, in either mode) the expansion stops there:
// `complete` is false and the lists hold what was built before it.
struct NewtonExpansion {
    std::vector<std::string> coefficients;
    std::string formula;
    bool complete = false;
};

NewtonExpansion expandBinomial(std::int16_t n, CountMode mode = CountMode::Double);

// The font the expansion is drawn in: Tahoma at the strip's own size up to
// n = 9; Arial Narrow from 10 on, and at size 8 from 11 on, where the terms
// get long.
struct NewtonFont {
    std::string name;
    float size;
};

NewtonFont newtonFont(std::int16_t n, float loadSize);

} // namespace tarvi
