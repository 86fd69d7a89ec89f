#include "counting/evaluation.h"
#include "counting/randomcase.h"
#include "engine/random.h"
#include "platform/widgets/twips.h"
#include "render/picturearea.h"
#include "tests/calculator/mainwindow.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

using namespace tarvi;
using MainWindow = testkit::MainWindowTest;

// A menu bar or menu as text: its visible entries in order, a submenu's in
// brackets after its caption, "-" for a separator, "!" after a disabled entry.
static QString entries(const QWidget* menu)
{
    QStringList found;
    for (const QAction* entry : menu->actions())
        if (entry->isVisible())
            found << (entry->isSeparator() ? "-" : entry->text() + (entry->isEnabled() ? "" : "!")) +
                         (entry->menu() ? "[" + entries(entry->menu()) + "]" : "");
    return found.join('|');
}

TEST_F(MainWindow, HasAFixedSizeAndItsMenus)
{
    EXPECT_EQ(window.windowTitle(), "Combinatoria");
    EXPECT_EQ(window.centralWidget()->size(), QSize(556, 460));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    // No Tools.rel in the working folder: every tool slot stays hidden.
    EXPECT_EQ(entries(window.menuBar()),
              "&Archivo[caso: guardar/añadir a...|Abrir...|-|Generar caso...[V|VR|P|PR|C|CR|Todos]|"
              "Hoja de ejercicios...|Práctica...|Enteros exactos|-|Salir]|"
              "&Utilidades[Edición utilidades|-]|Info[Info|Contacto...|¿Qué fórmula?|Sobre...]");
}

// Tab walks the panels top to bottom, left to right; every stop carries its
// object name and the name a screen reader speaks.
TEST_F(MainWindow, TabOrderObjectNamesAndSpokenNames)
{
    const QString expected =
        "IdM(0) V m|IdN(0) V n|okD(0) V calcular|IdRes(0) V resultado|BtGen(0) V generar caso|"
        "BtRst(0) V borrar|IdM(1) VR m|IdN(1) VR n|okD(1) VR calcular|IdRes(1) VR resultado|"
        "BtGen(1) VR generar caso|BtRst(1) VR borrar|IdM(2) P n|okD(2) P calcular|IdRes(2) P resultado|"
        "BtGen(2) P generar caso|BtRst(2) P borrar|IdM(3) PR m|npr PR ni|okD(3) PR calcular|"
        "IdRes(3) PR resultado|BtGen(3) PR generar caso|BtRst(3) PR borrar|IdM(4) C m|IdN(4) C n|"
        "okD(4) C calcular|IdRes(4) C resultado|BtGen(4) C generar caso|BtRst(4) C borrar|IdM(5) CR m|"
        "IdN(5) CR n|okD(5) CR calcular|IdRes(5) CR resultado|BtGen(5) CR generar caso|BtRst(5) CR borrar|"
        "idNb Newton n|OkNwt Newton calcular|LstC Newton coeficientes";
    QStringList walked;
    IdM(0)->setFocus();
    while (walked.size() <= expected.count('|')) {
        QWidget* focused = QApplication::focusWidget();
        // The drop-down's text field speaks for the drop-down.
        const QWidget* stop = focused->parentWidget() == npr() ? npr() : focused;
        walked << stop->objectName() + " " + stop->accessibleName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(walked.join('|'), expected);
}

// "=" evaluates, and so does Enter in P's m; elsewhere Enter in m moves on to
// the next input. Any change of an input, typed or by the program, empties the
// count.
TEST_F(MainWindow, EqualsOrEnterEvaluateAndAnyEditEmptiesTheCount)
{
    QTest::keyClicks(IdM(2), "5");
    QTest::keyClick(IdM(2), Qt::Key_Return);
    EXPECT_EQ(IdRes(2)->text(), "120");
    QTest::keyClicks(IdM(2), "1");
    EXPECT_EQ(IdRes(2)->text(), "");
    for (int kind : {0, 1, 3, 4, 5}) {
        QTest::keyClicks(IdM(kind), "7");
        QTest::keyClick(IdM(kind), Qt::Key_Return);
        EXPECT_TRUE((kind == 3 ? npr()->lineEdit() : IdN(kind))->hasFocus()) << kind;
    }
    IdM(0)->setText("10");
    QTest::keyClicks(IdN(0), "5");
    okD(0)->click();
    EXPECT_EQ(IdRes(0)->text(), "30240");
    IdN(0)->setText("13");
    EXPECT_EQ(IdRes(0)->text(), "");
    okD(0)->click();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title + "|" + messages.boxes[0].text,
              "V  Error|sólo enteros positivos\r\n y  m>n");
    EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(messages.boxes[0].buttons, platform::MessageButtons::Ok);
}

// Enter adds the typed value or replaces the picked entry without a question;
// the user emptying the field of a picked entry is asked before it goes; "x"
// empties m and the list. A PR count goes with the list that gave it: any
// change of the list empties it, as editing m does; keeping an entry keeps it.
TEST_F(MainWindow, PrListEditsAskBeforeDeletingAndEmptyTheCount)
{
    const auto solve = [&](const char* m) {
        IdM(3)->setText(m);
        okD(3)->click();
        return IdRes(3)->text();
    };
    const auto shown = [&] {
        return (items(npr()).join(',') + " " + EtNi()->text() + " [" + IdRes(3)->text() + "]").toStdString();
    };
    addMultiplicities({"2", "3", "1"});
    ASSERT_EQ(solve("6"), "60");
    pickMultiplicity(1);
    addMultiplicities({"4"});
    EXPECT_EQ(shown(), "2,4,1 2,4,1=7 []") << "replaced";
    ASSERT_EQ(solve("7"), "105");
    addMultiplicities({"2"});                           // equal to an entry, and still a new one
    QTest::keyClick(npr()->lineEdit(), Qt::Key_Return); // an empty field adds nothing
    EXPECT_EQ(shown(), "2,4,1,2 2,4,1,2=9 []") << "added";

    ASSERT_EQ(solve("9"), "3780");
    messages.answers = {platform::MessageAnswer::No, platform::MessageAnswer::Yes};
    for (const char* outcome : {"2,4,1,2 2,4,1,2=9 [3780]", "2,1,2 2,1,2=5 []"}) {
        pickMultiplicity(1);
        QTest::keyClick(npr()->lineEdit(), Qt::Key_Backspace);
        EXPECT_EQ(shown(), outcome) << "kept, then deleted";
    }
    ASSERT_EQ(messages.boxes.size(), 2u) << "the program's own emptying of the field asks nothing";
    EXPECT_EQ(messages.boxes[0].title + "|" + messages.boxes[0].text, "Confirmar eliminar|Eliminar 4?");
    EXPECT_EQ(messages.boxes[0].buttons, platform::MessageButtons::YesNo);

    ASSERT_EQ(solve("5"), "30");
    BtRst(3)->click();
    EXPECT_EQ(IdM(3)->text().toStdString() + shown(), "  []") << "reset";
    addMultiplicities({"4"});
    EXPECT_EQ(shown(), "4 4=4 []") << "the list itself emptied, not only its drop-down";
}

// "+", the panel's menu entry and "Todos" (the six panels in order) show the
// cases the core draws from the program's generator, and their counts, which
// for PR come from the window's list.
TEST_F(MainWindow, GeneratedCasesAreTheCoresDrawsWithTheirCounts)
{
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        const int k = static_cast<int>(seed % kKinds), way = static_cast<int>(seed % 4);
        programGenerator().seed(seed);
        way < 2 ? BtGen(k)->click() : action(testkit::indexed("OpG", way == 2 ? k : kAllKinds))->trigger();
        Generator replay(seed);
        for (int before = 0; way == 3 && before < k; ++before)
            GeneraCas(static_cast<FormulaKind>(before), replay);
        const RandomCase drawn = GeneraCas(static_cast<FormulaKind>(k), replay);
        Multiplicitats record;
        const Evaluation count = evaluatePanel(static_cast<FormulaKind>(k), drawn, {}, record);
        std::string list; // as the drop-down and the summary beside it show it
        for (const std::string& entry : drawn.multiplicities)
            list += (list.empty() ? "" : ",") + entry;
        const QString n = IdN(k) ? IdN(k)->text() : "";
        const QString shown = k == 3 ? " " + items(npr()).join(',') + " " + EtNi()->text() : "";
        ASSERT_EQ((IdM(k)->text() + " " + n + " " + IdRes(k)->text() + shown).toStdString(),
                  drawn.m + " " + drawn.n + " " + (count.ok ? count.result : "") +
                      (k == 3 ? " " + list + " " + list + "=" + drawn.m : ""))
            << seed;
    }
}

// Double-clicking a count up to fifty widens the window and lists what was
// counted, for a screen reader too; double-clicking the list narrows the
// window again.
TEST_F(MainWindow, SetListShowsCountsUpToFiftyUntilItIsDoubleClicked)
{
    const auto listed = [&](const char* m, const char* n) { // what the widened window lists, "-" when narrow
        IdM(4)->setText(m);
        IdN(4)->setText(n);
        okD(4)->click();
        QTest::mouseDClick(IdRes(4), Qt::LeftButton);
        return window.centralWidget()->width() == platform::px(10300) ? IdConjs()->toPlainText() : "-";
    };
    QTest::mouseDClick(IdRes(0), Qt::LeftButton); // nothing evaluated yet
    EXPECT_EQ(listed("51", "1"), "-");
    EXPECT_TRUE(listed("50", "1").endsWith("\n 50) X"));
    EXPECT_EQ(listed("4", "2"), "[abcd]\n 1) ab\n 2) ac\n 3) ad\n 4) bc\n 5) bd\n 6) cd");
    EXPECT_EQ(heard(IdConjs()), "Conjuntos|" + IdConjs()->toPlainText().toStdString() + "|");
    QTest::mouseDClick(IdConjs()->viewport(), Qt::LeftButton);
    EXPECT_TRUE(IdConjs()->visibleRegion().isEmpty());
}

// A count carries its working as the result box's tool tip and the
// description a screen reader hears, after "=", Enter, "+" and "Generar
// caso..."; whatever empties the count takes its working away. The PR
// summary is heard too.
TEST_F(MainWindow, ACountCarriesItsWorkingUntilItGoes)
{
    const auto working = [&](int kind) {
        EXPECT_EQ(IdRes(kind)->toolTip(), IdRes(kind)->accessibleDescription());
        return heard(IdRes(kind));
    };
    QTest::keyClicks(IdM(2), "5");
    QTest::keyClick(IdM(2), Qt::Key_Return);
    EXPECT_EQ(working(2), "P resultado|120|P(5) = 5! = 5·4·3·2·1 = 120");
    QTest::keyClicks(IdM(2), "0");
    EXPECT_EQ(working(2), "P resultado||") << "typed";

    IdM(3)->setText("6");
    addMultiplicities({"2", "3", "1"});
    okD(3)->click();
    EXPECT_EQ(working(3), "PR resultado|60|PR(6; 2,3,1) = 6! / (2!·3!·1!) = 720 / 12 = 60");
    EXPECT_EQ(heard(EtNi()), "PR resumen||2,3,1=6");
    addMultiplicities({"1"});
    EXPECT_EQ(working(3), "PR resultado||") << "a list change";
    BtRst(3)->click();
    EXPECT_EQ(heard(EtNi()), "PR resumen||");

    BtGen(4)->click();
    EXPECT_TRUE(working(4).ends_with(" = " + IdRes(4)->text().toStdString()));
    BtRst(4)->click();
    EXPECT_EQ(working(4), "C resultado||") << "x";

    action("OpG(6)")->trigger(); // "Todos"
    for (int kind = 0; kind < kKinds; ++kind)
        EXPECT_TRUE(working(kind).ends_with(" = " + IdRes(kind)->text().toStdString())) << kind;
}
