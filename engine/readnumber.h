#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvi {

// The decimal and group separators of a locale, as UTF-8 text.
struct Separators {
    std::string decimal = ".";
    std::string group = ",";
};

// Reads a whole number the way the user writes numbers: blanks around it,
// an optional sign, digits with group separators, an optional decimal part and
// an optional exponent ("1e3"). A fractional value goes to the nearest integer,
// halves to the even neighbour. Empty text, anything that is not a number, and
// values outside the 32-bit and then the 16-bit range give nothing.
std::optional<std::int16_t> parseWhole16(std::string_view text, const Separators& separators);

} // namespace tarvi
