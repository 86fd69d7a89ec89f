#include "exercises/guide.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

using namespace tarvi;
using namespace tarvi::exercises;

namespace {

// Walks every sequence of answers from the empty one; records where each
// settled path ends and checks that no question is left unasked.
void walk(std::vector<bool>& answers, std::map<FormulaKind, std::vector<bool>>& ends)
{
    ASSERT_LE(answers.size(), 3u) << "no path asks more than three questions";
    const GuideStep step = guideStep(answers);
    if (const auto* kind = std::get_if<FormulaKind>(&step)) {
        EXPECT_TRUE(ends.emplace(*kind, answers).second) << "two paths lead to " << NomsFormula[index(*kind)];
        answers.push_back(true);
        EXPECT_THROW(guideStep(answers), std::invalid_argument) << "an answer after the kind is settled";
        answers.pop_back();
        return;
    }
    for (bool answer : {true, false}) {
        answers.push_back(answer);
        walk(answers, ends);
        answers.pop_back();
    }
}

} // namespace

// The table reaches each of the six kinds by exactly one path, asking the
// issue's questions in its order.
TEST(Guide, EachKindHasExactlyOnePathOfTheRightQuestions)
{
    std::vector<bool> answers;
    std::map<FormulaKind, std::vector<bool>> ends;
    walk(answers, ends);
    const std::map<FormulaKind, std::vector<bool>> expected = {
        {FormulaKind::PR, {true, true}},         {FormulaKind::P, {true, false}},
        {FormulaKind::V, {false, true, false}},  {FormulaKind::VR, {false, true, true}},
        {FormulaKind::C, {false, false, false}}, {FormulaKind::CR, {false, false, true}},
    };
    EXPECT_EQ(ends, expected);

    const auto asked = [](std::vector<bool> answers) {
        return std::string(
            questionText(std::get<GuideQuestion>(guideStep(answers)), platform::Language::Spanish));
    };
    EXPECT_EQ(asked({}), "¿Se usan todos los elementos, cada uno en un lugar?");
    EXPECT_EQ(asked({true}), "¿Hay elementos iguales entre sí?");
    EXPECT_EQ(asked({false}), "¿Importa el orden?");
    EXPECT_EQ(asked({false, true}), "¿Se puede repetir un elemento?");
    EXPECT_EQ(asked({false, false}), "¿Se puede repetir un elemento?");
}

// Every ending, in every language, names the kind in its one-sentence reason
// and gives a formula that starts with the kind's own name.
TEST(Guide, EveryEndingNamesItsKindAndFormulaInEachLanguage)
{
    for (int k = 0; k < kKinds; ++k) {
        const auto kind = FormulaKind(k);
        const std::string name(NomsFormula[std::size_t(k)]);
        EXPECT_EQ(std::string(formulaText(kind)).rfind(name + "(", 0), 0u) << name;
        for (auto language :
             {platform::Language::English, platform::Language::Catalan, platform::Language::Spanish}) {
            const std::string reason(guideReason(kind, language));
            const std::string kindWords(kindName(kind, language));
            EXPECT_TRUE(reason.ends_with(" " + kindWords + ".")) << reason;
            EXPECT_EQ(reason.find('.'), reason.size() - 1) << "one sentence: " << reason;
        }
    }
}
