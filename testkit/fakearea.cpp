#include "testkit/fakearea.h"

#include <algorithm>
#include <cmath>

namespace tarvi::testkit {

FakeArea::FakeArea(float widthTwips, float heightTwips, float fontSize, float pixelTwips)
    : width_(widthTwips), height_(heightTwips), size_(fontSize), pixelTwips_(pixelTwips)
{
}

float FakeArea::widthFactor(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return 0.5f;
    switch (c) {
    case U' ':
    case U'.':
        return 0.25f;
    case U'(':
    case U')':
        return 0.3f;
    case U'+':
        return 0.58f;
    case U'm':
    case U'w':
        return 0.8f;
    default:
        return 0.55f;
    }
}

void FakeArea::setHeightTwips(float twips)
{
    if (pixelTwips_ > 0)
        twips = std::ceil(twips / pixelTwips_) * pixelTwips_;
    height_ = std::min(twips, maxHeightTwips);
    ++heightChanges;
}

} // namespace tarvi::testkit
