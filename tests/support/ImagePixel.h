// The colour of one pixel of a painted image, as the drawing code names
// colours: for tests that check what a widget or routine painted.
#pragma once

#include <QImage>

#include "platform/Colors.h"

namespace vx::test {

inline TColor PixelAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

}  // namespace vx::test
