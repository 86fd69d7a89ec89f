#include "engine/readnumber.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace tarvi {

namespace {

bool startsWith(std::string_view text, std::string_view prefix)
{
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

// Around a number, text-to-number conversion skips tabs as well as spaces.
bool isSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

// Whether a plain number ([sign] digits [. digits] [e [sign] digits]) that is
// beyond the double range is beyond it because it is too small: its first
// significant digit stands after the ones place, exponent included. Such a
// number is nearer to zero than to any other whole number.
bool tooSmall(std::string_view plain)
{
    long long order = 0; // the place of the first significant digit; ones are 0
    long long place = 0;
    bool afterPoint = false;
    bool found = false;
    std::size_t at = plain.find_first_not_of("+-");
    for (; at < plain.size() && plain[at] != 'e'; ++at) {
        if (plain[at] == '.') {
            afterPoint = true;
            place = -1;
        } else if (afterPoint) {
            if (!found && plain[at] != '0') {
                order = place;
                found = true;
            }
            --place;
        } else {
            if (found)
                ++order;
            else if (plain[at] != '0')
                found = true;
        }
    }
    long long exponent = 0;
    if (at < plain.size()) {
        const bool negative = plain[at + 1] == '-';
        for (const char digit : plain.substr(at + 1)) {
            if (digit >= '0' && digit <= '9')
                exponent = std::min(exponent * 10 + (digit - '0'), 1'000'000'000LL);
        }
        if (negative)
            exponent = -exponent;
    }
    return order + exponent < 0;
}

} // namespace

std::optional<std::int16_t> parseWhole16(std::string_view text, const Separators& separators)
{
    while (!text.empty() && isSpaceOrTab(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpaceOrTab(text.back()))
        text.remove_suffix(1);

    // Rewrite the number in plain notation, then read it.
    std::string plain;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        plain += text.front();
        text.remove_prefix(1);
    }
    bool digits = false;
    bool point = false;
    // Group separators stand only between groups of three digits, after a
    // first group of one to three: "1.000" is a thousand under Spanish marks,
    // but "3.0" and "1.2.3" are no numbers rather than 30 and 123.
    bool grouped = false;
    int groupDigits = 0; // digits of the whole part since its last group separator
    const auto groupsWhole = [&] { return !grouped || groupDigits == 3; };
    while (!text.empty()) {
        const char c = text.front();
        if (std::isdigit(static_cast<unsigned char>(c))) {
            plain += c;
            digits = true;
            groupDigits += point ? 0 : 1;
            text.remove_prefix(1);
        } else if (!point && startsWith(text, separators.decimal)) {
            if (!groupsWhole())
                return std::nullopt;
            plain += '.';
            point = true;
            text.remove_prefix(separators.decimal.size());
        } else if (!point && digits && startsWith(text, separators.group)) {
            if (!groupsWhole() || groupDigits > 3)
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
            text.remove_prefix(separators.group.size());
        } else {
            break;
        }
    }
    if (!digits || !groupsWhole())
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
    auto [end, error] = std::from_chars(begin, plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range && tooSmall(plain)) {
        value = 0.0;
        error = std::errc();
    }
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::nearbyint(value); // halves to the even neighbour
    // Out of the 32-bit range is out of the 16-bit range too.
    if (whole < INT16_MIN || whole > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

} // namespace tarvi
