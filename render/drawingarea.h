#pragma once

namespace tarvi {

// What the formula renderer needs of the surface it draws on. Drawing
// coordinates and font sizes are in points; the outer height is in twips,
// the unit of the window that holds the area.
class DrawingArea {
public:
    virtual ~DrawingArea() = default;

    virtual float fontSize() const = 0;
    virtual void setFontSize(float size) = 0;

    // The drawable width and height in points; the height is read afresh
    // whenever it is needed, since it follows the outer height.
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;

    virtual float heightTwips() const = 0;
    virtual void setHeightTwips(float twips) = 0;

    // The pen.
    virtual float currentX() const = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;

    // Erases the drawing.
    virtual void clear() = 0;

    // The width of one character in the current font: how far print() would
    // move the pen.
    virtual float textWidth(char32_t c) const = 0;

    // Draws one character at the pen, with the current font, and advances the
    // pen's x by the character's width; the pen's y stays.
    virtual void print(char32_t c) = 0;
};

} // namespace tarvi
