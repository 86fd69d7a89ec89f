#pragma once

#include <QString>

#include <cstdint>

namespace tarvi {

// The file dialog's state, kept for the whole run outside its window.
extern std::int16_t ModeDlg; // 0 Open, 1 Save
extern QString FtxTriat;     // the dialog's result; empty after a cancel
extern QString CarpActual;   // the folder the folder list shows
extern QString CarpAnterior; // the folder shown before the last change: where back leads

} // namespace tarvi
