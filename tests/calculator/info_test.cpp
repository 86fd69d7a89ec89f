#include "about/fquant.h"
#include "tests/calculator/mainwindow.h"

#include <QTimer>

using namespace tarvi;
using InfoMenu = testkit::MainWindowTest;

// Each document opens from the working folder through the command interpreter,
// then through the old one; only when neither starts is the user told, naming
// the document.
TEST_F(InfoMenu, DocumentsOpenThroughTheInterpreterAndOnlyAFailedFallbackIsReported)
{
    action("OpInfo")->trigger();
    starter.outcomes = {false, false};
    action("OpWeb")->trigger();
    ASSERT_EQ(starter.starts.size(), 3u);
    EXPECT_EQ(starter.starts[0].commandLine, "cmd.exe /c " + work.file("Tarvi.pdf"));
    EXPECT_EQ(starter.starts[0].style, platform::WindowStyle::Hidden);
    EXPECT_EQ(starter.starts[1].commandLine + "|" + starter.starts[2].commandLine,
              "cmd.exe /c " + work.file("Veldra.htm") + "|command.com /c " + work.file("Veldra.htm"));
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
