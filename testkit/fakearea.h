#pragma once

#include "render/drawingarea.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvi::testkit {

// A drawing area that records what is drawn on it. Characters have fixed
// widths, a fraction of the font size that depends on the character, so that
// layouts are exact and the same on every machine. Heights are in twips, 20
// to the point; with `pixelTwips` set, a height is rounded up to whole pixels
// of that many twips, as a screen does.
class FakeArea final : public DrawingArea {
public:
    struct Glyph {
        char32_t c;
        float x;
        float y;
        float size;

        bool operator==(const Glyph&) const = default;
    };

    FakeArea(float widthTwips, float heightTwips, float fontSize, float pixelTwips = 0)
        : width_(widthTwips), height_(heightTwips), size_(fontSize), pixelTwips_(pixelTwips)
    {
    }

    // What is visible: every character drawn since the last clear.
    std::vector<Glyph> drawing;
    float maxHeightTwips = 1e9f;

    static float widthFactor(char32_t c)
    {
        if (c >= U'0' && c <= U'9')
            return 0.5f;
        const std::u32string_view narrow = U" .()+mw";
        constexpr float factors[] = {0.25f, 0.25f, 0.3f, 0.3f, 0.58f, 0.8f, 0.8f};
        const std::size_t at = narrow.find(c);
        return at == narrow.npos ? 0.55f : factors[at];
    }

    float currentY() const { return y_; }

    float fontSize() const override { return size_; }
    void setFontSize(float size) override { size_ = size; }
    float scaleWidth() const override { return width_ / 20.0f; }
    float scaleHeight() const override { return height_ / 20.0f; }
    float heightTwips() const override { return height_; }
    void setHeightTwips(float twips) override
    {
        height_ =
            std::min(pixelTwips_ > 0 ? std::ceil(twips / pixelTwips_) * pixelTwips_ : twips, maxHeightTwips);
    }
    float currentX() const override { return x_; }
    void setCurrentX(float x) override { x_ = x; }
    void setCurrentY(float y) override { y_ = y; }
    void clear() override { drawing.clear(); }
    float textWidth(char32_t c) const override { return size_ * widthFactor(c); }
    void print(char32_t c) override
    {
        drawing.push_back({c, x_, y_, size_});
        x_ += textWidth(c);
    }

private:
    float width_;
    float height_;
    float size_;
    float pixelTwips_;
    float x_ = 0;
    float y_ = 0;
};

} // namespace tarvi::testkit
