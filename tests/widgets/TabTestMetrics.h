// Text measuring for the tab geometry tests: every character 7 pixels wide
// (8 in bold), every line 13 high; the font is 12 pixels high.
#pragma once

#include "widgets/WgTabsLayout.h"

namespace vx::test {

class TabTestMetrics : public TWgTabMetrics {
  public:
    TSize TextExtent(std::string_view line, bool bold) const override {
        return {static_cast<int>(line.size()) * (bold ? 8 : 7), 13};
    }
    int FontHeight() const override { return 12; }
};

}  // namespace vx::test
