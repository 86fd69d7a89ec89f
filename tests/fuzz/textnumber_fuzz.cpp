// Text to number: parseWhole16 against a plain reading of the same text.

#include "engine/readnumber.h"
#include "tests/fuzz/property.h"

#include <algorithm>
#include <cmath>
#include <regex>
#include <vector>

using tarvi::parseWhole16;
using tarvi::Separators;
using namespace tarvi::fuzz;

namespace {

// The number's written form for one pair of separators: blanks, a sign, digits
// (or groups of three after a first group of one to three, with group
// separators between them), a decimal part, an exponent, blanks.
struct Grammar {
    Separators marks;
    std::regex form;
};

Grammar grammar(const Separators& marks)
{
    const auto literal = [](const std::string& mark) { return mark == "." ? std::string("\\.") : mark; };
    return {marks, std::regex("^[ \\t]*([+-]?)(\\d{1,3}(?:" + literal(marks.group) + "\\d{3})+|\\d+)?(?:" +
                              literal(marks.decimal) + "(\\d*))?(?:[eE]([+-]?\\d+))?[ \\t]*$")};
}

// C and English; Spanish and German; French, whose group separator is a
// narrow no-break space of three bytes.
const std::vector<Grammar> kGrammars{grammar({".", ","}), grammar({",", "."}), grammar({",", "\u202f"})};

// The reading a person would do by hand: check the form, drop the group
// separators, let strtod read the plain number, go to the nearest integer
// with halves to even, and keep it only within the 16-bit range.
std::optional<std::int16_t> reference(const std::string& text, const Grammar& grammar)
{
    std::smatch parts;
    if (!std::regex_match(text, parts, grammar.form) || (parts[2].length() == 0 && parts[3].length() == 0))
        return std::nullopt;
    std::string whole = parts[2].str();
    for (std::size_t at; (at = whole.find(grammar.marks.group)) != std::string::npos;)
        whole.erase(at, grammar.marks.group.size());
    const std::string plain =
        parts[1].str() + "0" + whole + "." + parts[3].str() + "e" + (parts[4].matched ? parts[4].str() : "0");
    const double nearest = std::nearbyint(std::strtod(plain.c_str(), nullptr));
    if (!std::isfinite(nearest) || nearest < INT16_MIN || nearest > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(nearest);
}

std::string shown(std::optional<std::int16_t> value) { return value ? std::to_string(*value) : "nothing"; }

// A whole number written in the ways people write it reads back as itself.
void checkWholeNumber(std::int16_t value, const Separators& marks)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > (value < 0 ? 1u : 0u) && (digits.size() - i) % 3 == 0)
            grouped += marks.group;
        grouped += digits[i];
    }
    for (const std::string& text :
         {digits, grouped, " \t" + digits + "  ", (value >= 0 ? "+" : "") + digits,
          digits + marks.decimal + "0", digits + marks.decimal + "4", grouped + marks.decimal + "00e0"})
        require(parseWhole16(text, marks) == value, "a whole number reads back as itself",
                [&] { return escaped(text) + " read as " + shown(parseWhole16(text, marks)); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Longer texts add nothing but time to the reference's regular expression.
    const std::string text = textOf(data, std::min<std::size_t>(size, 200));
    for (const Grammar& grammar : kGrammars) {
        const std::optional<std::int16_t> read = parseWhole16(text, grammar.marks);
        const std::optional<std::int16_t> expected = reference(text, grammar);
        require(read == expected, "parseWhole16 reads as the plain reference does", [&] {
            return escaped(text) + " with decimal " + escaped(grammar.marks.decimal) + ": read " +
                   shown(read) + ", expected " + shown(expected);
        });
        if (size >= 2)
            checkWholeNumber(static_cast<std::int16_t>(data[0] | data[1] << 8), grammar.marks);
    }
    return 0;
}
