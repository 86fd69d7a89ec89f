#include "engine/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tarvi {

std::string integerText(long long value) { return std::to_string(value); }

std::string generalNumberText(double x)
{
    if (x == 0.0)
        return "0";
    // No count is ever infinite or undefined, but the text of one must not be
    // made up from digits that were never written.
    if (std::isnan(x))
        return "nan";
    if (std::isinf(x))
        return x < 0 ? "-inf" : "inf";

    // Rounded to 15 significant digits, as printf's "%.14e" would, and
    // written d.dddddddddddddde±XX.
    char buffer[32];
    const char* end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific, 14).ptr;
    std::string digits;
    digits.push_back(buffer[0]);
    digits.append(buffer + 2, 14);
    int exponent = 0;
    std::from_chars(buffer + (buffer[17] == '+' ? 18 : 17), end, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = x < 0 ? "-" : "";
    const int length = static_cast<int>(digits.size());
    if (exponent >= 15) {
        text += digits[0];
        if (length > 1)
            text.append(".").append(digits, 1);
        return text.append("E+").append(std::to_string(exponent)); // 15 and above: two digits at least
    }
    if (exponent < 0)
        return text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    if (length <= exponent + 1)
        return text.append(digits).append(static_cast<std::size_t>(exponent + 1 - length), '0');
    const auto point = static_cast<std::size_t>(exponent + 1);
    return text.append(digits, 0, point).append(".").append(digits, point);
}

double nearestWith15Digits(std::string_view digits)
{
    constexpr std::size_t kSignificant = 15;
    unsigned long long kept = 0;
    std::from_chars(digits.data(), digits.data() + std::min(digits.size(), kSignificant), kept);
    if (digits.size() <= kSignificant)
        return static_cast<double>(kept); // exact, below 10^15

    const std::size_t exponent = digits.size() - kSignificant;
    const std::string_view rest = digits.substr(kSignificant);
    const bool beyondFirst = rest.find_first_not_of('0', 1) != std::string_view::npos;
    if (rest[0] > '5' || (rest[0] == '5' && (beyondFirst || kept % 2 == 1)))
        ++kept;
    // A decimal of 15 significant digits comes back unchanged from the nearest
    // double, so its general number text is these digits.
    const std::string decimal = std::to_string(kept) + "e" + std::to_string(exponent);
    double value = 0;
    if (std::from_chars(decimal.data(), decimal.data() + decimal.size(), value).ec != std::errc())
        return std::numeric_limits<double>::infinity();
    return value;
}

std::string FormatCoef(double x)
{
    if (x == 0.0 || x == 1.0)
        return "";
    if (x == -1.0)
        return "-";
    return generalNumberText(x);
}

std::string FormatPot(std::string_view base, std::int16_t e)
{
    if (e == 0)
        return "";
    if (e == 1)
        return std::string(base);
    return std::string(base) + "^" + integerText(e);
}

} // namespace tarvi
