#include "tests/tools/toolsfixture.h"
#include "tools/ftools.h"
#include "tools/utools.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tarvi;
using namespace tarvi::testkit;
using platform::MessageAnswer;

namespace {

// A window with the twelve hidden tool entries of the main window's menu.
class MenuWindow : public QWidget {
public:
    MenuWindow()
    {
        auto* menu = new QMenu(this);
        for (int i = 1; i <= 12; ++i) {
            QAction* entry = menu->addAction(QString());
            entry->setObjectName(QStringLiteral("ITool(%1)").arg(i));
            entry->setVisible(false);
        }
    }
    QAction* entry(int i) const { return findChild<QAction*>(QStringLiteral("ITool(%1)").arg(i)); }
    int shown() const
    {
        int count = 0;
        for (int i = 1; i <= 12; ++i)
            count += entry(i)->isVisible() ? 1 : 0;
        return count;
    }
};

struct ChooserCall {
    std::int16_t mode;
    QString folder;
    QString patterns;
};

class Editor : public ToolsTest {
protected:
    void TearDown() override
    {
        if (editor)
            editor->close();
    }

    // Stores the list in Tools.rel, as a previous session left it.
    void store(const std::vector<ToolEntry>& list)
    {
        setList(list);
        QString reason;
        ASSERT_TRUE(DesaTools(reason));
        setList({});
    }

    FTools* open(const QString& commandLine = {})
    {
        const FileChooser chooser = [this](const platform::Services&, std::int16_t mode, QString& folder,
                                           const QString& patterns) {
            calls.push_back({mode, folder, patterns});
            // The dialog moves about the file system, as the real one does.
            QDir::setCurrent(QDir::tempPath());
            folder = QStringLiteral("/tmp");
            return chosen;
        };
        editor = EditaTools(&mainWindow, {services, chooser, commandLine});
        return editor;
    }

    template <typename T> T* control(const QString& name) const
    {
        T* found = editor->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* Ed(int i) const { return control<QLineEdit>(QStringLiteral("Ed(%1)").arg(i)); }
    QListWidget* Lst() const { return control<QListWidget>("Lst"); }
    void click(const QString& name) const { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void pick(int row) const
    {
        QListWidget* list = Lst();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void type(const QStringList& fields) const
    {
        for (int i = 0; i < fields.size(); ++i) {
            Ed(i)->clear();
            QTest::keyClicks(Ed(i), fields[i]);
        }
    }
    QStringList lines() const
    {
        QStringList shown;
        for (int row = 0; row < Lst()->count(); ++row)
            shown << Lst()->item(row)->text();
        return shown;
    }
    QStringList boxes() const { return {Ed(0)->text(), Ed(1)->text(), Ed(2)->text(), Ed(3)->text()}; }

    MenuWindow mainWindow;
    QPointer<FTools> editor;
    std::vector<ChooserCall> calls;
    QString chosen;
};

} // namespace

TEST_F(Editor, AcceptAppendsANewEntryAndReplacesTheSelectedOne)
{
    store({tool("A"), tool("B"), tool("C")});
    open();
    EXPECT_EQ(lines(), (QStringList{"A", "B", "C"}));

    type({"Bloc, \"de\" notas", " notepad.exe", "/usr/bin", "-a "});
    click("OkEd");
    EXPECT_EQ(lines(), (QStringList{"A", "B", "C", "Bloc, \"de\" notas"}));
    EXPECT_EQ(Tools[4], (ToolEntry{"Bloc, \"de\" notas", " notepad.exe", "/usr/bin", "-a "}));
    EXPECT_EQ(boxes(), (QStringList{"", "", "", ""}));
    EXPECT_EQ(ToolActual, 0);

    pick(2);
    EXPECT_EQ(ToolActual, 3);
    EXPECT_EQ(boxes(), (QStringList{"C", "c.exe", "", ""}));
    type({"Cc", "cc.exe", "/opt", "-z"});
    click("OkEd");
    EXPECT_EQ(lines(), (QStringList{"A", "B", "Cc", "Bloc, \"de\" notas"}));
    EXPECT_EQ(Tools[3], (ToolEntry{"Cc", "cc.exe", "/opt", "-z"}));

    // "+" empties the entry: the next accept adds.
    pick(0);
    click("BtNou");
    EXPECT_EQ(boxes(), (QStringList{"", "", "", ""}));
    EXPECT_TRUE(Lst()->selectedItems().isEmpty());
    type({"E"});
    click("OkEd");
    EXPECT_EQ(lines().size(), 5);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(Editor, DeleteAsksFirstAndMovesTheLaterToolsUp)
{
    store({tool("Notepad"), tool("B"), tool("C"), tool("D")});
    open();

    click("BtBrr"); // nothing shown: nothing asked
    EXPECT_TRUE(messages.boxes.empty());

    pick(0);
    messages.answers = {MessageAnswer::No};
    click("BtBrr");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].title, "Confirmar eliminación");
    EXPECT_EQ(messages.boxes[0].text, "¿Eliminar NOTEPAD ?");
    EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(messages.boxes[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(NumTools, 4);

    pick(1);
    click("BtBrr");
    EXPECT_EQ(lines(), (QStringList{"Notepad", "C", "D"}));
    EXPECT_EQ(Tools[2], tool("C"));
    EXPECT_EQ(Tools[3], tool("D"));

    pick(2);
    click("BtBrr");
    EXPECT_EQ(lines(), (QStringList{"Notepad", "C"}));
    EXPECT_EQ(NumTools, 2);
    EXPECT_EQ(ToolActual, 0);
}

TEST_F(Editor, OkSavesAndRefreshesTheMenuWhenNoLanguageCameFromOutside)
{
    open();
    EXPECT_EQ(editor->windowTitle(), "Edición utilidades") << "the program's language stays";
    type({"Uno", "uno.exe"});
    click("OkEd");
    type({"Typed but not accepted"});
    click("BtOk");
    EXPECT_EQ(readBytes("Tools.rel"), QByteArray("Uno\r\nuno.exe\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(mainWindow.shown(), 1);
    EXPECT_EQ(mainWindow.entry(1)->text(), "Uno");
    QApplication::processEvents();
    EXPECT_TRUE(editor.isNull()) << "closed and unloaded";
}

TEST_F(Editor, OkWithLngTxtSavesButLeavesTheMenu)
{
    writeBytes("Lng.txt", "esp\r\n");
    open();
    EXPECT_EQ(editor->windowTitle(), "Edición utilidades");
    EXPECT_EQ(control<QLabel>("Et(2)")->text(), "Directorio de trabajo");
    type({"Uno", "uno.exe"});
    click("OkEd");
    click("BtOk");
    EXPECT_EQ(readBytes("Tools.rel"), QByteArray("Uno\r\nuno.exe\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(mainWindow.shown(), 0);
}

TEST_F(Editor, EscLeavesFileAndMenu_AndReopeningShowsTheStoredList)
{
    store({tool("A"), tool("B")});
    open();
    pick(0);
    click("BtBrr");
    type({"New"});
    click("OkEd");
    EXPECT_EQ(lines(), (QStringList{"B", "New"}));
    const QByteArray stored = readBytes("Tools.rel");
    click("BtEsc");
    QApplication::processEvents();
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(readBytes("Tools.rel"), stored);
    EXPECT_EQ(mainWindow.shown(), 0);

    open();
    EXPECT_EQ(lines(), (QStringList{"A", "B"}));
}

TEST_F(Editor, TheLanguageComesFromTheCommandLineOrLngTxt)
{
    struct Pick {
        QString commandLine;
        QByteArray lngTxt; // "<none>" for no file
        std::int16_t idioma;
        QString title;
    };
    const std::vector<Pick> picks = {
        {"CAT", "<none>", 1, "Edició eines"},
        {"engl", "esp", 0, "Tools edition"},
        {"cat x", "<none>", 0, "Tools edition"},
        {"", "cat,esp\r\n", 1, "Edició eines"},
        {"", "ESP", 2, "Edición utilidades"},
        {"", "", 0, "Tools edition"},
        {"", ",cat", 0, "Tools edition"},
    };
    for (const Pick& p : picks) {
        QFile::remove("Lng.txt");
        if (p.lngTxt != "<none>")
            writeBytes("Lng.txt", p.lngTxt);
        Idioma = 2;
        open(p.commandLine);
        EXPECT_EQ(Idioma, p.idioma) << p.commandLine.toStdString() << " / " << p.lngTxt.toStdString();
        EXPECT_EQ(editor->windowTitle(), p.title);
        click("BtEsc");
    }

    open("cat");
    EXPECT_EQ(control<QLabel>("EtTools")->text(), "Eines");
    EXPECT_EQ(control<QGroupBox>("Ped")->title(), "Eina");
    EXPECT_EQ(control<QLabel>("Et(0)")->text(), "Títol");
    EXPECT_EQ(control<QLabel>("Et(3)")->text(), "Paràmetres");
    EXPECT_EQ(control<QPushButton>("BtCerc")->text(), "···");
    EXPECT_TRUE(control<QPushButton>("OkEd")->text().isEmpty());
    EXPECT_FALSE(control<QPushButton>("OkEd")->icon().isNull());
}

TEST_F(Editor, BrowseSplitsThePathAndKeepsTheWorkingFolder)
{
    open();
    type({"Title", "old", "old", "params"});
    chosen = "/usr/local/bin/x.exe";
    click("BtCerc");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].mode, 0);
    EXPECT_EQ(calls[0].folder, "/");
    EXPECT_EQ(calls[0].patterns, "*.exe|*.*");
    EXPECT_EQ(boxes(), (QStringList{"Title", "x.exe", "/usr/local/bin", "params"}));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());

    chosen = "/x.exe";
    click("BtCerc");
    EXPECT_EQ(boxes(), (QStringList{"Title", "x.exe", "/", "params"}));
    ToolEntry joined{"T", Ed(1)->text(), Ed(2)->text(), ""};
    EXPECT_EQ(QFileInfo(LiniaOrdres(joined)).canonicalFilePath(), QFileInfo("/x.exe").canonicalFilePath());

    chosen = "";
    click("BtCerc");
    EXPECT_EQ(boxes(), (QStringList{"Title", "x.exe", "/", "params"}));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    EXPECT_TRUE(Lst()->count() == 0) << "nothing stored until accepted";
}

TEST_F(Editor, RefusesATwelfthPlusOneAndAnEmptyTitle)
{
    std::vector<ToolEntry> eleven;
    for (int i = 1; i <= 11; ++i)
        eleven.push_back(tool(QStringLiteral("T%1").arg(i)));
    store(eleven);
    open("engl");

    type({"   ", "blank.exe"});
    click("OkEd");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "A tool needs a title.");
    EXPECT_EQ(NumTools, 11);
    EXPECT_EQ(Ed(1)->text(), "blank.exe") << "the entry stays for the user to mend";

    type({"T12"});
    click("OkEd");
    type({"T13"});
    click("OkEd");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].text, "The list already holds twelve tools. Erase one before adding another.");
    EXPECT_EQ(NumTools, 12);
    EXPECT_EQ(lines().size(), 12);

    // Replacing one of the twelve is still allowed; emptying its title is not.
    pick(11);
    type({"Twelve"});
    click("OkEd");
    EXPECT_EQ(Tools[12].Title, "Twelve");
    pick(0);
    type({""});
    click("OkEd");
    EXPECT_EQ(Tools[1].Title, "T1");
    EXPECT_EQ(messages.boxes.size(), 3u);
}

TEST_F(Editor, AFailedSaveKeepsTheEditorOpenAndTheOldFile)
{
    store({tool("A")});
    open();
    type({"Bloc", "notepad.exe"});
    click("OkEd");
    {
        const FileSizeLimit fullDisk(4);
        click("BtOk");
    }
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("No se ha podido guardar Tools.rel"));
    EXPECT_EQ(readBytes("Tools.rel"), QByteArray("A\r\na.exe\r\n\r\n\r\n\r\n"));
    QApplication::processEvents();
    ASSERT_FALSE(editor.isNull());
    EXPECT_EQ(lines(), (QStringList{"A", "Bloc"}));
    EXPECT_EQ(mainWindow.shown(), 0);

    click("BtOk");
    EXPECT_EQ(readBytes("Tools.rel"), QByteArray("A\r\na.exe\r\n\r\n\r\nBloc\r\nnotepad.exe\r\n\r\n\r\n\r\n"));
}

TEST_F(Editor, EnterMovesThroughTheBoxesToAccept)
{
    open();
    QApplication::setActiveWindow(editor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    Ed(0)->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(Ed(i), Qt::Key_Return);
        EXPECT_TRUE(Ed(i + 1)->hasFocus()) << i;
    }
    QTest::keyClick(Ed(3), Qt::Key_Return);
    EXPECT_TRUE(control<QPushButton>("OkEd")->hasFocus());
}

TEST_F(Editor, OnlyOneEditorAtATime)
{
    FTools* first = open();
    EXPECT_EQ(open("cat"), first) << "brought forward, not loaded again";
    EXPECT_EQ(first->windowTitle(), "Edición utilidades");
    click("BtEsc");
    QApplication::processEvents();
    EXPECT_NE(open("cat"), nullptr);
    EXPECT_EQ(editor->windowTitle(), "Edició eines");
}
