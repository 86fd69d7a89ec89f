#include "calculator/core/evaluation.h"
#include "calculator/core/randomcase.h"
#include "calculator/ftarvi.h"
#include "calculator/twips.h"
#include "engine/random.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "render/picturearea.h"
#include "tests/support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include <gtest/gtest.h>

using namespace tarvi;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

class MainWindow : public ::testing::Test {
protected:
    MainWindow()
    {
        platform::installFontSubstitutions();
        window = std::make_unique<FTarvi>(platform::Services{messages, starter});
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The user types into a box that has the focus, as a key press would.
    void type(QWidget* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

    void enter(QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }

    QLineEdit* nprField() const { return window->npr->lineEdit(); }

    // Types each multiplicity into the list's text field and presses Enter.
    void addMultiplicities(std::initializer_list<const char*> texts)
    {
        for (const char* text : texts) {
            type(nprField(), QString::fromUtf8(text));
            enter(nprField());
        }
    }

    // The user picks an entry with the arrow keys, as from the drop-down.
    void pick(int position)
    {
        window->npr->setFocus();
        while (window->npr->currentIndex() < position)
            QTest::keyClick(window->npr, Qt::Key_Down);
        while (window->npr->currentIndex() > position)
            QTest::keyClick(window->npr, Qt::Key_Up);
    }

    // The user empties the text field: select all, then Backspace.
    void emptyField()
    {
        nprField()->setFocus();
        nprField()->selectAll();
        QTest::keyClick(nprField(), Qt::Key_Backspace);
    }

    QStringList listItems() const
    {
        QStringList items;
        for (int i = 0; i < window->npr->count(); ++i)
            items << window->npr->itemText(i);
        return items;
    }

    testkit::FakeMessages messages;
    testkit::FakeStarter starter;
    std::unique_ptr<FTarvi> window;
};

QRect twipsOf(const QWidget* widget, const QWidget* client)
{
    const QPoint at = widget->mapTo(client, QPoint(0, 0));
    return {at, widget->size()};
}

} // namespace

TEST_F(MainWindow, LaysOutItsControlsFromTheTwipsAtFifteenToAPixel)
{
    EXPECT_EQ(window->windowTitle(), "Combinatoria");
    QWidget* client = window->centralWidget();
    EXPECT_EQ(client->size(), QSize(556, 460));
    EXPECT_FLOAT_EQ(window->windowWidth(), 8340);
    EXPECT_FLOAT_EQ(window->windowHeight(), 6900);
    // The user cannot resize the window.
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    const int titleTops[kKinds] = {210, 1050, 1950, 2700, 3840, 4755};
    const int resultLefts[kKinds] = {2955, 2955, 2205, 2970, 2940, 2925};
    for (int kind = 0; kind < kKinds; ++kind) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(twipsOf(window->IdM[kind], client).left(), px(1020));
        EXPECT_EQ(twipsOf(window->IdRes[kind], client).left(), px(resultLefts[kind]));
        EXPECT_EQ(twipsOf(window->BtGen[kind], client).topLeft(), QPoint(px(5265), px(titleTops[kind])));
        EXPECT_EQ(twipsOf(window->BtRst[kind], client).topLeft(), QPoint(px(5595), px(titleTops[kind])));
        EXPECT_GT(twipsOf(window->IdM[kind], client).top(), px(titleTops[kind]));
        const bool hasNBox = kind != index(FormulaKind::P) && kind != index(FormulaKind::PR);
        ASSERT_EQ(window->IdN[kind] != nullptr, hasNBox);
        if (hasNBox) {
            EXPECT_EQ(twipsOf(window->IdN[kind], client).left(), px(1770));
        }
        EXPECT_EQ(window->okD[kind]->text(), "=");
        EXPECT_EQ(window->BtGen[kind]->toolTip(), " Generar caso ");
        EXPECT_EQ(window->BtRst[kind]->toolTip(), "reset");
        EXPECT_TRUE(window->IdRes[kind]->font().bold());
    }
    EXPECT_EQ(twipsOf(window->npr, client).left(), px(1785));
    EXPECT_EQ(twipsOf(window->EtNi, client).left(), px(1770));
    EXPECT_EQ(twipsOf(window->BNwt, client), twipRect(150, 6210, 8040, 345));
    EXPECT_EQ(twipsOf(window->IdConjs, client), twipRect(8445, 375, 1485, 6180));
    EXPECT_FALSE(window->IdConjs->visibleRegion().boundingRect().intersects(window->IdConjs->rect()));
    EXPECT_EQ(window->OkNwt->text(), "Ok>");
    EXPECT_TRUE(window->OkNwt->isEnabled());

    // The set list comes into view when the window is widened.
    window->setWindowWidth(10300);
    QApplication::processEvents();
    EXPECT_EQ(client->width(), px(10300));
    EXPECT_GE(window->width(), px(10300));
}

TEST_F(MainWindow, EveryControlCarriesItsNameAndASpokenName)
{
    const char* names[kKinds] = {"V", "VR", "P", "PR", "C", "CR"};
    for (int kind = 0; kind < kKinds; ++kind) {
        const QString name = QString::fromLatin1(names[kind]);
        const QString index = QStringLiteral("(%1)").arg(kind);
        EXPECT_EQ(window->findChild<QLineEdit*>("IdM" + index), window->IdM[kind]);
        EXPECT_EQ(window->IdM[kind]->accessibleName(), name + (kind == 2 ? " n" : " m"));
        if (window->IdN[kind]) {
            EXPECT_EQ(window->findChild<QLineEdit*>("IdN" + index), window->IdN[kind]);
            EXPECT_EQ(window->IdN[kind]->accessibleName(), name + " n");
        }
        EXPECT_EQ(window->findChild<QPushButton*>("okD" + index)->accessibleName(), name + " calcular");
        EXPECT_EQ(window->findChild<QLineEdit*>("IdRes" + index)->accessibleName(), name + " resultado");
        EXPECT_EQ(window->findChild<QPushButton*>("BtGen" + index)->accessibleName(), name + " generar caso");
        EXPECT_EQ(window->findChild<QPushButton*>("BtRst" + index)->accessibleName(), name + " borrar");
    }
    EXPECT_EQ(window->findChild<QComboBox*>("npr")->accessibleName(), "PR ni");
    EXPECT_EQ(window->findChild<QLabel*>("EtNi")->accessibleName(), "PR resumen");
    EXPECT_EQ(window->findChild<QLineEdit*>("idNb")->accessibleName(), "Newton n");
    EXPECT_EQ(window->findChild<QPushButton*>("OkNwt")->accessibleName(), "Newton calcular");
    EXPECT_EQ(window->findChild<QComboBox*>("LstC")->accessibleName(), "Newton coeficientes");
    EXPECT_EQ(window->findChild<QWidget*>("BNwt")->accessibleName(), "Newton desarrollo");
}

TEST_F(MainWindow, TabFollowsThePanelsFromTopToBottomAndLeftToRight)
{
    std::vector<QWidget*> expected;
    for (int kind = 0; kind < kKinds; ++kind) {
        expected.push_back(window->IdM[kind]);
        if (window->IdN[kind])
            expected.push_back(window->IdN[kind]);
        if (kind == index(FormulaKind::PR))
            expected.push_back(window->npr);
        expected.insert(expected.end(), {window->okD[kind], window->IdRes[kind], window->BtGen[kind], window->BtRst[kind]});
    }
    expected.insert(expected.end(), {window->idNb, window->OkNwt, window->LstC});

    window->IdM[0]->setFocus();
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        // The drop-down's text field speaks for the drop-down.
        if (focused && focused->parentWidget() == window->npr)
            focused = window->npr;
        ASSERT_EQ(focused, expected[i]) << "step " << i << ": " << (focused ? focused->objectName().toStdString() : "");
    }
}

TEST_F(MainWindow, MenuBarHoldsEveryEntryEnabled)
{
    const auto action = [&](const char* name) { return window->findChild<QAction*>(name); };
    EXPECT_EQ(window->Arxiu->title(), "&Archivo");
    EXPECT_EQ(window->Tools->title(), "&Utilidades");
    EXPECT_EQ(window->info->title(), "Info");
    EXPECT_EQ(window->OpsG->title(), "Generar caso...");

    const std::vector<std::pair<const char*, const char*>> entries = {
        {"OpGuard", "caso: guardar/añadir a..."}, {"OpObr", "Abrir..."}, {"OpEdTools", "Edición utilidades"},
        {"OpInfo", "Info"},                       {"OpWeb", "Contacto..."}, {"quant", "Sobre..."}};
    for (const auto& [name, caption] : entries) {
        ASSERT_NE(action(name), nullptr) << name;
        EXPECT_EQ(action(name)->text(), QString::fromUtf8(caption));
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    }
    const char* kinds[] = {"V", "VR", "P", "PR", "C", "CR", "Todos"};
    for (int i = 0; i <= kAllKinds; ++i) {
        QAction* entry = action(QStringLiteral("OpG(%1)").arg(i).toLatin1());
        ASSERT_EQ(entry, window->OpG[i]);
        EXPECT_EQ(entry->text(), kinds[i]);
        EXPECT_TRUE(entry->isEnabled());
    }
    EXPECT_EQ(action("OpSurt")->text(), "Salir");
    EXPECT_TRUE(action("OpSurt")->isEnabled());
    for (int i = 1; i <= 12; ++i) {
        QAction* tool = action(QStringLiteral("ITool(%1)").arg(i).toLatin1());
        ASSERT_EQ(tool, window->ITool[i - 1]);
        EXPECT_TRUE(tool->text().isEmpty());
        EXPECT_FALSE(tool->isVisible());
    }
    for (const char* separator : {"sp", "sep", "sept"})
        EXPECT_TRUE(action(separator)->isSeparator()) << separator;
}

TEST_F(MainWindow, LoadingSetsTheProgramLanguageToSpanish)
{
    Idioma = 0;
    FTarvi another(platform::Services{messages, starter});
    EXPECT_EQ(Idioma, 2);
    EXPECT_EQ(another.multiplicityList().IndexNi(), -1);
}

TEST_F(MainWindow, EqualsShowsTheCountAndAnyEditEmptiesIt)
{
    type(window->IdM[0], "10");
    type(window->IdN[0], "5");
    QTest::mouseClick(window->okD[0], Qt::LeftButton);
    EXPECT_EQ(window->IdRes[0]->text(), "30240");
    EXPECT_TRUE(messages.boxes.empty());

    type(window->IdM[0], "0");
    EXPECT_TRUE(window->IdRes[0]->text().isEmpty());

    window->IdM[0]->setText("12");
    QTest::mouseClick(window->okD[0], Qt::LeftButton);
    EXPECT_EQ(window->IdRes[0]->text(), "95040");
    window->IdN[0]->setText("4"); // a change by the program counts too
    EXPECT_TRUE(window->IdRes[0]->text().isEmpty());
}

TEST_F(MainWindow, RefusedInputsEmptyTheResultAndShowTheKindsBox)
{
    type(window->IdM[0], "4");
    type(window->IdN[0], "5");
    QTest::mouseClick(window->okD[0], Qt::LeftButton);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title, "V  Error");
    EXPECT_EQ(messages.boxes[0].text, QString::fromUtf8("sólo enteros positivos\r\n y  m>n"));
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.boxes[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(window->IdRes[0]->text().isEmpty());

    // Every panel with an empty m box: its own title, the core's text.
    for (int kind = 0; kind < kKinds; ++kind) {
        messages.boxes.clear();
        window->IdM[kind]->clear();
        QTest::mouseClick(window->okD[kind], Qt::LeftButton);
        ASSERT_EQ(messages.boxes.size(), 1u) << kind;
        const auto formula = static_cast<FormulaKind>(kind);
        EXPECT_EQ(messages.boxes[0].title.toStdString(), ErrorTitle(formula));
        EXPECT_EQ(messages.boxes[0].text.toStdString(), ErrorMessage(formula));
        EXPECT_TRUE(window->IdRes[kind]->text().isEmpty());
    }
}

TEST_F(MainWindow, EnterInMMovesOnOrEvaluatesP)
{
    type(window->IdM[2], "5");
    enter(window->IdM[2]);
    EXPECT_EQ(window->IdRes[2]->text(), "120");

    for (int kind : {0, 1, 4, 5}) {
        type(window->IdM[kind], "7");
        enter(window->IdM[kind]);
        EXPECT_EQ(QApplication::focusWidget(), window->IdN[kind]) << kind;
        EXPECT_TRUE(window->IdRes[kind]->text().isEmpty());
    }

    type(window->IdM[3], "6");
    enter(window->IdM[3]);
    // The drop-down takes the focus for its text field, which gets the caret.
    EXPECT_EQ(QApplication::focusWidget(), window->npr);
    EXPECT_TRUE(nprField()->hasFocus());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(MainWindow, ResetEmptiesThePanel)
{
    type(window->IdM[3], "6");
    addMultiplicities({"2", "3", "1"});
    QTest::mouseClick(window->okD[3], Qt::LeftButton);
    EXPECT_EQ(window->IdRes[3]->text(), "60");
    QTest::mouseClick(window->BtRst[3], Qt::LeftButton);
    EXPECT_TRUE(window->IdM[3]->text().isEmpty());
    EXPECT_EQ(window->npr->count(), 0);
    EXPECT_TRUE(window->multiplicityList().entries().empty());
    EXPECT_TRUE(window->EtNi->text().isEmpty());
    EXPECT_TRUE(window->IdRes[3]->text().isEmpty());

    type(window->IdM[2], "4");
    QTest::mouseClick(window->okD[2], Qt::LeftButton);
    QTest::mouseClick(window->BtRst[2], Qt::LeftButton);
    EXPECT_TRUE(window->IdM[2]->text().isEmpty());
    EXPECT_TRUE(window->IdRes[2]->text().isEmpty());

    type(window->IdM[4], "5");
    type(window->IdN[4], "2");
    QTest::mouseClick(window->okD[4], Qt::LeftButton);
    QTest::mouseClick(window->BtRst[4], Qt::LeftButton);
    EXPECT_TRUE(window->IdM[4]->text().isEmpty());
    EXPECT_TRUE(window->IdN[4]->text().isEmpty());
    EXPECT_TRUE(window->IdRes[4]->text().isEmpty());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(MainWindow, MultiplicitiesAreAddedAndReplacedWithEnterWithoutAQuestion)
{
    addMultiplicities({"2", "3", "1"});
    EXPECT_EQ(listItems(), QStringList({"2", "3", "1"}));
    EXPECT_EQ(window->EtNi->text(), "2,3,1=6");
    EXPECT_TRUE(nprField()->text().isEmpty());

    pick(1);
    EXPECT_EQ(window->multiplicityList().IndexNi(), 1);
    EXPECT_EQ(nprField()->text(), "3");
    nprField()->selectAll();
    QTest::keyClicks(nprField(), "4");
    enter(nprField());
    EXPECT_EQ(listItems(), QStringList({"2", "4", "1"}));
    EXPECT_EQ(window->EtNi->text(), "2,4,1=7");
    EXPECT_EQ(window->multiplicityList().IndexNi(), -1);
    EXPECT_TRUE(nprField()->text().isEmpty());

    // A value equal to an entry is a new entry, not a pick of that entry.
    addMultiplicities({"2"});
    EXPECT_EQ(window->EtNi->text(), "2,4,1,2=9");
    // Enter on an empty field does nothing.
    enter(nprField());
    EXPECT_EQ(window->npr->count(), 4);
    // The program's own emptying of the field never asked anything.
    EXPECT_TRUE(messages.boxes.empty());

    type(window->IdM[3], "9");
    QTest::mouseClick(window->okD[3], Qt::LeftButton);
    EXPECT_EQ(window->IdRes[3]->text(), "3780");
    EXPECT_EQ(window->multiplicitats().k, 4);
}

TEST_F(MainWindow, EmptyingTheFieldOfAPickedEntryAsksBeforeDeletingIt)
{
    addMultiplicities({"2", "4", "1"});

    messages.answers = {MessageAnswer::No};
    pick(1);
    emptyField();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title, "Confirmar eliminar");
    EXPECT_EQ(messages.boxes[0].text, "Eliminar 4?");
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::None);
    EXPECT_EQ(messages.boxes[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(listItems(), QStringList({"2", "4", "1"}));
    EXPECT_EQ(window->EtNi->text(), "2,4,1=7");
    EXPECT_EQ(window->multiplicityList().IndexNi(), -1);

    messages.answers = {MessageAnswer::Yes};
    pick(0);
    pick(1);
    emptyField();
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].text, "Eliminar 4?");
    EXPECT_EQ(listItems(), QStringList({"2", "1"}));
    EXPECT_EQ(window->EtNi->text(), "2,1=3");
    EXPECT_TRUE(nprField()->text().isEmpty());

    // Without a picked entry, emptying the field asks nothing.
    type(nprField(), "5");
    emptyField();
    EXPECT_EQ(messages.boxes.size(), 2u);

    messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    pick(0);
    emptyField();
    pick(0);
    emptyField();
    EXPECT_EQ(window->npr->count(), 0);
    EXPECT_EQ(window->EtNi->text(), "=0");
}

TEST_F(MainWindow, PlusFillsThePanelWithTheCoresCaseAndItsCount)
{
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        const int kind = static_cast<int>(seed % kKinds);
        const auto formula = static_cast<FormulaKind>(kind);
        programGenerator().seed(seed);
        QTest::mouseClick(window->BtGen[kind], Qt::LeftButton);

        Generator replay(seed);
        const RandomCase drawn = GeneraCas(formula, replay);
        ASSERT_EQ(window->IdM[kind]->text().toStdString(), drawn.m);
        if (window->IdN[kind]) {
            ASSERT_EQ(window->IdN[kind]->text().toStdString(), drawn.n);
        }
        if (formula == FormulaKind::PR) {
            ASSERT_EQ(window->multiplicityList().entries(), drawn.multiplicities);
            ASSERT_EQ(window->npr->count(), static_cast<int>(drawn.multiplicities.size()));
            QStringList parts;
            for (const std::string& entry : drawn.multiplicities)
                parts << QString::fromStdString(entry);
            ASSERT_EQ(window->EtNi->text(), parts.join(',') + "=" + QString::fromStdString(drawn.m));
        }
        Multiplicitats record;
        const Evaluation expected = Calcula(formula, drawn, {}, record);
        if (expected.ok) {
            ASSERT_EQ(window->IdRes[kind]->text().toStdString(), expected.result);
        } else { // a PR list of ten ones
            ASSERT_EQ(messages.boxes.back().title, "PR  Error");
            ASSERT_TRUE(window->IdRes[kind]->text().isEmpty());
        }
    }
}

TEST_F(MainWindow, TodosSolvesTheSixPanelsInOrderWithTheirOwnDraws)
{
    programGenerator().seed(99);
    window->OpG[kAllKinds]->trigger();

    Generator replay(99);
    for (int kind = 0; kind < kKinds; ++kind) {
        const RandomCase drawn = GeneraCas(static_cast<FormulaKind>(kind), replay);
        EXPECT_EQ(window->IdM[kind]->text().toStdString(), drawn.m);
        if (window->IdN[kind]) {
            EXPECT_EQ(window->IdN[kind]->text().toStdString(), drawn.n);
        }
        EXPECT_FALSE(window->IdRes[kind]->text().isEmpty()) << kind;
    }
    EXPECT_TRUE(messages.boxes.empty());

    // One panel's entry fills only that panel; the empty list's summary is "=0".
    QTest::mouseClick(window->BtRst[3], Qt::LeftButton);
    window->OpG[index(FormulaKind::C)]->trigger();
    EXPECT_EQ(window->EtNi->text(), "=0");
    EXPECT_TRUE(window->IdRes[3]->text().isEmpty());
}

TEST_F(MainWindow, SalirEndsTheProgramAlsoWhileAnotherWindowIsOpen)
{
    QWidget modeless;
    modeless.show();
    QTimer::singleShot(0, window.get(), [&] { window->OpSurt->trigger(); });
    // A watchdog in case the loop does not end.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}
