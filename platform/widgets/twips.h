#pragma once

#include <QRect>

namespace tarvi::platform {

// The window is laid out in twips (1/1440 inch) at 15 twips to a logical
// pixel; Qt scales logical pixels to the screen.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
constexpr int twipsOf(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

} // namespace tarvi::platform
