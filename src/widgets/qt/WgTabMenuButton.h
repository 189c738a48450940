// `TWgTabMenuButton`: the button at the strip's far end that drops down a
// menu of the visible tabs in alphabetical order, the selected one checked;
// choosing an item selects its tab.
#pragma once

#include <QMenu>

#include "widgets/qt/WgTabButton.h"

namespace vx {

class TWgTabMenuButton : public TWgTabButton {
    Q_OBJECT
  public:
    explicit TWgTabMenuButton(TWgCustomTabControl* owner);

    QMenu* PopupMenu() const { return menu_; }
    // Fills the menu afresh from the tabs.
    void BuildMenu();
    // Where the menu drops down, in screen coordinates, and whether its
    // right edge (rather than its left) lies there.
    QPoint MenuPlace(bool& rightAligned) const;

  protected:
    void Paint(Canvas& canvas) override;
    void Click() override;

  private:
    QMenu* menu_;
};

}  // namespace vx
