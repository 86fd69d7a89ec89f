// Program start: planning what a command line starts, in a folder holding
// programs, documents, folders, a pipe and a launch file whose line comes from
// the input. Planning starts nothing; what it plans is sound.

#include "platform/systemstart.h"
#include "tests/fuzz/property.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace tarvi::fuzz;
using namespace tarvi::platform;

namespace {

QTemporaryDir folder; // removed again when the run ends
Openers openers;

QString inFolder(const QString& name) { return folder.filePath(name); }

void makeFile(const QString& name, const QByteArray& bytes, bool program = false)
{
    QFile file(inFolder(name));
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "a file made");
    file.write(bytes);
    if (program)
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A program that, were it ever run, would leave a mark in the folder.
void makeProgram(const QString& name)
{
    makeFile(name, ("#!/bin/sh\necho started >'" + inFolder("started") + "'\n").toUtf8(), true);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    require(folder.isValid(), "a folder of its own");
    for (const char* name : {"my tools", "docs", "folder.bat"})
        QDir(folder.path()).mkpath(name);
    for (const char* name : {"tool", "my tools/x.exe", "opener", "gio"})
        makeProgram(name);
    makeFile("doc.txt", "text\r\n");
    makeFile("plain.exe", "not a program\r\n");
    require(::mkfifo(inFolder("pipe.bat").toUtf8().constData(), 0600) == 0, "a pipe made");
    QFile::link(inFolder("run.bat"), inFolder("link.bat"));
    QFile::link(inFolder("pipe.bat"), inFolder("pipelink.bat"));
    openers = Openers{inFolder("opener"), inFolder("gio")};
    return 0;
}

// The input is the command line, then a line feed and the launch file's text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [lineText, launchFile] = split(data, size, '\n');
    const QString line = QString::fromUtf8(lineText.substr(0, 400));
    makeFile("run.bat", QByteArray::fromStdString(launchFile.value_or("")));

    const std::optional<Launch> launch = planStart(line, folder.path(), openers);
    const auto explain = [&] {
        std::string plan = launch ? escaped(launch->program.toStdString()) : "nothing";
        for (const QString& argument : launch ? launch->arguments : QStringList())
            plan += " " + escaped(argument.toStdString());
        return escaped(line.toStdString()) + " planned " + plan;
    };
    require(!QFileInfo::exists(inFolder("started")), "planning starts nothing", explain);

    // The first word as the command interpreter reads it, blanks inside
    // double quotes belonging to it and the quotes gone, and what follows the
    // blank that ends it.
    qsizetype at = 0;
    while (at < line.size() && line[at] == u' ')
        ++at;
    QString first;
    for (bool quoted = false; at < line.size() && (quoted || line[at] != u' '); ++at)
        if (line[at] == u'"')
            quoted = !quoted;
        else
            first += line[at];
    // "Notepad PATH": PATH as it is, one argument for the document opener.
    if (first.compare(u"notepad", Qt::CaseInsensitive) == 0 ||
        first.compare(u"notepad.exe", Qt::CaseInsensitive) == 0) {
        const QString rest = line.mid(at + 1);
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
