#include "calculator/core/casefile.h"

#include "tests/support/workdir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tarvi;

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A window state with several panels solved, one left empty, and an expansion.
std::array<PanelTexts, kKinds> solvedPanels()
{
    std::array<PanelTexts, kKinds> panels;
    panels[index(FormulaKind::V)] = {" 5 ", "3  ", {}, "60"};
    panels[index(FormulaKind::VR)] = {"2", "2", {}, ""};
    panels[index(FormulaKind::P)] = {"4", "", {}, "24"};
    panels[index(FormulaKind::PR)] = {"6", "", {" 2", "3 ", "1"}, "60"};
    panels[index(FormulaKind::C)] = {"3", "3", {}, "1"};
    panels[index(FormulaKind::CR)] = {"3", "2", {}, "6"};
    return panels;
}

const QString kNewton = QStringLiteral("(a+b)^2 = a^2 +2a b +b^2");
const QByteArray kBlock = "V(5,3) = 60\r\n\r\n"
                          "P(4) = 24\r\n\r\n"
                          "PR(6[2][3 ][1]) = 60\r\n\r\n"
                          "C(3,3) = 1\r\n\r\n"
                          "CR(3,2) = 6\r\n\r\n"
                          "(a+b)^2 = a^2 +2a b +b^2\r\n\r\n";

} // namespace

TEST(CaseFile, LinesOfEachKind)
{
    EXPECT_EQ(caseLine(FormulaKind::V, {"3", "3", {}, "6"}), "V(3,3) = 6");
    EXPECT_EQ(caseLine(FormulaKind::P, {" 4", "99", {}, "24"}), "P(4) = 24") << "P has no n";
    EXPECT_EQ(caseLine(FormulaKind::PR, {"6", "", {"2", "3", "1"}, "60"}), "PR(6[2][3][1]) = 60");
    EXPECT_EQ(caseLine(FormulaKind::CR, {"3", "2", {}, " 6 "}), "CR(3,2) =  6 ") << "the result as shown";
    EXPECT_EQ(caseLine(FormulaKind::C, {"3", "2", {}, ""}), "");
}

TEST(CaseFile, BlockBytes)
{
    EXPECT_EQ(caseBlock(solvedPanels(), kNewton).toUtf8(), kBlock);
    EXPECT_EQ(caseBlock({}, ""), "");
    EXPECT_EQ(caseBlock({}, "(a+b)^0 = 1"), "(a+b)^0 = 1\r\n\r\n");
}

TEST(CaseFile, TwoSavesAppendTwoIdenticalBlocks)
{
    testkit::TempWorkDir work;
    const QString path = work.file("Casos de ñandú.txt");
    const QByteArray before = "earlier\r\nlines without a final break";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    std::array<PanelTexts, kKinds> panels = solvedPanels();
    panels[index(FormulaKind::P)].result = QStringLiteral("veinticuatro ñ");
    const QString block = caseBlock(panels, kNewton);
    ASSERT_TRUE(appendCaseBlock(path, block).ok());
    ASSERT_TRUE(appendCaseBlock(path, block).ok());
    const QByteArray bytes = block.toUtf8();
    EXPECT_TRUE(bytes.contains("P(4) = veinticuatro \xc3\xb1\r\n")) << "the locale's code page";
    EXPECT_EQ(read(path), before + bytes + bytes);
}

TEST(CaseFile, FailuresNameTheFileAndTheReason)
{
    testkit::TempWorkDir work;
    const platform::FsResult full = appendCaseBlock("/dev/full", kNewton);
    EXPECT_EQ(full.error, platform::FsError::NoSpace);
    EXPECT_EQ(appendFailureText("/dev/full", full),
              "No se ha podido añadir el caso al archivo\r\n/dev/full\r\nMotivo: el disco está lleno\r\n"
              "El archivo queda como estaba.");
    EXPECT_EQ(appendCaseBlock(work.file("no/Prbls/c.txt"), kNewton).error, platform::FsError::NotFound);
    EXPECT_EQ(editorFailureText("/a b/c.txt"), "No se ha podido abrir el editor con el archivo\r\n/a b/c.txt");
}
