#pragma once

#include "platform/programstart.h"

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

// Splits a command line into words at blanks; double quotes group words and
// are removed.
QStringList splitCommandLine(const QString& commandLine);

// What a Windows-style command line means here:
// - "NotePad.exe PATH" / "Notepad PATH": PATH, as one argument, opened with the
//   document opener;
// - "cmd.exe /c DOC": DOC opened with the document opener; "command.com /c DOC":
//   with "gio open";
// - a first word naming a ".bat" file: its first line is run as the command
//   interpreter would — an executable program is started with the rest of the
//   words as its arguments, any other line is opened as a document;
// - otherwise the first word is a program, looked up in the working folder and
//   then on PATH, and the other words are its arguments.
// Nothing when the line is empty or names no program that can be found.
std::optional<Launch> planStart(const QString& commandLine, const QString& workingFolder,
                                const Openers& openers);

// Starts command lines on this system, detached, in the working folder. Window
// styles cannot be imposed on Linux desktops and are ignored. No user text is
// ever handed to a shell.
class SystemStarter final : public ProgramStarter {
public:
    SystemStarter() = default;
    explicit SystemStarter(Openers openers) : openers_(std::move(openers)) {}

    bool start(const QString& commandLine, WindowStyle style) override;

private:
    Openers openers_;
};

} // namespace tarvi::platform
