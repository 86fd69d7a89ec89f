#pragma once

namespace tarvi::platform {

// The windows ask for their fonts by the names they were designed with
// (Arial, Arial Narrow, Tahoma, Comic Sans MS); this maps those names onto
// the metric-compatible free fonts installed with the program. Call once,
// after the QApplication exists and before the first window is built.
void installFontSubstitutions();

} // namespace tarvi::platform
