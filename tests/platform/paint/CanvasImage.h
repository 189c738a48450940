// An image to draw on through a Canvas, read back pixel by pixel.
#pragma once

#include <QImage>
#include <QPainter>

#include "platform/paint/Canvas.h"

namespace vx::test {

class CanvasImage {
  public:
    CanvasImage(int width, int height, QRgb fill = qRgb(255, 255, 255))
        : image_(width, height, QImage::Format_RGB32) {
        image_.fill(fill);
    }

    template <typename Draw>
    void Paint(Draw draw) {
        QPainter painter(&image_);
        Canvas canvas(painter);
        draw(canvas);
    }

    // The pixel as an opaque RGB value, whatever its alpha byte holds.
    QRgb At(int x, int y) const { return image_.pixel(x, y) | 0xFF000000u; }
    bool Is(int x, int y, TColor c) const { return At(x, y) == ToQColor(c).rgb(); }
    int Count(QRgb rgb) const {
        int n = 0;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x)
                n += At(x, y) == rgb;
        }
        return n;
    }
    int CountNot(QRgb rgb) const { return image_.width() * image_.height() - Count(rgb); }
    // The bounding box of the pixels that differ from rgb (empty when none).
    QRect InkBox(QRgb rgb = qRgb(255, 255, 255)) const {
        QRect box;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x) {
                if (At(x, y) != rgb) box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }
    QImage& Image() { return image_; }

  private:
    QImage image_;
};

}  // namespace vx::test
