#pragma once

#include "platform/language.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tarvi {

// The file dialog's texts in one language.
struct DialogTexts {
    const char* titleOpen;
    const char* titleSave;
    const char* name;          // EtNom
    const char* type;          // EtTp
    const char* cancel;        // BtFuig
    const char* backTip;       // BtRere
    const char* upTip;         // BtAm
    const char* openFolderTip; // BtObr
    const char* newFolderTip;  // BtNova
    const char* newFolderName; // the default text of IdNova
    // What the dialog says when the system refuses what the user asked for.
    const char* folderGone;
    const char* cannotMakeFolder;
    const char* cannotErase;
    const char* eraseTitle;
    const char* cannotStart;
};

// One column for each Language.
extern const std::array<DialogTexts, 3> TxtsDlg;

const DialogTexts& dialogTexts(platform::Language language);

// Texts that are the same in every language.
namespace dialogtext {
inline constexpr char16_t Ok[] = u"Ok";
inline constexpr char16_t FileNotFound[] = u"File not found";
inline constexpr char16_t PathNotFound[] = u"Path not found";
inline constexpr char16_t EraseFile[] = u"Erase file?";
inline constexpr char16_t NoDisc[] = u"No hi ha disc a  ";
inline constexpr char16_t NotAccessible[] = u"No accessible";
} // namespace dialogtext

} // namespace tarvi
