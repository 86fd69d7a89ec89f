#pragma once

#include "counting/formulakind.h"
#include "platform/language.h"

#include <string_view>
#include <variant>
#include <vector>

namespace tarvi::exercises {

// The yes/no questions of the guide "¿Qué fórmula?". The first settles
// whether every element takes a place of its own (P, PR) or some are chosen
// (V, VR, C, CR); the others tell the kinds of each group apart.
enum class GuideQuestion { AllInPlace, EqualElements, OrderMatters, Repetition };

// Where the answers given so far lead: the next question, or the kind once
// they settle it. At most three answers settle any kind.
using GuideStep = std::variant<GuideQuestion, FormulaKind>;

// The step after `answers` (true is yes), from the first question on. More
// answers than the path asks for are outside the contract
// (std::invalid_argument).
GuideStep guideStep(const std::vector<bool>& answers);

// The question as the guide asks it in a language.
std::string_view questionText(GuideQuestion question, platform::Language language);

// The kind's formula in the notation of the formula column, such as
// "C(m,n) = m! / (n!·(m-n)!)"; it reads the same in every language.
std::string_view formulaText(FormulaKind kind);

// The kind's name in a language ("combinación") and the guide's reason for it
// in one sentence, made of the answers that lead to it.
std::string_view kindName(FormulaKind kind, platform::Language language);
std::string_view guideReason(FormulaKind kind, platform::Language language);

// The words of the guide's window in a language.
struct GuideWords {
    std::string_view title; // "¿Qué fórmula?"
    std::string_view yes;
    std::string_view no;
    std::string_view back;
    std::string_view close;
    std::string_view choose; // in the practice window: select the kind's button, %1 for the kind
};
const GuideWords& guideWords(platform::Language language);

} // namespace tarvi::exercises
