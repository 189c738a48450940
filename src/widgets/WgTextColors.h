// The text colours of a tab control's tabs. A changed colour tells the owning
// control to repaint.
#pragma once

#include <functional>
#include <utility>

#include "platform/Colors.h"

namespace vx {

class TWgTextColors {
  public:
    explicit TWgTextColors(std::function<void()> changed = {}) : changed_(std::move(changed)) {}

    TColor Disabled() const { return disabled_; }
    TColor Selected() const { return selected_; }
    TColor Unselected() const { return unselected_; }
    void SetDisabled(TColor value) { Set(disabled_, value); }
    void SetSelected(TColor value) { Set(selected_, value); }
    void SetUnselected(TColor value) { Set(unselected_, value); }
    void Assign(const TWgTextColors& source) {
        SetDisabled(source.disabled_);
        SetSelected(source.selected_);
        SetUnselected(source.unselected_);
    }

  private:
    void Set(TColor& field, TColor value) {
        if (field == value) return;
        field = value;
        if (changed_) changed_();
    }

    std::function<void()> changed_;
    TColor disabled_ = clGrayText;
    TColor selected_ = clBtnText;
    TColor unselected_ = clBtnText;
};

}  // namespace vx
