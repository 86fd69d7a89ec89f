#pragma once

#include "render/drawingarea.h"
#include "render/pintafrm.h"

#include <cmath>
#include <string_view>

namespace tarvi::testkit {

// The formula drawing done the slow, obvious way: every time the lines do not
// fit, grow the area one step, clear it and draw the whole text again from the
// start. The program's renderer must give exactly the same outcome.
inline void literalPintaFrm(DrawingArea& area, float x, float& y, std::u32string_view text)
{
    const float S = area.fontSize();
    const FrmMetrics m(S, area.scaleWidth());
    const float y0 = y;
    bool raised = false;
    bool lowered = false;
    bool plain = true;
    // An area that refuses to grow would make the restarts endless; from then
    // on the text is drawn as far as it goes.
    bool canGrow = true;

    const auto applyStyle = [&] {
        area.setFontSize(plain ? S : m.small);
        area.setCurrentY(lowered ? y + m.lower : raised ? y - m.raise : y); // lowered wins after "^_"
    };
    const auto endRun = [&] {
        raised = lowered = false;
        plain = true;
        applyStyle();
    };
    // Every character that is drawn: on the next line when it would end
    // beyond the right edge, unless it already starts a line.
    const auto print = [&](char32_t c) {
        if (area.currentX() > x && area.currentX() + area.textWidth(c) > m.edge) {
            area.setCurrentX(x);
            y = y + m.lineAdvance;
            applyStyle();
        }
        area.print(c);
    };

    // Passes: each starts from the first character; one that finds the lines
    // do not fit grows the area, clears it and gives way to the next.
    for (bool passDone = false; !passDone;) {
        passDone = true;
        area.setCurrentX(x);
        area.setCurrentY(y);
        int depth = 0;
        char32_t prev = U' ';
        raised = lowered = false;
        for (const char32_t c : text) {
            plain = !(raised || lowered);
            applyStyle();
            if (c == U'^') {
                raised = true;
            } else if (c == U'_') {
                lowered = true;
            } else if (c == U'(') {
                depth = depth + 1;
                if (!(prev == U'^' || prev == U'_'))
                    print(c);
            } else if (c == U')') {
                depth = depth - 1;
                if (depth == 0 && !plain)
                    endRun();
                else
                    print(c);
            } else {
                if (!(c >= U'0' && c <= U'9') && depth == 0 && !plain)
                    endRun();
                print(c);
            }
            prev = c;
            if (area.currentX() > m.wrapAt && plain) {
                area.setCurrentX(x);
                y = y + m.lineAdvance;
                area.setCurrentY(y);
            }
            if (canGrow && area.scaleHeight() - y < S) {
                const float before = area.scaleHeight();
                area.setHeightTwips(std::floor(area.heightTwips() + m.growth));
                canGrow = area.scaleHeight() > before;
                area.clear();
                y = y0;
                passDone = false;
                break;
            }
        }
    }
    area.setFontSize(S);
}

} // namespace tarvi::testkit
