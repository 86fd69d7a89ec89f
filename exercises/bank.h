#pragma once

#include "counting/evaluation.h"
#include "counting/formulakind.h"
#include "platform/language.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvi::exercises {

// How hard a problem is, by the size of its count: Easy up to 1,000, Medium
// up to 10^7, Any beyond that.
enum class Level { Easy = 1, Medium = 2, Any = 3 };

inline constexpr int kLevels = 3;

constexpr std::size_t levelIndex(Level level) { return static_cast<std::size_t>(level) - 1; }

// One number a template fills in.
struct Slot {
    std::string meaning; // in the template's language: "m es el número de alumnos de la clase"
};

// A word problem, solved.
struct Problem {
    FormulaKind kind;
    PanelInputs inputs;      // as a panel would receive them: m, n or m and the multiplicities
    std::string statement;   // the word problem, in its language
    std::string reason;      // one line: why this kind fits
    std::vector<Slot> slots; // meaning of m, then n (V, VR, C, CR) or of each multiplicity (PR); P: m only
    std::string answerLine;  // the worked answer, "KIND(args) = … = COUNT"
    std::string count;       // the count, whole digits
};

// The values one slot takes at one level, both ends included.
struct Range {
    int low = 1;
    int high = 1;
};

// The words of a template in one language. The statement fills in its slots
// where it names them in braces: "{m}" writes the number; "{n:# delegado|#
// delegados}" writes the singular form for 1 and the plural form otherwise,
// with the number in place of "#". Slots are m and n, or for PR the
// multiplicities 1, 2, 3 ..., whose sum is m.
struct Wording {
    std::string statement;
    std::string reason;
    std::vector<std::string> meanings; // one per slot
};

// A word problem with its numbers left open. A slot that the statement does not
// show is a number the context fixes (ten digits, six faces of a die): its
// range is one value at every level.
struct Template {
    FormulaKind kind;
    std::array<std::vector<Range>, kLevels> ranges; // per level, one per slot
    std::array<Wording, 3> wordings;                // English, Catalan, Spanish
};

// Every template of the bank, grouped by kind in V, VR, P, PR, C, CR order.
const std::vector<Template>& bank();

// How many numbers a template of this kind fills in.
std::size_t slotCount(const Template& problem);

// The statement of a wording with these slot values filled in.
std::string fillIn(std::string_view statement, FormulaKind kind, const std::vector<int>& values);

// The panel inputs for these slot values: m and n, or m as the sum of the
// multiplicities and the multiplicities.
PanelInputs inputsOf(FormulaKind kind, const std::vector<int>& values);

// The count and the worked answer of a panel's inputs at a level, from the
// counting core; empty when the panel refuses them. Levels 1 and 2 count as
// the panel does by default; level 3 counts exactly, with every digit.
struct Solution {
    std::string count;
    std::string answerLine;
};
std::optional<Solution> solve(FormulaKind kind, const PanelInputs& inputs, Level level);

// Whether a count belongs to a level: from 2 (a problem whose answer is 1 is
// no problem) to 1,000, from 1,001 to 10^7, above 10^7.
bool fitsLevel(std::string_view count, Level level);

// Every choice of slot values within a template's ranges at a level, in
// order, that the panel accepts and whose count fits the level.
std::vector<std::vector<int>> templateValues(const Template& problem, Level level);

// The problem a template makes in a language with these slot values, solved;
// empty when its count does not fit the level or the panel refuses the values.
std::optional<Problem> makeProblem(const Template& problem, platform::Language language,
                                   const std::vector<int>& values, Level level);

} // namespace tarvi::exercises
