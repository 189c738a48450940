// The tool bar: a painted control holding buttons, separators and other
// controls, docked in a row of a dock panel or standing free in any other
// control. Where its controls go, the overflow and its size follow the
// rules of ToolBarLayout.h; the panel's rows place it (DockRows.h).
//
// Its size limits are its own (0 means none), not Qt's minimum and maximum
// sizes, which would pin a size of 0.
#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

#include "platform/paint/ImageList.h"
#include "platform/qt/CustomControl.h"
#include "styling/gdiplus/FxHintInfo.h"
#include "styling/gdiplus/GDIPicture.h"
#include "styling/menus/FxMenuAppearance.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/DockLayoutStore.h"
#include "styling/toolbar/DockRows.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/FxToolBarStylers.h"
#include "styling/toolbar/MdiButtonGeometry.h"
#include "styling/toolbar/ToolBarLayout.h"
#include "styling/toolbar/qt/FxToolBarButton.h"

class QMdiArea;
class QMdiSubWindow;

namespace vx {

class TFxDockPanel;
class TFloatingWindow;
class TToolBarDrag;
class TFxToolBarMenuBar;
class TOptionSelectorWindow;
class IToolBarCustomizer;

class TFxCustomToolBar : public TCustomControl,
                         public TToolBarLayout,
                         public IDockBar,
                         public IToolBarStyleReceiver {
    Q_OBJECT
  public:
    explicit TFxCustomToolBar(QWidget* parent = nullptr);
    ~TFxCustomToolBar() override;

    // ---- published properties
    // A floating bar keeps AllowFloating on and Locked off.
    bool AllowFloating() const { return allowFloating_; }
    void SetAllowFloating(bool v);
    // On: a control used from the overflow is hidden last from then on.
    // Switching it off (not while loading) puts the priority list back in
    // the plain order of the controls.
    bool AutoArrangeButtons() const { return autoArrangeButtons_; }
    void SetAutoArrangeButtons(bool v);
    bool AutoDockOnClose() const { return autoDockOnClose_; }
    void SetAutoDockOnClose(bool v) { autoDockOnClose_ = v; }
    bool AutoOptionMenu() const { return autoOptionMenu_; }
    void SetAutoOptionMenu(bool v) { autoOptionMenu_ = v; }
    bool Locked() const { return locked_; }
    void SetLocked(bool v);
    // Neither is switched off while the bar is docked in a panel or floats.
    void SetAutoPositionControls(bool v);
    void SetAutoSize(bool v);
    const CanvasFont& CaptionFont() const { return captionFont_; }
    void SetCaptionFont(const CanvasFont& font) { SetPublished(captionFont_, font); }
    int CaptionHeight() const { return CaptionHeightOf(); }
    void SetCaptionHeight(int v) { StoreCaptionHeight(v); }
    TCaptionPosition CaptionPosition() const { return CaptionPositionOf(); }
    void SetCaptionPosition(TCaptionPosition v);
    menus::TAlignment CaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(menus::TAlignment v) { SetPublished(captionAlignment_, v); }
    bool ShowCaption() const { return ShowCaptionOn(); }
    void SetShowCaption(bool v);
    bool ShowRightHandle() const { return ShowRightHandleOn(); }
    void SetShowRightHandle(bool v);
    bool ShowClose() const { return ShowCloseOn(); }
    void SetShowClose(bool v) { StoreShowClose(v); }
    bool ShowOptionIndicator() const { return ShowOptionIndicatorOn(); }
    void SetShowOptionIndicator(bool v);
    unsigned DockableTo() const { return dockableTo_; }  // bits of TDockAlign
    void SetDockableTo(unsigned v) { dockableTo_ = v; }
    void SetFullSize(bool v);
    // The main menu whose top-level items the bar shows as menu buttons
    // (none by default); the bar takes the menu's Images as its own.
    TFxMainMenu* Menu() const { return menu_.data(); }
    void SetMenu(TFxMainMenu* menu);
    // A second menu merged into the menu bar (see TFxToolBarMenuBar);
    // null unmerges.
    void MergeMenu(TFxMainMenu* menu);
    void UnmergeMenu() { MergeMenu(nullptr); }
    // The menu-bar side of the bar (its menu buttons, drop-downs and
    // keyboard menu mode); null until a menu is first given.
    TFxToolBarMenuBar* MenuBarMode() const { return menuBar_; }
    QString TextAutoOptionMenu() const { return textAutoOptionMenu_; }
    void SetTextAutoOptionMenu(const QString& v) { textAutoOptionMenu_ = v; }
    QString TextOptionMenu() const { return textOptionMenu_; }
    void SetTextOptionMenu(const QString& v) { textOptionMenu_ = v; }
    // The menu the option window's options entry opens beside itself (none
    // by default; not owned, forgotten when it goes).
    QMenu* OptionMenu() const { return optionMenu_.data(); }
    void SetOptionMenu(QMenu* menu) { optionMenu_ = menu; }
    bool ParentOptionPicture() const { return parentOptionPicture_; }
    void SetParentOptionPicture(bool v) { SetPublished(parentOptionPicture_, v); }
    // The bar's compact look (its caption, picture and image): kept for a
    // compact container, which this system does not have; a change of the
    // picture or the image repaints.
    QString CompactCaption() const { return compactCaption_; }
    void SetCompactCaption(const QString& v) { compactCaption_ = v; }
    TGDIPPicture& CompactPicture() { return compactPicture_; }
    void SetCompactPicture(const TGDIPPicture* v) { compactPicture_.Assign(v); }
    int CompactImageIndex() const { return compactImageIndex_; }
    void SetCompactImageIndex(int v) { SetPublished(compactImageIndex_, v); }
    // The text quality of the parts the bar draws through GDI+.
    TAntiAlias AntiAlias() const { return antiAlias_; }
    void SetAntiAlias(TAntiAlias v) { SetPublished(antiAlias_, v); }
    // The office hint's contents (held; given ones are copied).
    TFxHintInfo& OfficeHint() { return officeHint_; }
    void SetOfficeHint(const TFxHintInfo* v) { officeHint_.Assign(v); }
    // Only orders tool bars inside a container this system does not have:
    // -1, and writes change nothing.
    int ToolBarIndex() const { return -1; }
    void SetToolBarIndex(int) {}
    QString Version() const { return QStringLiteral("1.2.1.0"); }
    QString HintOptionButton() const { return hintOptionButton_; }
    void SetHintOptionButton(const QString& v) { hintOptionButton_ = v; }
    QString HintCloseButton() const { return hintCloseButton_; }
    void SetHintCloseButton(const QString& v) { hintCloseButton_ = v; }
    // The hint over the bar's own buttons (the right handle, the floating
    // close and option buttons) with the button's area; elsewhere the bar's
    // tool tip.
    TControlHint HintFor(QPoint pos) const override;

    // The linked styler; with ParentStyler the styler of the dock panel the
    // bar was last docked in is used instead. A styler that is destroyed
    // leaves the internal one ("InternalStyler") in use.
    TCustomFxToolBarStyler* ToolBarStyler() const { return toolBarStyler_.data(); }
    void SetToolBarStyler(TCustomFxToolBarStyler* styler);
    bool ParentStyler() const { return parentStyler_; }
    void SetParentStyler(bool v);
    TCustomFxToolBarStyler* CurrentStyler() const;
    TCustomFxToolBarStyler* InternalStyler() const { return internalStyler_; }

    TFxDockPanel* DockPanel() const { return panel_; }
    // Where the bar keeps its own state (section "UnDockedFxToolBars");
    // the panel it docks in gives it Enabled, Key and Location.
    TPersistence& Persistence() { return persistence_; }
    TSizeConstraints Constraints() const { return constraints_; }
    void SetConstraints(const TSizeConstraints& c) { constraints_ = c; }

    // The state of the right handle (repainted on a change).
    bool RightHandleHot() const { return rightHandleHot_; }
    void SetRightHandleHot(bool hot);
    void SetRightHandleDown(bool down);
    // The hot look of the bar's buttons, its right handle and its floating
    // caption buttons follows the pointer where it stands now: after a drag
    // or a pop-up no enter or leave may have come for them.
    void HotLookFollowsMouse();
    // The floating caption's close and option buttons (repainted on a
    // change).
    void SetCloseButtonState(bool hot, bool down);
    void SetOptionButtonState(bool hot, bool down);

    // The pictures of the caption option button (a change repaints).
    TGDIPPicture& OptionPicture() { return optionPicture_; }
    TGDIPPicture& OptionDisabledPicture() { return optionDisabledPicture_; }
    // The caption option button's state and fade (0..100); each tick of the
    // 40 ms fade timer moves the running fade by 20.
    bool CaptionOptionHot() const { return captionOptionHot_; }
    bool CaptionOptionDown() const { return captionOptionDown_; }
    int CaptionOptionHotLevel() const { return captionHotLevel_; }
    bool CaptionOptionFading() const { return captionFadeTimer_.isActive(); }
    void CaptionOptionFadeTick();

    // The framework's bounds, passed through the dock panel while docked.
    void SetBounds(int left, int top, int width, int height) override;

    // ---- what the dock panel's rows use
    TRect DockBounds() const override;
    void PlaceInRow(const TRect& bounds) override;
    TSizeConstraints DockConstraints() const override { return constraints_; }
    void SetDockConstraints(const TSizeConstraints& c) override { constraints_ = c; }
    bool FullSize() const override { return FullSizeOn(); }
    bool DockVisible() const override { return !isHidden(); }
    int RowIndex() const override { return rowIndex_; }
    void SetRowIndex(int row) override { rowIndex_ = row; }
    void DockAlignChanged(TDockAlign align) override;
    void FullSizeApplied() override { Arrange(false); }
    // The panel is being destroyed: forget it without calling back.
    void PanelGone(TFxDockPanel* panel);

    QObject* ReceiverObject() override { return this; }
    void StylerChanged(int code) override;

    // ---- buttons, keys and focus
    // The pictures of the bar's buttons; a disabled button takes the
    // disabled list's picture when there is one. Writing either re-measures
    // every control on the bar.
    TImageList* Images() const { return images_.data(); }
    void SetImages(TImageList* images);
    TImageList* DisabledImages() const { return disabledImages_.data(); }
    void SetDisabledImages(TImageList* images);
    // The one hot button of the bar (made hot, another stops being hot).
    TFxCustomToolBarButton* HotButton() const { return hotButton_.data(); }
    void HotButtonChanged(TFxCustomToolBarButton* button, bool hot);
    // A button of the bar was clicked.
    void ButtonClicked(TFxCustomToolBarButton* button);
    // A control of the overflow was used (a button clicked in the option
    // window, a menu button whose menu was dropped from there): it comes
    // back onto the bar, with the separator that stood alone beside it;
    // with AutoArrangeButtons it heads the priority list. Nothing for a
    // control that is not in the overflow.
    void OverflowControlUsed(QWidget* control);
    // Every button and separator (or only every menu button) takes its size
    // again, and the buttons their shadow glyphs from today's pictures.
    void ResizeButtons(bool menuButtonsOnly = false);
    // A button or separator sized itself: the controls are placed again.
    void ControlResized(QWidget* control);
    // The control list in its order: count, the control at an index (null
    // outside), the index of a control (-1), and a move that re-arranges.
    int GetFTBControlCount() const;
    QWidget* GetFTBControl(int index) const;
    int IndexOfFTBControl(QWidget* control) const;
    void MoveFTBControl(int fromIndex, int toIndex);
    // The length all visible controls need, with grip and right handle.
    int ToolBarFullLength() const;
    // Alt+letter: clicks the first visible, enabled button whose caption
    // has the letter as accelerator; false when none has.
    bool DialogChar(QChar key);
    // A control of the bar, or a window inside it, has the focus.
    bool FocusWithin() const { return focusWithin_; }

    // ---- dragging, floating and docking again (FxToolBarDrag.cpp)
    // A drag by the grip (or a floating bar's caption) is running.
    bool Dragging() const;
    // The window that carries the bar while it floats (null when docked).
    TFloatingWindow* FloatingWindow() const;
    // Where the bar floats (see TToolBarDrag::FloatingPlace); none docked.
    std::optional<QPoint> FloatingPlace() const;
    // Its floating window is being destroyed, the bar with it.
    void FloatingWindowGoing(TFloatingWindow* window);
    // The panel the bar was last docked in.
    TFxDockPanel* LastDockPanel() const { return lastPanel_; }
    // Whether the bar may dock in the panel: the panel's side is one of
    // DockableTo (bit 1 << side), and a panel whose height is locked has a
    // row that takes it.
    bool CanDockTo(const TFxDockPanel* panel) const;
    // Floats the bar in a window of its own at a screen position (or at the
    // cursor); nothing when it floats already.
    void MakeFloating(const QPoint& at);
    void MakeFloating();
    // What the floating window's close does: with AutoDockOnClose the bar
    // docks in its last panel again; otherwise it and its window are hidden
    // and Closed is signalled.
    void CloseFloating();

    // ---- the buttons of a maximised MDI child (FxToolBarMdi.cpp)
    // Stays on only on a full-size bar with a Menu; the bar then repaints
    // whenever the MDI children of its form move or change their state.
    bool AutoMDIButtons() const { return autoMdiButtons_; }
    void SetAutoMDIButtons(bool v);
    // The MDI area of the form the bar serves (the first widget up from its
    // dock panel, or the panel it last docked in while floating, or its
    // parent, that holds one), and that area's active child.
    QMdiArea* MdiArea() const;
    QMdiSubWindow* ActiveMdiChild() const;
    TRect MdiButtonRect(TMdiButton button) const;
    // Close: inside its rectangle; restore and minimise also need the
    // child's maximise or minimise button.
    bool MdiButtonHit(TMdiButton button, TPoint p) const;
    void MdiClose();
    void MdiRestore();
    void MdiMinimize();
    bool MdiButtonsShown() const { return mdiShown_; }
    bool MdiButtonHot(TMdiButton b) const { return mdiHot_[static_cast<int>(b)]; }
    bool MdiButtonDown(TMdiButton b) const { return mdiDown_[static_cast<int>(b)]; }
    // ---- the option window (FxToolBarOption.cpp): the overflow controls
    // lent to its panel, the entry that shows or hides the bar's controls.
    // A press on the right handle (or a floating bar's option button).
    void OptionClick();
    // Fills the window and shows it at (x, y) with usePoint, else under the
    // right handle; an empty window is not shown.
    void ShowOptionWindow(int x, int y, bool usePoint);
    void PrepareOptionWindow();
    void HideOptionWindow();
    TOptionSelectorWindow* OptionWindow() const;
    bool OptionWindowShowing() const;
    // The window hid: the lent controls are back; the bar arranges again.
    void OptionWindowHidden();
    // Moves a control of the bar into another parent and back, keeping it
    // in the bar's lists and order.
    void LendControl(QWidget* control, QWidget* to);
    void TakeBackControl(QWidget* control);
    // The bar's customizer, set by the customizer itself, which clears it
    // when it goes; the option window then offers its customize entry.
    void SetCustomizer(IToolBarCustomizer* customizer) { customizer_ = customizer; }
    IToolBarCustomizer* Customizer() const { return customizer_; }
    // Opens the customizer's dialog, when the bar has one.
    void Customize();

  signals:
    // The bar joined a dock panel (not while loading).
    void Docked(TFxDockPanel* panel);
    // The bar began to float (not while loading).
    void UnDocked();
    // The floating window was closed without docking again.
    void Closed();
    void ButtonClick(TFxCustomToolBarButton* button);
    // The right handle was pressed: the point under it in the parent's
    // coordinates and on the screen.
    void OptionClicked(TFxCustomToolBar* bar, QPoint clientPoint, QPoint screenPoint);

  protected:
    TRect BarBounds() const override;
    void ResizeBar(int width, int height) override;
    TSizeConstraints BarConstraints() const override { return constraints_; }
    void SetBarConstraints(const TSizeConstraints& c) override { constraints_ = c; }
    bool BarLoading() const override { return IsLoading(); }
    void FloatingSizeChanged() override;

    void Loaded() override;
    void ParentChanged() override;
    void Paint(Canvas& canvas) override;
    void AlignControls(QWidget* control, TRect& rect) override;
    bool event(QEvent* event) override;
    // Watches the listed controls for what moves them outside an arrangement.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class TWidgetControl;
    IBarControl* ControlOf(QWidget* widget);
    void ChildCameLater(QWidget* widget);
    void ChildLeft(QObject* object);
    void TakeParent();
    void ChooseStyler(TCustomFxToolBarStyler* styler);
    // The styler's look for the controls that take one: a glow button its
    // glow colours, a control with the style interface the styler's code.
    void ApplyStylerToControls();
    void ApplyStylerTo(QWidget* control);
    TColor PanelColorAt(int x, int y);

    void PaintCaption(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintFloatingCaption(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintFloatingButton(Canvas& canvas, const TCustomFxToolBarStyler& styler, const TRect& r,
                             bool hot, bool down, bool close);
    void PaintBody(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintBackGround(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintEdgeLines(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintGrip(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintRightHandle(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintCorners(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintBorder(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintMdiButtons(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    bool MdiMouse(QEvent* event);
    bool MdiActionAllowed(QMdiSubWindow* child) const;

    bool allowFloating_ = true;
    bool autoArrangeButtons_ = true;
    bool autoDockOnClose_ = false;
    bool autoOptionMenu_ = false;
    bool locked_ = false;
    CanvasFont captionFont_;
    menus::TAlignment captionAlignment_ = menus::TAlignment::taLeftJustify;
    unsigned dockableTo_ = 0xF;
    QString textAutoOptionMenu_ = QStringLiteral("Add or Remove Buttons");
    QString textOptionMenu_ = QStringLiteral("Options");
    bool parentOptionPicture_ = true;
    int compactImageIndex_ = -1;
    QString compactCaption_;
    TGDIPPicture compactPicture_;
    TAntiAlias antiAlias_ = TAntiAlias::aaClearType;
    TFxHintInfo officeHint_;
    QString hintOptionButton_;
    QString hintCloseButton_;
    bool parentStyler_ = true;

    TCustomFxToolBarStyler* internalStyler_ = nullptr;
    QPointer<TCustomFxToolBarStyler> toolBarStyler_;
    QPointer<TCustomFxToolBarStyler> current_;
    QMetaObject::Connection stylerGone_;
    class TStateHost;
    TPersistence persistence_{this};
    TFxDockPanel* panel_ = nullptr;      // docked in
    TFxDockPanel* lastPanel_ = nullptr;  // last docked in
    int rowIndex_ = -1;
    TSizeConstraints constraints_{kMinLength, kMinLength, 0, 0};
    bool internalBounds_ = false;  // placed by the panel's rows or a turn: not reported back
    bool rightHandleHot_ = false;
    bool rightHandleDown_ = false;
    bool OverRightHandle(const QPoint& global) const;
    // The pointer moved over the bar or left it: the right handle's hot
    // look follows, and a hot button the pointer left with the bar leaves.
    void HotLookMouse(QEvent* event);
    bool closeHot_ = false;
    bool closeDown_ = false;
    bool optionHot_ = false;
    bool optionDown_ = false;
    QPointer<TImageList> images_;
    QPointer<TFxMainMenu> menu_;
    QPointer<QMenu> optionMenu_;
    TFxToolBarMenuBar* menuBar_ = nullptr;
    QPointer<TImageList> disabledImages_;
    QPointer<TFxCustomToolBarButton> hotButton_;
    bool focusWithin_ = false;
    bool autoMdiButtons_ = false;
    bool mdiShown_ = false;
    bool mdiHot_[3] = {};
    bool mdiDown_[3] = {};
    void FocusChanged(QWidget* now);
    bool LiveEvent(QEvent* event);
    // The controls of the bar that take the focus, in tab order.
    std::vector<QWidget*> FocusableControls() const;
    // Left and Right on a glow button of the bar move the focus to the
    // control before or after it.
    bool GlowButtonKey(QObject* watched, QEvent* event);
    QWidget* WidgetOf(const IBarControl* control) const;
    std::map<QObject*, IBarControl*> controlOf_;
    std::map<QObject*, std::unique_ptr<TWidgetControl>> adapters_;
    friend class TToolBarDrag;
    TToolBarDrag* drag_ = nullptr;  // a child: the drag, the floating window
    // Owned; a child of the bar's window, which may take it along.
    QPointer<TOptionSelectorWindow> optionWindow_;
    bool lending_ = false;
    IToolBarCustomizer* customizer_ = nullptr;
    bool OptionMouseEvent(QEvent* event);
    void DestroyOptionWindow();
    TGDIPPicture optionPicture_;
    TGDIPPicture optionDisabledPicture_;
    bool captionOptionHot_ = false;
    bool captionOptionDown_ = false;
    int captionHotLevel_ = 0;
    int captionDownLevel_ = 0;
    int captionFadeIncrement_ = 0;
    bool captionFadeDown_ = false;  // the running fade is the down fade
    QTimer captionFadeTimer_;
    void BeginCaptionOptionFade(bool down, int increment);
    void CaptionOptionMouse(QEvent* event);
    void PaintCaptionOptionButton(Canvas& canvas, const TCustomFxToolBarStyler& styler);
};

// The published tool bar; adds nothing.
class TFxToolBar : public TFxCustomToolBar {
    Q_OBJECT
  public:
    using TFxCustomToolBar::TFxCustomToolBar;
};

}  // namespace vx
