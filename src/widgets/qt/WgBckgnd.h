// `TWgCustomBackground`/`TWgBackground`: a layered background: an optional
// tiled texture, an optional two-colour gradient and an optional picture,
// then a frame of one of the shared styles. Where no layer paints, the
// parent shows through. Mouse moves over it are reported.
#pragma once

#include <QImage>

#include "platform/qt/CustomControl.h"
#include "widgets/WgBckgndLayout.h"

namespace vx {

class TWgCustomBackground : public TCustomControl {
    Q_OBJECT
  public:
    explicit TWgCustomBackground(QWidget* parent = nullptr);

    // The gradient is painted only while active.
    bool Active() const { return active_; }
    void SetActive(bool a) { SetPublished(active_, a); }
    // The colour of an fsFlat frame.
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor c) { SetPublished(frameColor_, c); }
    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle s) { SetPublished(frameStyle_, s); }
    // The colours compare by their RGB values: clBlue and RGB(0, 0, 255) are
    // one colour.
    TColor GradientColorStart() const { return start_; }
    void SetGradientColorStart(TColor c);
    TColor GradientColorStop() const { return stop_; }
    void SetGradientColorStop(TColor c);
    TGradientDirection GradientDirection() const { return direction_; }
    void SetGradientDirection(TGradientDirection d) { SetPublished(direction_, d); }
    std::uint8_t GradientSmoothFactor() const { return smoothFactor_; }
    void SetGradientSmoothFactor(std::uint8_t n) { SetPublished(smoothFactor_, n); }
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image);
    TImageStyle ImageStyle() const { return imageStyle_; }
    void SetImageStyle(TImageStyle s);
    // Showing the gradient hides the texture; hiding it shows the texture
    // unless the picture shows.
    bool ShowGradient() const { return showGradient_; }
    void SetShowGradient(bool s);
    bool ShowImage() const { return showImage_; }
    void SetShowImage(bool s) { SetPublished(showImage_, s); }
    // The texture and the gradient exclude each other.
    bool ShowTexture() const { return showTexture_; }
    void SetShowTexture(bool s);
    const QImage& Texture() const { return texture_; }
    void SetTexture(const QImage& texture);

  signals:
    void MouseMoved();

  protected:
    void Paint(Canvas& canvas) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    virtual void PaintTexture(Canvas& canvas);
    virtual void PaintGradient(Canvas& canvas);
    virtual void PaintImage(Canvas& canvas);

  private:
    bool active_ = true;
    TColor frameColor_ = clBtnShadow;
    TFrameStyle frameStyle_ = TFrameStyle::fsNone;
    TColor start_ = clHotLight;
    TColor stop_ = clActiveCaption;
    TColor startRgb_;
    TColor stopRgb_;
    TGradientDirection direction_ = TGradientDirection::gdHorizontalEnd;
    std::uint8_t smoothFactor_ = 1;
    QImage image_;
    TImageStyle imageStyle_ = TImageStyle::isCenter;
    bool showGradient_ = true;
    bool showImage_ = false;
    bool showTexture_ = false;
    QImage texture_;
};

// The published background.
class TWgBackground : public TWgCustomBackground {
    Q_OBJECT
  public:
    using TWgCustomBackground::TWgCustomBackground;
};

}  // namespace vx
