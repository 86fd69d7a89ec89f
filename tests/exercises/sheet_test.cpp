#include "exercises/writers.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace tarvi::exercises {
namespace {

using platform::Language;

const std::vector<FormulaKind> kAll{FormulaKind::V,  FormulaKind::VR, FormulaKind::P,
                                    FormulaKind::PR, FormulaKind::C,  FormulaKind::CR};

SheetOptions optionsOf(std::vector<FormulaKind> kinds, int count, Level level, Language language,
                       std::uint64_t seed, std::string title = "Hoja")
{
    return {std::move(kinds), count, level, language, std::move(title), seed};
}

Sheet sheetOf(const SheetOptions& options)
{
    std::variant<Sheet, std::string> made = makeSheet(options);
    if (const std::string* wrong = std::get_if<std::string>(&made))
        ADD_FAILURE() << *wrong;
    return std::get<Sheet>(std::move(made));
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        found.push_back(line);
    return found;
}

// Drawn to the end, a stream gives every problem the options allow once, and
// a sheet is the stream's beginning.
TEST(Sheet, StreamGivesEveryDistinctProblemOnceAndSheetsAreItsStart)
{
    for (Level level : {Level::Easy, Level::Medium, Level::Any}) {
        const SheetOptions options = optionsOf(kAll, 60, level, Language::Spanish, 42);
        ProblemStream stream(options);
        std::set<std::string> statements;
        std::vector<std::string> order;
        while (std::optional<Problem> problem = stream.next()) {
            EXPECT_TRUE(statements.insert(problem->statement).second) << problem->statement;
            order.push_back(problem->statement);
        }
        EXPECT_EQ(statements.size(), distinctProblems(options));
        EXPECT_EQ(stream.left(), 0u);
        const Sheet sheet = sheetOf(options);
        for (std::size_t i = 0; i < sheet.problems.size(); ++i)
            EXPECT_EQ(sheet.problems[i].statement, order[i]);
    }
}

TEST(Sheet, SameOptionsSameBytesAndAnotherSeedAnotherSheet)
{
    for (Language language : {Language::English, Language::Catalan, Language::Spanish}) {
        const SheetOptions options =
            optionsOf({FormulaKind::V, FormulaKind::PR, FormulaKind::C}, 20, Level::Medium, language, 7);
        const Sheet first = sheetOf(options);
        const Sheet again = sheetOf(options);
        EXPECT_EQ(sheetText(first), sheetText(again));
        EXPECT_EQ(sheetGift(first), sheetGift(again));
        EXPECT_EQ(sheetMoodleXml(first), sheetMoodleXml(again));
        SheetOptions other = options;
        other.seed = 8;
        EXPECT_NE(sheetText(sheetOf(other)), sheetText(first));
    }
}

// A sheet printed today is made again by a later version from its seed: the
// draws, the bank's order and its wording are pinned here.
TEST(Sheet, APrintedSheetIsMadeAgainFromItsSeed)
{
    const Sheet sheet = sheetOf(
        optionsOf({FormulaKind::V, FormulaKind::PR, FormulaKind::C}, 3, Level::Medium, Language::Spanish, 7));
    const std::string_view expected[] = {
        "En un club de 19 socios hay que elegir 4 cargos distintos, y nadie puede ocupar más de uno. ¿De "
        "cuántas maneras puede hacerse?",
        "Se lanza una moneda 14 veces. ¿Cuántas secuencias de resultados tienen exactamente 5 caras?",
        "¿De cuántas maneras se pueden colocar en fila 3 bolas rojas, 2 azules y 4 verdes?",
    };
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(sheet.problems[i].statement, expected[i]);
    EXPECT_EQ(sheet.problems[2].answerLine, "PR(9; 3,2,4) = 9! / (3!·2!·4!) = 362880 / 288 = 1260");
}

TEST(Sheet, OptionsThatCannotMakeTheSheetAreNamed)
{
    struct Row {
        SheetOptions options;
        std::string_view mistake;
    };
    const Row rows[] = {
        {optionsOf({}, 10, Level::Easy, Language::Spanish, 1), "no kinds to draw problems from"},
        {optionsOf(kAll, 0, Level::Easy, Language::Spanish, 1), "--count must be 1 to 60"},
        {optionsOf(kAll, 61, Level::Easy, Language::Spanish, 1), "--count must be 1 to 60"},
        {optionsOf(kAll, 5, Level::Easy, Language::Spanish, 1, "two\nlines"),
         "--title must be one line of UTF-8 text"},
        {optionsOf(kAll, 5, Level::Easy, Language::Spanish, 1, "bad \xC3("),
         "--title must be one line of UTF-8 text"},
        {optionsOf({FormulaKind::P}, 60, Level::Easy, Language::Spanish, 1),
         "these options give only 24 distinct problems, not 60"},
    };
    for (const Row& row : rows) {
        const std::variant<Sheet, std::string> made = makeSheet(row.options);
        ASSERT_TRUE(std::holds_alternative<std::string>(made)) << row.mistake;
        EXPECT_EQ(std::get<std::string>(made), row.mistake);
    }
    EXPECT_EQ(distinctProblems(rows[5].options), 24u);
    EXPECT_TRUE(std::holds_alternative<Sheet>(
        makeSheet(optionsOf({FormulaKind::P}, 24, Level::Easy, Language::Spanish, 1))));
}

TEST(Sheet, TextNumbersStatementsThenSolutionsWithTheirWorking)
{
    const Sheet sheet = sheetOf(optionsOf(kAll, 12, Level::Easy, Language::Catalan, 3, ""));
    EXPECT_EQ(sheet.options.title, "Full d'exercicis");
    const std::vector<std::string> text = lines(sheetText(sheet));
    EXPECT_EQ(text[0], "Full d'exercicis");
    EXPECT_EQ(text[1], "V,VR,P,PR,C,CR · 12 problemes · nivell 1 · ca · llavor 3");
    const auto heading = std::find(text.begin(), text.end(), "Solucions");
    ASSERT_NE(heading, text.end());
    std::size_t number = 0;
    for (auto line = text.begin(); line != heading; ++line)
        if (line->starts_with(std::to_string(number + 1) + ". ")) {
            EXPECT_EQ(*line, std::to_string(number + 1) + ". " + sheet.problems[number].statement);
            ++number;
        }
    EXPECT_EQ(number, 12u);
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const auto reason =
            std::find(heading, text.end(), std::to_string(i + 1) + ". Per què: " + sheet.problems[i].reason);
        ASSERT_NE(reason, text.end());
        EXPECT_EQ(*(reason + 1), "   " + sheet.problems[i].answerLine);
    }
}

TEST(Sheet, GiftEscapesItsSpecialCharactersInTitleAndStatement)
{
    EXPECT_EQ(giftEscaped("a~b=c#d{e}f:g\\h"), "a\\~b\\=c\\#d\\{e\\}f\\:g\\\\h");
    Sheet sheet =
        sheetOf(optionsOf({FormulaKind::C}, 2, Level::Easy, Language::English, 5, "Quiz {1}: a=b ~ #2"));
    sheet.problems[1].statement = "Pick {2} of 5: x=y ~ #z?";
    const std::string gift = sheetGift(sheet);
    EXPECT_NE(gift.find("$CATEGORY: $course$/Quiz {1}: a=b ~ #2\n"), std::string::npos);
    EXPECT_NE(gift.find("::Quiz \\{1\\}\\: a\\=b \\~ \\#2 1:: " + sheet.problems[0].statement + " {#" +
                        sheet.problems[0].count + "}\n"),
              std::string::npos);
    EXPECT_NE(gift.find(":: Pick \\{2\\} of 5\\: x\\=y \\~ \\#z? {#" + sheet.problems[1].count + "}"),
              std::string::npos);
}

// The Moodle XML, read back by an XML parser: one quiz, the category, then one
// numerical question per problem with the count as its only, exact answer.
TEST(Sheet, MoodleXmlParsesWithOneNumericalQuestionPerProblem)
{
    const Sheet sheet =
        sheetOf(optionsOf(kAll, 20, Level::Medium, Language::Spanish, 7, "Tema 3 <A&B> \"x\" a/b"));
    QXmlStreamReader xml(QByteArray::fromStdString(sheetMoodleXml(sheet)));
    std::vector<std::string> types;
    std::vector<std::map<std::string, std::string>> questions;
    std::string element;
    int quizzes = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const std::string name = xml.name().toString().toStdString();
            if (name == "quiz")
                ++quizzes;
            else if (name == "question") {
                types.push_back(xml.attributes().value("type").toString().toStdString());
                questions.emplace_back();
            } else if (name != "text") {
                element = name;
                if (name == "answer")
                    questions.back()["fraction"] =
                        xml.attributes().value("fraction").toString().toStdString();
            }
        } else if (xml.isCharacters() && !xml.isWhitespace() && !questions.empty()) {
            questions.back()[element] += xml.text().toString().toStdString();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(quizzes, 1);
    ASSERT_EQ(types.size(), 21u);
    EXPECT_EQ(types[0], "category");
    EXPECT_EQ(questions[0]["category"], "$course$/Tema 3 <A&B> \"x\" a//b");
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const Problem& problem = sheet.problems[i];
        std::map<std::string, std::string>& question = questions[i + 1];
        EXPECT_EQ(types[i + 1], "numerical");
        EXPECT_EQ(question["name"], sheet.options.title + " " + std::to_string(i + 1));
        EXPECT_EQ(question["questiontext"], problem.statement);
        EXPECT_EQ(question["generalfeedback"], problem.answerLine + "\n" + problem.reason);
        EXPECT_EQ(question["answer"], problem.count);
        EXPECT_EQ(question["fraction"], "100");
        EXPECT_EQ(question["tolerance"], "0");
    }
}

} // namespace
} // namespace tarvi::exercises
