#pragma once

#include "counting/evaluation.h"
#include "counting/formulakind.h"
#include "exercises/bank.h"
#include "exercises/sheet.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvi::exercises {

// What the student gave for one problem: the kind's button and the numbers as
// typed into the boxes.
struct Attempt {
    FormulaKind kind = FormulaKind::V;
    PanelInputs inputs;
};

// What "Comprobar" says, in the problem's language: a wrong kind gets the
// right kind's reason; the right kind with numbers off gets the meaning of
// each number that is off; all right gets the worked answer with the count.
struct Verdict {
    enum class Outcome { WrongKind, WrongNumbers, Right };
    Outcome outcome = Outcome::WrongKind;
    std::vector<std::string> lines;
};

// Numbers are read as the panels read them, in the user's separators; the
// multiplicities may come in any order, as the count does not change.
Verdict checkAttempt(const Problem& problem, const Attempt& attempt, platform::Language language,
                     const Separators& separators);

// What "Ver solución" shows: the kind, the reason and the worked answer.
std::vector<std::string> solutionLines(const Problem& problem, platform::Language language);

// The multiplicities as typed on one line, "4,3,2" or "4 3 2": entries
// between commas, semicolons and blanks.
std::vector<std::string> splitMultiplicities(std::string_view text);

// One problem the student tried: checked at least once or looked up.
struct TriedProblem {
    int number = 0; // from 1, in the session's order
    Problem problem;
    std::optional<Attempt> last; // the last attempt checked, if any
    bool lastRight = false;      // whether that attempt was all right
    bool solved = false;         // all right before the solution was shown
    bool solutionSeen = false;
};

// A practice session: the problems of a sheet with the same options, one at a
// time in the sheet's order, and what the student did with each.
class PracticeSession {
public:
    explicit PracticeSession(const SheetOptions& options);

    const SheetOptions& options() const { return options_; }
    // The problem on screen, and its number from 1; none once the options
    // can give no further distinct problem.
    const std::optional<Problem>& current() const { return current_; }
    int number() const { return number_; }

    // Both need a problem on screen.
    Verdict check(const Attempt& attempt, const Separators& separators);
    std::vector<std::string> showSolution();
    // Moves on to the next problem; false when there is none.
    bool next();

    // Problems solved, of those tried: "3 de 4". A problem whose solution was
    // shown before it was solved counts as tried, not solved.
    int solved() const;
    int tried() const { return static_cast<int>(tried_.size()); }
    // "3 de 4" in the session's language.
    std::string score() const;
    const std::vector<TriedProblem>& triedProblems() const { return tried_; }

private:
    TriedProblem& currentTry();

    SheetOptions options_;
    ProblemStream stream_;
    std::optional<Problem> current_;
    int number_ = 0;
    bool currentTried_ = false;
    std::vector<TriedProblem> tried_;
};

// The session as case-file lines: a heading with the score and the options,
// then for each problem tried its number and statement, the student's choice
// and numbers with whether they were right, and the worked answer.
std::vector<std::string> sessionLines(const PracticeSession& session);

// The words of the practice window and of its verdicts in a language; %1
// and %2 stand for what the comment names.
struct PracticeWords {
    std::string_view title;          // "Práctica"
    std::string_view kinds;          // "Tipos"
    std::string_view level;          // "Nivel"
    std::string_view language;       // "Idioma"
    std::string_view seed;           // "Semilla"
    std::string_view newSeed;        // draws a new random seed
    std::string_view start;          // starts a session with the options
    std::string_view problem;        // "Problema %1", the number
    std::string_view multiplicities; // the label of the PR entries
    std::string_view check;          // "Comprobar"
    std::string_view solution;       // "Ver solución"
    std::string_view next;           // "Siguiente"
    std::string_view save;           // "Guardar"
    std::string_view close;
    std::string_view score;       // "%1 de %2": solved, tried
    std::string_view scoreName;   // what a screen reader calls the score
    std::string_view verdictName; // what a screen reader calls the verdict
    std::string_view noKind;      // "Comprobar" before a kind is chosen
    std::string_view noMore;      // the options give no further problem
    std::string_view discard;     // asked before a session not saved is left
    std::string_view wrongKind;   // "No es %1: %2; es una %3.": chosen kind, reason, right kind's name
    std::string_view checkOne;    // the right kind, one number off
    std::string_view checkMany;   // the right kind, several numbers off
    std::string_view extra;       // "%1": the multiplicities typed beyond those of the problem
    std::string_view sumM;        // what m is in PR: the sum of the multiplicities
    std::string_view right;       // "¡Bien!"
    std::string_view choice;      // "Tu elección" in the saved session
    std::string_view wasRight;    // "bien"
    std::string_view wasWrong;    // "mal"
    std::string_view noChoice;    // "ninguna"
    std::string_view seen;        // "vista la solución"
};
const PracticeWords& practiceWords(platform::Language language);

} // namespace tarvi::exercises
