#include "calculator/casefile.h"
#include "calculator/ftarvi.h"
#include "testkit/controls.h"
#include "testkit/fakes.h"
#include "testkit/specialfiles.h"
#include "testkit/workdir.h"
#include "testkit/writefile.h"
#include "tools/editorcore.h"
#include "tools/ftools.h"
#include "tools/utools.h"

#include <QTest>
#include <QtWidgets>

#include <fcntl.h>
#include <functional>

#include <gtest/gtest.h>

using namespace tarvi;
using namespace tarvi::testkit;
using platform::FsError;

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// The tool entries ITool(1) ... ITool(12) of a window's menu.
std::array<QAction*, kMaxTools> toolEntries(const QObject& window)
{
    std::array<QAction*, kMaxTools> entries{};
    for (int i = 1; i <= kMaxTools; ++i)
        entries[static_cast<std::size_t>(i - 1)] = control<QAction>(window, indexed("ITool", i));
    return entries;
}

QByteArray readBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

ToolEntry tool(const QString& title) { return {title, title.toLower() + QStringLiteral(".exe"), {}, {}}; }

// A fresh working folder, an empty list in memory and Spanish as the program
// starts, with recording fakes for the services; beside it the main window and
// the tools editor, driven through its widgets.
class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NumTools = 0;
        platform::Idioma = 2;
    }

    // Stores the list in Tools.rel, as a previous session left it.
    void store(const std::vector<ToolEntry>& list)
    {
        NumTools = static_cast<std::int16_t>(list.size());
        std::copy(list.begin(), list.end(), Tools.begin() + 1);
        ASSERT_TRUE(DesaTools(dir.folder()).ok());
    }

    // The captions of the main window's visible tool entries, in menu order.
    QStringList shown() const
    {
        QStringList captions;
        for (const QAction* entry : toolEntries(mainWindow))
            if (entry->isVisible())
                captions << entry->text();
        return captions;
    }

    void open(const QString& commandLine = {})
    {
        QApplication::processEvents(); // a closed editor is gone first
        const platform::FileChooser chooser = [this](const platform::Services&, platform::FileMode, QString&,
                                                     const QString&) {
            QDir::setCurrent(elsewhere.path()); // the program must not depend on the current folder
            return chosen;
        };
        editor =
            EditaTools(&mainWindow, MenuEntries(toolEntries(mainWindow)), {services, chooser, commandLine});
    }

    QLineEdit* Ed(int i) const { return editor->findChild<QLineEdit*>(QStringLiteral("Ed(%1)").arg(i)); }
    QListWidget* Lst() const { return editor->findChild<QListWidget*>("Lst"); }
    void click(const QString& name) const
    {
        QTest::mouseClick(editor->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void pick(int row) const { Lst()->setCurrentRow(row); }
    // Types the fields into the first boxes and accepts them with the tick button.
    void accept(const QStringList& fields) const
    {
        for (int i = 0; i < fields.size(); ++i) {
            Ed(i)->clear();
            QTest::keyClicks(Ed(i), fields[i]);
        }
        click("OkEd");
    }
    QStringList boxes() const { return {Ed(0)->text(), Ed(1)->text(), Ed(2)->text(), Ed(3)->text()}; }

    TempWorkDir dir;
    FakeMessages messages;
    FakeStarter starter;
    platform::Services services{messages, starter, dir.folder()};
    FTarvi mainWindow{services};
    QPointer<FTools> editor;
    QString chosen;
    QTemporaryDir elsewhere;
};

TEST_F(ToolsTest, ProgramsStartDirectly_EverythingElseThroughTempBat)
{
    const struct {
        ToolEntry tool;
        QString line;
        bool direct;
    } cases[] = {
        {{"Calc", "calc.EXE", "/util", "-x"}, "/util/calc.EXE -x", true},
        // A long document first: the next one must rewrite temp.bat, not add to it.
        {{"Manual", "a-long-document-name.pdf", "/docs", ""}, "/docs/a-long-document-name.pdf", false},
        {{"Params", "", "", "  --help  me "}, "--help  me", false}, // blanks trimmed at both ends only
        {{"Params", "", "", "run.Com"}, "run.Com", true},
        {{"Folder", "tool", "/opt/my.bat.d", ""}, "/opt/my.bat.d/tool", true}, // the ending counts anywhere
        {{"Twice", "/b/x.exe", "/a", ""}, "/a//b/x.exe", true}, // the folder goes even before a full path
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.line.toStdString());
        ExecutaTool(row.tool, services);
        EXPECT_EQ(starter.starts.back().commandLine, row.direct ? row.line : "temp.bat");
        EXPECT_EQ(starter.starts.back().style,
                  row.direct ? platform::WindowStyle::NormalFocus : platform::WindowStyle::MinimizedFocus);
        if (!row.direct) {
            EXPECT_EQ(readBytes("temp.bat"), (row.line + "\r\n").toUtf8());
        }
    }
    // A start that fails is told, naming the tool; the program goes on.
    starter.outcomes = {false};
    ExecutaTool(tool("Bloc"), services);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("No se ha podido iniciar la utilidad \"Bloc\""));
}

// Whatever the program's own files and a case file turn out to be: reading
// Tools.rel or Lng.txt refuses at once what is not an ordinary file, and
// saving Tools.rel, writing temp.bat or appending a case leaves it as it is
// and says why.
TEST_F(ToolsTest, WhatIsNoOrdinaryFileIsRefusedAtOnceAndKept)
{
    const QString pipe = dir.file("read.pipe");
    ASSERT_TRUE(makeFifo(pipe));
    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const auto linkTo = [](const QString& target) {
        return [target](const QString& name) { return QFile::link(target, name); };
    };
    const struct {
        const char* kind;
        std::function<bool(const QString&)> make;
        FsError error;
    } kinds[] = {
        {"a pipe nobody reads", makeFifo, FsError::NotAFile},
        {"a link to a pipe being read", linkTo(pipe), FsError::NotAFile},
        {"a socket", makeSocket, FsError::NotAFile},
        {"a device (made only by root)", makeNullDevice, FsError::NotAFile},
        {"a link to the null device", linkTo("/dev/null"), FsError::NotAFile},
        {"a link to the zero device", linkTo("/dev/zero"), FsError::NotAFile},
        {"a link to the full device", linkTo("/dev/full"), FsError::NoSpace},
        {"a folder", [](const QString& name) { return QDir().mkdir(name); }, FsError::IsFolder},
    };
    const auto kindsIn = [](const TempWorkDir& work) {
        QString kinds;
        for (const char* name : {"Tools.rel", "Lng.txt", "temp.bat", "casos.txt"})
            kinds += kindOf(work.file(name));
        return kinds;
    };
    for (const auto& row : kinds) {
        SCOPED_TRACE(row.kind);
        const TempWorkDir work;
        if (!row.make(work.file("Tools.rel")))
            continue;
        for (const char* name : {"Lng.txt", "temp.bat", "casos.txt"})
            ASSERT_TRUE(row.make(work.file(name)));
        const QString before = kindsIn(work);
        EXPECT_FALSE(LlegeixTools(work.folder()));
        EXPECT_EQ(chooseLanguage({}, work.folder()).idioma, platform::Language::English);
        EXPECT_EQ(DesaTools(work.folder()).error, row.error);
        EXPECT_EQ(appendCaseBlock(work.file("casos.txt"), "V(5,3) = 60\r\n\r\n").error, row.error);
        const std::size_t starts = starter.starts.size();
        ExecutaTool({"Manual", "manual.pdf", "", ""}, {messages, starter, work.folder()});
        EXPECT_EQ(starter.starts.size(), starts);
        EXPECT_EQ(
            messages.boxes.back().text,
            "No se ha podido iniciar la utilidad \"Manual\":\r\nno se ha podido escribir temp.bat en la "
            "carpeta " +
                work.path() + " (" + reasonText({row.error, {}}, platform::Language::Spanish) + ").");
        EXPECT_EQ(kindsIn(work), before);
    }
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0) << "something reached the pipe's reader";
    ::close(reader);
}

// Accepting, replacing and deleting work on the list in memory; Esc leaves
// the file and the menu as they were, and "Ok" saves the list and shows it in
// the menu, hiding the entries it no longer fills.
TEST_F(ToolsTest, EditsTheListEscLeavesItAndOkSavesAndShowsIt)
{
    store({tool("Notepad"), tool("B"), tool("C"), tool("D")});
    const QByteArray stored = readBytes("Tools.rel");
    open();
    accept({"Bloc, \"de\" notas", " notepad.exe", "/usr/bin", "-a "});
    EXPECT_EQ(Tools[5], (ToolEntry{"Bloc, \"de\" notas", " notepad.exe", "/usr/bin", "-a "}));
    pick(2);
    EXPECT_EQ(boxes(), (QStringList{"C", "c.exe", "", ""}));
    accept({"Cc", "cc.exe", "/opt", "-z"});
    pick(0);
    messages.answers = {platform::MessageAnswer::No};
    click("BtBrr");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "¿Eliminar NOTEPAD ?");
    pick(1);
    click("BtBrr");
    ASSERT_EQ(Lst()->count(), 4);
    EXPECT_EQ(Lst()->item(1)->text(), "Cc");
    EXPECT_EQ(Tools[2], (ToolEntry{"Cc", "cc.exe", "/opt", "-z"}));
    click("BtEsc");
    EXPECT_EQ(readBytes("Tools.rel"), stored);
    EXPECT_TRUE(shown().isEmpty());

    open();
    click("BtOk");
    EXPECT_EQ(shown(), (QStringList{"Notepad", "B", "C", "D"}));
    open();
    for (int row : {3, 1}) {
        pick(row);
        click("BtBrr");
    }
    click("BtOk");
    EXPECT_EQ(shown(), (QStringList{"Notepad", "C"}));
    EXPECT_EQ(readBytes("Tools.rel"), "Notepad\r\nnotepad.exe\r\n\r\n\r\nC\r\nc.exe\r\n\r\n\r\n\r\n");
}

// Browsing fills file and folder from the chosen path, a cancel nothing; the
// list is saved in the working folder, wherever the current folder has gone.
TEST_F(ToolsTest, BrowseSplitsThePathAndTheListStaysInTheWorkingFolder)
{
    open();
    for (const char* path : {"/usr/local/bin/y.exe", "/x.exe", ""}) {
        chosen = path;
        click("BtCerc");
    }
    accept({"Title"});
    click("BtOk");
    EXPECT_EQ(readBytes(dir.file("Tools.rel")), "Title\r\nx.exe\r\n/\r\n\r\n\r\n");
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

// In the language the command line gives.
TEST_F(ToolsTest, RefusesAThirteenthToolAndAnEmptyTitle)
{
    store(std::vector<ToolEntry>(11, tool("T")));
    open("engl");
    accept({"   ", "blank.exe"});
    accept({"T12"});
    accept({"T13"});
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "A tool needs a title.");
    EXPECT_EQ(messages.boxes[1].text,
              "The list already holds twelve tools. Erase one before adding another.");
    EXPECT_EQ(Lst()->count(), 12);
}

// "Ok" on a full disk says why and keeps the editor open and the stored list
// as it was; a Tools.rel that links to an ordinary file stays a link.
TEST_F(ToolsTest, AFailedSaveKeepsTheEditorOpenAndTheStoredList)
{
    writeFile("list.rel", "A\r\na.exe\r\n\r\n\r\n\r\n");
    ASSERT_TRUE(QFile::link("list.rel", "Tools.rel"));
    open();
    accept({"Bloc", "notepad.exe"});
    {
        const FullDisk full(4);
        click("BtOk");
    }
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text,
              "No se ha podido guardar Tools.rel; la lista guardada no ha cambiado.\r\nel disco está lleno");
    EXPECT_EQ(readBytes("list.rel"), "A\r\na.exe\r\n\r\n\r\n\r\n");
    QApplication::processEvents();
    ASSERT_FALSE(editor.isNull());
    click("BtOk");
    EXPECT_EQ(kindOf("Tools.rel"), 'l');
    EXPECT_EQ(readBytes("list.rel"), "A\r\na.exe\r\n\r\n\r\nBloc\r\nnotepad.exe\r\n\r\n\r\n\r\n");
    EXPECT_EQ(shown(), (QStringList{"A", "Bloc"}));
}

// A menu entry starts the tool it shows, whatever the editor has done to the
// list in memory since the menu was filled: a deletion left with "Esc", or
// one saved while Lng.txt gives the language and so keeps the menu as it was.
TEST_F(ToolsTest, AnEntryStartsTheToolItShows)
{
    store({{"A", "rec.exe", "/w", "aaa"}, {"B", "rec.exe", "", "bbb"}});
    const auto started = [this] {
        QStringList lines;
        for (QAction* entry : toolEntries(mainWindow))
            if (entry->isVisible()) {
                entry->trigger();
                lines << starter.starts.back().commandLine;
            }
        return lines;
    };
    open();
    click("BtOk");
    const QStringList both = {"/w/rec.exe aaa", "rec.exe bbb"};
    EXPECT_EQ(started(), both);
    writeFile("Lng.txt", "esp\r\n");
    for (const char* end : {"BtEsc", "BtOk"}) {
        SCOPED_TRACE(end);
        open();
        pick(0);
        click("BtBrr");
        click(end);
        EXPECT_EQ(shown(), (QStringList{"A", "B"}));
        EXPECT_EQ(started(), both);
    }
    EXPECT_EQ(readBytes("Tools.rel"), "B\r\nrec.exe\r\n\r\nbbb\r\n\r\n");
}

} // namespace
