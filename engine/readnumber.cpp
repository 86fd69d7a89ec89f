#include "engine/readnumber.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace tarvi {

namespace {

bool startsWith(std::string_view text, std::string_view prefix)
{
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::optional<std::int16_t> parseWhole16(std::string_view text, const Separators& separators)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    // Rewrite the number in plain notation, then read it.
    std::string plain;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        plain += text.front();
        text.remove_prefix(1);
    }
    bool digits = false;
    bool point = false;
    while (!text.empty()) {
        const char c = text.front();
        if (std::isdigit(static_cast<unsigned char>(c))) {
            plain += c;
            digits = true;
            text.remove_prefix(1);
        } else if (!point && startsWith(text, separators.decimal)) {
            plain += '.';
            point = true;
            text.remove_prefix(separators.decimal.size());
        } else if (!point && digits && startsWith(text, separators.group)) {
            text.remove_prefix(separators.group.size());
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        plain += 'e';
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            plain += text.front();
            text.remove_prefix(1);
        }
        bool exponentDigits = false;
        while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front()))) {
            plain += text.front();
            exponentDigits = true;
            text.remove_prefix(1);
        }
        if (!exponentDigits)
            return std::nullopt;
    }
    if (!text.empty())
        return std::nullopt;

    // from_chars does not look at the C locale, which a window program sets from
    // the user's.
    double value = 0.0;
    const char* begin = plain.data() + (plain.front() == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(begin, plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::nearbyint(value); // halves to the even neighbour
    // Out of the 32-bit range is out of the 16-bit range too.
    if (whole < INT16_MIN || whole > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

} // namespace tarvi
