// The looks that dock panels, tool bars and their buttons read from their
// styler: two-colour gradients, button colours by state, the separator line
// of containers and the colours of caption bars.
#pragma once

#include "platform/Colors.h"
#include "platform/paint/Canvas.h"
#include "styling/GradientDirections.h"
#include "styling/toolbar/ToolBarPersistent.h"

namespace vx {

// A two-colour gradient. Every write reports a change, equal or not;
// assigning copies quietly, and a source of another class is ignored.
class TGradientBackground : public TToolBarPersistent {
  public:
    const char* ClassName() const override { return "TGradientBackground"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value);
    toolbar::TGradientDirection Direction() const { return direction_; }
    void SetDirection(toolbar::TGradientDirection value);
    int Steps() const { return steps_; }
    void SetSteps(int value);

  private:
    TColor color_ = clWhite;
    TColor colorTo_ = clBtnFace;
    toolbar::TGradientDirection direction_ = toolbar::TGradientDirection::gdHorizontal;
    int steps_ = 64;
};

// The colours of tool-bar buttons in their normal, hot, down and checked
// states. Assigning copies the colours, the main gradient direction and the
// borders quietly; not the caption font or the other three directions.
class TButtonAppearance : public TToolBarPersistent {
  public:
    const char* ClassName() const override { return "TButtonAppearance"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value) { Update(colorTo_, value); }
    TColor ColorChecked() const { return colorChecked_; }
    void SetColorChecked(TColor value) { Update(colorChecked_, value); }
    TColor ColorCheckedTo() const { return colorCheckedTo_; }
    void SetColorCheckedTo(TColor value) { Update(colorCheckedTo_, value); }
    TColor ColorDown() const { return colorDown_; }
    void SetColorDown(TColor value) { Update(colorDown_, value); }
    TColor ColorDownTo() const { return colorDownTo_; }
    void SetColorDownTo(TColor value) { Update(colorDownTo_, value); }
    TColor ColorHot() const { return colorHot_; }
    void SetColorHot(TColor value) { Update(colorHot_, value); }
    TColor ColorHotTo() const { return colorHotTo_; }
    void SetColorHotTo(TColor value) { Update(colorHotTo_, value); }
    TColor CaptionTextColor() const { return captionTextColor_; }
    void SetCaptionTextColor(TColor value) { Update(captionTextColor_, value); }
    TColor CaptionTextColorHot() const { return captionTextColorHot_; }
    void SetCaptionTextColorHot(TColor value) { Update(captionTextColorHot_, value); }
    TColor CaptionTextColorDown() const { return captionTextColorDown_; }
    void SetCaptionTextColorDown(TColor value) { Update(captionTextColorDown_, value); }
    TColor CaptionTextColorChecked() const { return captionTextColorChecked_; }
    void SetCaptionTextColorChecked(TColor value) { Update(captionTextColorChecked_, value); }
    toolbar::TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(toolbar::TGradientDirection value) {
        Update(gradientDirection_, value);
    }
    // The three state directions only store.
    toolbar::TGradientDirection GradientDirectionHot() const { return gradientDirectionHot_; }
    void SetGradientDirectionHot(toolbar::TGradientDirection value) {
        gradientDirectionHot_ = value;
    }
    toolbar::TGradientDirection GradientDirectionDown() const { return gradientDirectionDown_; }
    void SetGradientDirectionDown(toolbar::TGradientDirection value) {
        gradientDirectionDown_ = value;
    }
    toolbar::TGradientDirection GradientDirectionChecked() const {
        return gradientDirectionChecked_;
    }
    void SetGradientDirectionChecked(toolbar::TGradientDirection value) {
        gradientDirectionChecked_ = value;
    }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { Update(borderColor_, value); }
    // Plain fields: a write only stores.
    TColor BorderDownColor() const { return borderDownColor_; }
    void SetBorderDownColor(TColor value) { borderDownColor_ = value; }
    TColor BorderHotColor() const { return borderHotColor_; }
    void SetBorderHotColor(TColor value) { borderHotColor_ = value; }
    TColor BorderCheckedColor() const { return borderCheckedColor_; }
    void SetBorderCheckedColor(TColor value) { Update(borderCheckedColor_, value); }
    const CanvasFont& CaptionFont() const { return captionFont_; }
    // Always reports a change.
    void SetCaptionFont(const CanvasFont& font);

  private:
    TColor color_ = clNone;
    TColor colorTo_ = clNone;
    TColor colorChecked_ = 0xD8D5D4;
    TColor colorCheckedTo_ = clNone;
    TColor colorDown_ = 0xB59285;
    TColor colorDownTo_ = clNone;
    TColor colorHot_ = 0xD2BDB6;
    TColor colorHotTo_ = clNone;
    TColor captionTextColor_ = clBlack;
    TColor captionTextColorHot_ = clBlack;
    TColor captionTextColorDown_ = clBlack;
    TColor captionTextColorChecked_ = clBlack;
    toolbar::TGradientDirection gradientDirection_ = toolbar::TGradientDirection::gdVertical;
    toolbar::TGradientDirection gradientDirectionHot_ = toolbar::TGradientDirection::gdVertical;
    toolbar::TGradientDirection gradientDirectionDown_ = toolbar::TGradientDirection::gdVertical;
    toolbar::TGradientDirection gradientDirectionChecked_ = toolbar::TGradientDirection::gdVertical;
    TColor borderColor_ = clNone;
    TColor borderDownColor_ = 0x6A240A;
    TColor borderHotColor_ = 0x6A240A;
    TColor borderCheckedColor_ = 0x6A240A;
    CanvasFont captionFont_;
};

// The separator line of containers. Assigning writes the line colour and then
// the 3-D flag through their setters, so each changed value reports once.
class TContainerAppearance : public TToolBarPersistent {
  public:
    const char* ClassName() const override { return "TContainerAppearance"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor LineColor() const { return lineColor_; }
    void SetLineColor(TColor value) { Update(lineColor_, value); }
    bool Line3D() const { return line3D_; }
    void SetLine3D(bool value) { Update(line3D_, value); }

  private:
    TColor lineColor_ = clBtnShadow;
    bool line3D_ = true;
};

// The colours of a caption bar, normal and hot. Assigning copies most values
// quietly and writes the hot end colour and the hot text colour through their
// setters, so only those two can report a change.
class TCaptionAppearance : public TToolBarPersistent {
  public:
    const char* ClassName() const override { return "TCaptionAppearance"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor CaptionColor() const { return captionColor_; }
    void SetCaptionColor(TColor value) { Update(captionColor_, value); }
    TColor CaptionColorTo() const { return captionColorTo_; }
    void SetCaptionColorTo(TColor value) { Update(captionColorTo_, value); }
    TColor CaptionTextColor() const { return captionTextColor_; }
    void SetCaptionTextColor(TColor value) { Update(captionTextColor_, value); }
    TColor CaptionBorderColor() const { return captionBorderColor_; }
    void SetCaptionBorderColor(TColor value) { Update(captionBorderColor_, value); }
    TColor CaptionColorHot() const { return captionColorHot_; }
    void SetCaptionColorHot(TColor value) { Update(captionColorHot_, value); }
    TColor CaptionColorHotTo() const { return captionColorHotTo_; }
    void SetCaptionColorHotTo(TColor value) { Update(captionColorHotTo_, value); }
    TColor CaptionTextColorHot() const { return captionTextColorHot_; }
    void SetCaptionTextColorHot(TColor value) { Update(captionTextColorHot_, value); }
    TColor CaptionBorderColorHot() const { return captionBorderColorHot_; }
    void SetCaptionBorderColorHot(TColor value) { Update(captionBorderColorHot_, value); }

  private:
    TColor captionColor_ = 0x808080;
    TColor captionColorTo_ = clNone;
    TColor captionTextColor_ = clWhite;
    TColor captionBorderColor_ = clNone;
    TColor captionColorHot_ = clNone;
    TColor captionColorHotTo_ = clNone;
    TColor captionTextColorHot_ = clWhite;
    TColor captionBorderColorHot_ = clNone;
};

}  // namespace vx
