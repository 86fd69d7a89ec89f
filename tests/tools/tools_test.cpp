#include "calculator/ftarvi.h"
#include "platform/files.h"
#include "platform/language.h"
#include "testkit/controls.h"
#include "testkit/fakes.h"
#include "testkit/specialfiles.h"
#include "testkit/workdir.h"
#include "tools/editorcore.h"
#include "tools/ftools.h"
#include "tools/utools.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

using namespace tarvi;
using namespace tarvi::testkit;
using platform::WindowStyle;

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

void writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Replaces the list in memory.
void setList(const std::vector<ToolEntry>& list)
{
    Tools.fill({});
    NumTools = static_cast<std::int16_t>(list.size());
    std::copy(list.begin(), list.end(), Tools.begin() + 1);
}

// The list in memory, slots 1 ... NumTools.
std::vector<ToolEntry> currentList() { return {Tools.begin() + 1, Tools.begin() + 1 + NumTools}; }

ToolEntry tool(const QString& title) { return {title, title.toLower() + QStringLiteral(".exe"), {}, {}}; }

// A list of `count` copies of the tool "T".
std::vector<ToolEntry> copies(std::size_t count) { return std::vector<ToolEntry>(count, tool("T")); }

// A fresh working folder, an empty list in memory and Spanish as the program
// starts, with recording fakes for the services.
class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setList({});
        platform::Idioma = 2;
    }

    // Stores the list in Tools.rel, as a previous session left it, and empties
    // the list in memory.
    void save(const std::vector<ToolEntry>& list)
    {
        setList(list);
        ASSERT_TRUE(DesaTools(dir.folder()).ok());
        setList({});
    }

    TempWorkDir dir;
    FakeMessages messages;
    FakeStarter starter;
    platform::Services services{messages, starter, dir.folder()};
};

// ---- Tools.rel

// Lists of 0, 1 and 12 tools with awkward fields come back as they were saved.
TEST_F(ToolsTest, ListsSurviveASaveAndALoad)
{
    std::vector<ToolEntry> twelve = copies(12);
    twelve[5] = {"Título ñ àç·", "", "", "éste, \"aquél\""};
    for (const std::vector<ToolEntry>& list :
         {std::vector<ToolEntry>{},
          twelve,
          {{" \"Bloc\", de notas ", "  note,pad.exe \"a b\"", " /dir, with \"quotes\" ", "  -a, -b \t"}}}) {
        SCOPED_TRACE(std::to_string(list.size()) + " tools");
        save(list);
        ASSERT_TRUE(LlegeixTools(dir.folder()));
        EXPECT_EQ(currentList(), list);
    }
    save({});
    EXPECT_EQ(readBytes("Tools.rel"), QByteArray("\r\n"));
}

TEST_F(ToolsTest, ReadingStopsWhereTheListEnds)
{
    const ToolEntry a{"A", "a.exe", "/w", "-p"};
    const ToolEntry b{"B", "", "", ""};
    const QByteArray t = "T\r\nt.exe\r\n\r\n\r\n";
    const std::vector<std::tuple<QByteArray, std::vector<ToolEntry>, bool>> files = {
        {"", {}, true},
        {"A\r\na.exe\r\n/w\r\n-p\r\n\r\nB\r\nb.exe\r\n\r\n\r\n\r\n",
         {a},
         true},                                            // an empty title ends the list
        {"A\r\na.exe\r\n/w\r\n-p\r\nB\r\n", {a, b}, true}, // the last record cut after its title
        {"A\na.exe\n/w\n-p\n\n", {a}, true},               // bare line feeds, as written on Linux
        {t.repeated(12) + "\r\n", copies(12), true},
        {t.repeated(13) + "\r\n", {}, false}, // thirteen tools fail as a whole
    };
    for (const auto& [bytes, list, whole] : files) {
        writeBytes("Tools.rel", bytes);
        EXPECT_EQ(LlegeixTools(dir.folder()), whole) << bytes.toStdString();
        EXPECT_EQ(currentList(), list) << bytes.toStdString();
    }
}

// ---- Starting a tool

TEST_F(ToolsTest, ProgramsStartDirectly_EverythingElseThroughTempBat)
{
    const std::vector<std::tuple<ToolEntry, QString, bool>> cases = {
        {{"Bloc", "notepad.exe", "", ""}, "notepad.exe", true},
        {{"Calc", "calc.EXE", "/util", "-x"}, "/util/calc.EXE -x", true},
        // A long document first: each later one must rewrite temp.bat, not add to it.
        {{"Manual", "a-rather-long-document-name.pdf", "/docs", ""},
         "/docs/a-rather-long-document-name.pdf",
         false},
        {{"Params", "", "", "  --help  me "}, "--help  me", false}, // blanks trimmed at both ends only
        {{"Params", "", "", "run.Com"}, "run.Com", true},
        {{"Folder", "tool", "/opt/my.bat.d", ""}, "/opt/my.bat.d/tool", true}, // the ending counts anywhere
        // The folder goes in front even of a full path, and a folder that
        // ends with a separator gets a second one.
        {{"Twice", "/b/x.exe", "/a", ""}, "/a//b/x.exe", true},
        {{"Root", "x.exe", "/", ""}, "//x.exe", true},
    };
    for (const auto& [entry, line, direct] : cases) {
        SCOPED_TRACE(line.toStdString());
        ExecutaTool(entry, services);
        EXPECT_EQ(starter.starts.back().commandLine, direct ? line : "temp.bat");
        EXPECT_EQ(starter.starts.back().style,
                  direct ? WindowStyle::NormalFocus : WindowStyle::MinimizedFocus);
        if (!direct) {
            EXPECT_EQ(readBytes("temp.bat"), (line + "\r\n").toUtf8());
        }
    }
    EXPECT_EQ(starter.starts.size(), cases.size());

    // A start that fails is told, naming the tool; the program goes on.
    starter.outcomes = {false};
    ExecutaTool(std::get<0>(cases.back()), services);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("No se ha podido iniciar la utilidad \"Root\""))
        << messages.boxes[0].text.toStdString();

    // A temp.bat that is not an ordinary file is neither replaced nor started.
    QFile::remove("temp.bat");
    ASSERT_TRUE(makeFifo("temp.bat"));
    ExecutaTool({"Manual", "manual.pdf", "", ""}, services);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].text, "No se ha podido iniciar la utilidad \"Manual\":\r\nno se ha podido "
                                      "escribir temp.bat en la carpeta " +
                                          dir.path() + " (no es un archivo ordinario).");
    EXPECT_EQ(kindOf("temp.bat"), 'p');
    EXPECT_EQ(starter.starts.size(), cases.size() + 1);
}

// Tools.rel as a pipe, a link to the zero device or a file over the size
// limit reads as a file that cannot be read, at once: the main window opens
// with no tools. A pipe as Lng.txt is an unreadable Lng.txt.
TEST_F(ToolsTest, WhatIsNoOrdinaryFileOfListSizeIsUnreadable)
{
    const QByteArray title = "A\r\n";
    const auto padded = [&](qint64 size) {
        return title + QByteArray(size - title.size() - 2, 'x') + "\r\n";
    };
    writeBytes("Tools.rel", padded(platform::kLargestOwnFile));
    EXPECT_TRUE(LlegeixTools(dir.folder()));
    EXPECT_EQ(Tools[1].File.size(), platform::kLargestOwnFile - 5);
    writeBytes("Tools.rel", padded(platform::kLargestOwnFile + 1));
    EXPECT_FALSE(LlegeixTools(dir.folder()));

    QFile::remove("Tools.rel");
    ASSERT_TRUE(QFile::link("/dev/zero", "Tools.rel"));
    EXPECT_FALSE(LlegeixTools(dir.folder()));
    QFile::remove("Tools.rel");
    ASSERT_TRUE(makeFifo("Tools.rel"));
    EXPECT_FALSE(LlegeixTools(dir.folder()));
    const FTarvi window{services};
    const std::array<QAction*, kMaxTools> entries = toolEntries(window);
    EXPECT_TRUE(std::none_of(entries.begin(), entries.end(),
                             [](const QAction* entry) { return entry->isVisible(); }));

    ASSERT_TRUE(makeFifo("Lng.txt"));
    EXPECT_EQ(chooseLanguage({}, dir.folder()).idioma, platform::Language::English);
}

// ---- The editor, through its widgets, beside the main window

class Editor : public ToolsTest {
protected:
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
    void pick(int row) const
    {
        QTest::mouseClick(Lst()->viewport(), Qt::LeftButton, {},
                          Lst()->visualItemRect(Lst()->item(row)).center());
    }
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

    FTarvi mainWindow{services};
    QPointer<FTools> editor;
    QString chosen;
    QTemporaryDir elsewhere;
};

// Accepting, replacing and deleting work on the list in memory; Esc leaves
// the file and the menu as they were.
TEST_F(Editor, EditsTheListAndEscLeavesFileAndMenu)
{
    save({tool("Notepad"), tool("B"), tool("C"), tool("D")});
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
}

// Five tools, then three: the menu shows the stored ones and hides entries 4
// and 5. With Lng.txt the list is saved but the menu left alone.
TEST_F(Editor, OkSavesAndRefreshesTheMenuUnlessLngTxtGivesTheLanguage)
{
    save({tool("1"), tool("2"), tool("3"), tool("4"), tool("5")});
    open();
    click("BtOk");
    EXPECT_EQ(shown(), (QStringList{"1", "2", "3", "4", "5"}));
    open();
    for (int row : {4, 3}) {
        pick(row);
        click("BtBrr");
    }
    click("BtOk");
    EXPECT_EQ(shown(), (QStringList{"1", "2", "3"}));

    writeBytes("Lng.txt", "esp\r\n");
    save({});
    open();
    accept({"Uno", "uno.exe"});
    click("BtOk");
    EXPECT_EQ(readBytes("Tools.rel"), QByteArray("Uno\r\nuno.exe\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(shown().size(), 3);
}

// Browsing fills the boxes from the chosen path; the list is saved in the
// working folder, wherever the process's current folder has gone meanwhile.
TEST_F(Editor, BrowseSplitsThePathAndTheListStaysInTheWorkingFolder)
{
    open("CAT");
    EXPECT_EQ(editor->windowTitle(), "Edició eines") << "Catalan from the command line";
    accept({"Title", "old", "old", "params"});
    pick(0);
    for (const char* path : {"/usr/local/bin/x.exe", "/x.exe", ""}) {
        SCOPED_TRACE(path);
        chosen = path;
        click("BtCerc");
    }
    EXPECT_EQ(boxes(), (QStringList{"Title", "x.exe", "/", "params"})) << "a cancel changes nothing";
    click("OkEd");
    click("BtOk");
    EXPECT_EQ(readBytes(dir.file("Tools.rel")), "Title\r\nx.exe\r\n/\r\nparams\r\n\r\n");
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

TEST_F(Editor, RefusesATwelfthPlusOneAndAnEmptyTitle)
{
    save(copies(11));
    open("engl");
    accept({"   ", "blank.exe"});
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "A tool needs a title.");
    accept({"T12"});
    accept({"T13"});
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[1].text,
              "The list already holds twelve tools. Erase one before adding another.");
    EXPECT_EQ(Lst()->count(), 12);
}

// The disk is full: writes beyond four bytes fail, even for root.
TEST_F(Editor, AFailedSaveKeepsTheEditorOpenAndTheOldFile)
{
    save({tool("A")});
    open();
    accept({"Bloc", "notepad.exe"});
    {
        const FullDisk full(4);
        click("BtOk");
    }
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.startsWith("No se ha podido guardar Tools.rel"));
    EXPECT_EQ(readBytes("Tools.rel"), QByteArray("A\r\na.exe\r\n\r\n\r\n\r\n"));
    QApplication::processEvents();
    ASSERT_FALSE(editor.isNull());
    click("BtOk");
    EXPECT_EQ(readBytes("Tools.rel"),
              QByteArray("A\r\na.exe\r\n\r\n\r\nBloc\r\nnotepad.exe\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(shown(), (QStringList{"A", "Bloc"}));
}

// "Ok" on a Tools.rel that leads to something other than an ordinary file
// leaves it as it is and says that the list was not saved; a link to an
// ordinary file stays a link to the rewritten file.
TEST_F(Editor, OkNeverReplacesWhatIsNoOrdinaryFile)
{
    ASSERT_TRUE(makeSocket(dir.file("socket")));
    ASSERT_TRUE(QFile::link("socket", "Tools.rel"));
    open();
    accept({"Bloc", "notepad.exe"});
    click("BtOk");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(
        messages.boxes[0].text,
        "No se ha podido guardar Tools.rel; la lista guardada no ha cambiado.\r\nno es un archivo ordinario");
    EXPECT_EQ(kindOf("socket"), 's');

    QFile::remove("Tools.rel");
    writeBytes("list.rel", "");
    ASSERT_TRUE(QFile::link("list.rel", "Tools.rel"));
    click("BtOk");
    EXPECT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(kindOf("Tools.rel"), 'l');
    EXPECT_EQ(readBytes("list.rel"), "Bloc\r\nnotepad.exe\r\n\r\n\r\n\r\n");
}

// A menu entry starts the tool it shows, whatever the editor has done to the
// list in memory since the menu was filled: a deletion left with "Esc", or
// one saved while Lng.txt keeps the menu as it was.
TEST_F(Editor, AnEntryStartsTheToolItShows)
{
    save({{"A", "rec.exe", "/w", "aaa"}, {"B", "rec.exe", "", "bbb"}});
    open();
    click("BtOk");
    const auto started = [this] {
        QStringList lines;
        for (QAction* entry : toolEntries(mainWindow))
            if (entry->isVisible()) {
                entry->trigger();
                lines << starter.starts.back().commandLine;
            }
        return lines;
    };
    const QStringList both = {"/w/rec.exe aaa", "rec.exe bbb"};
    EXPECT_EQ(started(), both);

    open();
    pick(0);
    click("BtBrr");
    click("BtEsc");
    EXPECT_EQ(started(), both) << "after a deletion left with Esc";

    writeBytes("Lng.txt", "esp\r\n");
    open();
    pick(0);
    click("BtBrr");
    click("BtOk");
    EXPECT_EQ(readBytes("Tools.rel"), "B\r\nrec.exe\r\n\r\nbbb\r\n\r\n");
    EXPECT_EQ(shown(), (QStringList{"A", "B"}));
    EXPECT_EQ(started(), both) << "after a deletion saved with the menu kept";
}

} // namespace
