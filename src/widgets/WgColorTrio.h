// Three colours that belong together, with a change notice: the base of the
// tab control's colour sets. A changed colour tells the owner to repaint; an
// unchanged one does nothing.
#pragma once

#include <array>
#include <functional>
#include <utility>

#include "platform/Colors.h"

namespace vx {

class TWgColorTrio {
  protected:
    TWgColorTrio(std::array<TColor, 3> defaults, std::function<void()> changed)
        : colors_(defaults), changed_(std::move(changed)) {}

    TColor Get(int i) const { return colors_[static_cast<std::size_t>(i)]; }
    void Set(int i, TColor value) {
        TColor& field = colors_[static_cast<std::size_t>(i)];
        if (field == value) return;
        field = value;
        if (changed_) changed_();
    }
    void AssignColors(const TWgColorTrio& source) {
        for (int i = 0; i < 3; ++i)
            Set(i, source.Get(i));
    }

  private:
    std::array<TColor, 3> colors_;
    std::function<void()> changed_;
};

}  // namespace vx
