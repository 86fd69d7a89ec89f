// Program start: planning what a command line starts, in a folder holding
// programs, documents, folders, a pipe and a launch file whose line comes from
// the input. Planning starts nothing; what it plans is sound.

#include "platform/systemstart.h"
#include "tests/fuzz/property.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <utility>

using tarvi::fuzz::escaped;
using tarvi::fuzz::require;
using namespace tarvi::platform;

namespace {

// Removed again when the run ends.
QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

Openers openers;

QString inFolder(const QString& name) { return folder().filePath(name); }

// A program that, were it ever run, would leave a mark in the folder.
void makeProgram(const QString& name)
{
    QFile file(inFolder(name));
    require(file.open(QIODevice::WriteOnly), "a program made");
    file.write(("#!/bin/sh\necho started >'" + inFolder("started") + "'\n").toUtf8());
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void makeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(inFolder(name));
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "a file made");
    file.write(bytes);
}

std::string plan(const std::optional<Launch>& launch)
{
    if (!launch)
        return "nothing";
    std::string text = escaped(launch->program.toStdString());
    for (const QString& argument : launch->arguments)
        text += " " + escaped(argument.toStdString());
    return text;
}

// The first word as the command interpreter reads it, blanks inside double
// quotes belonging to it and the quotes gone, and the text after the blank
// that ends it.
std::pair<QString, QString> firstWord(const QString& line)
{
    qsizetype at = 0;
    while (at < line.size() && line[at] == u' ')
        ++at;
    QString word;
    bool quoted = false;
    for (; at < line.size() && (quoted || line[at] != u' '); ++at)
        if (line[at] == u'"')
            quoted = !quoted;
        else
            word += line[at];
    return {word, line.mid(at + 1)};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    require(folder().isValid(), "a folder of its own");
    QDir dir(folder().path());
    dir.mkpath("my tools");
    dir.mkpath("docs");
    dir.mkpath("folder.bat");
    makeProgram("tool");
    makeProgram("my tools/x.exe");
    makeProgram("opener");
    makeProgram("gio");
    makeFile("doc.txt", "text\r\n");
    makeFile("plain.exe", "not a program\r\n");
    makeFile("run.bat", "tool\r\n");
    require(::mkfifo(inFolder("pipe.bat").toUtf8().constData(), 0600) == 0, "a pipe made");
    QFile::link(inFolder("run.bat"), inFolder("link.bat"));
    QFile::link(inFolder("pipe.bat"), inFolder("pipelink.bat"));
    openers = Openers{inFolder("opener"), inFolder("gio")};
    return 0;
}

// The input is the command line, then a line feed and the launch file's text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t end = std::min(bytes.find('\n'), bytes.size());
    const QString line = QString::fromUtf8(bytes.substr(0, std::min<std::size_t>(end, 400)));
    makeFile("run.bat", end < bytes.size() ? QByteArray::fromStdString(bytes.substr(end + 1)) : QByteArray());

    const std::optional<Launch> launch = planStart(line, folder().path(), openers);
    const auto explain = [&] { return escaped(line.toStdString()) + " planned " + plan(launch); };
    require(!QFileInfo::exists(inFolder("started")), "planning starts nothing", explain);

    // "Notepad PATH": PATH as it is, one argument for the document opener.
    const auto [first, rest] = firstWord(line);
    if (first.compare(u"notepad", Qt::CaseInsensitive) == 0 ||
        first.compare(u"notepad.exe", Qt::CaseInsensitive) == 0) {
        require(rest.isEmpty() ? !launch : launch == Launch{openers.document, {rest}},
                "Notepad is handed its path whole", explain);
        return 0;
    }
    if (!launch)
        return 0;
    const QFileInfo program(launch->program);
    require(program.isAbsolute() && program.isFile() && program.isExecutable(),
            "what is planned is an existing program", explain);
    for (const QString& argument : launch->arguments)
        require(!argument.contains(u'"'), "double quotes group words and are not handed over", explain);
    return 0;
}
