#include "tests/tools/toolsfixture.h"
#include "tools/utools.h"

#include <QCoreApplication>
#include <QDir>

#include <random>

using namespace tarvi;
using namespace tarvi::testkit;

namespace {

class ToolStore : public ToolsTest {
protected:
    // Saves the list, forgets it, and reads it back.
    std::vector<ToolEntry> saveAndLoad(const std::vector<ToolEntry>& list)
    {
        setList(list);
        QString reason;
        EXPECT_TRUE(DesaTools(reason)) << reason.toStdString();
        setList({});
        EXPECT_TRUE(LlegeixTools());
        return currentList();
    }
};

// A menu with `entries` tool entries (12 for a proper main window).
class FakeMenu final : public ToolMenu {
public:
    explicit FakeMenu(int entries) : entries_(entries) {}
    std::array<QString, 13> captions;
    std::array<bool, 13> visible{};

    bool setCaption(int index, const QString& caption) override
    {
        if (index > entries_)
            return false;
        captions[index] = caption;
        return true;
    }
    bool setVisible(int index, bool shown) override
    {
        if (index > entries_)
            return false;
        visible[index] = shown;
        return true;
    }

private:
    int entries_;
};

std::vector<ToolEntry> numbered(int count)
{
    std::vector<ToolEntry> list;
    for (int i = 1; i <= count; ++i)
        list.push_back(tool(QStringLiteral("Tool %1").arg(i)));
    return list;
}

} // namespace

TEST_F(ToolStore, WritesFourCrLfLinesATool_AndOneEmptyLineToEnd)
{
    setList({{"Bloc de notas", "notepad.exe", "", ""}, {"Manual", "manual.pdf", "/docs", ""}});
    QString reason;
    ASSERT_TRUE(DesaTools(reason));
    EXPECT_EQ(readBytes("Tools.rel"),
              QByteArray("Bloc de notas\r\nnotepad.exe\r\n\r\n\r\nManual\r\nmanual.pdf\r\n/docs\r\n\r\n\r\n"));

    setList({});
    ASSERT_TRUE(DesaTools(reason));
    EXPECT_EQ(readBytes("Tools.rel"), QByteArray("\r\n"));
    EXPECT_EQ(readBytes("Tools.rel.tmp"), QByteArray("<missing>")) << "no file left beside it";
}

TEST_F(ToolStore, FieldsComeBackUnchanged)
{
    EXPECT_TRUE(saveAndLoad({}).empty());

    const std::vector<ToolEntry> awkward = {
        {" \"Bloc\", de notas ", "  note,pad.exe \"a b\"", " /dir, with \"quotes\" ", "  -a, -b \t"}};
    EXPECT_EQ(saveAndLoad(awkward), awkward);

    std::vector<ToolEntry> twelve = numbered(12);
    twelve[5] = {"Título ñ àç·", "", "", "éste, \"aquél\""};
    EXPECT_EQ(saveAndLoad(twelve), twelve);
}

// Any list of up to twelve tools with titles comes back as it was saved,
// whatever the fields hold.
TEST_F(ToolStore, AnyListSurvivesASaveAndALoad)
{
    std::mt19937 random(20261206);
    const QString alphabet = QStringLiteral("aZ9 ,\"'\\/.;:\tñç·¿?-");
    const auto text = [&](int minLength) {
        QString made;
        const int length = minLength + static_cast<int>(random() % 8);
        for (int i = 0; i < length; ++i)
            made += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
        return made;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<ToolEntry> list(random() % 13);
        for (ToolEntry& entry : list)
            entry = {text(1), text(0), text(0), text(0)};
        ASSERT_EQ(saveAndLoad(list), list) << "round " << round;
    }
}

TEST_F(ToolStore, ThirteenToolsFailAsAWhole)
{
    setList(numbered(12));
    QString reason;
    ASSERT_TRUE(DesaTools(reason));
    EXPECT_TRUE(LlegeixTools());
    EXPECT_EQ(NumTools, 12);

    writeBytes("Tools.rel", readBytes("Tools.rel").chopped(2) + "Thirteen\r\nx.exe\r\n\r\n\r\n\r\n");
    EXPECT_FALSE(LlegeixTools());
    EXPECT_EQ(NumTools, 0);
    // The file was closed: it can be replaced at once.
    EXPECT_TRUE(DesaTools(reason));
}

TEST_F(ToolStore, ReadingStopsWhereTheListEnds)
{
    EXPECT_FALSE(LlegeixTools()) << "no file";
    EXPECT_EQ(NumTools, 0);

    writeBytes("Tools.rel", "");
    EXPECT_TRUE(LlegeixTools());
    EXPECT_EQ(NumTools, 0);

    writeBytes("Tools.rel", "\r\n");
    EXPECT_TRUE(LlegeixTools());
    EXPECT_EQ(NumTools, 0);

    // An empty title line ends the list, whatever follows.
    writeBytes("Tools.rel", "A\r\na.exe\r\n\r\n\r\n\r\nB\r\nb.exe\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(LlegeixTools());
    EXPECT_EQ(currentList(), (std::vector<ToolEntry>{{"A", "a.exe", "", ""}}));

    // A last record cut after its title, with or without a line end.
    writeBytes("Tools.rel", "A\r\na.exe\r\n/w\r\n-p\r\nB\r\n");
    EXPECT_TRUE(LlegeixTools());
    EXPECT_EQ(currentList(), (std::vector<ToolEntry>{{"A", "a.exe", "/w", "-p"}, {"B", "", "", ""}}));
    writeBytes("Tools.rel", "A\r\na.exe\r\n/w\r\n-p\r\nB");
    EXPECT_TRUE(LlegeixTools());
    EXPECT_EQ(currentList(), (std::vector<ToolEntry>{{"A", "a.exe", "/w", "-p"}, {"B", "", "", ""}}));

    // A file written on Linux with bare line feeds reads the same.
    writeBytes("Tools.rel", "A\na.exe\n/w\n-p\n\n");
    EXPECT_TRUE(LlegeixTools());
    EXPECT_EQ(currentList(), (std::vector<ToolEntry>{{"A", "a.exe", "/w", "-p"}}));
}

TEST_F(ToolStore, AFailedSaveLeavesTheStoredListIntact)
{
    setList(numbered(3));
    QString reason;
    ASSERT_TRUE(DesaTools(reason));
    const QByteArray stored = readBytes("Tools.rel");

    setList(numbered(7));
    {
        const FileSizeLimit fullDisk(8);
        EXPECT_FALSE(DesaTools(reason));
    }
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(readBytes("Tools.rel"), stored);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Tools.rel"}) << "nothing half-written left";
}

TEST_F(ToolStore, TheMenuShowsTheStoredToolsAndHidesTheRest)
{
    FakeMenu menu(12);
    setList(numbered(5));
    QString reason;
    ASSERT_TRUE(DesaTools(reason));
    OmpleMenuTools(menu, messages);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(menu.visible[i], i <= 5) << i;
        EXPECT_EQ(menu.captions[i], i <= 5 ? QStringLiteral("Tool %1").arg(i) : QString());
    }

    setList(numbered(3));
    ASSERT_TRUE(DesaTools(reason));
    OmpleMenuTools(menu, messages);
    EXPECT_TRUE(menu.visible[3]);
    EXPECT_FALSE(menu.visible[4]);
    EXPECT_FALSE(menu.visible[5]);

    // The menu always reads the file: a list only in memory is not shown.
    setList(numbered(12));
    OmpleMenuTools(menu, messages);
    EXPECT_FALSE(menu.visible[4]);

    // A file that cannot be read leaves the menu as it was.
    ASSERT_TRUE(QFile::remove("Tools.rel"));
    OmpleMenuTools(menu, messages);
    EXPECT_TRUE(menu.visible[3]);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ToolStore, AWindowWithoutToolEntriesGetsNoForm)
{
    setList(numbered(2));
    QString reason;
    ASSERT_TRUE(DesaTools(reason));

    FakeMenu none(0);
    OmpleMenuTools(none, messages);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "No Form");
    EXPECT_EQ(messages.boxes[0].title, QCoreApplication::applicationName());
    EXPECT_EQ(messages.boxes[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(messages.boxes[0].buttons, platform::MessageButtons::Ok);

    // Entries set before the missing one keep their new state.
    FakeMenu three(3);
    messages.boxes.clear();
    setList(numbered(5));
    ASSERT_TRUE(DesaTools(reason));
    OmpleMenuTools(three, messages);
    EXPECT_EQ(three.captions[3], "Tool 3");
    EXPECT_TRUE(three.visible[3]);
    EXPECT_EQ(messages.boxes.size(), 1u);
}
