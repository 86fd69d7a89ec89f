#include "about/fquant.h"
#include "calculator/dguia.h"
#include "tests/calculator/mainwindow.h"

#include <QTimer>

using namespace tarvi;
using InfoMenu = testkit::MainWindowTest;

// Each document opens from the working folder through the command interpreter,
// hidden, its name as it is; only when that fails, through the old one; only
// when neither starts is the user told, naming the document.
TEST_F(InfoMenu, DocumentsOpenThroughTheInterpreterAndOnlyAFailedFallbackIsReported)
{
    starter.outcomes = {true, false, true, false, false};
    action("OpInfo")->trigger(); // the interpreter starts
    action("OpInfo")->trigger(); // only the old one starts
    action("OpWeb")->trigger();  // neither starts
    QStringList started;
    for (const testkit::FakeStarter::Start& start : starter.starts) {
        started << start.commandLine;
        EXPECT_EQ(start.style, platform::WindowStyle::Hidden);
    }
    const QString info = work.file("Tarvi.pdf"), web = work.file("Veldra.htm");
    EXPECT_EQ(started, QStringList({"cmd.exe /c " + info, "cmd.exe /c " + info, "command.com /c " + info,
                                    "cmd.exe /c " + web, "command.com /c " + web}));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.contains("Veldra.htm"));
}

// One About window, made on first use, beside which the calculator goes on;
// Salir ends the program even while it is open.
TEST_F(InfoMenu, SobreShowsOneModelessAboutWindowThatHumClosesAndSalirEnds)
{
    action("quant")->trigger();
    action("quant")->trigger();
    const QList<FQuant*> about = window.findChildren<FQuant*>();
    ASSERT_EQ(about.size(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(about[0]->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(about[0]->isVisible());
    action("quant")->trigger();
    EXPECT_EQ(window.findChildren<FQuant*>(), about);
    EXPECT_TRUE(about[0]->isVisible());

    QTimer::singleShot(0, action("OpSurt"), &QAction::trigger);
    QObject watchdog; // takes its timer along once the loop has ended
    QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}

// The guide asks one question at a time, with the keyboard alone: Space
// answers "Sí", Tab then Space "No", "Atrás" takes an answer back. Its end
// names the kind, formula and reason, and puts the cursor in that panel.
TEST_F(InfoMenu, TheGuideLeadsByKeyboardToAKindAndPutsTheCursorInItsPanel)
{
    std::vector<std::string> heardTexts;
    QTimer::singleShot(0, [&] {
        auto* guide = qobject_cast<DGuia*>(QApplication::activeModalWidget());
        ASSERT_NE(guide, nullptr);
        const auto press = [guide](bool yes) {
            if (!yes)
                QTest::keyClick(guide->focusWidget(), Qt::Key_Tab);
            QTest::keyClick(guide->focusWidget(), Qt::Key_Space);
        };
        heardTexts.push_back(heard(guide->EtPregunta));
        press(true);
        guide->BtEnrere->click();
        for (bool yes : {false, false, true}) {
            heardTexts.push_back(heard(guide->EtPregunta));
            press(yes);
        }
        heardTexts.push_back(heard(guide->EtPregunta));
        EXPECT_FALSE(guide->BtSi->isVisible());
        EXPECT_EQ(guide->focusWidget(), guide->BtTria);
        QTest::keyClick(guide->focusWidget(), Qt::Key_Space);
    });
    action("OpGuia")->trigger();
    EXPECT_EQ(heardTexts,
              (std::vector<std::string>{
                  "¿Se usan todos los elementos, cada uno en un lugar?||",
                  "¿Se usan todos los elementos, cada uno en un lugar?||",
                  "¿Importa el orden?||",
                  "¿Se puede repetir un elemento?||",
                  "CR: combinación con repetición\nCR(m,n) = C(m+n-1,n) = (m+n-1)! / (n!·(m-1)!)\n"
                  "Se eligen elementos, el orden no importa y pueden repetirse: es una combinación "
                  "con repetición.||",
              }));
    EXPECT_EQ(window.focusWidget(), IdM(5));
}
