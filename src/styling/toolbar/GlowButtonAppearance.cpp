#include "styling/toolbar/GlowButtonAppearance.h"

namespace vx {

void TGlowButtonAppearance::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TGlowButtonAppearance*>(&source);
    if (other == nullptr) return TToolBarPersistent::Assign(source);
    borderColor_ = other->borderColor_;
    borderColorHot_ = other->borderColorHot_;
    borderColorDown_ = other->borderColorDown_;
    borderColorChecked_ = other->borderColorChecked_;
    borderColorDisabled_ = other->borderColorDisabled_;
    color_ = other->color_;
    colorTo_ = other->colorTo_;
    colorChecked_ = other->colorChecked_;
    colorCheckedTo_ = other->colorCheckedTo_;
    colorDisabled_ = other->colorDisabled_;
    colorDisabledTo_ = other->colorDisabledTo_;
    colorDown_ = other->colorDown_;
    colorDownTo_ = other->colorDownTo_;
    colorHot_ = other->colorHot_;
    colorHotTo_ = other->colorHotTo_;
    colorMirror_ = other->colorMirror_;
    colorMirrorTo_ = other->colorMirrorTo_;
    colorMirrorHot_ = other->colorMirrorHot_;
    colorMirrorHotTo_ = other->colorMirrorHotTo_;
    colorMirrorDown_ = other->colorMirrorDown_;
    colorMirrorDownTo_ = other->colorMirrorDownTo_;
    colorMirrorChecked_ = other->colorMirrorChecked_;
    colorMirrorCheckedTo_ = other->colorMirrorCheckedTo_;
    colorMirrorDisabled_ = other->colorMirrorDisabled_;
    colorMirrorDisabledTo_ = other->colorMirrorDisabledTo_;
    gradient_ = other->gradient_;
    gradientMirror_ = other->gradientMirror_;
    gradientHot_ = other->gradientHot_;
    gradientMirrorHot_ = other->gradientMirrorHot_;
    gradientDown_ = other->gradientDown_;
    gradientMirrorDown_ = other->gradientMirrorDown_;
    gradientChecked_ = other->gradientChecked_;
    gradientMirrorChecked_ = other->gradientMirrorChecked_;
    gradientDisabled_ = other->gradientDisabled_;
    gradientMirrorDisabled_ = other->gradientMirrorDisabled_;
}

}  // namespace vx
