#pragma once

#include "render/drawingarea.h"

#include <string_view>

namespace tarvi::testkit {

// The formula drawing done the slow, obvious way: every time the lines do not
// fit, grow the area one step, clear it and draw the whole text again from the
// start. The program's renderer must give exactly the same outcome.
void literalPintaFrm(DrawingArea& area, float x, float& y, std::u32string_view text);

} // namespace tarvi::testkit
