#pragma once

#include "render/drawingarea.h"

#include <string_view>

namespace tarvi {

// The sizes and distances of a formula drawn at base size `base` into an area
// `width` points wide. Every drawing of a formula computes them the same way,
// in single precision, so that layouts agree to the last bit.
struct FrmMetrics {
    FrmMetrics(float base, float width)
        : base(base), small(4.0f * base / 5.0f), raise(base / 5.0f), lower(2.0f * base / 3.0f),
          wrapAt(0.98f * width), edge(width), lineAdvance(1.1f * base), growth(1.1f * base)
    {
    }

    float base;        // plain characters
    float small;       // raised and lowered characters
    float raise;       // a raised run sits this much above the line top
    float lower;       // a lowered run sits this much below it
    float wrapAt;      // a line ends once the pen has passed this x
    float edge;        // no character may end beyond this x
    float lineAdvance; // from one line top to the next, in points
    float growth;      // one step of the area's height, in twips
};

// Draws a one-line formula into `area`, starting at (x, y), without clearing
// what is there. "^" raises and "_" lowers what follows in a smaller size;
// digits continue such a run, and "^(" or "_(" carries it over the whole
// group up to the matching ")", leaving both parentheses out. Lines wrap once
// a plain character has crossed 98 % of the width, and before any character
// that would end beyond the area's right edge; when the lines do not fit,
// the area is made taller until they do, and only the final drawing remains.
// On return `y` is the top of the last line and the area's font size is what
// it was on entry.
void PintaFrm(DrawingArea& area, float x, float& y, std::u32string_view text);

} // namespace tarvi
