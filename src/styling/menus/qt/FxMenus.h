// The styled main menu and pop-up menus: Qt's menu bar and menus whose look
// comes from a menu styler.
//
// Each menu keeps a link to the styler it uses: the one it is given
// (MenuStyler), or while it has none an internal styler of its own named
// "InternalMenuStyler". The menus' windows (the menu bar, every drop-down
// and sub-menu, the pop-up windows) measure and paint their items through
// the styler; keyboard navigation, mnemonics ("&") and shortcuts are Qt's.
//
// Every drop-down window shows 17 pixels less than its measured width (the
// strip on its right, see FxMenuPlacement.h), is framed in the styler's
// border colour and, as a first level, sits one pixel left of and two
// pixels onto its root item.
#pragma once

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <cstdint>

#include "platform/Loadable.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/ActionLink.h"
#include "styling/menus/FxMenuAppearance.h"
#include "styling/menus/FxMenuPlacement.h"
#include "styling/menus/FxMenuUtil.h"
#include "styling/menus/qt/MenuColumns.h"
#include "styling/menus/qt/MenuItemOption.h"

class QMdiArea;
class QMdiSubWindow;

namespace vx {

class TMdiWindowList;

// The fixed version text of both menus, and packed as 2.5.0.0.
inline constexpr const char* kFxMenuVersion = "1.2.0.0";
inline constexpr std::uint32_t kFxMenuVersionNr = 0x02050000u;

// The property of an item's action that holds the index of its picture in
// the menu's image lists (none: the item has no place in them).
inline constexpr const char* kMenuItemImageIndex = kActionImageIndex;
// The property of a top-level item's action that holds its group index: a
// menu merged into a tool bar's menu bar puts its item in the place of the
// item of the same group (0: none).
inline constexpr const char* kMenuItemGroupIndex = "GroupIndex";

// The picture an item with an icon shows in its menu window: its icon, or,
// when the item is disabled and its menu has disabled images, the picture
// at the item's image index there, drawn as it is (an index the list does
// not hold shows nothing; an item without index shows its icon greyed).
QImage MenuItemPicture(const QAction& action, const QWidget& window, const IMenuStyleLink& link);

// The window of a drop-down menu, a sub-menu or a pop-up menu of a styled
// menu. Its look comes from the styled menu it belongs to (the nearest
// styled menu among its parents); without one it looks like any menu.
class TFxDropDownMenu : public QMenu {
    Q_OBJECT
  public:
    explicit TFxDropDownMenu(QWidget* parent = nullptr);
    TFxDropDownMenu(const QString& title, QWidget* parent);

    // A styled sub-menu of this one.
    TFxDropDownMenu* addMenu(const QString& title);
    using QMenu::addMenu;

    // The styled menu this window belongs to, or null.
    IMenuStyleLink* Link() const;
    // That menu while it draws its items (OwnerDraw), else null: the
    // window then looks like any menu.
    IMenuStyleLink* DrawingLink() const;
    // 1 for a drop-down of the menu bar or a pop-up menu, 2 for their
    // sub-menus, and so on.
    int Level() const;
    // True when this (sub-menu) window opened right of its parent item.
    bool RightOfParent() const;
    // The item whose style option Qt has just filled (MenuItemOption.h).
    const QAction* ActionOfOption(const QStyleOptionMenuItem& option) const {
        return lastOption_.ActionOf(option);
    }

    // True when the item stands in a second or later column of the window
    // (MenuColumns.h), by the heights its items were last measured with.
    bool InLaterColumn(const QAction* action) const;
    // The height the item was just measured with.
    void NoteItemHeight(const QAction* action, int height) const { columns_.Noted(action, height); }

  protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

  private:
    mutable TMenuItemOption lastOption_;
    mutable TMenuColumns columns_;
};

// The styler a styled menu draws with: the one linked to it, or while none
// is, an internal one of its own named "InternalMenuStyler". The menu is told
// of every change of the styler it is attached to.
class TMenuStylerSlot {
  public:
    TMenuStylerSlot(IMenuStyleLink* menu, QObject* owner) : menu_(menu), owner_(owner) {}
    TMenuStylerSlot(const TMenuStylerSlot&) = delete;
    TMenuStylerSlot& operator=(const TMenuStylerSlot&) = delete;

    TCustomFxMenuStyler* Linked() const { return linked_; }
    TCustomFxMenuStyler* Internal() const { return internal_; }
    TCustomFxMenuStyler* Current() const { return current_; }

    // Draws with the internal styler, made when there is none.
    void UseInternal();
    // Links a styler (null: back to the internal one). While the menu loads,
    // the internal styler is kept until Loaded.
    void Link(TCustomFxMenuStyler* styler, bool loading);
    // The styler is going: a linked or current one is let go, and the menu
    // draws with its internal styler again unless it is going too.
    void StylerDestroyed(TCustomFxMenuStyler* styler);
    // At the end of loading: the internal styler goes when one is linked.
    void Loaded();
    // The menu is going: detaches it and frees the internal styler.
    void Release();

  private:
    void DropInternal();

    IMenuStyleLink* menu_;
    QObject* owner_;
    TCustomFxMenuStyler* linked_ = nullptr;
    TCustomFxMenuStyler* internal_ = nullptr;
    TCustomFxMenuStyler* current_ = nullptr;
    bool releasing_ = false;
};

class TFxMainMenu : public QMenuBar, public IMenuStyleLink, public TLoadable {
    Q_OBJECT
    // Published for the dialog skin, which switches it on the menus it skins.
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
  public:
    explicit TFxMainMenu(QWidget* parent = nullptr);
    ~TFxMainMenu() override;

    // A styled drop-down menu on the bar.
    TFxDropDownMenu* addMenu(const QString& title);
    using QMenuBar::addMenu;

    TCustomFxMenuStyler* MenuStyler() const { return styler_.Linked(); }
    TCustomFxMenuStyler* InternalStyler() const { return styler_.Internal(); }
    // On, the menu's windows are styled; off, they look like any menu's.
    bool OwnerDraw() const override { return ownerDraw_; }
    void SetOwnerDraw(bool value);
    QString Version() const { return QString::fromLatin1(kFxMenuVersion); }
    void SetVersion(const QString&) {}
    std::uint32_t GetVersionNr() const { return kFxMenuVersionNr; }
    // The pictures of the menu's items (not owned; forgotten when the list
    // goes). A tool bar standing in for the menu bar takes them as its own.
    TImageList* Images() const { return images_.data(); }
    void SetImages(TImageList* images) { images_ = images; }
    // Pictures of the disabled items; the menu lets go of the list when it
    // is destroyed.
    TImageList* DisabledImages() const override { return disabledImages_; }
    void SetDisabledImages(TImageList* images);

    // The window menu of a form whose client is an MDI area: the menu keeps
    // the list of the form's child windows there.
    void SetWindowMenu(QMenu* menu);
    QMenu* WindowMenu() const { return windowMenu_; }
    TMdiWindowList* WindowList() const { return windowList_; }
    // The MDI area that is the client of the menu's form, or null.
    QMdiArea* MdiClient() const;
    // The form's active MDI child is maximised (its window buttons then
    // stand at the right end of the bar).
    bool MdiChildMaximized() const;

    // Changes to many items at once: the bar is redrawn once at the end.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updating_; }

    // IMenuStyleLink
    void UpdateItems() override;
    TCustomFxMenuStyler* GetMenuStyler() const override { return styler_.Linked(); }
    TCustomFxMenuStyler* GetCurrentStyler() const override { return styler_.Current(); }
    void SetMenuStyler(TCustomFxMenuStyler* styler) override;
    void MenuStyleChanged(bool rebuild) override;
    bool IsMainMenu() const override { return true; }
    bool HasWindowHandle() const override { return parentWidget() != nullptr; }
    void DrawMenuBar() override;
    void StylerDestroyed(TCustomFxMenuStyler* styler) override;

    // The item whose style option Qt has just filled (MenuItemOption.h).
    const QAction* ActionOfOption(const QStyleOptionMenuItem& option) const {
        return lastOption_.ActionOf(option);
    }

  protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void Loaded() override;
    void paintEvent(QPaintEvent* event) override;
    void actionEvent(QActionEvent* event) override;

  private:
    void HookMdiClient();
    // Repaints the bar now and whenever the child's state changes.
    void WatchMdiChild(QMdiSubWindow* child);

    mutable TMenuItemOption lastOption_;

    TMenuStylerSlot styler_{this, this};
    bool ownerDraw_ = true;
    QPointer<TImageList> disabledImages_;
    bool destroying_ = false;
    bool updating_ = false;
    int updateCount_ = 0;
    QPointer<QMenu> windowMenu_;
    QPointer<QMdiArea> hookedClient_;
    TMdiWindowList* windowList_ = nullptr;
    QPointer<TImageList> images_;
};

class TFxPopupMenu : public TFxDropDownMenu, public IMenuStyleLink, public TLoadable {
    Q_OBJECT
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
  public:
    explicit TFxPopupMenu(QWidget* parent = nullptr);
    ~TFxPopupMenu() override;

    TCustomFxMenuStyler* MenuStyler() const { return styler_.Linked(); }
    TCustomFxMenuStyler* InternalStyler() const { return styler_.Internal(); }
    // On, the menu's windows are styled; off, they look like any menu's.
    bool OwnerDraw() const override { return ownerDraw_; }
    void SetOwnerDraw(bool value);
    QString Version() const { return QString::fromLatin1(kFxMenuVersion); }
    void SetVersion(const QString&) {}
    std::uint32_t GetVersionNr() const { return kFxMenuVersionNr; }
    TImageList* DisabledImages() const override { return disabledImages_; }
    void SetDisabledImages(TImageList* images);
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment value) { alignment_ = value; }

    // Opens the menu at the screen point and returns when it closes (the
    // chosen item has run). Nothing opens without items.
    virtual void Popup(int x, int y);
    void PopupAtPoint(const QPoint& point) { Popup(point.x(), point.y()); }
    // Opens the menu at the screen point and returns at once.
    void OpenAt(const QPoint& point);
    // Where the window goes for the screen point (its top-left).
    QPoint PlaceFor(const QPoint& point);

    // IMenuStyleLink
    void UpdateItems() override;
    TCustomFxMenuStyler* GetMenuStyler() const override { return styler_.Linked(); }
    TCustomFxMenuStyler* GetCurrentStyler() const override { return styler_.Current(); }
    void SetMenuStyler(TCustomFxMenuStyler* styler) override;
    void MenuStyleChanged(bool rebuild) override;
    bool IsMainMenu() const override { return false; }
    bool HasWindowHandle() const override { return false; }
    void DrawMenuBar() override {}
    void StylerDestroyed(TCustomFxMenuStyler* styler) override;

  protected:
    void Loaded() override;

  private:
    TMenuStylerSlot styler_{this, this};
    bool ownerDraw_ = true;
    QPointer<TImageList> disabledImages_;
    TPopupAlignment alignment_ = TPopupAlignment::paLeft;
};

}  // namespace vx
