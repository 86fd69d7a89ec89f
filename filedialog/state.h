#pragma once

#include "platform/filechooser.h"

#include <QString>

#include <cstdint>

namespace tarvi {

// The file dialog's state, kept for the whole run outside its window.
extern std::int16_t ModeDlg; // the code of the dialog's platform::FileMode
extern QString FtxTriat;     // the dialog's result; empty after a cancel
extern QString CarpActual;   // the folder the folder list shows
extern QString CarpAnterior; // the folder shown before the last change: where back leads

// ModeDlg as a mode.
inline platform::FileMode dialogMode() { return static_cast<platform::FileMode>(ModeDlg); }

} // namespace tarvi
