// Which action a menu item's style option was made from.
//
// Qt hands the style only a QStyleOptionMenuItem when it asks for an item's
// size: the option carries the caption, never the action. Qt fills that
// option through the window's virtual initStyleOption right before each
// question, so the styled menu windows note the action there and the
// measuring takes it back. Each item is then measured from its own action
// (its check mark, picture and enabled state) at a constant cost, however
// many items share its caption.
#pragma once

#include <QPointer>
#include <QString>
#include <QStyleOptionMenuItem>

class QAction;

namespace vx {

class TMenuItemOption {
  public:
    // The option was just filled from the action.
    void Filled(const QStyleOptionMenuItem& option, const QAction* action);
    // The action the option was filled from, when it is the one filled
    // last (same caption and kind) and the action still exists; else null.
    const QAction* ActionOf(const QStyleOptionMenuItem& option) const;

  private:
    QPointer<const QAction> action_;
    QString text_;
    QStyleOptionMenuItem::MenuItemType type_ = QStyleOptionMenuItem::Normal;
};

}  // namespace vx
