// The text colours of a tab control's tabs: disabled, selected and unselected.
#pragma once

#include "widgets/WgColorTrio.h"

namespace vx {

class TWgTextColors : public TWgColorTrio {
  public:
    explicit TWgTextColors(std::function<void()> changed = {})
        : TWgColorTrio({clGrayText, clBtnText, clBtnText}, std::move(changed)) {}

    TColor Disabled() const { return Get(0); }
    TColor Selected() const { return Get(1); }
    TColor Unselected() const { return Get(2); }
    void SetDisabled(TColor value) { Set(0, value); }
    void SetSelected(TColor value) { Set(1, value); }
    void SetUnselected(TColor value) { Set(2, value); }
    void Assign(const TWgTextColors& source) { AssignColors(source); }
};

}  // namespace vx
