#include "exercises/practice.h"

// What m means in a problem: its slot, or in PR the sum of the multiplicities.
static std::string meaningOfM(const tarvi::exercises::Problem& problem)
{
    return problem.kind == tarvi::FormulaKind::PR
               ? std::string(tarvi::exercises::practiceWords(tarvi::platform::Language::Spanish).sumM)
               : problem.slots.at(0).meaning;
}

#include "calculator/dguia.h"
#include "calculator/fpractica.h"
#include "exercises/guide.h"
#include "filedialog/dftxs.h"
#include "tests/calculator/mainwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTimer>

using namespace tarvi;

namespace {

exercises::SheetOptions cvpr(platform::Language language)
{
    exercises::SheetOptions options;
    options.kinds = {FormulaKind::V, FormulaKind::PR, FormulaKind::C};
    options.seed = 3;
    options.language = language;
    return options;
}

} // namespace

// The practice window of the main window, set to C, V and PR at level 1 with
// seed 3 in a language, and started.
class PracticeWindow : public testkit::MainWindowTest {
protected:
    FPractica* practice = nullptr;

    void open(platform::Language language = platform::Language::Spanish)
    {
        action("OpPractica")->trigger();
        practice = window.findChild<FPractica*>();
        ASSERT_NE(practice, nullptr);
        for (int k = 0; k < kKinds; ++k)
            practice->ChkTipus[k]->setChecked(k == 0 || k == 3 || k == 4);
        practice->LstIdioma->setCurrentIndex(practice->LstIdioma->findData(int(language)));
        practice->IdLlavor->setText("3");
        practice->BtComenca->click();
    }

    const exercises::Problem& problem() const { return *practice->session().current(); }

    // Chooses a kind and types the numbers, then checks them with Enter.
    void answer(FormulaKind kind, const exercises::Problem& given)
    {
        practice->BtTipus[index(kind)]->click();
        QTest::keyClicks(practice->IdM, QString::fromStdString(given.inputs.m));
        if (practice->IdN->isEnabled())
            QTest::keyClicks(practice->IdN, QString::fromStdString(given.inputs.n));
        for (const std::string& entry : given.inputs.multiplicities)
            QTest::keyClicks(practice->IdNi, QString::fromStdString(entry + " "));
        QTest::keyClick(practice->IdM, Qt::Key_Return);
    }
};

// In each language the window follows the sheets' order and speaks the
// problem's language, in its controls and its verdicts.
TEST_F(PracticeWindow, GivesTheSheetsProblemsInTheirLanguage)
{
    const std::vector<std::pair<platform::Language, QString>> captions = {
        {platform::Language::Spanish, "Comprobar"},
        {platform::Language::Catalan, "Comprova"},
        {platform::Language::English, "Check"},
    };
    for (const auto& [language, check] : captions) {
        open(language);
        exercises::ProblemStream stream(cvpr(language));
        EXPECT_EQ(heard(practice->EtEnunciat),
                  practice->EtNumero->text().toStdString() + ": " + stream.next()->statement + "||");
        EXPECT_EQ(practice->BtComprova->accessibleName(), check);
        answer(problem().kind, problem());
        EXPECT_EQ(practice->EtVeredicte->text().toStdString(),
                  std::string(exercises::practiceWords(language).right) + "\n" + problem().answerLine);
    }
}

// A wrong kind gets the reason, the right kind with numbers off what they
// mean, all right the worked answer; the score counts the problem solved.
TEST_F(PracticeWindow, ChecksTheChoiceAndKeepsTheScore)
{
    open();
    const exercises::Problem given = problem();
    answer(given.kind == FormulaKind::C ? FormulaKind::V : FormulaKind::C, given);
    EXPECT_TRUE(heard(practice->EtVeredicte).starts_with("Respuesta: No es "));
    EXPECT_NE(heard(practice->EtVeredicte).find(given.reason), std::string::npos);
    exercises::Problem off = given;
    off.inputs.m = "999";
    practice->IdM->clear();
    practice->IdN->clear();
    practice->IdNi->clear();
    answer(given.kind, off);
    EXPECT_EQ(practice->EtVeredicte->text().toStdString(),
              "La fórmula es correcta; revisa este número:\n" + meaningOfM(given));
    practice->IdM->clear();
    practice->IdN->clear();
    practice->IdNi->clear();
    answer(given.kind, given);
    EXPECT_EQ(heard(practice->EtPuntuacio), "Puntuación: 1 de 1||");
}

// "Ver solución" shows kind, reason and answer, and a problem solved after it
// does not count; "Siguiente" moves on with the choice cleared.
TEST_F(PracticeWindow, ASolutionShownMeansTheProblemDoesNotCount)
{
    open();
    const exercises::Problem given = problem();
    practice->BtSolucio->click();
    EXPECT_EQ(practice->EtVeredicte->text().toStdString(),
              std::string(NomsFormula[index(given.kind)]) + ": " +
                  std::string(exercises::kindName(given.kind, platform::Language::Spanish)) +
                  "\nPor qué: " + given.reason + "\n" + given.answerLine);
    answer(given.kind, given);
    EXPECT_EQ(practice->EtPuntuacio->text(), "0 de 1");
    practice->BtSeguent->click();
    EXPECT_EQ(practice->EtNumero->text(), "Problema 2");
    EXPECT_EQ(practice->EtVeredicte->text(), "");
    EXPECT_EQ(practice->IdM->text(), "");
    for (QPushButton* kind : practice->BtTipus)
        EXPECT_FALSE(kind->isChecked());
}

// From the statement, Tab reaches the kind's button, Space chooses it, Tab
// the boxes it takes, and Enter checks.
TEST_F(PracticeWindow, AProblemIsSolvedWithTheKeyboardAlone)
{
    open();
    const exercises::Problem given = problem();
    const auto press = [this](Qt::Key key) { QTest::keyClick(practice->focusWidget(), key); };
    const auto type = [this](const std::string& text) {
        QTest::keyClicks(practice->focusWidget(), QString::fromStdString(text));
    };
    EXPECT_EQ(practice->focusWidget(), practice->EtEnunciat);
    for (int k = 0; k <= index(given.kind); ++k)
        press(Qt::Key_Tab);
    press(Qt::Key_Space);
    for (int k = index(given.kind); k < kKinds + 1; ++k) // the later kinds and the guide
        press(Qt::Key_Tab);
    type(given.inputs.m);
    if (hasN(given.kind)) {
        press(Qt::Key_Tab);
        type(given.inputs.n);
    }
    if (given.kind == FormulaKind::PR)
        press(Qt::Key_Tab);
    for (const std::string& entry : given.inputs.multiplicities)
        type(entry + ",");
    press(Qt::Key_Return);
    EXPECT_EQ(heard(practice->EtPuntuacio), "Puntuación: 1 de 1||");
}

// The guide in the window speaks the problem's language and selects the
// kind's button it settles on, with that kind's boxes.
TEST_F(PracticeWindow, TheGuideSelectsTheKindsButton)
{
    open(platform::Language::Catalan);
    QTimer::singleShot(0, [] {
        auto* guide = qobject_cast<DGuia*>(QApplication::activeModalWidget());
        ASSERT_NE(guide, nullptr);
        EXPECT_EQ(guide->windowTitle(), "Quina fórmula?");
        for (QPushButton* answer : {guide->BtNo, guide->BtNo, guide->BtNo}) // C
            answer->click();
        EXPECT_EQ(guide->BtTria->text(), "&Tria C");
        guide->BtTria->click();
    });
    practice->BtGuia->click();
    EXPECT_TRUE(practice->BtTipus[index(FormulaKind::C)]->isChecked());
    EXPECT_TRUE(practice->IdN->isEnabled());
    EXPECT_FALSE(practice->IdNi->isEnabled());
    EXPECT_EQ(practice->focusWidget(), practice->IdM);
}

// "Guardar" appends the session to the case file chosen in the program's
// dialog and opens it in the editor; starting again asks only while tries
// are unsaved.
TEST_F(PracticeWindow, SaveAppendsTheSessionToACaseFile)
{
    QDir().mkdir(work.file("Prbls"));
    open();
    EXPECT_FALSE(practice->BtDesa->isEnabled()) << "nothing tried, nothing to save";
    answer(problem().kind, problem());
    practice->BtSolucio->click();
    const std::vector<std::string> lines = exercises::sessionLines(practice->session());
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<DFtxs*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->IdNom, "sesion.txt");
        dialog->BtOk->click();
    });
    practice->BtDesa->click();
    QByteArray expected;
    for (const std::string& line : lines)
        expected += QByteArray::fromStdString(line) + "\r\n\r\n";
    QFile saved(work.file("Prbls/sesion.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), expected);
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].commandLine, "NotePad.exe " + work.file("Prbls/sesion.txt"));

    practice->BtComenca->click();
    EXPECT_TRUE(messages.boxes.empty()) << "a saved session is left without asking";
    practice->BtSolucio->click();
    messages.answers = {platform::MessageAnswer::No};
    practice->BtComenca->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(practice->session().tried(), 1) << "No keeps the session";
}
