#pragma once

#include "platform/language.h"
#include "tests/support/fakes.h"
#include "tests/support/workdir.h"
#include "tools/utools.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <ostream>
#include <sys/resource.h>
#include <vector>

#include <gtest/gtest.h>

namespace tarvi::testkit {

inline QByteArray readBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Replaces the list in memory.
inline void setList(const std::vector<ToolEntry>& list)
{
    Tools.fill({});
    NumTools = static_cast<std::int16_t>(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        Tools[i + 1] = list[i];
}

// The list in memory, slots 1 ... NumTools.
inline std::vector<ToolEntry> currentList()
{
    return {Tools.begin() + 1, Tools.begin() + 1 + NumTools};
}

inline ToolEntry tool(const QString& title) { return {title, title.toLower() + QStringLiteral(".exe"), {}, {}}; }

// Files written while this lives may not grow beyond `bytes`: a full disk,
// even for a process that may write anywhere. The signal a write beyond the
// limit raises is ignored, so the write fails instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

// A fresh working folder, an empty list in memory and Spanish as the program
// starts, with recording fakes for the services.
class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setList({});
        ToolActual = 0;
        Idioma = 2;
    }

    TempWorkDir dir;
    FakeMessages messages;
    FakeStarter starter;
    platform::Services services{messages, starter};
};

} // namespace tarvi::testkit

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
