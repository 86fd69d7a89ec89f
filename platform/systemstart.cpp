#include "platform/systemstart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tarvi::platform {

namespace {

// The first word of a line and where the text after it (and one blank) begins.
struct FirstWord {
    QString word;
    qsizetype restAt;
};

FirstWord firstWord(const QString& line)
{
    qsizetype at = 0;
    while (at < line.size() && line[at] == u' ')
        ++at;
    QString word;
    bool quoted = false;
    for (; at < line.size() && (quoted || line[at] != u' '); ++at) {
        if (line[at] == u'"')
            quoted = !quoted;
        else
            word += line[at];
    }
    return {word, at < line.size() ? at + 1 : at};
}

QString executableFor(const QString& word, const QString& workingFolder)
{
    const auto isProgram = [](const QFileInfo& info) { return info.isFile() && info.isExecutable(); };
    if (word.isEmpty())
        return {};
    if (word.contains(u'/')) {
        const QFileInfo info(QDir(workingFolder), word);
        return isProgram(info) ? info.absoluteFilePath() : QString();
    }
    const QFileInfo local(QDir(workingFolder), word);
    if (isProgram(local))
        return local.absoluteFilePath();
    return QStandardPaths::findExecutable(word);
}

std::optional<Launch> openDocument(const QString& document, const QString& opener)
{
    if (document.isEmpty() || opener.isEmpty())
        return std::nullopt;
    return Launch{opener, {document}};
}

std::optional<Launch> runProgram(const QString& line, const QString& workingFolder)
{
    QStringList words = splitCommandLine(line);
    if (words.isEmpty())
        return std::nullopt;
    const QString program = executableFor(words.takeFirst(), workingFolder);
    if (program.isEmpty())
        return std::nullopt;
    return Launch{program, words};
}

// The one line of a launch file, as the system code page (the locale's) holds it.
std::optional<QString> batchLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

} // namespace

QStringList splitCommandLine(const QString& commandLine)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : commandLine) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == u' ' && !quoted) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

std::optional<Launch> planStart(const QString& commandLine, const QString& workingFolder,
                                const Openers& openers)
{
    const FirstWord first = firstWord(commandLine);
    const QString name = first.word.toLower();
    const QString rest = commandLine.mid(first.restAt);

    if (name == u"notepad.exe" || name == u"notepad")
        return openDocument(rest, openers.document);

    if (name == u"cmd.exe" || name == u"command.com") {
        const FirstWord flag = firstWord(rest);
        if (flag.word.toLower() != u"/c")
            return std::nullopt;
        const QString document = rest.mid(flag.restAt);
        if (name == u"cmd.exe")
            return openDocument(document, openers.document);
        if (document.isEmpty() || openers.fallback.isEmpty())
            return std::nullopt;
        return Launch{openers.fallback, {QStringLiteral("open"), document}};
    }

    if (name.endsWith(u".bat")) {
        const QFileInfo batch(QDir(workingFolder), first.word);
        if (!batch.isFile())
            return std::nullopt;
        const std::optional<QString> line = batchLine(batch.absoluteFilePath());
        if (!line || line->trimmed().isEmpty())
            return std::nullopt;
        if (auto program = runProgram(*line, workingFolder))
            return program;
        return openDocument(line->trimmed(), openers.document);
    }

    return runProgram(commandLine, workingFolder);
}

bool SystemStarter::start(const QString& commandLine, WindowStyle)
{
    const QString workingFolder = QDir::currentPath();
    const std::optional<Launch> launch = planStart(commandLine, workingFolder, openers_);
    if (!launch)
        return false;
    QString program = launch->program;
    if (!program.contains(u'/')) {
        program = QStandardPaths::findExecutable(program);
        if (program.isEmpty())
            return false;
    }
    return QProcess::startDetached(program, launch->arguments, workingFolder);
}

} // namespace tarvi::platform
