#include "exercises/practice.h"

#include "counting/caseline.h"
#include "exercises/guide.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tarvi::exercises {

namespace {

using platform::Language;

// In the order of the Language columns: English, Catalan, Spanish.
constexpr std::array<PracticeWords, 3> kWords{{
    {"Practice",
     "Kinds",
     "Level",
     "Language",
     "Seed",
     "New &seed",
     "S&tart",
     "Problem %1",
     "n₁ … nₖ",
     "C&heck",
     "Show s&olution",
     "Ne&xt",
     "Sa&ve",
     "&Close",
     "%1 of %2",
     "Score",
     "Verdict",
     "Choose a kind first: V, VR, P, PR, C or CR.",
     "These options give no further problem.",
     "The session has not been saved. Leave it?",
     "It is not %1: %2; it is a %3.",
     "The formula is right; check this number:",
     "The formula is right; check these numbers:",
     "Extra multiplicities: %1",
     "m is the number of things in all, the sum of the multiplicities",
     "Right!",
     "Your choice",
     "right",
     "wrong",
     "none",
     "solution seen"},
    {"Pràctica",
     "Tipus",
     "Nivell",
     "Idioma",
     "Llavor",
     "Nova &llavor",
     "&Comença",
     "Problema %1",
     "n₁ … nₖ",
     "Com&prova",
     "Veure la s&olució",
     "&Següent",
     "&Desa",
     "&Tanca",
     "%1 de %2",
     "Puntuació",
     "Resposta",
     "Tria primer un tipus: V, VR, P, PR, C o CR.",
     "Aquestes opcions no donen cap altre problema.",
     "La sessió no s'ha desat. Voleu deixar-la?",
     "No és %1: %2; és una %3.",
     "La fórmula és correcta; revisa aquest nombre:",
     "La fórmula és correcta; revisa aquests nombres:",
     "Multiplicitats de més: %1",
     "m és el nombre total d'elements, la suma de les multiplicitats",
     "Molt bé!",
     "La teva elecció",
     "bé",
     "malament",
     "cap",
     "vista la solució"},
    {"Práctica",
     "Tipos",
     "Nivel",
     "Idioma",
     "Semilla",
     "Nueva &semilla",
     "&Empezar",
     "Problema %1",
     "n₁ … nₖ",
     "Com&probar",
     "Ver s&olución",
     "Si&guiente",
     "G&uardar",
     "&Cerrar",
     "%1 de %2",
     "Puntuación",
     "Respuesta",
     "Elige primero un tipo: V, VR, P, PR, C o CR.",
     "Estas opciones no dan más problemas.",
     "La sesión no se ha guardado. ¿Dejarla?",
     "No es %1: %2; es una %3.",
     "La fórmula es correcta; revisa este número:",
     "La fórmula es correcta; revisa estos números:",
     "Multiplicidades de más: %1",
     "m es el número total de elementos, la suma de las multiplicidades",
     "¡Bien!",
     "Tu elección",
     "bien",
     "mal",
     "ninguna",
     "vista la solución"},
}};

// A text with %1, %2, %3 replaced in turn.
std::string format(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text(pattern);
    char mark = '1';
    for (std::string_view value : values) {
        const std::string placeholder{'%', mark++};
        const std::size_t at = text.find(placeholder);
        if (at != std::string::npos)
            text.replace(at, placeholder.size(), value);
    }
    return text;
}

std::string_view nameOf(FormulaKind kind) { return NomsFormula[static_cast<std::size_t>(index(kind))]; }

// Whether a typed number is the problem's: read as the panels read numbers.
bool sameNumber(const std::string& typed, const std::string& expected, const Separators& separators)
{
    const std::optional<std::int16_t> value = parseWhole16(typed, separators);
    return value && value == parseWhole16(expected, separators);
}

} // namespace

const PracticeWords& practiceWords(Language language) { return kWords[platform::column(language)]; }

std::vector<std::string> splitMultiplicities(std::string_view text)
{
    std::vector<std::string> entries;
    std::string entry;
    for (char c : text) {
        if (c == ',' || c == ';' || c == ' ' || c == '\t') {
            if (!entry.empty())
                entries.push_back(entry);
            entry.clear();
        } else {
            entry += c;
        }
    }
    if (!entry.empty())
        entries.push_back(entry);
    return entries;
}

Verdict checkAttempt(const Problem& problem, const Attempt& attempt, Language language,
                     const Separators& separators)
{
    const PracticeWords& words = practiceWords(language);
    if (attempt.kind != problem.kind)
        return {Verdict::Outcome::WrongKind,
                {format(words.wrongKind,
                        {nameOf(attempt.kind), problem.reason, kindName(problem.kind, language)})}};

    // The slots mean m, then n, or in PR each multiplicity, whose sum is m.
    std::vector<std::string> off;
    const bool pr = problem.kind == FormulaKind::PR;
    const auto meaning = [&problem](std::size_t slot) { return problem.slots.at(slot).meaning; };
    if (!sameNumber(attempt.inputs.m, problem.inputs.m, separators))
        off.push_back(pr ? std::string(words.sumM) : meaning(0));
    if (hasN(problem.kind) && !sameNumber(attempt.inputs.n, problem.inputs.n, separators))
        off.push_back(meaning(1));
    std::string extra;
    if (pr) {
        // Each multiplicity of the problem takes one typed entry of its value,
        // in any order; what is left over was typed beyond the problem's.
        std::vector<std::string> typed = attempt.inputs.multiplicities;
        for (std::size_t i = 0; i < problem.inputs.multiplicities.size(); ++i) {
            const auto match = std::find_if(typed.begin(), typed.end(), [&](const std::string& entry) {
                return sameNumber(entry, problem.inputs.multiplicities[i], separators);
            });
            if (match == typed.end())
                off.push_back(meaning(i));
            else
                typed.erase(match);
        }
        for (const std::string& entry : typed)
            extra += (extra.empty() ? "" : ", ") + entry;
    }
    if (off.empty() && extra.empty())
        return {Verdict::Outcome::Right, {std::string(words.right), problem.answerLine}};

    Verdict verdict{
        Verdict::Outcome::WrongNumbers,
        {std::string(off.size() + (extra.empty() ? 0 : 1) > 1 ? words.checkMany : words.checkOne)}};
    verdict.lines.insert(verdict.lines.end(), off.begin(), off.end());
    if (!extra.empty())
        verdict.lines.push_back(format(words.extra, {extra}));
    return verdict;
}

std::vector<std::string> solutionLines(const Problem& problem, Language language)
{
    return {std::string(nameOf(problem.kind)) + ": " + std::string(kindName(problem.kind, language)),
            std::string(sheetWords(language).reason) + ": " + problem.reason, problem.answerLine};
}

PracticeSession::PracticeSession(const SheetOptions& options)
    : options_(options), stream_(options), current_(stream_.next()), number_(current_ ? 1 : 0)
{
}

TriedProblem& PracticeSession::currentTry()
{
    if (!current_)
        throw std::logic_error("no problem is on screen");
    if (!currentTried_) {
        tried_.push_back({number_, *current_, std::nullopt, false, false, false});
        currentTried_ = true;
    }
    return tried_.back();
}

Verdict PracticeSession::check(const Attempt& attempt, const Separators& separators)
{
    TriedProblem& problem = currentTry();
    Verdict verdict = checkAttempt(problem.problem, attempt, options_.language, separators);
    problem.last = attempt;
    problem.lastRight = verdict.outcome == Verdict::Outcome::Right;
    problem.solved = problem.solved || (problem.lastRight && !problem.solutionSeen);
    return verdict;
}

std::vector<std::string> PracticeSession::showSolution()
{
    TriedProblem& problem = currentTry();
    problem.solutionSeen = true;
    return solutionLines(problem.problem, options_.language);
}

bool PracticeSession::next()
{
    if (!current_)
        return false;
    current_ = stream_.next();
    currentTried_ = false;
    if (current_)
        ++number_;
    return current_.has_value();
}

int PracticeSession::solved() const
{
    return static_cast<int>(std::count_if(tried_.begin(), tried_.end(),
                                          [](const TriedProblem& problem) { return problem.solved; }));
}

std::string PracticeSession::score() const
{
    return format(practiceWords(options_.language).score,
                  {std::to_string(solved()), std::to_string(tried())});
}

std::vector<std::string> sessionLines(const PracticeSession& session)
{
    const SheetOptions& options = session.options();
    const PracticeWords& words = practiceWords(options.language);
    const SheetWords& sheet = sheetWords(options.language);
    const std::string dot = " · ";
    std::vector<std::string> lines{
        std::string(words.title) + dot + session.score() + dot + kindsList(options.kinds) + dot +
        std::string(sheet.level) + ' ' + std::to_string(static_cast<int>(options.level)) + dot +
        std::string(sheet.code) + dot + std::string(sheet.seed) + ' ' + std::to_string(options.seed)};
    for (const TriedProblem& tried : session.triedProblems()) {
        lines.push_back(std::to_string(tried.number) + ". " + tried.problem.statement);
        std::string choice = std::string(words.choice) + ": ";
        if (tried.last)
            choice += caseCall(tried.last->kind, tried.last->inputs) + ": " +
                      std::string(tried.lastRight ? words.wasRight : words.wasWrong);
        else
            choice += words.noChoice;
        if (tried.solutionSeen)
            choice += " (" + std::string(words.seen) + ")";
        lines.push_back(choice);
        lines.push_back(tried.problem.answerLine);
    }
    return lines;
}

} // namespace tarvi::exercises
