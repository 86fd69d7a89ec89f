#pragma once

#include "counting/formulakind.h"
#include "platform/files.h"
#include "platform/services.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tarvi {

// The texts of one panel as the window shows them.
struct PanelTexts {
    QString m;
    QString n;                  // V, VR, C, CR
    QStringList multiplicities; // PR: the entries of the list, in list order
    QString result;
};

// The case line of a panel, such as "V(5,3) = 60" or "PR(6[2][3][1]) = 60";
// empty text when the panel's result box is empty.
QString caseLine(FormulaKind kind, const PanelTexts& panel);

// The block that a save appends: the case line of every panel with a result,
// in panel order, then the Newton expansion when there is one; each entry is
// followed by an empty line (CR LF line ends).
QString caseBlock(const std::array<PanelTexts, kKinds>& panels, const QString& formulaNwt);

// The block of entries made of these lines, each followed by an empty line.
QString caseEntries(const QStringList& lines);

// Appends a block to a case file in the system code page. What the file held
// is never rewritten.
platform::FsResult appendCaseBlock(const QString& path, const QString& block);

// Asks for a case file in the file dialog, starting in the case folder,
// appends the block to it and opens it in the editor; a file that cannot be
// written or an editor that cannot start is reported in a message box. False
// when nothing was written (also after a cancel).
bool appendToChosenCaseFile(const platform::Services& services, const QString& block);

// The message boxes' title and texts when a case file or an exercise sheet
// cannot be written or the editor cannot be started.
inline constexpr char16_t CaseFileTitle[] = u"Casos";
QString appendFailureText(const QString& path, const platform::FsResult& failure);
QString saveFailureText(const QString& path, const platform::FsResult& failure);
QString editorFailureText(const QString& path);

} // namespace tarvi
