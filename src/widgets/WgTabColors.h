// The colours of a tab control's tabs: the selected tab's highlight bar and
// the two ends of an unselected tab's shading.
#pragma once

#include "widgets/WgColorTrio.h"

namespace vx {

class TWgTabColors : public TWgColorTrio {
  public:
    explicit TWgTabColors(std::function<void()> changed = {})
        : TWgColorTrio({clHighlight, clBtnFace, clWindow}, std::move(changed)) {}

    TColor HighlightBar() const { return Get(0); }
    TColor Shadow() const { return Get(1); }
    TColor Unselected() const { return Get(2); }
    void SetHighlightBar(TColor value) { Set(0, value); }
    void SetShadow(TColor value) { Set(1, value); }
    void SetUnselected(TColor value) { Set(2, value); }
    void Assign(const TWgTabColors& source) { AssignColors(source); }
};

}  // namespace vx
