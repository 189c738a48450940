// `TWgActiveTabCloseButton`: the close button standing on the selected tab;
// its click asks the tab control to close that tab.
#pragma once

#include "widgets/qt/WgTabButton.h"

namespace vx {

class TWgActiveTabCloseButton : public TWgTabButton {
    Q_OBJECT
  public:
    explicit TWgActiveTabCloseButton(TWgCustomTabControl* owner);

  protected:
    void Paint(Canvas& canvas) override;
};

}  // namespace vx
