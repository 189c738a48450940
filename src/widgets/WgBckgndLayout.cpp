#include "widgets/WgBckgndLayout.h"

#include <cmath>

namespace vx {

std::optional<TRect> BackgroundImageRect(TImageStyle style, int width, int height, int pictureWidth,
                                         int pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
    switch (style) {
        case TImageStyle::isCenter:
            return Bounds((width - pictureWidth) / 2, (height - pictureHeight) / 2, pictureWidth,
                          pictureHeight);
        case TImageStyle::isClip:
        case TImageStyle::isTiled:
            return Bounds(0, 0, pictureWidth, pictureHeight);
        case TImageStyle::isFill: {
            // Keeps the picture's aspect, anchored at the top-left corner.
            const double ratio = static_cast<double>(pictureHeight) / pictureWidth;
            if (width > 0 && static_cast<double>(height) / width >= ratio)
                return TRect{0, 0, width, static_cast<int>(std::lround(width * ratio))};
            return TRect{0, 0, static_cast<int>(std::lround(height / ratio)), height};
        }
        case TImageStyle::isStretch:
            return Bounds(0, 0, width, height);
    }
    return std::nullopt;
}

bool ImageCoversGradient(bool showImage, TImageStyle style) {
    return showImage && (style == TImageStyle::isStretch || style == TImageStyle::isTiled);
}

int BackgroundFrameInset(TFrameStyle style) {
    switch (style) {
        case TFrameStyle::fsNone:
            return 0;
        case TFrameStyle::fsFlat:
        case TFrameStyle::fsStatus:
        case TFrameStyle::fsPopup:
            return 1;
        default:
            return 2;
    }
}

bool TooSmallForGradient(int width, int height) {
    return width < 5 || height < 5;
}

}  // namespace vx
