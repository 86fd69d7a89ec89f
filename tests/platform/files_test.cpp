#include "platform/files.h"

#include "tests/support/workdir.h"
#include "tests/support/writefile.h"

#include <gtest/gtest.h>

using namespace tarvi::platform;

TEST(Append, KeepsWhatIsThereByteForByteOrSaysWhyNot)
{
    tarvi::testkit::TempWorkDir work;
    const QString cases = work.file("cases.txt");
    const QByteArray before("first\r\n\xff\x00 binary\r\n", 18);
    tarvi::testkit::writeFile(cases, before);
    EXPECT_TRUE(appendToFile(cases, "V(5,3) = 60\r\n\r\n").ok());
    QFile file(cases);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before + "V(5,3) = 60\r\n\r\n");

    EXPECT_EQ(reasonText(appendToFile(work.file("no/cases.txt"), "x"), 0),
              "the folder or the file does not exist");
    EXPECT_EQ(reasonText(appendToFile(work.path(), "x"), 1), "és una carpeta");
    EXPECT_EQ(reasonText(appendToFile("/dev/full", "x"), 2), "el disco está lleno");
}
