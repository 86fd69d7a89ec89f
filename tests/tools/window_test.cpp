#include "calculator/ftarvi.h"
#include "tests/tools/toolsfixture.h"
#include "tools/ftools.h"

#include <QAction>
#include <QApplication>

#include <memory>

using namespace tarvi;
using namespace tarvi::testkit;

namespace {

class MainWindowTools : public ToolsTest {
protected:
    std::unique_ptr<FTarvi> load()
    {
        return std::make_unique<FTarvi>(services);
    }
};

} // namespace

TEST_F(MainWindowTools, LoadingShowsTheStoredToolsAndAnEntryStartsItsTool)
{
    setList({{"Bloc de notas", "notepad.exe", "", ""}, {"Manual", "manual.pdf", "/docs", ""}});
    QString reason;
    ASSERT_TRUE(DesaTools(reason));
    setList({});

    const std::unique_ptr<FTarvi> window = load();
    EXPECT_EQ(window->ITool[0]->text(), "Bloc de notas");
    EXPECT_EQ(window->ITool[1]->text(), "Manual");
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(window->ITool[i - 1]->isVisible(), i <= 2) << i;

    window->ITool[1]->trigger();
    window->ITool[0]->trigger();
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[0].commandLine, "temp.bat");
    EXPECT_EQ(readBytes("temp.bat"), QByteArray("/docs/manual.pdf\r\n"));
    EXPECT_EQ(starter.starts[1].commandLine, "notepad.exe");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(MainWindowTools, EdicionUtilidadesOpensOneEditorBesideTheWindow)
{
    const std::unique_ptr<FTarvi> window = load();
    EXPECT_TRUE(window->OpEdTools->isEnabled());
    window->OpEdTools->trigger();
    window->OpEdTools->trigger();
    const QList<FTools*> editors = window->findChildren<FTools*>();
    ASSERT_EQ(editors.size(), 1);
    EXPECT_TRUE(editors[0]->isVisible());
    EXPECT_TRUE(editors[0]->isWindow()) << "modeless, a window of its own";
    editors[0]->close();
}
