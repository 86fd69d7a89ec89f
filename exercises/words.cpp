#include "exercises/sheet.h"

#include <array>

namespace tarvi::exercises {

namespace {

// In the order of the Language columns: English, Catalan, Spanish.
constexpr std::array<SheetWords, 3> kWords{{
    {"en", "English", "Exercise sheet", "Solutions", "Problem", "Page", "of", "problem", "problems", "level",
     "seed", "Why", "Answer", "digits"},
    {"ca", "català", "Full d'exercicis", "Solucions", "Problema", "Pàgina", "de", "problema", "problemes",
     "nivell", "llavor", "Per què", "Resposta", "xifres"},
    {"es", "español", "Hoja de ejercicios", "Soluciones", "Problema", "Página", "de", "problema", "problemas",
     "nivel", "semilla", "Por qué", "Respuesta", "cifras"},
}};

constexpr std::string_view kDot = " · ";

} // namespace

const SheetWords& sheetWords(platform::Language language) { return kWords[platform::column(language)]; }

std::optional<platform::Language> languageOfCode(std::string_view code)
{
    for (platform::Language language :
         {platform::Language::English, platform::Language::Catalan, platform::Language::Spanish})
        if (sheetWords(language).code == code)
            return language;
    return std::nullopt;
}

std::string kindsList(const std::vector<FormulaKind>& kinds)
{
    std::string list;
    for (FormulaKind kind : kinds) {
        if (!list.empty())
            list += ',';
        list += NomsFormula[static_cast<std::size_t>(index(kind))];
    }
    return list;
}

std::string optionsLine(const SheetOptions& options)
{
    const SheetWords& words = sheetWords(options.language);
    std::string line = kindsList(options.kinds);
    line += kDot;
    line += std::to_string(options.count) + ' ';
    line += options.count == 1 ? words.oneProblem : words.problems;
    line += kDot;
    line += words.level;
    line += ' ' + std::to_string(static_cast<int>(options.level));
    line += kDot;
    line += words.code;
    line += kDot;
    line += words.seed;
    line += ' ' + std::to_string(options.seed);
    return line;
}

std::string footerLine(const SheetOptions& options, int page, int pages)
{
    const SheetWords& words = sheetWords(options.language);
    std::string line(words.page);
    line += ' ' + std::to_string(page) + ' ';
    line += words.of;
    line += ' ' + std::to_string(pages);
    line += kDot;
    return line + optionsLine(options);
}

} // namespace tarvi::exercises
