#pragma once

#include "platform/filechooser.h"
#include "platform/services.h"

#include <QString>

namespace tarvi {

class DFtxs;

// Asks the user for a file in the program's own modal dialog and returns the
// full path chosen, or empty text when the user cancelled.
// mode: Open (the file must exist) or Save (any name is accepted).
// folder: where the dialog starts; when nothing of that name exists, the
//   dialog starts in the working folder and `folder` is set to it.
// patterns: "|"-separated file patterns for the type box ("*.txt|*.*"); the
//   first one filters the file list from the start.
// The texts are in the language of Idioma.
QString TriaFtx(const platform::Services& services, platform::FileMode mode, QString& folder,
                const QString& patterns);

// Loads the window, puts its texts into the current language, points it at
// the starting folder, fills the type box and shows it modally.
void PreparaDFtxs(DFtxs& window, const platform::Services& services, QString& folder,
                  const QString& patterns);

} // namespace tarvi
