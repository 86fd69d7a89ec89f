#include "render/pintafrm.h"

#include <cmath>
#include <vector>

namespace tarvi {

namespace {

struct Placed {
    char32_t c;
    float x;
    float y;
    float size;
};

// Where one pass over the text puts every character, and where it leaves the
// pen and the line top.
struct Layout {
    std::vector<Placed> placed;
    float penX = 0;
    float penY = 0;
    float lineTop = 0;
};

// One pass over the text, placing every character without drawing it: the
// pen moves by the widths the area reports, as printing would move it.
// Nothing in it depends on the area's height or drawing, so it is the layout
// of every pass the text could ever need.
Layout layOut(DrawingArea& area, const FrmMetrics& m, float x, float y, std::u32string_view text)
{
    Layout out;
    out.placed.reserve(text.size());
    bool raised = false;
    bool lowered = false;
    bool plain = true;
    int depth = 0;
    char32_t prev = U' ';
    float size = m.base;
    float penX = x;
    float penY = y;

    const auto applyStyle = [&] {
        size = plain ? m.base : m.small;
        area.setFontSize(size);
        penY = y;
        if (raised)
            penY = y - m.raise;
        if (lowered)
            penY = y + m.lower;
    };
    const auto endRun = [&] {
        raised = lowered = false;
        plain = true;
        applyStyle();
    };
    const auto draw = [&](char32_t c) {
        const float width = area.textWidth(c);
        // A character that would stick out of the area starts the next line,
        // where its run goes on at the same height above or below the line.
        if (penX > x && penX + width > m.edge) {
            penX = x;
            y += m.lineAdvance;
            applyStyle();
        }
        out.placed.push_back({c, penX, penY, size});
        penX += width;
    };

    for (const char32_t c : text) {
        plain = !(raised || lowered);
        applyStyle();
        switch (c) {
        case U'^':
            raised = true;
            break;
        case U'_':
            lowered = true;
            break;
        case U'(':
            ++depth;
            if (prev != U'^' && prev != U'_')
                draw(c);
            break;
        case U')':
            --depth;
            if (depth == 0 && !plain)
                endRun();
            else
                draw(c);
            break;
        default:
            if ((c < U'0' || c > U'9') && depth == 0 && !plain)
                endRun();
            draw(c);
            break;
        }
        prev = c;
        if (plain && penX > m.wrapAt) {
            penX = x;
            y += m.lineAdvance;
            penY = y;
        }
    }
    out.penX = penX;
    out.penY = penY;
    out.lineTop = y;
    return out;
}

} // namespace

void PintaFrm(DrawingArea& area, float x, float& y, std::u32string_view text)
{
    const FrmMetrics m(area.fontSize(), area.scaleWidth());
    const Layout layout = layOut(area, m, x, y, text);
    y = layout.lineTop;

    // The lines fit when the last one does, since line tops only go down.
    // Otherwise the area grows step by step, as it would if every step were
    // drawn, until they fit or the area will grow no further; the drawing
    // that was there is then cleared away, as each restart would clear it.
    if (!text.empty() && area.scaleHeight() - y < m.base) {
        do {
            const float before = area.scaleHeight();
            area.setHeightTwips(std::floor(area.heightTwips() + m.growth));
            if (!(area.scaleHeight() > before))
                break;
        } while (area.scaleHeight() - y < m.base);
        area.clear();
    }
    for (const Placed& p : layout.placed) {
        area.setFontSize(p.size);
        area.setCurrentX(p.x);
        area.setCurrentY(p.y);
        area.print(p.c);
    }
    area.setCurrentX(layout.penX);
    area.setCurrentY(layout.penY);
    area.setFontSize(m.base);
}

} // namespace tarvi
