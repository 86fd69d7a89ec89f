#pragma once

#include "platform/messages.h"
#include "platform/openwatch.h"
#include "platform/programstart.h"
#include "platform/workfolder.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarvi::platform {

// A program and its arguments, ready to start without a shell.
struct Launch {
    QString program;
    QStringList arguments;

    bool operator==(const Launch&) const = default;
};

// The desktop programs that open documents.
struct Openers {
    QString document = QStringLiteral("xdg-open"); // also stands in for Notepad
    QString fallback = QStringLiteral("gio");      // run as "gio open DOC"
};

// Splits a command line into words at spaces; double quotes group words and
// are removed.
QStringList splitCommandLine(const QString& commandLine);

// What a Windows-style command line means here, planned without starting
// anything:
// - "NotePad.exe PATH" / "Notepad PATH": PATH, unchanged and as one argument,
//   opened with the document opener;
// - "cmd.exe /c DOC": DOC opened with the document opener; "command.com /c DOC":
//   with "gio open"; double quotes in DOC only group, as for the interpreter;
// - otherwise the line starts with a program: a first word in double quotes
//   names it whole; an unquoted line is searched as Windows searches it, runs
//   of words from the left, shortest first, until one is an existing
//   executable (bare names are looked up in the working folder, then on PATH);
//   the words after it are its arguments, double quotes grouping them;
// - a ".bat" file found that way has its first line run as the command
//   interpreter would: an executable program is started with its words as
//   arguments, any other line is opened as a document.
// The planned program is always the full path of an existing executable.
// Nothing when the line is empty or names nothing that can be started.
std::optional<Launch> planStart(const QString& commandLine, const QString& workingFolder,
                                const Openers& openers);

// Starts command lines on this system in the program's working folder, where
// bare names are looked up first. Programs are started detached; a document
// goes to the desktop's opener, which is watched without waiting: when it
// fails, "gio open" is tried next (for the opener, not for "gio" itself), and
// when that fails too, `messages` names the document in a box. Window styles
// cannot be imposed on Linux desktops and are ignored. No user text is ever
// handed to a shell.
class SystemStarter final : public ProgramStarter {
public:
    SystemStarter(const WorkFolder& folder, MessageService& messages, Openers openers = {})
        : folder_(folder), openers_(std::move(openers)), openings_(messages)
    {
    }

    bool start(const QString& commandLine, WindowStyle style) override;

private:
    const WorkFolder& folder_;
    Openers openers_;
    OpeningWatch openings_;
};

} // namespace tarvi::platform
