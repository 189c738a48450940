#include "widgets/qt/WgBckgnd.h"

#include <QMouseEvent>

#include "widgets/qt/WgGrafx.h"

namespace vx {

TWgCustomBackground::TWgCustomBackground(QWidget* parent)
    : TCustomControl(parent), startRgb_(ColorToRGB(start_)), stopRgb_(ColorToRGB(stop_)) {
    setMouseTracking(true);
    resize(200, 100);
}

void TWgCustomBackground::SetGradientColorStart(TColor c) {
    if (ColorToRGB(c) == startRgb_) return;
    start_ = c;
    startRgb_ = ColorToRGB(c);
    Invalidate();
}

void TWgCustomBackground::SetGradientColorStop(TColor c) {
    if (ColorToRGB(c) == stopRgb_) return;
    stop_ = c;
    stopRgb_ = ColorToRGB(c);
    Invalidate();
}

void TWgCustomBackground::SetImage(const QImage& image) {
    if (image == image_) return;
    image_ = image;
    if (showImage_) Invalidate();
}

void TWgCustomBackground::SetImageStyle(TImageStyle s) {
    if (s == imageStyle_) return;
    imageStyle_ = s;
    if (showImage_) Invalidate();
}

void TWgCustomBackground::SetTexture(const QImage& texture) {
    if (texture == texture_) return;
    texture_ = texture;
    if (showTexture_) Invalidate();
}

void TWgCustomBackground::SetShowGradient(bool s) {
    if (!SetPublished(showGradient_, s)) return;
    if (s)
        showTexture_ = false;
    else if (!showImage_)
        showTexture_ = true;
}

void TWgCustomBackground::SetShowTexture(bool s) {
    if (!SetPublished(showTexture_, s)) return;
    showGradient_ = !s;
}

void TWgCustomBackground::PaintTexture(Canvas& canvas) {
    if (showTexture_ && !texture_.isNull()) TileBitmap(canvas, texture_, ClientRect());
}

void TWgCustomBackground::PaintGradient(Canvas& canvas) {
    if (showGradient_ && active_ && !ImageCoversGradient(showImage_, imageStyle_))
        PaintTwoColorGradient(canvas, ClientRect(), direction_, smoothFactor_, start_, stop_);
}

void TWgCustomBackground::PaintImage(Canvas& canvas) {
    if (!showImage_ || image_.isNull()) return;
    const auto place =
        BackgroundImageRect(imageStyle_, width(), height(), image_.width(), image_.height());
    if (!place) return;
    switch (imageStyle_) {
        case TImageStyle::isCenter:
        case TImageStyle::isClip:
            canvas.Draw(place->left, place->top, image_);
            break;
        case TImageStyle::isFill:
        case TImageStyle::isStretch:
            canvas.StretchDraw(*place, image_);
            break;
        case TImageStyle::isTiled:
            TileBitmap(canvas, image_, ClientRect());
            break;
    }
}

void TWgCustomBackground::Paint(Canvas& canvas) {
    // Where no layer paints, the parent shows.
    DrawParentImage(this, canvas);
    if (showGradient_ && TooSmallForGradient(width(), height())) {
        canvas.brush.color = start_;
        canvas.brush.style = BrushStyle::Solid;
        canvas.FillRect(ClientRect());
    } else {
        const int inset = BackgroundFrameInset(frameStyle_);
        canvas.SaveState();
        canvas.SetClipRect(ClientRect());
        canvas.MoveOrigin(inset, inset);
        PaintTexture(canvas);
        PaintGradient(canvas);
        PaintImage(canvas);
        canvas.RestoreState();
    }
    if (frameStyle_ == TFrameStyle::fsFlat)
        DrawSides(canvas, ClientRect(), frameColor_, frameColor_, TSides::All());
    else
        FrameAllSides(canvas, ClientRect(), frameStyle_);
}

void TWgCustomBackground::mouseMoveEvent(QMouseEvent* event) {
    TCustomControl::mouseMoveEvent(event);
    emit MouseMoved();
}

}  // namespace vx
