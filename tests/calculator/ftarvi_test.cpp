#include "calculator/core/evaluation.h"
#include "calculator/core/randomcase.h"
#include "engine/random.h"
#include "render/picturearea.h"
#include "tests/support/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace tarvi;
using platform::MessageAnswer;
using MainWindow = testkit::MainWindowTest;

namespace {

// A menu's visible entries in order, "-" for a separator, "!" after a disabled entry.
QString entries(const QWidget* menu)
{
    QStringList found;
    for (const QAction* entry : menu->actions())
        if (entry->isVisible())
            found << (entry->isSeparator() ? "-" : entry->text() + (entry->isEnabled() ? "" : "!"));
    return found.join('|');
}

} // namespace

TEST_F(MainWindow, HasAFixedSizeAndItsMenus)
{
    EXPECT_EQ(window->windowTitle(), "Combinatoria");
    EXPECT_EQ(window->centralWidget()->size(), QSize(556, 460));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(entries(window->menuBar()), "&Archivo|&Utilidades|Info");
    EXPECT_EQ(entries(window->Arxiu), "caso: guardar/añadir a...|Abrir...|-|Generar caso...|-|Salir");
    EXPECT_EQ(entries(window->OpsG), "V|VR|P|PR|C|CR|Todos");
    EXPECT_EQ(entries(window->Tools), "Edición utilidades|-"); // no Tools.rel here: every tool slot hidden
    EXPECT_EQ(entries(window->info), "Info|Contacto...|Sobre...");
}

// Tab walks the panels top to bottom, left to right; every stop carries its
// object name and the name a screen reader speaks.
TEST_F(MainWindow, TabOrderObjectNamesAndSpokenNames)
{
    const QString kinds[kKinds] = {"V", "VR", "P", "PR", "C", "CR"};
    QStringList expected;
    for (int k = 0; k < kKinds; ++k) {
        const QString at = QStringLiteral("(%1) ").arg(k) + kinds[k];
        expected << "IdM" + at + (k == index(FormulaKind::P) ? " n" : " m");
        if (window->IdN[k])
            expected << "IdN" + at + " n";
        if (k == index(FormulaKind::PR))
            expected << "npr PR ni";
        expected << "okD" + at + " calcular" << "IdRes" + at + " resultado" << "BtGen" + at + " generar caso"
                 << "BtRst" + at + " borrar";
    }
    expected << "idNb Newton n" << "OkNwt Newton calcular" << "LstC Newton coeficientes";
    QStringList walked;
    window->IdM[0]->setFocus();
    while (walked.size() < expected.size()) {
        QWidget* focused = QApplication::focusWidget();
        // The drop-down's text field speaks for the drop-down.
        const QWidget* stop = focused->parentWidget() == window->npr ? window->npr : focused;
        walked << stop->objectName() + " " + stop->accessibleName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(window->EtNi->accessibleName() + "|" + window->BNwt->accessibleName(), "PR resumen|Newton desarrollo");
}

TEST_F(MainWindow, EqualsShowsTheCountAnyEditEmptiesItAndARefusalShowsTheBox)
{
    type(window->IdM[0], "10");
    type(window->IdN[0], "5");
    window->okD[0]->click();
    EXPECT_EQ(window->IdRes[0]->text(), "30240");
    type(window->IdM[0], "0");
    EXPECT_EQ(window->IdRes[0]->text(), "");
    window->IdM[0]->setText("12");
    window->okD[0]->click();
    EXPECT_EQ(window->IdRes[0]->text(), "95040");
    window->IdN[0]->setText("13"); // a change by the program counts too
    EXPECT_EQ(window->IdRes[0]->text(), "");
    window->okD[0]->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title, "V  Error");
    EXPECT_EQ(messages.boxes[0].text, "sólo enteros positivos\r\n y  m>n");
    EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(messages.boxes[0].buttons, platform::MessageButtons::Ok);
}

TEST_F(MainWindow, EnterInMEvaluatesPOrMovesToTheNextInput)
{
    type(window->IdM[2], "5");
    QTest::keyClick(window->IdM[2], Qt::Key_Return);
    EXPECT_EQ(window->IdRes[2]->text(), "120");
    for (int kind : {0, 1, 3, 4, 5}) {
        type(window->IdM[kind], "7");
        QTest::keyClick(window->IdM[kind], Qt::Key_Return);
        EXPECT_TRUE((kind == 3 ? window->npr->lineEdit() : window->IdN[kind])->hasFocus()) << kind;
        EXPECT_EQ(window->IdRes[kind]->text(), "") << kind;
    }
}

TEST_F(MainWindow, ResetEmptiesThePanelAndThePrList)
{
    type(window->IdM[3], "6");
    addMultiplicities({"2", "3", "1"});
    type(window->IdM[4], "5");
    type(window->IdN[4], "2");
    window->BtRst[3]->click();
    window->BtRst[4]->click();
    EXPECT_EQ(window->IdM[3]->text() + window->EtNi->text() + window->IdM[4]->text() + window->IdN[4]->text(), "");
    EXPECT_EQ(window->npr->count(), 0);
    addMultiplicities({"4"}); // the list itself went, not only its drop-down
    EXPECT_EQ(window->EtNi->text(), "4=4");
}

// Enter adds the typed value or replaces the picked entry without a question;
// the user emptying the field of a picked entry is asked before it goes.
TEST_F(MainWindow, PrListAddsReplacesAndDeletesAfterAsking)
{
    QLineEdit* field = window->npr->lineEdit();
    const auto pick = [&](int position) { // with the arrow keys; the field's text then selected
        while (window->npr->currentIndex() != position)
            QTest::keyClick(window->npr, window->npr->currentIndex() < position ? Qt::Key_Down : Qt::Key_Up);
        field->selectAll();
    };
    addMultiplicities({"2", "3", "1"});
    pick(1);
    EXPECT_EQ(field->text(), "3");
    addMultiplicities({"4", "2"}); // the 2 equals an entry and is still a new one
    QTest::keyClick(field, Qt::Key_Return); // an empty field adds nothing
    EXPECT_EQ(items(window->npr), QStringList({"2", "4", "1", "2"}));
    EXPECT_EQ(window->EtNi->text(), "2,4,1,2=9");
    EXPECT_TRUE(messages.boxes.empty()) << "the program's own emptying of the field asks nothing";

    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    pick(1);
    QTest::keyClick(field, Qt::Key_Backspace);
    pick(0);
    pick(1);
    QTest::keyClick(field, Qt::Key_Backspace);
    type(field, "5");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace); // nothing picked: nothing asked
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].title + "|" + messages.boxes[0].text, "Confirmar eliminar|Eliminar 4?");
    EXPECT_EQ(messages.boxes[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(items(window->npr), QStringList({"2", "1", "2"}));
    EXPECT_EQ(window->EtNi->text(), "2,1,2=5");
}

// "+" and the menu's entries show the case the core draws from the program's
// generator, and its count; "Todos" draws the six panels in order.
TEST_F(MainWindow, GeneratedCasesAreTheCoresDrawsWithTheirCounts)
{
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        const int kind = static_cast<int>(seed % kKinds);
        const auto formula = static_cast<FormulaKind>(kind);
        programGenerator().seed(seed);
        seed % 4 < 2 ? window->BtGen[kind]->click() : window->OpG[kind]->trigger();
        Generator replay(seed);
        const RandomCase drawn = GeneraCas(formula, replay);
        QStringList listed;
        for (const std::string& entry : drawn.multiplicities)
            listed << QString::fromStdString(entry);
        const QString n = window->IdN[kind] ? window->IdN[kind]->text() : "";
        ASSERT_EQ(window->IdM[kind]->text() + "," + n, QString::fromStdString(drawn.m + "," + drawn.n));
        if (formula == FormulaKind::PR) {
            ASSERT_EQ(items(window->npr), listed);
            ASSERT_EQ(window->EtNi->text(), listed.join(',') + "=" + window->IdM[kind]->text());
        }
        Multiplicitats record;
        const Evaluation expected = Calcula(formula, drawn, {}, record);
        ASSERT_EQ(window->IdRes[kind]->text().toStdString(), expected.ok ? expected.result : "");
    }
    programGenerator().seed(99);
    window->OpG[kAllKinds]->trigger();
    Generator replay(99);
    for (int kind = 0; kind < kKinds; ++kind)
        EXPECT_EQ(window->IdM[kind]->text().toStdString(), GeneraCas(static_cast<FormulaKind>(kind), replay).m);
}
