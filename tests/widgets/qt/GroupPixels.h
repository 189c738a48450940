// Pixels of painted group widgets for the tests.
#pragma once

#include <QImage>
#include <cstdlib>

#include "platform/Colors.h"

namespace vx::test {

inline TColor PixelOf(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// Within `tolerance` on every channel (gradient bands step by a few levels).
inline bool Near(TColor a, TColor b, int tolerance = 6) {
    a = ColorToRGB(a);
    b = ColorToRGB(b);
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
           std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

}  // namespace vx::test
