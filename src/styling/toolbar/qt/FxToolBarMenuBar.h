// A tool bar standing in for a form's menu bar: one menu button per
// top-level item of its main menu, the item's drop-down menu opened under
// (or beside) the pressed button, walking from menu to menu by mouse and by
// the arrow keys, and the keyboard menu mode that Alt or F10 enters.
//
// The drop-down is a pop-up menu owned by the tool bar: the item's sub-items
// are lent to it while it is open (moved over in their order) and given
// back when it closes, so the main menu keeps its items for good.
//
// The pop-up menu runs in the application's own event loop (it is opened,
// not executed), so no call waits for a menu to close. Qt has no thread
// message hooks: an event filter on the application stands in for both of
// them. While a drop-down is open it watches the pop-up menu and its
// sub-menus (arrow keys at the menu's edges, Alt, mouse moves over the other
// menu buttons); in keyboard menu mode it takes every key for the tool bar;
// otherwise it only waits for a lone Alt or F10 in the tool bar's window.
#pragma once

#include <QAction>
#include <QList>
#include <QMenu>
#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/qt/FxToolBarMenuButton.h"

namespace vx {

class TFxCustomToolBar;

class TFxToolBarMenuBar : public QObject {
    Q_OBJECT
  public:
    explicit TFxToolBarMenuBar(TFxCustomToolBar* bar);
    ~TFxToolBarMenuBar() override;

    // Frees the buttons of the old menu and makes one per top-level item of
    // the new one (null: none).
    void SetMenu(TFxMainMenu* menu);
    TFxMainMenu* Menu() const { return menu_.data(); }
    // The menu buttons in the tool bar's order.
    QList<TFxToolBarMenuButton*> MenuButtons() const;

    // ---- a second menu merged into the menu bar
    // Its items join the bar: an item whose group index (its
    // kMenuItemGroupIndex, not 0) is that of a button's item takes that
    // button over, each button once; the others get buttons of their own.
    // Null, or a bar without a menu, unmerges; a menu that goes away is
    // unmerged.
    void MergeMenu(TFxMainMenu* menu);
    TFxMainMenu* MergedMenu() const { return merged_.data(); }
    // Frees the merged menu's own buttons and gives the menu's items back to
    // their buttons.
    void UnmergeMenu();
    // Gives every item of the menu back to its button; an item without one
    // has the buttons made anew.
    void RebindMenuButtons();

    // Opens the button's menu (its own drop-down menu, else its item's
    // sub-items lent to the pop-up); false when nothing was shown.
    bool DropDown(TFxToolBarMenuButton* button);
    // From the keyboard (Alt+letter, Return, Down): opens the button's menu
    // in keyboard menu mode.
    void OpenByKey(TFxToolBarMenuButton* button);
    // The next (or previous) visible, enabled menu button from the one whose
    // menu is open, wrapping around; null when there is no other.
    TFxToolBarMenuButton* NextButton(bool forward) const;
    // Moves the open menu to another button: its menu opens when it has
    // sub-items, else the menu closes and the button is made hot.
    void SwitchToButton(TFxToolBarMenuButton* button);
    // Leaves keyboard menu mode; no button stays hot.
    void EndMenuMode();

    // ---- the keyboard menu loop
    // Enters keyboard menu mode (with a button: selects it and opens its
    // menu; without: selects the first menu button). While the mode is on,
    // a button given is only selected.
    bool TrackMenu(TFxToolBarMenuButton* button);
    // The index-th selectable menu button (visible, enabled, not in the
    // overflow) becomes selected; a negative index deselects. False when
    // there is no such button.
    bool SelectMenuButton(int index);
    TFxToolBarMenuButton* SelectedMenuButton() const { return selected_.data(); }
    // Alt (key 0), F10 (key 0) or Alt+key: enters the loop on a bar that can
    // take it; false when the key was not for the bar.
    bool SysKeyMenu(QChar key);

    // ---- state
    QMenu* OpenMenu() const { return openMenu_.data(); }
    TFxPopupMenu* Popup() const { return popup_.data(); }
    QAction* LentItem() const { return lentItem_.data(); }
    TFxToolBarMenuButton* DroppedButton() const { return dropped_.data(); }
    bool MenuOpen() const { return menuOpen_; }
    bool MenuRunning() const { return running_; }
    bool KeyboardMenuMode() const { return keyboardMode_; }
    bool EnterPressed() const { return enterPressed_; }

  signals:
    // A drop-down menu closed and its lent items are back.
    void MenuClosed();
    // Keyboard menu mode ended.
    void ExitMenu();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool MenuEvent(QMenu* menu, QEvent* event);
    bool LoopEvent(QWidget* widget, QEvent* event);
    bool EntryEvent(QWidget* widget, QEvent* event);
    void Closed(int generation, bool shown);
    void PutBack();
    void CloseMenus();
    void OpenButton(TFxToolBarMenuButton* button);
    void Select(TFxToolBarMenuButton* button);
    void SelectStep(bool forward);
    TFxToolBarMenuButton* ButtonAt(const QPoint& global) const;
    QList<TFxToolBarMenuButton*> Selectable() const;
    bool HasSubItems(TFxToolBarMenuButton* button) const;
    void FreeButtons();

    TFxCustomToolBar* bar_;
    QPointer<TFxMainMenu> menu_;
    QList<QPointer<TFxToolBarMenuButton>> buttons_;  // made for the menu
    QPointer<TFxPopupMenu> popup_;                   // holds the lent items
    QPointer<QAction> lentItem_;
    QPointer<QMenu> openMenu_;                   // the menu that is open
    QPointer<TFxToolBarMenuButton> openButton_;  // whose menu is open
    QPointer<TFxToolBarMenuButton> dropped_;     // dropped last
    QPointer<TFxToolBarMenuButton> selected_;    // in the keyboard loop
    QMetaObject::Connection hideConnection_;
    QMetaObject::Connection menuGone_;
    QPointer<TFxMainMenu> merged_;
    QMetaObject::Connection mergedGone_;
    QList<QPointer<TFxToolBarMenuButton>> mergedButtons_;  // made for the merged menu
    // The buttons an item of the merged menu took over, with their own items.
    QList<QPair<QPointer<TFxToolBarMenuButton>, QPointer<QAction>>> rebound_;
    int generation_ = 0;
    bool running_ = false;  // a drop-down menu is open and watched
    bool menuOpen_ = false;
    bool keyboardMode_ = false;
    bool hotTracking_ = false;
    bool enterPressed_ = false;
    bool escape_ = false;
    bool altAlone_ = false;
    QPoint lastMouse_;
};

}  // namespace vx
