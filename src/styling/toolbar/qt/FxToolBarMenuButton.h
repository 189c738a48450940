// The button a tool bar shows for each top-level item of a main menu when it
// stands in for the form's menu bar. It lays out and behaves like any tool-bar
// button, except that a press opens the item's menu through its tool bar and
// that it takes its colours from the root-item look of the tool-bar styler's
// menu styler.
#pragma once

#include <QAction>
#include <QPointer>

#include "styling/toolbar/qt/FxToolBarButton.h"

namespace vx {

class TFxToolBarMenuButton : public TFxCustomToolBarButton {
    Q_OBJECT
  public:
    explicit TFxToolBarMenuButton(QWidget* parent = nullptr);

    bool IsMenuButton() const override { return true; }

    // The top-level menu item the button stands for. Linking makes the item
    // the button's action: the button takes its caption, check (as Down),
    // enabled state, hint, image index (in the bar's Images, which are the
    // menu's) and visibility, and keeps them while linked; linking null does
    // nothing. An item that goes away is forgotten.
    QAction* MenuItem() const { return item_.data(); }
    void SetMenuItem(QAction* item);
    void ActionChange(QAction* sender, bool checkDefaults) override;

    // Shows the button as dropped (its menu open) or released again.
    void ShowDropped(bool dropped);

    // Alt+letter (and a click from the program) opens the item's menu.
    void Click() override;

  protected:
    void DrawButton(Canvas& canvas) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPointer<QAction> item_;
};

}  // namespace vx
