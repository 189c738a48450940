#include "styling/toolbar/ToolBarAppearances.h"

namespace vx {

void TGradientBackground::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TGradientBackground*>(&source);
    if (other == nullptr) return;
    color_ = other->color_;
    colorTo_ = other->colorTo_;
    direction_ = other->direction_;
    steps_ = other->steps_;
}

void TGradientBackground::SetColor(TColor value) {
    color_ = value;
    Changed();
}

void TGradientBackground::SetColorTo(TColor value) {
    colorTo_ = value;
    Changed();
}

void TGradientBackground::SetDirection(toolbar::TGradientDirection value) {
    direction_ = value;
    Changed();
}

void TGradientBackground::SetSteps(int value) {
    steps_ = value;
    Changed();
}

void TButtonAppearance::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TButtonAppearance*>(&source);
    if (other == nullptr) return TToolBarPersistent::Assign(source);
    color_ = other->color_;
    colorTo_ = other->colorTo_;
    colorHot_ = other->colorHot_;
    colorHotTo_ = other->colorHotTo_;
    colorDown_ = other->colorDown_;
    colorDownTo_ = other->colorDownTo_;
    colorChecked_ = other->colorChecked_;
    colorCheckedTo_ = other->colorCheckedTo_;
    captionTextColor_ = other->captionTextColor_;
    captionTextColorHot_ = other->captionTextColorHot_;
    captionTextColorDown_ = other->captionTextColorDown_;
    captionTextColorChecked_ = other->captionTextColorChecked_;
    gradientDirection_ = other->gradientDirection_;
    borderColor_ = other->borderColor_;
    borderHotColor_ = other->borderHotColor_;
    borderDownColor_ = other->borderDownColor_;
    borderCheckedColor_ = other->borderCheckedColor_;
}

void TButtonAppearance::SetCaptionFont(const CanvasFont& font) {
    captionFont_ = font;
    Changed();
}

void TContainerAppearance::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TContainerAppearance*>(&source);
    if (other == nullptr) return TToolBarPersistent::Assign(source);
    SetLineColor(other->lineColor_);
    SetLine3D(other->line3D_);
}

void TCaptionAppearance::Assign(const TToolBarPersistent& source) {
    const auto* other = dynamic_cast<const TCaptionAppearance*>(&source);
    if (other == nullptr) return TToolBarPersistent::Assign(source);
    captionColor_ = other->captionColor_;
    captionColorTo_ = other->captionColorTo_;
    captionTextColor_ = other->captionTextColor_;
    captionBorderColor_ = other->captionBorderColor_;
    captionBorderColorHot_ = other->captionBorderColorHot_;
    captionColorHot_ = other->captionColorHot_;
    SetCaptionColorHotTo(other->captionColorHotTo_);
    SetCaptionTextColorHot(other->captionTextColorHot_);
}

}  // namespace vx
