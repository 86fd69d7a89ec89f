#include "about/fquant.h"
#include "tests/support/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace tarvi;
using InfoMenu = testkit::MainWindowTest;

namespace {

// Runs the event loop with `step` first: the loop's exit code, or 1 when the
// program has not ended within five seconds.
int runAfter(const std::function<void()>& step)
{
    QObject watchdog; // takes its timer along when the loop has ended
    QTimer::singleShot(0, step);
    QTimer::singleShot(5000, &watchdog, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}

} // namespace

// Each document opens from the working folder through the command interpreter,
// then through the old one; only when neither starts is the user told.
TEST_F(InfoMenu, DocumentsOpenThroughTheInterpreterAndOnlyAFailedFallbackIsReported)
{
    window->OpInfo->trigger();
    starter.outcomes = {false, false};
    window->OpWeb->trigger();
    ASSERT_EQ(starter.starts.size(), 3u);
    EXPECT_EQ(starter.starts[0].commandLine, "cmd.exe /c Tarvi.pdf");
    EXPECT_EQ(starter.starts[0].style, platform::WindowStyle::Hidden);
    EXPECT_EQ(starter.starts[1].commandLine, "cmd.exe /c Veldra.htm");
    EXPECT_EQ(starter.starts[2].commandLine, "command.com /c Veldra.htm");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.contains("Veldra.htm"));
    EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::Exclamation);
}

TEST_F(InfoMenu, SobreShowsOneModelessAboutWindowThatHumCloses)
{
    EXPECT_TRUE(window->findChildren<FQuant*>().isEmpty()); // made on first use only
    window->quant->trigger();
    window->quant->trigger();
    const QList<FQuant*> about = window->findChildren<FQuant*>();
    ASSERT_EQ(about.size(), 1);
    EXPECT_TRUE(about[0]->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(about[0]->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(about[0]->isVisible());
    window->quant->trigger();
    EXPECT_EQ(window->findChildren<FQuant*>(), about);
    EXPECT_TRUE(about[0]->isVisible());
}

TEST_F(InfoMenu, SalirOrClosingTheWindowEndsTheProgramWithAboutOpen)
{
    window->quant->trigger();
    EXPECT_EQ(runAfter([this] { window->OpSurt->trigger(); }), 0);
    EXPECT_EQ(runAfter([this] { window->close(); }), 0);
}
