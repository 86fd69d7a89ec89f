#include "exercises/practice.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace tarvi;
using namespace tarvi::exercises;

namespace {

const Separators kSeparators{",", "."};

SheetOptions options(std::vector<FormulaKind> kinds, std::uint64_t seed,
                     platform::Language language = platform::Language::Spanish)
{
    SheetOptions made;
    made.kinds = std::move(kinds);
    made.seed = seed;
    made.language = language;
    return made;
}

// The first problem of each kind in a stream of all six kinds.
std::vector<Problem> oneOfEachKind(platform::Language language)
{
    std::vector<Problem> found(kKinds);
    std::vector<bool> seen(kKinds);
    ProblemStream stream(options(
        {FormulaKind::V, FormulaKind::VR, FormulaKind::P, FormulaKind::PR, FormulaKind::C, FormulaKind::CR},
        11, language));
    for (int left = kKinds; left > 0;) {
        std::optional<Problem> problem = stream.next();
        if (!problem)
            break;
        const auto k = std::size_t(index(problem->kind));
        if (!seen[k]) {
            seen[k] = true;
            found[k] = *problem;
            --left;
        }
    }
    return found;
}

Attempt rightAttempt(const Problem& problem) { return {problem.kind, problem.inputs}; }

std::string meaning(const Problem& problem, std::size_t slot) { return problem.slots.at(slot).meaning; }

// What m means: its slot, or in PR the sum of the multiplicities.
std::string meaningOfM(const Problem& problem, const PracticeWords& words)
{
    return problem.kind == FormulaKind::PR ? std::string(words.sumM) : meaning(problem, 0);
}

} // namespace

// Every kind's problem, in every language, against a table of the mistakes
// students make: each gets the verdict that names what is off, and only that.
TEST(PracticeCheck, RightAndWrongChoicesGetTheirVerdicts)
{
    struct Row {
        const char* name;
        std::function<bool(const Problem&)> applies;
        std::function<Attempt(const Problem&)> attempt;
        Verdict::Outcome outcome;
        std::function<std::vector<std::string>(const Problem&, const PracticeWords&)> lines;
    };
    const auto always = [](const Problem&) { return true; };
    const auto withN = [](const Problem& p) { return hasN(p.kind) && p.inputs.m != p.inputs.n; };
    const auto isPR = [](const Problem& p) { return p.kind == FormulaKind::PR; };
    const std::vector<Row> rows = {
        {"all right, numbers written with blanks and zeros", always,
         [](const Problem& p) {
             Attempt a = rightAttempt(p);
             a.inputs.m = " 0" + a.inputs.m + " ";
             return a;
         },
         Verdict::Outcome::Right,
         [](const Problem& p, const PracticeWords& w) {
             return std::vector<std::string>{std::string(w.right), p.answerLine};
         }},
        {"a wrong kind", always,
         [](const Problem& p) {
             Attempt a = rightAttempt(p);
             a.kind = p.kind == FormulaKind::C ? FormulaKind::V : FormulaKind::C;
             return a;
         },
         Verdict::Outcome::WrongKind, nullptr},
        {"m and n swapped", withN,
         [](const Problem& p) {
             Attempt a = rightAttempt(p);
             std::swap(a.inputs.m, a.inputs.n);
             return a;
         },
         Verdict::Outcome::WrongNumbers,
         [](const Problem& p, const PracticeWords& w) {
             return std::vector<std::string>{std::string(w.checkMany), meaning(p, 0), meaning(p, 1)};
         }},
        {"m left empty", always,
         [](const Problem& p) {
             Attempt a = rightAttempt(p);
             a.inputs.m.clear();
             return a;
         },
         Verdict::Outcome::WrongNumbers,
         [](const Problem& p, const PracticeWords& w) {
             return std::vector<std::string>{std::string(w.checkOne), meaningOfM(p, w)};
         }},
        {"the multiplicities in another order", isPR,
         [](const Problem& p) {
             Attempt a = rightAttempt(p);
             std::reverse(a.inputs.multiplicities.begin(), a.inputs.multiplicities.end());
             return a;
         },
         Verdict::Outcome::Right,
         [](const Problem& p, const PracticeWords& w) {
             return std::vector<std::string>{std::string(w.right), p.answerLine};
         }},
        {"the multiplicities typed on one line", isPR,
         [](const Problem& p) {
             Attempt a = rightAttempt(p);
             std::string line = " ";
             for (const std::string& entry : a.inputs.multiplicities)
                 line += entry + (line.size() % 2 ? ", " : " ;\t");
             a.inputs.multiplicities = splitMultiplicities(line);
             return a;
         },
         Verdict::Outcome::Right,
         [](const Problem& p, const PracticeWords& w) {
             return std::vector<std::string>{std::string(w.right), p.answerLine};
         }},
        {"a wrong last multiplicity", isPR,
         [](const Problem& p) {
             Attempt a = rightAttempt(p);
             a.inputs.multiplicities.back() = "99";
             return a;
         },
         Verdict::Outcome::WrongNumbers,
         [](const Problem& p, const PracticeWords& w) {
             return std::vector<std::string>{std::string(w.checkMany), meaning(p, p.slots.size() - 1),
                                             "Multiplicidades de más: 99"};
         }},
        {"a multiplicity missing", isPR,
         [](const Problem& p) {
             Attempt a = rightAttempt(p);
             a.inputs.multiplicities.erase(a.inputs.multiplicities.begin());
             return a;
         },
         Verdict::Outcome::WrongNumbers,
         [](const Problem& p, const PracticeWords& w) {
             return std::vector<std::string>{std::string(w.checkOne), meaning(p, 0)};
         }},
    };
    const std::vector<Problem> problems = oneOfEachKind(platform::Language::Spanish);
    for (int k = 0; k < kKinds; ++k)
        ASSERT_EQ(problems[std::size_t(k)].kind, FormulaKind(k)) << "the stream gives every kind";
    const PracticeWords& words = practiceWords(platform::Language::Spanish);
    for (const Row& row : rows) {
        for (const Problem& problem : problems) {
            if (!row.applies(problem))
                continue;
            SCOPED_TRACE(std::string(row.name) + " in " + problem.statement);
            const Verdict verdict =
                checkAttempt(problem, row.attempt(problem), platform::Language::Spanish, kSeparators);
            EXPECT_EQ(verdict.outcome, row.outcome);
            if (row.lines) {
                EXPECT_EQ(verdict.lines, row.lines(problem, words));
            } else {
                ASSERT_EQ(verdict.lines.size(), 1u);
                EXPECT_NE(verdict.lines[0].find(problem.reason), std::string::npos);
            }
        }
    }
}

// A wrong kind names the kind chosen and the right one, in the problem's language.
TEST(PracticeCheck, AWrongKindGetsTheRightKindsReasonInEachLanguage)
{
    const std::vector<std::pair<platform::Language, std::string>> expected = {
        {platform::Language::English, "It is not V: %r; it is a combination."},
        {platform::Language::Catalan, "No és V: %r; és una combinació."},
        {platform::Language::Spanish, "No es V: %r; es una combinación."},
    };
    for (const auto& [language, pattern] : expected) {
        const Problem problem = oneOfEachKind(language)[index(FormulaKind::C)];
        const Verdict verdict =
            checkAttempt(problem, {FormulaKind::V, problem.inputs}, language, kSeparators);
        std::string line = pattern;
        line.replace(line.find("%r"), 2, problem.reason);
        EXPECT_EQ(verdict.lines, std::vector<std::string>{line});
    }
}

TEST(PracticeSession, GivesTheSheetsProblemsInTheSheetsOrder)
{
    for (std::uint64_t seed : {3u, 4u, 77u}) {
        SheetOptions sheetOptions = options({FormulaKind::V, FormulaKind::PR, FormulaKind::C}, seed);
        sheetOptions.count = 10;
        const auto sheet = makeSheet(sheetOptions);
        ASSERT_TRUE(std::holds_alternative<Sheet>(sheet));
        PracticeSession session(sheetOptions);
        for (const Problem& problem : std::get<Sheet>(sheet).problems) {
            ASSERT_TRUE(session.current());
            EXPECT_EQ(session.current()->statement, problem.statement) << "seed " << seed;
            session.next();
        }
        EXPECT_EQ(session.number(), 11);
    }
}

// Solved counts only without a look at the solution; an untouched problem is
// not tried. The saved lines tell each tried problem's choice and answer.
TEST(PracticeSession, ScoresAndRecordsWhatTheStudentDid)
{
    PracticeSession session(options({FormulaKind::C}, 3));
    const auto wrong = [](const Problem& p) { return Attempt{FormulaKind::V, p.inputs}; };
    const Problem first = *session.current();
    session.check(rightAttempt(first), kSeparators); // right at once
    session.next();
    session.check(wrong(*session.current()), kSeparators); // wrong, then right
    session.check(rightAttempt(*session.current()), kSeparators);
    session.next();
    session.showSolution(); // the solution, then right
    const Problem third = *session.current();
    session.check(rightAttempt(third), kSeparators);
    session.next();
    session.check(wrong(*session.current()), kSeparators); // wrong only
    session.next();                                        // skipped
    session.next();
    session.showSolution(); // only looked at
    EXPECT_EQ(session.score(), "2 de 5");

    const std::vector<std::string> lines = sessionLines(session);
    ASSERT_EQ(lines.size(), 1u + 5 * 3);
    EXPECT_EQ(lines[0], "Práctica · 2 de 5 · C · nivel 1 · es · semilla 3");
    EXPECT_EQ(lines[1], "1. " + first.statement);
    EXPECT_EQ(lines[2], "Tu elección: C(" + first.inputs.m + "," + first.inputs.n + "): bien");
    EXPECT_EQ(lines[3], first.answerLine);
    EXPECT_EQ(lines[8],
              "Tu elección: C(" + third.inputs.m + "," + third.inputs.n + "): bien (vista la solución)");
    EXPECT_EQ(lines[11].rfind("Tu elección: V(", 0), 0u);
    EXPECT_TRUE(lines[11].ends_with("): mal"));
    EXPECT_EQ(lines[13].rfind("6. ", 0), 0u);
    EXPECT_EQ(lines[14], "Tu elección: ninguna (vista la solución)");
}
