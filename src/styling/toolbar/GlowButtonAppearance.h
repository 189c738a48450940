// The colour set of a glow button in five states (normal, hot, down, checked,
// disabled), each drawn as a main and a mirror gradient. The tool-bar styler
// holds two of them; a tool bar hands them to glow buttons placed on it.
//
// Every value is a plain field: a write only stores and reports nothing.
// Assigning copies all of them quietly.
#pragma once

#include "platform/Colors.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/ToolBarPersistent.h"

namespace vx {

class TGlowButtonAppearance : public TToolBarPersistent {
  public:
    const char* ClassName() const override { return "TGlowButtonAppearance"; }
    void Assign(const TToolBarPersistent& source) override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { borderColor_ = value; }
    TColor BorderColorHot() const { return borderColorHot_; }
    void SetBorderColorHot(TColor value) { borderColorHot_ = value; }
    TColor BorderColorDown() const { return borderColorDown_; }
    void SetBorderColorDown(TColor value) { borderColorDown_ = value; }
    TColor BorderColorChecked() const { return borderColorChecked_; }
    void SetBorderColorChecked(TColor value) { borderColorChecked_ = value; }
    TColor BorderColorDisabled() const { return borderColorDisabled_; }
    void SetBorderColorDisabled(TColor value) { borderColorDisabled_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value) { colorTo_ = value; }
    TColor ColorChecked() const { return colorChecked_; }
    void SetColorChecked(TColor value) { colorChecked_ = value; }
    TColor ColorCheckedTo() const { return colorCheckedTo_; }
    void SetColorCheckedTo(TColor value) { colorCheckedTo_ = value; }
    TColor ColorDisabled() const { return colorDisabled_; }
    void SetColorDisabled(TColor value) { colorDisabled_ = value; }
    TColor ColorDisabledTo() const { return colorDisabledTo_; }
    void SetColorDisabledTo(TColor value) { colorDisabledTo_ = value; }
    TColor ColorDown() const { return colorDown_; }
    void SetColorDown(TColor value) { colorDown_ = value; }
    TColor ColorDownTo() const { return colorDownTo_; }
    void SetColorDownTo(TColor value) { colorDownTo_ = value; }
    TColor ColorHot() const { return colorHot_; }
    void SetColorHot(TColor value) { colorHot_ = value; }
    TColor ColorHotTo() const { return colorHotTo_; }
    void SetColorHotTo(TColor value) { colorHotTo_ = value; }
    TColor ColorMirror() const { return colorMirror_; }
    void SetColorMirror(TColor value) { colorMirror_ = value; }
    TColor ColorMirrorTo() const { return colorMirrorTo_; }
    void SetColorMirrorTo(TColor value) { colorMirrorTo_ = value; }
    TColor ColorMirrorHot() const { return colorMirrorHot_; }
    void SetColorMirrorHot(TColor value) { colorMirrorHot_ = value; }
    TColor ColorMirrorHotTo() const { return colorMirrorHotTo_; }
    void SetColorMirrorHotTo(TColor value) { colorMirrorHotTo_ = value; }
    TColor ColorMirrorDown() const { return colorMirrorDown_; }
    void SetColorMirrorDown(TColor value) { colorMirrorDown_ = value; }
    TColor ColorMirrorDownTo() const { return colorMirrorDownTo_; }
    void SetColorMirrorDownTo(TColor value) { colorMirrorDownTo_ = value; }
    TColor ColorMirrorChecked() const { return colorMirrorChecked_; }
    void SetColorMirrorChecked(TColor value) { colorMirrorChecked_ = value; }
    TColor ColorMirrorCheckedTo() const { return colorMirrorCheckedTo_; }
    void SetColorMirrorCheckedTo(TColor value) { colorMirrorCheckedTo_ = value; }
    TColor ColorMirrorDisabled() const { return colorMirrorDisabled_; }
    void SetColorMirrorDisabled(TColor value) { colorMirrorDisabled_ = value; }
    TColor ColorMirrorDisabledTo() const { return colorMirrorDisabledTo_; }
    void SetColorMirrorDisabledTo(TColor value) { colorMirrorDisabledTo_ = value; }
    TGDIPGradient Gradient() const { return gradient_; }
    void SetGradient(TGDIPGradient value) { gradient_ = value; }
    TGDIPGradient GradientMirror() const { return gradientMirror_; }
    void SetGradientMirror(TGDIPGradient value) { gradientMirror_ = value; }
    TGDIPGradient GradientHot() const { return gradientHot_; }
    void SetGradientHot(TGDIPGradient value) { gradientHot_ = value; }
    TGDIPGradient GradientMirrorHot() const { return gradientMirrorHot_; }
    void SetGradientMirrorHot(TGDIPGradient value) { gradientMirrorHot_ = value; }
    TGDIPGradient GradientDown() const { return gradientDown_; }
    void SetGradientDown(TGDIPGradient value) { gradientDown_ = value; }
    TGDIPGradient GradientMirrorDown() const { return gradientMirrorDown_; }
    void SetGradientMirrorDown(TGDIPGradient value) { gradientMirrorDown_ = value; }
    TGDIPGradient GradientChecked() const { return gradientChecked_; }
    void SetGradientChecked(TGDIPGradient value) { gradientChecked_ = value; }
    TGDIPGradient GradientMirrorChecked() const { return gradientMirrorChecked_; }
    void SetGradientMirrorChecked(TGDIPGradient value) { gradientMirrorChecked_ = value; }
    TGDIPGradient GradientDisabled() const { return gradientDisabled_; }
    void SetGradientDisabled(TGDIPGradient value) { gradientDisabled_ = value; }
    TGDIPGradient GradientMirrorDisabled() const { return gradientMirrorDisabled_; }
    void SetGradientMirrorDisabled(TGDIPGradient value) { gradientMirrorDisabled_ = value; }

  private:
    TColor borderColor_ = 0xC0C0C0;
    TColor borderColorHot_ = 0xFF0000;
    TColor borderColorDown_ = 0x800000;
    TColor borderColorChecked_ = 0xFF0000;
    TColor borderColorDisabled_ = 0x808080;
    TColor color_ = 0xFFFFFF;
    TColor colorTo_ = 0xFFFFFF;
    TColor colorChecked_ = 0xF5D8CA;
    TColor colorCheckedTo_ = 0xF9BDA0;
    TColor colorDisabled_ = 0xF2F2F2;
    TColor colorDisabledTo_ = 0xF2F2F2;
    TColor colorDown_ = 0xF5D8CA;
    TColor colorDownTo_ = 0xF9BDA0;
    TColor colorHot_ = 0xF5F0E1;
    TColor colorHotTo_ = 0xF9D2B2;
    TColor colorMirror_ = 0xC0C0C0;
    TColor colorMirrorTo_ = 0xFFFFFF;
    TColor colorMirrorHot_ = 0xF5C8AD;
    TColor colorMirrorHotTo_ = 0xFFF8F4;
    TColor colorMirrorDown_ = 0xF5B49C;
    TColor colorMirrorDownTo_ = 0xFFDFDC;
    TColor colorMirrorChecked_ = 0xF5B49C;
    TColor colorMirrorCheckedTo_ = 0xFFDFDC;
    TColor colorMirrorDisabled_ = 0xB6B6B6;
    TColor colorMirrorDisabledTo_ = 0xF2F2F2;
    TGDIPGradient gradient_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientMirror_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientHot_ = TGDIPGradient::ggRadial;
    TGDIPGradient gradientMirrorHot_ = TGDIPGradient::ggRadial;
    TGDIPGradient gradientDown_ = TGDIPGradient::ggRadial;
    TGDIPGradient gradientMirrorDown_ = TGDIPGradient::ggRadial;
    TGDIPGradient gradientChecked_ = TGDIPGradient::ggRadial;
    TGDIPGradient gradientMirrorChecked_ = TGDIPGradient::ggVertical;
    TGDIPGradient gradientDisabled_ = TGDIPGradient::ggRadial;
    TGDIPGradient gradientMirrorDisabled_ = TGDIPGradient::ggRadial;
};

}  // namespace vx
