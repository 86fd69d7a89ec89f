#include "about/fquant.h"
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
