#include "platform/systemstart.h"

#include "platform/codepage.h"
#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <optional>
#include <utility>

namespace tarvi::platform {

namespace {

// One word of a command line: its text without double quotes, and where it
// stands in the line, from its first character to just after its last.
struct Word {
    QString text;
    qsizetype start = 0;
    qsizetype end = 0;
    bool quoted = false; // it holds a double quote
};

// The words of a command line, split at spaces; double quotes group spaces
// into a word and are removed, so that "" is an empty word. Every reading of
// a command line below takes its words from here.
QList<Word> commandWords(const QString& line)
{
    QList<Word> words;
    std::optional<Word> word;
    bool inQuotes = false;
    for (qsizetype at = 0; at <= line.size(); ++at) {
        if (at == line.size() || (line[at] == u' ' && !inQuotes)) {
            if (word) {
                word->end = at;
                words << *std::exchange(word, std::nullopt);
            }
            continue;
        }
        if (!word)
            word = Word{{}, at, at, false};
        if (line[at] == u'"') {
            inQuotes = !inQuotes;
            word->quoted = true;
        } else {
            word->text += line[at];
        }
    }
    return words;
}

QStringList textsOf(const QList<Word>& words)
{
    QStringList texts;
    for (const Word& word : words)
        texts << word.text;
    return texts;
}

// The first word of a line and where the text after it (and one space) begins.
struct FirstWord {
    QString word;
    qsizetype restAt;
};

FirstWord firstWord(const QString& line)
{
    const QList<Word> words = commandWords(line);
    if (words.isEmpty())
        return {{}, line.size()};
    const Word& first = words.front();
    return {first.text, first.end < line.size() ? first.end + 1 : first.end};
}

bool isProgram(const QFileInfo& info) { return info.isFile() && info.isExecutable(); }

// A name with a folder part is taken from the working folder; a bare name is
// looked for in the working folder, then on PATH.
QString executableFor(const QString& name, const QString& workingFolder)
{
    if (name.isEmpty())
        return {};
    if (name.contains(u'/')) {
        const QFileInfo info(QDir(workingFolder), name);
        return isProgram(info) ? info.absoluteFilePath() : QString();
    }
    const QFileInfo local(QDir(workingFolder), name);
    if (isProgram(local))
        return local.absoluteFilePath();
    return QStandardPaths::findExecutable(name);
}

// A desktop opener is a path or a name on PATH.
QString openerProgram(const QString& opener)
{
    if (!opener.contains(u'/'))
        return opener.isEmpty() ? QString() : QStandardPaths::findExecutable(opener);
    const QFileInfo info(opener);
    return isProgram(info) ? info.absoluteFilePath() : QString();
}

// The command interpreter takes double quotes as grouping, not as part of a
// document's name.
QString unquoted(QString text) { return text.remove(u'"'); }

std::optional<Launch> openDocument(const QString& document, const QString& opener, QStringList before = {})
{
    const QString program = openerProgram(opener);
    if (document.isEmpty() || program.isEmpty())
        return std::nullopt;
    before << document;
    return Launch{program, before};
}

// What the start of a command line names, and the words after it.
struct Command {
    QString path;
    bool launchFile = false; // a ".bat" file, whose line is to be run
    QStringList arguments;
};

// A name that can be started: a launch file when those are wanted, or an
// executable program.
std::optional<Command> commandNamed(const QString& name, const QString& workingFolder, bool launchFiles)
{
    if (launchFiles && name.endsWith(u".bat", Qt::CaseInsensitive)) {
        const QFileInfo file(QDir(workingFolder), name);
        if (file.isFile())
            return Command{file.absoluteFilePath(), true, {}};
    }
    const QString program = executableFor(name, workingFolder);
    if (program.isEmpty())
        return std::nullopt;
    return Command{program, false, {}};
}

// What a command line starts. A first word in double quotes names it whole.
// Otherwise, as the command interpreter does with an unquoted line, runs of
// words from the left are tried, shortest first ("/my", then
// "/my tools/x.exe"), until one can be started; the words after it are its
// arguments. A word holding a double quote ends the search, since the quote
// groups what follows it.
std::optional<Command> findCommand(const QString& line, const QString& workingFolder, bool launchFiles)
{
    const QList<Word> words = commandWords(line);
    if (words.isEmpty())
        return std::nullopt;
    const qsizetype start = words.front().start;
    bool tried = false;
    for (const Word& word : words) {
        if (word.quoted)
            break;
        tried = true;
        if (auto command = commandNamed(line.sliced(start, word.end - start), workingFolder, launchFiles)) {
            command->arguments = splitCommandLine(line.sliced(word.end));
            return command;
        }
    }
    if (tried)
        return std::nullopt;
    auto command = commandNamed(words.front().text, workingFolder, launchFiles);
    if (command)
        command->arguments = textsOf(words.sliced(1));
    return command;
}

// The one line of a launch file, as the system code page (the locale's) holds it.
std::optional<QString> batchLine(const QString& path)
{
    QByteArray bytes;
    if (!readOwnFile(path, bytes).ok())
        return std::nullopt;
    const qsizetype end = bytes.indexOf('\n');
    QByteArray line = end < 0 ? bytes : bytes.first(end);
    while (line.endsWith('\r'))
        line.chop(1);
    return fromCodePage(line);
}

} // namespace

QStringList splitCommandLine(const QString& commandLine) { return textsOf(commandWords(commandLine)); }

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
        const QString document = unquoted(rest.mid(flag.restAt));
        if (name == u"cmd.exe")
            return openDocument(document, openers.document);
        return openDocument(document, openers.fallback, {QStringLiteral("open")});
    }

    const std::optional<Command> command = findCommand(commandLine, workingFolder, true);
    if (!command)
        return std::nullopt;
    if (!command->launchFile)
        return Launch{command->path, command->arguments};
    // A launch file's line runs as the command interpreter would run it: a
    // program with its words, or else a document to open.
    const std::optional<QString> line = batchLine(command->path);
    // The interpreter drops any white space around the line, not only spaces.
    const QString lineWithoutWhiteSpace = line ? line->trimmed() : QString();
    if (lineWithoutWhiteSpace.isEmpty())
        return std::nullopt;
    if (const auto program = findCommand(*line, workingFolder, false))
        return Launch{program->path, program->arguments};
    return openDocument(unquoted(lineWithoutWhiteSpace), openers.document);
}

bool SystemStarter::start(const QString& commandLine, WindowStyle)
{
    const QString& workingFolder = folder_.path();
    const std::optional<Launch> launch = planStart(commandLine, workingFolder, openers_);
    if (!launch)
        return false;
    const QString opener = openerProgram(openers_.document);
    const QString fallback = openerProgram(openers_.fallback);
    const bool opens = !opener.isEmpty() && launch->program == opener && launch->arguments.size() == 1;
    const bool fallbackOpens = !fallback.isEmpty() && launch->program == fallback &&
                               launch->arguments.size() == 2 && launch->arguments[0] == u"open";
    if (!opens && !fallbackOpens)
        return QProcess::startDetached(launch->program, launch->arguments, workingFolder);
    const QString document = launch->arguments.constLast();
    const std::optional<Launch> next =
        opens ? openDocument(document, openers_.fallback, {QStringLiteral("open")}) : std::nullopt;
    openings_.open(*launch, next, document, workingFolder);
    return true;
}

} // namespace tarvi::platform
