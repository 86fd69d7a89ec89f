#pragma once

#include "platform/programstart.h"

#include <QString>

namespace tarvi {

// Opens a document that lies in the working folder with whatever program the
// system associates with its type: first through "cmd.exe /c ", hidden, and
// only if that interpreter cannot be started through "command.com /c ".
// Returns false when neither could be started; the caller tells the user.
// Whether the document exists is not checked: a missing one opens nothing.
bool ObreDoc(platform::ProgramStarter& starter, const QString& doc);

// The message shown when ObreDoc could not start either interpreter.
QString openDocFailureTitle();
QString openDocFailureText(const QString& doc);

} // namespace tarvi
