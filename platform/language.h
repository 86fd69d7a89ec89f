#pragma once

#include <cstdint>

namespace tarvi::platform {

// The program-wide language of the file dialog and the tools editor:
// 0 English, 1 Catalan, 2 Spanish. The main window sets it to Spanish when it
// loads; the tools editor may change it for the rest of the run.
extern std::int16_t Idioma;

} // namespace tarvi::platform
