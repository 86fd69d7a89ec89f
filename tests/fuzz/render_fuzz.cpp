// The formula renderer: on any markup and geometry, the program's renderer
// leaves exactly what the literal one, which redraws from the start at every
// step of growth, leaves.

#include "render/pintafrm.h"
#include "testkit/fakearea.h"
#include "testkit/literalfrm.h"
#include "tests/fuzz/property.h"

#include <algorithm>
#include <tuple>

using namespace tarvi::fuzz;
using tarvi::testkit::FakeArea;

// The first six bytes give the area and the place a drawing starts: widths
// and heights from none to about seven inches, font sizes from 0 to 64 points
// in quarters, screens with and without pixel rounding, and areas that stop
// growing. The rest is the text; a longer one only repeats what a shorter one
// shows, at the literal renderer's cost of one pass per step of growth.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    const float width = data[0] * 40.0f, height = data[1] * 40.0f, fontSize = data[2] / 4.0f;
    const float x = (data[3] % 64) / 2.0f, y = (data[4] - 64) / 2.0f, pixel = data[5] % 16;
    const float maxHeight = data[5] & 0x80 ? 1e9f : height + (data[5] & 0x70) * 25.0f;
    const std::u32string text(data + 6, data + std::min<std::size_t>(size, 126));
    const auto explain = [&] { return "the input " + escaped(textOf(data, size)); };

    // What is left on the area: the drawing, its height, the line top, the
    // font size and the pen.
    const auto outcome = [&](auto draw) {
        FakeArea area(width, height, fontSize, pixel);
        area.maxHeightTwips = maxHeight;
        area.drawing.push_back({U'#', 7, 7, 7}); // a previous drawing, kept or cleared
        float lineTop = y;
        draw(area, x, lineTop, text);
        return std::tuple(area.drawing, area.heightTwips(), lineTop, area.fontSize(), area.currentX(),
                          area.currentY());
    };
    const auto fast = outcome(tarvi::PintaFrm);
    const auto literal = outcome(tarvi::testkit::literalPintaFrm);
    require(std::get<0>(fast) == std::get<0>(literal), "the same glyphs at the same places", explain);
    require(std::get<1>(fast) == std::get<1>(literal), "the same final height", explain);
    require(std::get<2>(fast) == std::get<2>(literal), "the same last line top", explain);
    require(std::get<3>(fast) == fontSize && std::get<3>(literal) == fontSize, "the font size restored",
            explain);
    require(std::get<4>(fast) == std::get<4>(literal) && std::get<5>(fast) == std::get<5>(literal),
            "the pen left at the same place", explain);
    return 0;
}
