#pragma once

#include "exercises/bank.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvi::exercises {

inline constexpr int kMaxSheetProblems = 60;

// What a sheet is made from.
struct SheetOptions {
    std::vector<FormulaKind> kinds; // any non-empty subset, in V, VR, P, PR, C, CR order
    int count = 10;                 // 1 … 60
    Level level = Level::Easy;
    platform::Language language = platform::Language::Spanish;
    std::string title;
    std::uint64_t seed = 0;
};

// Problems drawn one after another from the seed, each distinct from those
// before. A sheet of N problems is the first N of the stream, so practice, one
// problem at a time, meets the problems in the sheet's order for the same
// options. Each draw picks, among the kinds with problems left, one of those
// drawn least often so far, then likewise one of its templates, then one of
// that template's unused values: the problems spread over the kinds and
// templates before any repeats.
class ProblemStream {
public:
    explicit ProblemStream(const SheetOptions& options); // options.count is not used here
    ~ProblemStream();
    ProblemStream(ProblemStream&&) noexcept;
    ProblemStream& operator=(ProblemStream&&) noexcept;

    std::optional<Problem> next(); // empty once no further distinct problem exists
    std::size_t left() const;      // how many more problems next() gives

private:
    struct State;
    std::unique_ptr<State> state_;
};

// How many distinct problems the options can give at most.
std::size_t distinctProblems(const SheetOptions& options);

struct Sheet {
    SheetOptions options;
    std::vector<Problem> problems;
};

// The sheet, or what is wrong with the options, as a usage mistake names it:
// no kinds, a count outside 1 … 60, a title that is not one line of UTF-8
// text, or more problems than the options can give. A sheet without a title
// takes its language's word for an exercise sheet.
std::variant<Sheet, std::string> makeSheet(const SheetOptions& options);

// The words a sheet uses in its language.
struct SheetWords {
    std::string_view code;       // "es", "ca", "en"
    std::string_view name;       // "español", "català", "English"
    std::string_view title;      // "Hoja de ejercicios": the title of a sheet given none
    std::string_view solutions;  // "Soluciones"
    std::string_view problem;    // "Problema"
    std::string_view page;       // "Página"
    std::string_view of;         // "de": "Página 1 de 3"
    std::string_view oneProblem; // "problema": "1 problema"
    std::string_view problems;   // "problemas": "20 problemas"
    std::string_view level;      // "nivel"
    std::string_view seed;       // "semilla"
    std::string_view reason;     // "Por qué"
    std::string_view answer;     // "Respuesta"
    std::string_view digits;     // "cifras": a long number shortened, "9332621544…(158 cifras)"
};
const SheetWords& sheetWords(platform::Language language);

// The language of a code "es", "ca" or "en".
std::optional<platform::Language> languageOfCode(std::string_view code);

// The kinds as the list "V,C,PR".
std::string kindsList(const std::vector<FormulaKind>& kinds);

// What the footer shows so that the sheet can be made again, in the sheet's
// language: "V,C,PR · 20 problemas · nivel 2 · es · semilla 7".
std::string optionsLine(const SheetOptions& options);

// A page's footer: "Página 1 de 3 · " and the options line.
std::string footerLine(const SheetOptions& options, int page, int pages);

} // namespace tarvi::exercises
