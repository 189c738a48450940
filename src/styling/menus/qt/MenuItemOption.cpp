#include "styling/menus/qt/MenuItemOption.h"

#include <QAction>

namespace vx {

void TMenuItemOption::Filled(const QStyleOptionMenuItem& option, const QAction* action) {
    action_ = action;
    text_ = option.text;
    type_ = option.menuItemType;
}

const QAction* TMenuItemOption::ActionOf(const QStyleOptionMenuItem& option) const {
    if (action_.isNull() || option.menuItemType != type_ || option.text != text_) return nullptr;
    return action_.data();
}

}  // namespace vx
