// Text to number: parseWhole16 against a plain reading of the same text.

#include "engine/readnumber.h"
#include "tests/fuzz/property.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

using tarvi::parseWhole16;
using tarvi::Separators;
using tarvi::fuzz::escaped;
using tarvi::fuzz::require;

namespace {

// A separator as a regular expression that matches it literally.
std::string literal(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos)
            out += '\\';
        out += c;
    }
    return out;
}

// The number's written form for one pair of separators: blanks, a sign, digits
// that group separators may follow, a decimal part, an exponent, blanks.
struct Grammar {
    Separators separators;
    std::regex form;

    explicit Grammar(Separators marks)
        : separators(std::move(marks)),
          form("^[ \\t]*([+-]?)(\\d(?:\\d|" + literal(separators.group) +
               ")*)?(?:" + literal(separators.decimal) + "(\\d*))?(?:[eE]([+-]?\\d+))?[ \\t]*$")
    {
    }
};

// The reading a person would do by hand: check the form, drop the group
// separators, let strtod read the plain number, go to the nearest integer
// with halves to even, and keep it only within the 16-bit range.
std::optional<std::int16_t> reference(const std::string& text, const Grammar& grammar)
{
    std::smatch parts;
    if (!std::regex_match(text, parts, grammar.form))
        return std::nullopt;
    std::string whole = parts[2].str();
    for (std::size_t at; (at = whole.find(grammar.separators.group)) != std::string::npos;)
        whole.erase(at, grammar.separators.group.size());
    const std::string fraction = parts[3].str();
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    std::string plain = parts[1].str() + (whole.empty() ? "0" : whole) + "." + fraction;
    if (parts[4].matched)
        plain += "e" + parts[4].str();
    const double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    const double nearest = std::nearbyint(value);
    if (nearest < INT16_MIN || nearest > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(nearest);
}

std::string shown(std::optional<std::int16_t> value) { return value ? std::to_string(*value) : "nothing"; }

// C and English; Spanish and German; French, whose group separator is a
// narrow no-break space of three bytes.
const std::array<Grammar, 3>& grammars()
{
    static const std::array<Grammar, 3> all{Grammar({".", ","}), Grammar({",", "."}),
                                            Grammar({",", "\u202f"})};
    return all;
}

// A whole number written in the ways people write it reads back as itself.
void checkWholeNumber(std::int16_t value, const Separators& marks)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    const std::size_t signs = value < 0 ? 1 : 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > signs && (digits.size() - i) % 3 == 0)
            grouped += marks.group;
        grouped += digits[i];
    }
    const std::string texts[] = {
        digits,
        grouped,
        " \t" + digits + "  ",
        (value >= 0 ? "+" : "") + digits,
        digits + marks.decimal + "0",
        digits + marks.decimal + "4",
        grouped + marks.decimal + "00e0",
    };
    for (const std::string& text : texts)
        require(parseWhole16(text, marks) == value, "a whole number reads back as itself",
                [&] { return escaped(text) + " read as " + shown(parseWhole16(text, marks)); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Longer texts add nothing but time to the reference's regular expression.
    const std::string text(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 200));
    for (const Grammar& grammar : grammars()) {
        const std::optional<std::int16_t> read = parseWhole16(text, grammar.separators);
        const std::optional<std::int16_t> expected = reference(text, grammar);
        require(read == expected, "parseWhole16 reads as the plain reference does", [&] {
            return escaped(text) + " with decimal " + escaped(grammar.separators.decimal) + ": read " +
                   shown(read) + ", expected " + shown(expected);
        });
    }
    if (size >= 2) {
        const auto value = static_cast<std::int16_t>(data[0] | data[1] << 8);
        for (const Grammar& grammar : grammars())
            checkWholeNumber(value, grammar.separators);
    }
    return 0;
}
