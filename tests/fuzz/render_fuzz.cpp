// The formula renderer: on any markup and geometry, the program's renderer
// leaves exactly what the literal one, which redraws from the start at every
// step of growth, leaves.

#include "render/pintafrm.h"
#include "testkit/fakearea.h"
#include "testkit/literalfrm.h"
#include "tests/fuzz/property.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>

using tarvi::fuzz::escaped;
using tarvi::fuzz::require;
using tarvi::testkit::FakeArea;

namespace {

// The area and the place a drawing starts, from the input's first bytes:
// widths and heights from none to about seven inches, font sizes from 0 to
// 64 points in quarters, screens with and without pixel rounding, and areas
// that stop growing.
struct Geometry {
    float widthTwips, heightTwips, size, x, y, pixelTwips, maxHeightTwips;
};

constexpr std::size_t kGeometryBytes = 6;
// A longer text only repeats what a shorter one shows, at the literal
// renderer's cost of one pass per step of growth.
constexpr std::size_t kLongestText = 120;

Geometry geometryOf(const std::uint8_t* bytes)
{
    const float height = bytes[1] * 40.0f;
    return {
        bytes[0] * 40.0f,
        height,
        bytes[2] / 4.0f,
        (bytes[3] % 64) / 2.0f,
        (bytes[4] - 64) / 2.0f,
        static_cast<float>(bytes[5] % 16),
        bytes[5] & 0x80 ? 1e9f : height + (bytes[5] & 0x70) * 25.0f,
    };
}

std::string describe(const Geometry& g, const std::u32string& text)
{
    std::string letters;
    for (const char32_t c : text)
        letters += static_cast<char>(c);
    return "width " + std::to_string(g.widthTwips) + " height " + std::to_string(g.heightTwips) + " size " +
           std::to_string(g.size) + " x " + std::to_string(g.x) + " y " + std::to_string(g.y) + " pixel " +
           std::to_string(g.pixelTwips) + " max " + std::to_string(g.maxHeightTwips) + " text " +
           escaped(letters);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kGeometryBytes)
        return 0;
    const Geometry g = geometryOf(data);
    const std::u32string text(data + kGeometryBytes, data + std::min(size, kGeometryBytes + kLongestText));

    // What is left on the area: the drawing, its height, the line top, the
    // font size and the pen.
    const auto outcome = [&](auto draw) {
        FakeArea area(g.widthTwips, g.heightTwips, g.size, g.pixelTwips);
        area.maxHeightTwips = g.maxHeightTwips;
        area.drawing.push_back({U'#', 7, 7, 7}); // a previous drawing, kept or cleared
        float y = g.y;
        draw(area, g.x, y, text);
        return std::tuple(area.drawing, area.heightTwips(), y, area.fontSize(), area.currentX(),
                          area.currentY());
    };
    const auto fast = outcome(tarvi::PintaFrm);
    const auto literal = outcome(tarvi::testkit::literalPintaFrm);
    require(std::get<0>(fast) == std::get<0>(literal), "the same glyphs at the same places",
            [&] { return describe(g, text); });
    require(std::get<1>(fast) == std::get<1>(literal), "the same final height",
            [&] { return describe(g, text); });
    require(std::get<2>(fast) == std::get<2>(literal), "the same last line top",
            [&] { return describe(g, text); });
    require(std::get<3>(fast) == g.size && std::get<3>(literal) == g.size, "the font size restored",
            [&] { return describe(g, text); });
    require(std::get<4>(fast) == std::get<4>(literal) && std::get<5>(fast) == std::get<5>(literal),
            "the pen left at the same place", [&] { return describe(g, text); });
    return 0;
}
