#pragma once

#include "platform/language.h"
#include "tools/utools.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace tarvi {

// The editor's language, worked out each time it opens.
struct LanguageChoice {
    // The language given from outside; nothing when neither the command line
    // nor Lng.txt gave one, and the program-wide language is kept.
    std::optional<platform::Language> idioma;
    // True only when no language came from outside: then "Ok" refreshes the
    // main window's tools menu.
    bool refrescaMenu = false;
};

// Picks the language from the program's arguments joined by blanks or, when
// there are none, from the first field of Lng.txt in the working folder:
// "cat" (any case) is Catalan, "esp" Spanish, any other text English.
LanguageChoice chooseLanguage(const QString& commandLine, const platform::WorkFolder& folder);

// The editor's texts in one language.
struct EditorTexts {
    QString window;                // window title
    QString tools;                 // EtTools
    QString tool;                  // Ped
    std::array<QString, 4> labels; // Et(0 ... 3)
    QString confirmTitle;          // TitolsConfirm
    QString erasePrefix;           // PrefixosEsborra
    QString listFull;
    QString emptyTitle;
    QString saveFailed;
};

const EditorTexts& textsFor(platform::Language language);

// The question asked before a tool is deleted: "¿Eliminar NOTEPAD ?".
QString eraseQuestion(const EditorTexts& texts, const QString& title);

enum class AcceptOutcome { Added, Replaced, ListFull, EmptyTitle };

// Puts the entry into slot ToolActual, or at the end of the list when
// ToolActual is 0. An entry without a title, or a new one when twelve tools are
// already listed, is refused and the list is left as it was.
AcceptOutcome acceptTool(const ToolEntry& entry);

// Deletes the tool of slot ToolActual and moves the ones after it up; nothing
// when ToolActual is 0.
void eraseTool();

// A chosen path split into the file name and the folder it lies in. A file at
// the root keeps the root as its folder, so that the launcher's join names the
// same file again.
struct PathParts {
    QString file;
    QString workDir;
};
PathParts splitPath(const QString& path);

} // namespace tarvi
