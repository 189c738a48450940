// The background control's arithmetic: where its picture goes in each image
// style, which layers cover the gradient, and how far its frame reaches in.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Geometry.h"
#include "widgets/WgCommon.h"

namespace vx {

enum class TImageStyle : std::uint8_t { isCenter, isClip, isFill, isStretch, isTiled };

// The rectangle the picture is drawn into on a control of width x height
// (for isTiled the first tile); none when the picture has no width or height.
std::optional<TRect> BackgroundImageRect(TImageStyle style, int width, int height, int pictureWidth,
                                         int pictureHeight);

// A stretched or tiled picture covers the whole control, so the gradient
// under it is not painted.
bool ImageCoversGradient(bool showImage, TImageStyle style);

// Where the layers' bitmap is drawn: 0 for fsNone, 1 for fsFlat, fsStatus
// and fsPopup, 2 for every other frame style.
int BackgroundFrameInset(TFrameStyle style);

// A gradient on a control narrower or lower than 5 pixels is a solid fill in
// the start colour.
bool TooSmallForGradient(int width, int height);

}  // namespace vx
