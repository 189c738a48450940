#include "styling/toolbar/PagerAppearances.h"

namespace vx {

CanvasFont PagerFont() {
    CanvasFont font;
    font.name = "Tahoma";
    font.size = 8;
    return font;
}

TCustomTabAppearance::TCustomTabAppearance() {
    backGround_.SetOnChange([this](TToolBarPersistent*) { Changed(); });
}

void TCustomTabAppearance::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TCustomTabAppearance*>(&source);
    if (other == nullptr) return TToolBarPersistent::Assign(source);
    borderColor_ = other->borderColor_;
    borderColorHot_ = other->borderColorHot_;
    borderColorSelected_ = other->borderColorSelected_;
    borderColorSelectedHot_ = other->borderColorSelectedHot_;
    borderColorDisabled_ = other->borderColorDisabled_;
    borderColorDown_ = other->borderColorDown_;
    color_ = other->color_;
    colorTo_ = other->colorTo_;
    colorSelected_ = other->colorSelected_;
    colorSelectedTo_ = other->colorSelectedTo_;
    colorDisabled_ = other->colorDisabled_;
    colorDisabledTo_ = other->colorDisabledTo_;
    colorHot_ = other->colorHot_;
    colorHotTo_ = other->colorHotTo_;
    colorMirror_ = other->colorMirror_;
    colorMirrorTo_ = other->colorMirrorTo_;
    colorMirrorHot_ = other->colorMirrorHot_;
    colorMirrorHotTo_ = other->colorMirrorHotTo_;
    colorMirrorSelected_ = other->colorMirrorSelected_;
    colorMirrorSelectedTo_ = other->colorMirrorSelectedTo_;
    colorMirrorDisabled_ = other->colorMirrorDisabled_;
    colorMirrorDisabledTo_ = other->colorMirrorDisabledTo_;
    gradient_ = other->gradient_;
    gradientMirror_ = other->gradientMirror_;
    gradientHot_ = other->gradientHot_;
    gradientMirrorHot_ = other->gradientMirrorHot_;
    gradientSelected_ = other->gradientSelected_;
    gradientMirrorSelected_ = other->gradientMirrorSelected_;
    gradientDisabled_ = other->gradientDisabled_;
    gradientMirrorDisabled_ = other->gradientMirrorDisabled_;
    textColorSelected_ = other->textColorSelected_;
    textColorDisabled_ = other->textColorDisabled_;
    font_ = other->font_;
    SetTextColor(other->textColor_);
    SetTextColorHot(other->textColorHot_);
    backGround_.Assign(other->backGround_);
}

void TVistaBackground::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TVistaBackground*>(&source);
    if (other == nullptr) return TToolBarPersistent::Assign(source);
    steps_ = other->steps_;
    color_ = other->color_;
    colorTo_ = other->colorTo_;
    colorMirror_ = other->colorMirror_;
    colorMirrorTo_ = other->colorMirrorTo_;
    borderColor_ = other->borderColor_;
    SetGradient(other->gradient_);
    SetGradientMirror(other->gradientMirror_);
}

void TVistaTextBackground::Assign(const TToolBarPersistent& source) {
    TVistaBackground::Assign(source);
    const auto* other = dynamic_cast<const TVistaTextBackground*>(&source);
    if (other == nullptr) return;
    SetTextColor(other->textColor_);
    font_ = other->font_;
}

TToolBarAppearance::TToolBarAppearance() {
    colorHot_.SetColor(clNone);
    colorHot_.SetColorTo(clNone);
}

void TToolBarAppearance::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TToolBarAppearance*>(&source);
    if (other == nullptr) return TToolBarPersistent::Assign(source);
    color_.Assign(other->color_);
    colorHot_.Assign(other->colorHot_);
    borderColor_ = other->borderColor_;
    borderColorHot_ = other->borderColorHot_;
}

TGroupAppearance::TGroupAppearance() {
    const auto changed = [this](TToolBarPersistent*) { Changed(); };
    caption_.SetOnChange(changed);
    page_.SetOnChange(changed);
    tab_.SetOnChange(changed);
    toolBar_.SetOnChange(changed);
}

void TGroupAppearance::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TGroupAppearance*>(&source);
    if (other == nullptr) return TToolBarPersistent::Assign(source);
    caption_.Assign(other->caption_);
    page_.Assign(other->page_);
    tab_.Assign(other->tab_);
    steps_ = other->steps_;
    color_ = other->color_;
    colorTo_ = other->colorTo_;
    colorMirror_ = other->colorMirror_;
    colorMirrorTo_ = other->colorMirrorTo_;
    borderColor_ = other->borderColor_;
    textColor_ = other->textColor_;
    font_ = other->font_;
    SetGradient(other->gradient_);
    SetGradientMirror(other->gradientMirror_);
}

}  // namespace vx
