#include "calculator/casefile.h"

#include "testkit/workdir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tarvi;

// A window state with several panels solved, one left empty (VR), and an
// expansion; the block in the locale's code page, as appended to the file.
TEST(CaseFile, BlockBytesAppendedAfterWhatTheFileHad)
{
    std::array<PanelTexts, kKinds> panels;
    panels[index(FormulaKind::V)] = {" 5 ", "3  ", {}, "60"};
    panels[index(FormulaKind::VR)] = {"2", "2", {}, ""};
    panels[index(FormulaKind::P)] = {"4", "99", {}, "24 ñ"}; // P has no n
    panels[index(FormulaKind::PR)] = {"6", "", {" 2", "3 ", "1"}, "60"};
    panels[index(FormulaKind::C)] = {"3", "3", {}, "1"};
    panels[index(FormulaKind::CR)] = {"3", "2", {}, " 6 "}; // the result as shown
    const QByteArray block = "V(5,3) = 60\r\n\r\n"
                             "P(4) = 24 \xc3\xb1\r\n\r\n"
                             "PR(6[2][3 ][1]) = 60\r\n\r\n"
                             "C(3,3) = 1\r\n\r\n"
                             "CR(3,2) =  6 \r\n\r\n"
                             "(a+b)^2 = a^2 +2a b +b^2\r\n\r\n";
    const QString text = caseBlock(panels, QStringLiteral("(a+b)^2 = a^2 +2a b +b^2"));
    EXPECT_EQ(text.toUtf8(), block);
    EXPECT_EQ(caseBlock({}, "(a+b)^0 = 1"), "(a+b)^0 = 1\r\n\r\n");

    testkit::TempWorkDir work;
    const QString path = work.file("Casos de ñandú.txt");
    ASSERT_TRUE(appendCaseBlock(path, "earlier").ok());
    ASSERT_TRUE(appendCaseBlock(path, text).ok());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "earlier" + block);
    EXPECT_EQ(editorFailureText("/a b/c.txt"),
              "No se ha podido abrir el editor con el archivo\r\n/a b/c.txt");
}
