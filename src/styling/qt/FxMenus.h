// The main window's menu bar and pop-up menus.
//
// Their items are ordinary menu items (captions, shortcuts, checks, click
// events); the look comes from the menu styler.
#pragma once

#include <QMenu>
#include <QMenuBar>

namespace vx {

class TFxMenuOfficeStyler;

class TFxMainMenu : public QMenuBar {
    Q_OBJECT
  public:
    explicit TFxMainMenu(QWidget* parent = nullptr) : QMenuBar(parent) {}
    void SetMenuStyler(TFxMenuOfficeStyler* styler);
};

class TFxPopupMenu : public QMenu {
    Q_OBJECT
  public:
    explicit TFxPopupMenu(QWidget* parent = nullptr) : QMenu(parent) {}
    void SetMenuStyler(TFxMenuOfficeStyler* styler);
};

}  // namespace vx
