// The tool bar's option window: a small frameless stay-on-top window under
// the right handle. Its panel borrows the bar's overflow controls, where
// they stay clickable, and below them shows the add-or-remove entry, whose
// cascade lists the bar's controls with check boxes that show or hide them,
// and, for a bar with an option menu or a customizer, the options entry,
// beside which the option menu opens (or, without one, a small window shows
// the customizer's own entry).
// Everything lent goes back to the bar, in its place and order, when the
// window hides. Where things stand follows OptionPanelLayout.h.
#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/qt/CustomControl.h"
#include "styling/toolbar/ToolBarAppearances.h"
#include "styling/toolbar/qt/FTBPopup.h"

class QFontMetrics;
class QMenu;

namespace vx {

class TFxCustomToolBar;
class TFxToolBarSeparator;
class TOptionSelectorPanel;
class TOptionSelectorWindow;

// A bar's customizer as the bar and its option window see it.
class IToolBarCustomizer {
  public:
    // The customize entry in that window (beside the options entry): made
    // on the first call, its caption and size brought up to date on each.
    virtual TOptionSelectorPanel* CustomizeEntry(TOptionSelectorWindow* window) = 0;
    // Opens the customise dialog.
    virtual void OpenCustomizeDialog() = 0;

  protected:
    ~IToolBarCustomizer() = default;
};

// The width an options menu takes beside its entry: the owner-drawn width
// its styler measures for the item whose caption is widest in `captions`;
// 0 for a menu without items. A menu that is not a styled one (or not
// owner-drawn) measures as Qt lays it out.
int OptionsMenuWidth(QMenu& menu, const QFontMetrics& captions);

// One entry of the option window.
struct TSelectorItem {
    int height = 20;
    QString caption;
    TRect rect;  // where it is drawn; empty when not shown
    int width = 30;
};

// A flat panel with an optional gradient and a one-pixel border.
class TOptionSelectorPanel : public TCustomControl {
    Q_OBJECT
  public:
    explicit TOptionSelectorPanel(QWidget* parent = nullptr);

    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor v) { SetPublished(colorTo_, v); }
    TColor WindowBorderColor() const { return borderColor_; }
    void SetWindowBorderColor(TColor v) { SetPublished(borderColor_, v); }
    toolbar::TGradientDirection GradientDirection() const { return direction_; }
    void SetGradientDirection(toolbar::TGradientDirection v) { SetPublished(direction_, v); }
    TFxCustomToolBar* FxToolBar() const { return toolBar_; }
    void SetFxToolBar(TFxCustomToolBar* bar) { toolBar_ = bar; }
    // The window hid.
    virtual void WindowHidden() {}

  protected:
    void Paint(Canvas& canvas) override;

    int leftMargin_ = 3;

  private:
    TColor colorTo_ = clNone;
    TColor borderColor_ = 0x808080;
    toolbar::TGradientDirection direction_ = toolbar::TGradientDirection::gdHorizontal;
    QPointer<TFxCustomToolBar> toolBar_;
};

// The option window's panel: the borrowed controls and the entries.
class TControlSelectorPanel : public TOptionSelectorPanel {
    Q_OBJECT
  public:
    explicit TControlSelectorPanel(QWidget* parent = nullptr);
    ~TControlSelectorPanel() override;

    bool AutoEntry() const { return autoEntry_; }
    void SetAutoEntry(bool v);
    // The entries' captions; each change measures the entries again.
    void SetTextAutoOptionMenu(const QString& v);
    void SetTextOptionMenu(const QString& v);
    const TSelectorItem& AddRemoveEntry() const { return autoItem_; }
    const TSelectorItem& OptionsEntry() const { return optionsItem_; }

    TColor ColorHot() const { return colorHot_; }
    void SetColorHot(TColor v) { SetPublished(colorHot_, v); }
    TColor ColorHotTo() const { return colorHotTo_; }
    void SetColorHotTo(TColor v) { SetPublished(colorHotTo_, v); }
    TColor ColorDown() const { return colorDown_; }
    void SetColorDown(TColor v) { SetPublished(colorDown_, v); }
    TColor ColorDownTo() const { return colorDownTo_; }
    void SetColorDownTo(TColor v) { SetPublished(colorDownTo_, v); }
    TColor CaptionTextColor() const { return textColor_; }
    void SetCaptionTextColor(TColor v) { SetPublished(textColor_, v); }
    TColor CaptionTextColorHot() const { return textColorHot_; }
    void SetCaptionTextColorHot(TColor v) { SetPublished(textColorHot_, v); }
    TColor CaptionTextColorDown() const { return textColorDown_; }
    void SetCaptionTextColorDown(TColor v) { SetPublished(textColorDown_, v); }

    // Lends the bar's control to the panel (it is not copied); its index in
    // the panel's list, -1 for none.
    int AddItem(QWidget* control);
    // A new separator made like the given one, shown in the panel, freed
    // when the window hides.
    void AddSeparatorCopy(TFxToolBarSeparator* separator);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    QWidget* Item(int index) const { return items_.at(index).data(); }
    // Every lent control back to its bar; the list emptied.
    void GiveBack();
    // The list emptied without giving anything back: the lent controls go
    // with the panel (their bar is going).
    void ForgetItems();
    void ArrangeItems();
    bool IsEmpty() const { return items_.empty() && !autoEntry_ && !HasOptions(); }
    // The options entry is shown for an options menu or a customizer.
    bool HasOptions() const { return optionsMenu_ != nullptr || customizer_ != nullptr; }
    // The bar's option menu (not owned); it takes the customizer's place.
    QMenu* OptionsMenu() const { return optionsMenu_.data(); }
    void SetOptionsMenu(QMenu* menu);
    IToolBarCustomizer* Customizer() const { return customizer_; }
    void SetCustomizer(IToolBarCustomizer* customizer);
    void WindowHidden() override;

    bool AddRemoveHot() const { return autoHot_; }
    bool AddRemoveDown() const { return autoDown_; }
    // The cascade of the add-or-remove entry (null before its first use).
    TFTBPopupWindow* AddRemovePopup() const { return popup_; }
    TFTBMenuItem& CascadeRoot() { return root_; }
    bool OptionsHot() const { return optionsHot_; }
    bool OptionsDown() const { return optionsDown_; }
    // The window beside the options entry with the customizer's entry (null
    // before its first use).
    TOptionSelectorWindow* CustomizeWindow() const { return customizeWindow_; }
    // Hides it without closing the option window.
    void HideCustomizeWindow();
    // The options menu is open beside the entry; it ends with the window,
    // and its end hides the window unless the mouse went on to the
    // add-or-remove entry.
    bool OptionsMenuOpen() const { return optionsMenuOpen_; }
    void CloseOptionsMenu();
    // The watch over the open menu, every 1 ms (with the add-or-remove
    // entry shown): the mouse on that entry closes the menu.
    bool Watching() const { return watch_.isActive(); }
    void WatchOptionsMenu();

  protected:
    void Paint(Canvas& canvas) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void MouseLeave() override;
    bool event(QEvent* event) override;
    // A lent control shown or hidden from the cascade: the rows close up.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MeasureEntries();
    void PaintEntry(Canvas& canvas, const TSelectorItem& item, bool hot, bool down, bool autoMark);
    void OpenAddRemovePopup();
    void OpenOptions();
    void OpenOptionsMenu(TOptionSelectorWindow& owner);
    void OptionsMenuClosed(int generation);
    bool CursorOnAddRemoveEntry() const;

    std::vector<QPointer<QWidget>> items_;
    std::vector<QPointer<TFxToolBarSeparator>> copies_;
    TSelectorItem autoItem_;
    TSelectorItem optionsItem_;
    bool autoEntry_ = true;
    bool autoHot_ = false;
    bool autoDown_ = false;
    TColor colorDown_ = 0x808080;
    TColor colorHot_ = 0xD2BDB6;
    TColor colorDownTo_ = clNone;
    TColor colorHotTo_ = clNone;
    TColor textColorHot_ = 0xFFFFFF;
    TColor textColor_ = 0x000000;
    TColor textColorDown_ = 0x000000;
    TFTBMenuItem root_;
    TFTBPopupWindow* popup_ = nullptr;  // a child window, made on first use
    IToolBarCustomizer* customizer_ = nullptr;
    bool optionsHot_ = false;
    bool optionsDown_ = false;
    QPointer<TOptionSelectorWindow> customizeWindow_;  // a child window, made on first use
    bool hiding_ = false;  // the panel itself hides the customize window
    QPointer<QMenu> optionsMenu_;
    bool optionsMenuOpen_ = false;
    int menuGeneration_ = 0;  // of the last opening; a late end of an earlier one is ignored
    QMetaObject::Connection menuHidden_;
    QMetaObject::Connection menuGone_;
    QTimer watch_;
};

// The window: frameless, above its owner, hidden 1 ms after it loses the
// activation (unless a cascade of its own took it).
class TOptionSelectorWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TOptionSelectorWindow(TFxCustomToolBar* bar);
    // Gives the lent controls back without arranging the bar, which may be
    // going itself.
    ~TOptionSelectorWindow() override;

    TFxCustomToolBar* FxToolBar() const { return toolBar_; }
    TControlSelectorPanel* OptionsPanel() const { return panel_; }
    bool HideOnDeActivate() const { return hideOnDeactivate_; }
    void SetHideOnDeActivate(bool v) { hideOnDeactivate_ = v; }

  signals:
    void Hidden();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QPointer<TFxCustomToolBar> toolBar_;
    TControlSelectorPanel* panel_;
    bool hideOnDeactivate_ = true;
    QTimer hideTimer_;
};

}  // namespace vx
