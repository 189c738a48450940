#include "styling/gdiplus/FxHintInfo.h"

namespace vx {

void TFxHintInfo::Assign(const TFxHintInfo* source) {
    if (source == nullptr || source == this) return;
    title_ = source->title_;
    notes_ = source->notes_;
    showHelp_ = source->showHelp_;
    picture_.Assign(&source->picture_);
}

}  // namespace vx
