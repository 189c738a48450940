// `TWgTabControlCloseButton`: the close button at the strip's far end; its
// click asks the tab control to close the selected tab.
#pragma once

#include "widgets/qt/WgTabButton.h"

namespace vx {

class TWgTabControlCloseButton : public TWgTabButton {
    Q_OBJECT
  public:
    explicit TWgTabControlCloseButton(TWgCustomTabControl* owner);

  protected:
    void Paint(Canvas& canvas) override;
};

}  // namespace vx
