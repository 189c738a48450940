// The colours of a tab control's tabs: the selected tab's highlight bar and
// the two ends of an unselected tab's shading. A changed colour tells the
// owning control to repaint.
#pragma once

#include <functional>
#include <utility>

#include "platform/Colors.h"

namespace vx {

class TWgTabColors {
  public:
    explicit TWgTabColors(std::function<void()> changed = {}) : changed_(std::move(changed)) {}

    TColor HighlightBar() const { return highlightBar_; }
    TColor Shadow() const { return shadow_; }
    TColor Unselected() const { return unselected_; }
    void SetHighlightBar(TColor value) { Set(highlightBar_, value); }
    void SetShadow(TColor value) { Set(shadow_, value); }
    void SetUnselected(TColor value) { Set(unselected_, value); }
    void Assign(const TWgTabColors& source) {
        SetHighlightBar(source.highlightBar_);
        SetShadow(source.shadow_);
        SetUnselected(source.unselected_);
    }

  private:
    void Set(TColor& field, TColor value) {
        if (field == value) return;
        field = value;
        if (changed_) changed_();
    }

    std::function<void()> changed_;
    TColor highlightBar_ = clHighlight;
    TColor shadow_ = clBtnFace;
    TColor unselected_ = clWindow;
};

}  // namespace vx
