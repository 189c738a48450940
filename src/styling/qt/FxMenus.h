// The main window's menu bar and pop-up menus.
//
// Their items are ordinary menu items (captions, shortcuts, checks, click
// events); they take the colours of the menu styler they are given and take
// them again whenever the styler changes.
#pragma once

#include <QMenu>
#include <QMenuBar>

#include "styling/menus/FxMenuAppearance.h"

namespace vx {

// Recolours a menu widget from a styler's menu bar, background and
// selected item.
class TMenuStyleAdapter : public IMenuStyleLink {
  public:
    explicit TMenuStyleAdapter(QWidget* menu, bool mainMenu) : menu_(menu), mainMenu_(mainMenu) {}
    ~TMenuStyleAdapter();
    TMenuStyleAdapter(const TMenuStyleAdapter&) = delete;
    TMenuStyleAdapter& operator=(const TMenuStyleAdapter&) = delete;

    void UpdateItems() override { Recolour(); }
    TCustomFxMenuStyler* GetMenuStyler() const override { return styler_; }
    TCustomFxMenuStyler* GetCurrentStyler() const override { return styler_; }
    void SetMenuStyler(TCustomFxMenuStyler* styler) override;
    void MenuStyleChanged(bool) override { Recolour(); }
    bool IsMainMenu() const override { return mainMenu_; }
    bool HasWindowHandle() const override { return mainMenu_ && menu_->isVisible(); }
    void DrawMenuBar() override { Recolour(); }
    void StylerDestroyed(TCustomFxMenuStyler* styler) override;

  private:
    void Recolour();

    QWidget* menu_;
    bool mainMenu_;
    TCustomFxMenuStyler* styler_ = nullptr;
};

class TFxMainMenu : public QMenuBar {
    Q_OBJECT
  public:
    explicit TFxMainMenu(QWidget* parent = nullptr) : QMenuBar(parent), link_(this, true) {}
    void SetMenuStyler(TCustomFxMenuStyler* styler) { link_.SetMenuStyler(styler); }

  private:
    TMenuStyleAdapter link_;
};

class TFxPopupMenu : public QMenu {
    Q_OBJECT
  public:
    explicit TFxPopupMenu(QWidget* parent = nullptr) : QMenu(parent), link_(this, false) {}
    void SetMenuStyler(TCustomFxMenuStyler* styler) { link_.SetMenuStyler(styler); }

  private:
    TMenuStyleAdapter link_;
};

}  // namespace vx
