// The pager look a tool-bar styler holds besides its tool-bar colours: tabs,
// pages, page groups and the pager's caption bar. They are stored, filled
// from the styler's colour sets and broadcast as the styler's changes; the
// pager model of this folder reads them.
//
// Unless said otherwise a colour or gradient setter stores a different value
// and reports the change; an owned object or font is copied into and reports
// nothing itself.
#pragma once

#include "platform/Colors.h"
#include "platform/paint/Canvas.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/ToolBarAppearances.h"
#include "styling/toolbar/ToolBarPersistent.h"

namespace vx {

// Tahoma, 8 points, no style: the font of the pager look.
CanvasFont PagerFont();

// The colours of tabs in five states, and the background behind them (a
// change inside the background is this object's change). Assigning copies
// every colour and gradient quietly except the normal and hot text colours,
// which go through their setters, so only those two can report a change.
class TCustomTabAppearance : public TToolBarPersistent {
  public:
    TCustomTabAppearance();
    const char* ClassName() const override { return "TCustomTabAppearance"; }
    void Assign(const TToolBarPersistent& source) override;

    // BorderColorHot is a plain field: a write only stores.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { Update(borderColor_, value); }
    TColor BorderColorHot() const { return borderColorHot_; }
    void SetBorderColorHot(TColor value) { borderColorHot_ = value; }
    TColor BorderColorSelected() const { return borderColorSelected_; }
    void SetBorderColorSelected(TColor value) { Update(borderColorSelected_, value); }
    TColor BorderColorSelectedHot() const { return borderColorSelectedHot_; }
    void SetBorderColorSelectedHot(TColor value) { Update(borderColorSelectedHot_, value); }
    TColor BorderColorDisabled() const { return borderColorDisabled_; }
    void SetBorderColorDisabled(TColor value) { Update(borderColorDisabled_, value); }
    TColor BorderColorDown() const { return borderColorDown_; }
    void SetBorderColorDown(TColor value) { Update(borderColorDown_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value) { Update(colorTo_, value); }
    TColor ColorSelected() const { return colorSelected_; }
    void SetColorSelected(TColor value) { Update(colorSelected_, value); }
    TColor ColorSelectedTo() const { return colorSelectedTo_; }
    void SetColorSelectedTo(TColor value) { Update(colorSelectedTo_, value); }
    TColor ColorDisabled() const { return colorDisabled_; }
    void SetColorDisabled(TColor value) { Update(colorDisabled_, value); }
    TColor ColorDisabledTo() const { return colorDisabledTo_; }
    void SetColorDisabledTo(TColor value) { Update(colorDisabledTo_, value); }
    TColor ColorHot() const { return colorHot_; }
    void SetColorHot(TColor value) { Update(colorHot_, value); }
    TColor ColorHotTo() const { return colorHotTo_; }
    void SetColorHotTo(TColor value) { Update(colorHotTo_, value); }
    TColor ColorMirror() const { return colorMirror_; }
    void SetColorMirror(TColor value) { Update(colorMirror_, value); }
    TColor ColorMirrorTo() const { return colorMirrorTo_; }
    void SetColorMirrorTo(TColor value) { Update(colorMirrorTo_, value); }
    TColor ColorMirrorHot() const { return colorMirrorHot_; }
    void SetColorMirrorHot(TColor value) { Update(colorMirrorHot_, value); }
    TColor ColorMirrorHotTo() const { return colorMirrorHotTo_; }
    void SetColorMirrorHotTo(TColor value) { Update(colorMirrorHotTo_, value); }
    TColor ColorMirrorSelected() const { return colorMirrorSelected_; }
    void SetColorMirrorSelected(TColor value) { Update(colorMirrorSelected_, value); }
    TColor ColorMirrorSelectedTo() const { return colorMirrorSelectedTo_; }
    void SetColorMirrorSelectedTo(TColor value) { Update(colorMirrorSelectedTo_, value); }
    TColor ColorMirrorDisabled() const { return colorMirrorDisabled_; }
    void SetColorMirrorDisabled(TColor value) { Update(colorMirrorDisabled_, value); }
    TColor ColorMirrorDisabledTo() const { return colorMirrorDisabledTo_; }
    void SetColorMirrorDisabledTo(TColor value) { Update(colorMirrorDisabledTo_, value); }
    TGDIPGradient Gradient() const { return gradient_; }
    void SetGradient(TGDIPGradient value) { Update(gradient_, value); }
    TGDIPGradient GradientMirror() const { return gradientMirror_; }
    void SetGradientMirror(TGDIPGradient value) { Update(gradientMirror_, value); }
    TGDIPGradient GradientHot() const { return gradientHot_; }
    void SetGradientHot(TGDIPGradient value) { Update(gradientHot_, value); }
    TGDIPGradient GradientMirrorHot() const { return gradientMirrorHot_; }
    void SetGradientMirrorHot(TGDIPGradient value) { Update(gradientMirrorHot_, value); }
    TGDIPGradient GradientSelected() const { return gradientSelected_; }
    void SetGradientSelected(TGDIPGradient value) { Update(gradientSelected_, value); }
    TGDIPGradient GradientMirrorSelected() const { return gradientMirrorSelected_; }
    void SetGradientMirrorSelected(TGDIPGradient value) { Update(gradientMirrorSelected_, value); }
    TGDIPGradient GradientDisabled() const { return gradientDisabled_; }
    void SetGradientDisabled(TGDIPGradient value) { Update(gradientDisabled_, value); }
    TGDIPGradient GradientMirrorDisabled() const { return gradientMirrorDisabled_; }
    void SetGradientMirrorDisabled(TGDIPGradient value) { Update(gradientMirrorDisabled_, value); }
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor value) { Update(textColor_, value); }
    TColor TextColorHot() const { return textColorHot_; }
    void SetTextColorHot(TColor value) { Update(textColorHot_, value); }
    TColor TextColorSelected() const { return textColorSelected_; }
    void SetTextColorSelected(TColor value) { Update(textColorSelected_, value); }
    TColor TextColorDisabled() const { return textColorDisabled_; }
    void SetTextColorDisabled(TColor value) { Update(textColorDisabled_, value); }
    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& font) { font_ = font; }
    TGradientBackground& BackGround() { return backGround_; }
    const TGradientBackground& BackGround() const { return backGround_; }
    void SetBackGround(const TGradientBackground& value) { backGround_.Assign(value); }

  private:
    TColor borderColor_ = clBtnFace;
    TColor borderColorHot_ = 0xFF0000;
    TColor borderColorSelected_ = clBtnFace;
    TColor borderColorSelectedHot_ = clNone;
    TColor borderColorDisabled_ = clNone;
    TColor borderColorDown_ = clNone;
    TColor color_ = clBtnFace;
    TColor colorTo_ = clWhite;
    TColor colorSelected_ = clWhite;
    TColor colorSelectedTo_ = clBtnFace;
    TColor colorDisabled_ = clNone;
    TColor colorDisabledTo_ = clNone;
    TColor colorHot_ = 0x00FFFF;
    TColor colorHotTo_ = clNone;
    TColor colorMirror_ = clWhite;
    TColor colorMirrorTo_ = clWhite;
    TColor colorMirrorHot_ = clNone;
    TColor colorMirrorHotTo_ = clNone;
    TColor colorMirrorSelected_ = clWhite;
    TColor colorMirrorSelectedTo_ = clWhite;
    TColor colorMirrorDisabled_ = clNone;
    TColor colorMirrorDisabledTo_ = clNone;
    TGDIPGradient gradient_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientMirror_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientHot_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientMirrorHot_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientSelected_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientMirrorSelected_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientDisabled_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientMirrorDisabled_ = TGDIPGradient::ggVertical;
    TColor textColor_ = 0xFF0000;
    TColor textColorHot_ = 0xFF0000;
    TColor textColorSelected_ = 0xFF0000;
    TColor textColorDisabled_ = clWhite;
    CanvasFont font_ = PagerFont();
    TGradientBackground backGround_;
};

// The published tab appearance of a styler.
class TTabAppearance : public TCustomTabAppearance {
  public:
    const char* ClassName() const override { return "TTabAppearance"; }
};

// A two-part gradient, main part and mirror part, with a border. Assigning
// copies the steps and colours quietly and writes the two gradients through
// their setters.
class TVistaBackground : public TToolBarPersistent {
  public:
    const char* ClassName() const override { return "TVistaBackground"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { Update(borderColor_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value) { Update(colorTo_, value); }
    TColor ColorMirror() const { return colorMirror_; }
    void SetColorMirror(TColor value) { Update(colorMirror_, value); }
    TColor ColorMirrorTo() const { return colorMirrorTo_; }
    void SetColorMirrorTo(TColor value) { Update(colorMirrorTo_, value); }
    TGDIPGradient Gradient() const { return gradient_; }
    void SetGradient(TGDIPGradient value) { Update(gradient_, value); }
    TGDIPGradient GradientMirror() const { return gradientMirror_; }
    void SetGradientMirror(TGDIPGradient value) { Update(gradientMirror_, value); }
    int Steps() const { return steps_; }
    void SetSteps(int value) { Update(steps_, value); }

  private:
    TColor borderColor_ = 0x808080;
    TColor color_ = clWhite;
    TColor colorTo_ = clWhite;
    TColor colorMirror_ = 0xC0C0C0;
    TColor colorMirrorTo_ = clWhite;
    TGDIPGradient gradient_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientMirror_ = TGDIPGradient::ggVertical;
    int steps_ = 64;
};

// A two-part gradient with a text colour and font: the pager's caption bar.
// From a plain two-part gradient only the gradient part is taken.
class TVistaTextBackground : public TVistaBackground {
  public:
    const char* ClassName() const override { return "TVistaTextBackground"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor value) { Update(textColor_, value); }
    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& font) { font_ = font; }

  private:
    TColor textColor_ = 0xFF0000;
    CanvasFont font_ = PagerFont();
};

// The colours of a tool bar inside a page group. Changes inside the two
// gradients are not reported; assigning copies all four quietly.
class TToolBarAppearance : public TToolBarPersistent {
  public:
    TToolBarAppearance();
    const char* ClassName() const override { return "TToolBarAppearance"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { Update(borderColor_, value); }
    TColor BorderColorHot() const { return borderColorHot_; }
    void SetBorderColorHot(TColor value) { Update(borderColorHot_, value); }
    TGradientBackground& Color() { return color_; }
    const TGradientBackground& Color() const { return color_; }
    void SetColor(const TGradientBackground& value) { color_.Assign(value); }
    TGradientBackground& ColorHot() { return colorHot_; }
    const TGradientBackground& ColorHot() const { return colorHot_; }
    void SetColorHot(const TGradientBackground& value) { colorHot_.Assign(value); }

  private:
    TColor borderColor_ = clNone;
    TColor borderColorHot_ = clNone;
    TGradientBackground color_;
    TGradientBackground colorHot_;
};

// The colours of a page group and the looks of what is inside it; a change
// inside the caption, page, tab or tool-bar appearance is this object's
// change. Assigning takes the caption, page and tab appearances (not the
// tool-bar appearance), copies the colours and steps quietly and writes the
// two gradients through their setters.
class TGroupAppearance : public TToolBarPersistent {
  public:
    TGroupAppearance();
    const char* ClassName() const override { return "TGroupAppearance"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { Update(borderColor_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Update(color_, value); }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value) { Update(colorTo_, value); }
    TColor ColorMirror() const { return colorMirror_; }
    void SetColorMirror(TColor value) { Update(colorMirror_, value); }
    TColor ColorMirrorTo() const { return colorMirrorTo_; }
    void SetColorMirrorTo(TColor value) { Update(colorMirrorTo_, value); }
    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& font) { font_ = font; }
    TGDIPGradient Gradient() const { return gradient_; }
    void SetGradient(TGDIPGradient value) { Update(gradient_, value); }
    TGDIPGradient GradientMirror() const { return gradientMirror_; }
    void SetGradientMirror(TGDIPGradient value) { Update(gradientMirror_, value); }
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor value) { Update(textColor_, value); }
    int Steps() const { return steps_; }
    void SetSteps(int value) { Update(steps_, value); }

    TCaptionAppearance& CaptionAppearance() { return caption_; }
    const TCaptionAppearance& CaptionAppearance() const { return caption_; }
    void SetCaptionAppearance(const TCaptionAppearance& value) { caption_.Assign(value); }
    TVistaBackground& PageAppearance() { return page_; }
    const TVistaBackground& PageAppearance() const { return page_; }
    void SetPageAppearance(const TVistaBackground& value) { page_.Assign(value); }
    TCustomTabAppearance& TabAppearance() { return tab_; }
    const TCustomTabAppearance& TabAppearance() const { return tab_; }
    void SetTabAppearance(const TCustomTabAppearance& value) { tab_.Assign(value); }
    TToolBarAppearance& ToolBarAppearance() { return toolBar_; }
    const TToolBarAppearance& ToolBarAppearance() const { return toolBar_; }
    void SetToolBarAppearance(const TToolBarAppearance& value) { toolBar_.Assign(value); }

  private:
    TColor borderColor_ = 0xA3B8AC;
    TColor color_ = clWhite;
    TColor colorTo_ = clWhite;
    TColor colorMirror_ = 0xC0C0C0;
    TColor colorMirrorTo_ = clWhite;
    CanvasFont font_ = PagerFont();
    TGDIPGradient gradient_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientMirror_ = TGDIPGradient::ggVertical;
    TColor textColor_ = 0xFF0000;
    int steps_ = 64;
    TCaptionAppearance caption_;
    TVistaBackground page_;
    TCustomTabAppearance tab_;
    TToolBarAppearance toolBar_;
};

}  // namespace vx
