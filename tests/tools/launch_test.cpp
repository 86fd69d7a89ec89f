#include "tests/tools/toolsfixture.h"
#include "tools/utools.h"

#include <QDir>

using namespace tarvi;
using namespace tarvi::testkit;
using platform::WindowStyle;

namespace {

class Launch : public ToolsTest {
protected:
    // Puts the tool in slot 1 and starts it.
    void launch(const ToolEntry& entry)
    {
        setList({entry});
        ExecutaTool(1, services);
    }
};

struct Case {
    ToolEntry tool;
    QString line;
    bool direct;
};

} // namespace

TEST_F(Launch, ProgramsStartDirectly_EverythingElseThroughTempBat)
{
    const std::vector<Case> cases = {
        {{"Bloc", "notepad.exe", "", ""}, "notepad.exe", true},
        {{"Calc", "calc.EXE", "/util", "-x"}, "/util/calc.EXE -x", true},
        {{"Manual", "manual.pdf", "/docs", ""}, "/docs/manual.pdf", false},
        {{"Setup", "setup.bat", "", "/q"}, "setup.bat /q", true},
        // The parameters alone, blanks trimmed at both ends only.
        {{"Params", "", "", "  --help  me "}, "--help  me", false},
        {{"Params", "", "", "run.Com"}, "run.Com", true},
        // The endings count anywhere: in a folder name, in a parameter.
        {{"Folder", "tool", "/opt/my.bat.d", ""}, "/opt/my.bat.d/tool", true},
        {{"Param", "viewer", "", "file.exe.txt"}, "viewer file.exe.txt", true},
        {{"Mixed", "X.Bat", "", ""}, "X.Bat", true},
        // The folder goes in front even of a full path, and a folder that
        // ends with a separator gets a second one.
        {{"Twice", "/b/x.exe", "/a", ""}, "/a//b/x.exe", true},
        {{"Root", "x.exe", "/", ""}, "//x.exe", true},
        {{"Quotes", "\"my doc.txt\"", "", ""}, "\"my doc.txt\"", false},
        {{"Empty", "", "", ""}, "", false},
    };
    for (const Case& c : cases) {
        starter.starts.clear();
        QFile::remove("temp.bat");
        launch(c.tool);
        ASSERT_EQ(starter.starts.size(), 1u) << c.tool.Title.toStdString();
        EXPECT_EQ(LiniaOrdres(c.tool), c.line);
        if (c.direct) {
            EXPECT_EQ(starter.starts[0].commandLine, c.line);
            EXPECT_EQ(starter.starts[0].style, WindowStyle::NormalFocus);
            EXPECT_FALSE(QFile::exists("temp.bat")) << c.line.toStdString();
        } else {
            EXPECT_EQ(starter.starts[0].commandLine, "temp.bat");
            EXPECT_EQ(starter.starts[0].style, WindowStyle::MinimizedFocus);
            EXPECT_EQ(readBytes("temp.bat"), (c.line + "\r\n").toUtf8()) << c.line.toStdString();
        }
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(Launch, EachDocumentLaunchRewritesTempBat)
{
    launch({"Long", "a-rather-long-document-name.pdf", "/docs", ""});
    launch({"Short", "b.txt", "", ""});
    EXPECT_EQ(readBytes("temp.bat"), QByteArray("b.txt\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"temp.bat"});
}

TEST_F(Launch, FailuresAreReportedNamingTheTool)
{
    starter.outcomes = {false, false};
    launch({"Bloc de notas", "notepad.exe", "", ""});
    launch({"Manual", "manual.pdf", "", ""});
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_TRUE(messages.boxes[0].text.contains("\"Bloc de notas\"")) << messages.boxes[0].text.toStdString();
    EXPECT_TRUE(messages.boxes[0].text.contains("notepad.exe"));
    EXPECT_TRUE(messages.boxes[1].text.contains("\"Manual\""));
    EXPECT_EQ(messages.boxes[1].icon, platform::MessageIcon::Exclamation);

    // temp.bat cannot be written: nothing is started.
    messages.boxes.clear();
    starter.starts.clear();
    ASSERT_TRUE(QFile::remove("temp.bat"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("temp.bat"));
    launch({"Web", "index.html", "", ""});
    EXPECT_TRUE(starter.starts.empty());
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.contains("\"Web\""));
    EXPECT_TRUE(messages.boxes[0].text.contains("temp.bat"));
}

TEST_F(Launch, OnlyTheTwelveSlotsCanBeStarted)
{
    setList({tool("A")});
    ExecutaTool(0, services);
    ExecutaTool(13, services);
    EXPECT_TRUE(starter.starts.empty());
}
