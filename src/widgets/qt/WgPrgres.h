// `TWgCustomProgressBar`/`TWgProgressBar`: a percentage shown as a solid
// bar, a row of LED segments or a two-colour gradient bar, horizontal or
// vertical by the control's shape, inside a frame of the shared styles, with
// a centred percentage text that reads in the background colour on the bar
// and in the bar colour beside it.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/qt/CustomControl.h"
#include "widgets/WgFrameControlled.h"
#include "widgets/WgPrgresLayout.h"

namespace vx {

class TWgCustomProgressBar : public TCustomControl, public TWgFrameControlled {
    Q_OBJECT
  public:
    explicit TWgCustomProgressBar(QWidget* parent = nullptr);
    ~TWgCustomProgressBar() override;

    // The shape decides the orientation.
    void SetBounds(int left, int top, int width, int height) override;

    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor c) { SetPublished(backColor_, c); }
    // Also the text's colour.
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor c);
    // The percentage text shows for the solid and gradient styles, not for
    // the LED style, which keeps a one-pixel ring inside its frame.
    TBarStyle BarStyle() const { return barStyle_; }
    void SetBarStyle(TBarStyle s);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w) { SetPublished(bevelWidth_, w); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor c) { SetPublished(borderColor_, c); }
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx s) { SetPublished(borderInner_, s); }
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx s) { SetPublished(borderOuter_, s); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w) { SetPublished(borderWidth_, w); }
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor c) { SetPublished(flatColor_, c); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int n) { SetPublished(flatColorAdjustment_, n); }
    std::uint8_t InteriorOffset() const { return interiorOffset_; }
    void SetInteriorOffset(std::uint8_t n) { SetPublished(interiorOffset_, n); }
    std::uint8_t NumSegments() const { return numSegments_; }
    void SetNumSegments(std::uint8_t n) { SetPublished(numSegments_, n); }
    // Follows the shape: horizontal unless higher than wide.
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation o) { SetPublished(orientation_, o); }
    // Limited to TotalParts; sets Percent from the two.
    std::uint32_t PartsComplete() const { return partsComplete_; }
    void SetPartsComplete(std::uint32_t parts);
    // A new total starts the count again from 0.
    std::uint32_t TotalParts() const { return totalParts_; }
    void SetTotalParts(std::uint32_t total);
    std::uint16_t Percent() const { return percent_; }
    void SetPercent(std::uint16_t percent);
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool s) { SetPublished(showPercent_, s); }
    // Drawn like the desktop theme's progress bar while visual styles are on.
    bool ThemeAware() const { return themeAware_; }
    void SetThemeAware(bool t) { SetPublished(themeAware_, t); }

    TWgFrameController* FrameController() const { return frameController_; }
    void SetFrameController(TWgFrameController* controller);
    std::optional<TWgFrameControllerNotifications> FrameControllerNotifications() const override {
        return notifications_;
    }
    void SetFrameControllerNotifications(TWgFrameControllerNotifications n) { notifications_ = n; }

    // Called with the new percentage before the bar repaints.
    std::function<void(TWgCustomProgressBar&, int)> OnChange;

  protected:
    // Gradient colours of the bar and the rest, and their direction.
    TColor backColorStop_ = clBtnFace;
    TColor barColorStop_ = clHotLight;
    TGradientDirection gradientDirection_ = TGradientDirection::gdHorizontalCenter;

    void Paint(Canvas& canvas) override;
    void resizeEvent(QResizeEvent* event) override;
    virtual void ApplyFrameController(const TWgFrameController& controller);
    void TakeFrameSetting(TWgFrameControllerNotification setting,
                          const TWgFrameController& controller) override;
    void FrameControllerRemoved(TWgFrameController& controller) override;

  private:
    bool Themed() const;
    TRect PaintFrame(Canvas& canvas);
    void PaintSolid(Canvas& canvas, const TRect& interior);
    void PaintGradient(Canvas& canvas, const TRect& interior);
    void PaintLed(Canvas& canvas, const TRect& interior);
    void PaintText(Canvas& canvas, const TRect& interior, const TRect& clip, TColor color);

    TColor backColor_ = clWhite;
    TColor barColor_ = clHighlight;
    TBarStyle barStyle_ = TBarStyle::bsTraditional;
    int bevelWidth_ = 1;
    TColor borderColor_ = clBtnFace;
    TFrameStyleEx borderInner_ = TFrameStyle::fsNone;
    TFrameStyleEx borderOuter_ = TFrameStyle::fsLowered;
    int borderWidth_ = 0;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    std::uint8_t interiorOffset_ = 0;
    std::uint8_t numSegments_ = 20;
    TOrientation orientation_ = TOrientation::orHorizontal;
    std::uint32_t partsComplete_ = 0;
    std::uint32_t totalParts_ = 0;
    std::uint16_t percent_ = 0;
    bool showPercent_ = true;
    bool themeAware_ = true;
    TWgFrameController* frameController_ = nullptr;
    TWgFrameControllerNotifications notifications_ = kAllFrameControllerNotifications;
};

// The published bar, with the gradient's stop colours and direction.
class TWgProgressBar : public TWgCustomProgressBar {
    Q_OBJECT
  public:
    using TWgCustomProgressBar::TWgCustomProgressBar;

    TColor BackColorStop() const { return backColorStop_; }
    void SetBackColorStop(TColor c) { SetPublished(backColorStop_, c); }
    TColor BarColorStop() const { return barColorStop_; }
    void SetBarColorStop(TColor c) { SetPublished(barColorStop_, c); }
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection d) { SetPublished(gradientDirection_, d); }
};

}  // namespace vx
