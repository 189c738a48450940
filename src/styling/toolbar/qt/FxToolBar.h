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
#include <map>
#include <memory>

#include "platform/qt/CustomControl.h"
#include "styling/menus/FxMenuAppearance.h"
#include "styling/toolbar/DockRows.h"
#include "styling/toolbar/FxToolBarStylers.h"
#include "styling/toolbar/ToolBarLayout.h"

namespace vx {

class TFxDockPanel;

class TFxCustomToolBar : public TCustomControl,
                         public TToolBarLayout,
                         public IDockBar,
                         public IToolBarStyleReceiver {
    Q_OBJECT
  public:
    explicit TFxCustomToolBar(QWidget* parent = nullptr);
    ~TFxCustomToolBar() override;

    // ---- published properties
    bool AllowFloating() const { return allowFloating_; }
    void SetAllowFloating(bool v) { allowFloating_ = v; }
    bool AutoArrangeButtons() const { return autoArrangeButtons_; }
    void SetAutoArrangeButtons(bool v) { autoArrangeButtons_ = v; }
    bool AutoDockOnClose() const { return autoDockOnClose_; }
    void SetAutoDockOnClose(bool v) { autoDockOnClose_ = v; }
    bool AutoOptionMenu() const { return autoOptionMenu_; }
    void SetAutoOptionMenu(bool v) { autoOptionMenu_ = v; }
    bool Locked() const { return locked_; }
    void SetLocked(bool v) { locked_ = v; }
    void SetAutoPositionControls(bool v) { StoreAutoPositionControls(v); }
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
    QString TextAutoOptionMenu() const { return textAutoOptionMenu_; }
    void SetTextAutoOptionMenu(const QString& v) { textAutoOptionMenu_ = v; }
    QString TextOptionMenu() const { return textOptionMenu_; }
    void SetTextOptionMenu(const QString& v) { textOptionMenu_ = v; }
    bool ParentOptionPicture() const { return parentOptionPicture_; }
    void SetParentOptionPicture(bool v) { parentOptionPicture_ = v; }
    int CompactImageIndex() const { return compactImageIndex_; }
    void SetCompactImageIndex(int v) { compactImageIndex_ = v; }
    // Only orders tool bars inside a container this system does not have:
    // -1, and writes change nothing.
    int ToolBarIndex() const { return -1; }
    void SetToolBarIndex(int) {}
    QString Version() const { return QStringLiteral("1.2.1.0"); }

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
    TSizeConstraints Constraints() const { return constraints_; }
    void SetConstraints(const TSizeConstraints& c) { constraints_ = c; }

    // The state of the right handle (repainted on a change).
    void SetRightHandleHot(bool hot);
    void SetRightHandleDown(bool down);

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

  protected:
    TRect BarBounds() const override;
    void ResizeBar(int width, int height) override;
    TSizeConstraints BarConstraints() const override { return constraints_; }
    void SetBarConstraints(const TSizeConstraints& c) override { constraints_ = c; }
    bool BarLoading() const override { return IsLoading(); }

    void Loaded() override;
    void ParentChanged() override;
    void Paint(Canvas& canvas) override;
    void AlignControls(QWidget* control, TRect& rect) override;
    bool event(QEvent* event) override;

  private:
    class TWidgetControl;
    IBarControl* ControlOf(QWidget* widget);
    void ChildCameLater(QWidget* widget);
    void ChildLeft(QObject* object);
    void TakeParent();
    void ChooseStyler(TCustomFxToolBarStyler* styler);
    void ApplyStylerToControls();
    TColor PanelColorAt(int x, int y);

    void PaintCaption(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintBody(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintBackGround(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintEdgeLines(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintGrip(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintRightHandle(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintCorners(Canvas& canvas, const TCustomFxToolBarStyler& styler);
    void PaintBorder(Canvas& canvas, const TCustomFxToolBarStyler& styler);

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
    bool parentStyler_ = true;

    TCustomFxToolBarStyler* internalStyler_ = nullptr;
    QPointer<TCustomFxToolBarStyler> toolBarStyler_;
    QPointer<TCustomFxToolBarStyler> current_;
    TFxDockPanel* panel_ = nullptr;      // docked in
    TFxDockPanel* lastPanel_ = nullptr;  // last docked in
    int rowIndex_ = -1;
    TSizeConstraints constraints_{kMinLength, kMinLength, 0, 0};
    bool internalBounds_ = false;
    bool orientationChanging_ = false;
    bool rightHandleHot_ = false;
    bool rightHandleDown_ = false;
    std::map<QObject*, IBarControl*> controlOf_;
    std::map<QObject*, std::unique_ptr<TWidgetControl>> adapters_;
};

// The published tool bar; adds nothing.
class TFxToolBar : public TFxCustomToolBar {
    Q_OBJECT
  public:
    using TFxCustomToolBar::TFxCustomToolBar;
};

}  // namespace vx
