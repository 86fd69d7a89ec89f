#include "exercises/guide.h"

#include <array>
#include <optional>
#include <stdexcept>

namespace tarvi::exercises {

namespace {

using platform::column;
using platform::Language;

// Every per-language table has one column per Language: English, Catalan,
// Spanish.
using Texts = std::array<std::string_view, 3>;

constexpr std::array<Texts, 4> kQuestions = {{
    {"Are all the elements used, each in a place of its own?",
     "S'utilitzen tots els elements, cadascun en un lloc?",
     "¿Se usan todos los elementos, cada uno en un lugar?"},
    {"Are some of the elements alike?", "Hi ha elements iguals entre si?",
     "¿Hay elementos iguales entre sí?"},
    {"Does the order matter?", "Importa l'ordre?", "¿Importa el orden?"},
    {"Can an element be repeated?", "Es pot repetir un element?", "¿Se puede repetir un elemento?"},
}};

constexpr std::array<std::string_view, kKinds> kFormulas = {
    "V(m,n) = m! / (m-n)!",
    "VR(m,n) = mⁿ",
    "P(n) = n!",
    "PR(m; n₁,…,nₖ) = m! / (n₁!·…·nₖ!)",
    "C(m,n) = m! / (n!·(m-n)!)",
    "CR(m,n) = C(m+n-1,n) = (m+n-1)! / (n!·(m-1)!)",
};

constexpr std::array<Texts, kKinds> kNames = {{
    {"variation", "variació", "variación"},
    {"variation with repetition", "variació amb repetició", "variación con repetición"},
    {"permutation", "permutació", "permutación"},
    {"permutation with repetition", "permutació amb repetició", "permutación con repetición"},
    {"combination", "combinació", "combinación"},
    {"combination with repetition", "combinació amb repetició", "combinación con repetición"},
}};

constexpr std::array<Texts, kKinds> kReasons = {{
    {"Some of the elements are chosen, the order matters and none is repeated: it is a variation.",
     "Se n'escullen alguns elements, l'ordre importa i cap no es repeteix: és una variació.",
     "Se eligen algunos elementos, el orden importa y ninguno se repite: es una variación."},
    {"Elements are chosen, the order matters and they can be repeated: it is a variation with repetition.",
     "S'escullen elements, l'ordre importa i es poden repetir: és una variació amb repetició.",
     "Se eligen elementos, el orden importa y pueden repetirse: es una variación con repetición."},
    {"All the elements are used, each in a place of its own, and all are different: it is a permutation.",
     "S'utilitzen tots els elements, cadascun en un lloc, i tots són diferents: és una permutació.",
     "Se usan todos los elementos, cada uno en un lugar, y todos son distintos: es una permutación."},
    {"All the elements are used, each in a place of its own, and some are alike: it is a permutation with "
     "repetition.",
     "S'utilitzen tots els elements, cadascun en un lloc, i n'hi ha d'iguals entre si: és una permutació amb "
     "repetició.",
     "Se usan todos los elementos, cada uno en un lugar, y hay algunos iguales entre sí: es una permutación "
     "con repetición."},
    {"Some of the elements are chosen, the order does not matter and none is repeated: it is a combination.",
     "Se n'escullen alguns elements, l'ordre no importa i cap no es repeteix: és una combinació.",
     "Se eligen algunos elementos, el orden no importa y ninguno se repite: es una combinación."},
    {"Elements are chosen, the order does not matter and they can be repeated: it is a combination with "
     "repetition.",
     "S'escullen elements, l'ordre no importa i es poden repetir: és una combinació amb repetició.",
     "Se eligen elementos, el orden no importa y pueden repetirse: es una combinación con repetición."},
}};

constexpr std::array<GuideWords, 3> kWords = {{
    {"Which formula?", "&Yes", "&No", "&Back", "&Close", "&Choose %1"},
    {"Quina fórmula?", "&Sí", "&No", "&Enrere", "&Tanca", "&Tria %1"},
    {"¿Qué fórmula?", "&Sí", "&No", "&Atrás", "&Cerrar", "&Elegir %1"},
}};

} // namespace

GuideStep guideStep(const std::vector<bool>& answers)
{
    const auto answer = [&answers](std::size_t i) -> std::optional<bool> {
        return i < answers.size() ? std::optional<bool>(answers[i]) : std::nullopt;
    };
    const auto settled = [&answers](std::size_t taken, FormulaKind kind) -> GuideStep {
        if (answers.size() > taken)
            throw std::invalid_argument("the guide has no question after its answer");
        return kind;
    };
    const std::optional<bool> allInPlace = answer(0);
    if (!allInPlace)
        return GuideQuestion::AllInPlace;
    if (*allInPlace) {
        const std::optional<bool> alike = answer(1);
        if (!alike)
            return GuideQuestion::EqualElements;
        return settled(2, *alike ? FormulaKind::PR : FormulaKind::P);
    }
    const std::optional<bool> ordered = answer(1);
    if (!ordered)
        return GuideQuestion::OrderMatters;
    const std::optional<bool> repeated = answer(2);
    if (!repeated)
        return GuideQuestion::Repetition;
    if (*ordered)
        return settled(3, *repeated ? FormulaKind::VR : FormulaKind::V);
    return settled(3, *repeated ? FormulaKind::CR : FormulaKind::C);
}

std::string_view questionText(GuideQuestion question, Language language)
{
    return kQuestions[static_cast<std::size_t>(question)][column(language)];
}

std::string_view formulaText(FormulaKind kind) { return kFormulas[static_cast<std::size_t>(index(kind))]; }

std::string_view kindName(FormulaKind kind, Language language)
{
    return kNames[static_cast<std::size_t>(index(kind))][column(language)];
}

std::string_view guideReason(FormulaKind kind, Language language)
{
    return kReasons[static_cast<std::size_t>(index(kind))][column(language)];
}

const GuideWords& guideWords(Language language) { return kWords[column(language)]; }

} // namespace tarvi::exercises
