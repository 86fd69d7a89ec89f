#include "about/fquant.h"
#include "calculator/ftarvi.h"
#include "tests/support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include <gtest/gtest.h>

using namespace tarvi;
using platform::MessageIcon;
using platform::WindowStyle;

namespace {

class InfoMenu : public ::testing::Test {
protected:
    InfoMenu()
    {
        window = std::make_unique<FTarvi>(platform::Services{messages, starter});
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Every About window of the program, wherever it hangs.
    static QList<FQuant*> aboutWindows()
    {
        QList<FQuant*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* about = qobject_cast<FQuant*>(widget))
                found << about;
        return found;
    }

    testkit::FakeMessages messages;
    testkit::FakeStarter starter;
    std::unique_ptr<FTarvi> window;
};

} // namespace

TEST_F(InfoMenu, EntriesAreEnabled)
{
    for (QAction* entry : {window->OpInfo, window->OpWeb, window->quant})
        EXPECT_TRUE(entry->isEnabled()) << entry->text().toStdString();
}

// Each entry opens its own document from the working folder; the user hears of
// it only when no program at all could be started.
TEST_F(InfoMenu, DocumentsOpenThroughTheInterpreterAndOnlyAFailedFallbackIsReported)
{
    struct Case {
        QAction* entry;
        QString doc;
        std::deque<bool> outcomes;
        std::size_t starts;
        bool reported;
    };
    const std::vector<Case> cases = {
        {window->OpInfo, "Tarvi.pdf", {true}, 1, false},
        {window->OpInfo, "Tarvi.pdf", {false, true}, 2, false},
        {window->OpInfo, "Tarvi.pdf", {false, false}, 2, true},
        {window->OpWeb, "Veldra.htm", {true}, 1, false},
        {window->OpWeb, "Veldra.htm", {false, false}, 2, true},
    };
    for (const Case& c : cases) {
        starter.starts.clear();
        starter.outcomes = c.outcomes;
        messages.boxes.clear();
        c.entry->trigger();
        ASSERT_EQ(starter.starts.size(), c.starts) << c.doc.toStdString();
        EXPECT_EQ(starter.starts[0].commandLine, "cmd.exe /c " + c.doc);
        EXPECT_EQ(starter.starts[0].style, WindowStyle::Hidden);
        if (c.starts == 2) {
            EXPECT_EQ(starter.starts[1].commandLine, "command.com /c " + c.doc);
        }
        ASSERT_EQ(messages.boxes.size(), c.reported ? 1u : 0u) << c.doc.toStdString();
        if (c.reported) {
            EXPECT_TRUE(messages.boxes[0].text.contains(c.doc));
            EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Exclamation);
        }
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(InfoMenu, SobreShowsOneModelessAboutWindowAndBringsItForward)
{
    EXPECT_TRUE(aboutWindows().isEmpty()); // made on first use only
    window->quant->trigger();
    ASSERT_EQ(aboutWindows().size(), 1);
    FQuant* about = aboutWindows().front();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "Sobre  Tarvi");
    EXPECT_EQ(about->lblVersion->text(), "Versión 1.5.0");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The calculator goes on working beside it.
    window->IdM[2]->setText("5");
    window->okD[2]->click();
    EXPECT_EQ(window->IdRes[2]->text(), "120");

    window->activateWindow();
    window->quant->trigger();
    EXPECT_EQ(aboutWindows().size(), 1);
    EXPECT_EQ(aboutWindows().front(), about);
    EXPECT_TRUE(about->isVisible());

    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    window->quant->trigger();
    EXPECT_EQ(aboutWindows().front(), about);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(InfoMenu, SalirEndsTheProgramWhileTheAboutWindowIsOpen)
{
    window->quant->trigger();
    ASSERT_TRUE(aboutWindows().front()->isVisible());
    QTimer::singleShot(0, window.get(), [&] { window->OpSurt->trigger(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

// The About window belongs to the main window: closing the main window ends
// the program even while the About window is still open.
TEST_F(InfoMenu, ClosingTheMainWindowEndsTheProgramWhileTheAboutWindowIsOpen)
{
    window->quant->trigger();
    ASSERT_TRUE(aboutWindows().front()->isVisible());
    QTimer::singleShot(0, window.get(), [&] { window->close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}
