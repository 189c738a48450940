// `TWgCustomSizePanel`/`TWgSizePanel`: an aligned panel with a size bar on
// its inner edge. Dragging the bar resizes the panel against the rest of its
// parent, within its margins; the optional hot spot in the middle of the bar
// collapses the panel to the bar alone and restores it. While a drag goes on
// without real-time resizing, an inverted bar shows where the bar will go
// (TWgSizeBarOverlay); Escape ends the drag without resizing.
#pragma once

#include <QPointer>
#include <functional>
#include <optional>

#include "widgets/WgSplitLayout.h"
#include "widgets/qt/WgPanel.h"

namespace vx {

class TWgSizeBarOverlay;

class TWgCustomSizePanel : public TWgCustomPanel {
    Q_OBJECT
  public:
    explicit TWgCustomSizePanel(QWidget* parent = nullptr);
    ~TWgCustomSizePanel() override;

    void SetAlign(TAlign align) override;
    int SizeBarWidth() const { return sizeBarWidth_; }
    void SetSizeBarWidth(int w);
    // Any style but the plain one needs a bar at least 6 pixels wide.
    TSplitterStyle SizeBarStyle() const { return sizeBarStyle_; }
    void SetSizeBarStyle(TSplitterStyle s);
    // The smallest size beyond the bar, and the room that stays free on the
    // bar's other side; never negative, together never more than the panel
    // could reach. Until the panel has a parent they are kept as given.
    int MarginMin() const { return marginMin_; }
    void SetMarginMin(int m);
    int MarginMax() const { return marginMax_; }
    void SetMarginMax(int m);
    bool RealTimeDrag() const { return realTimeDrag_; }
    void SetRealTimeDrag(bool r) { realTimeDrag_ = r; }
    // The bar cannot be dragged; the hot spot still works.
    bool LockBar() const { return lockBar_; }
    void SetLockBar(bool l) { lockBar_ = l; }
    // Hiding the hot spot opens the panel's state without resizing it; showing
    // it needs a bar at least 7 pixels wide.
    bool HotSpotVisible() const { return hotSpotVisible_; }
    void SetHotSpotVisible(bool v);
    TColor HotSpotHighlight() const { return hotSpotHighlight_; }
    void SetHotSpotHighlight(TColor c) { SetPublished(hotSpotHighlight_, c); }
    TColor HotSpotColor() const { return hotSpotColor_; }
    void SetHotSpotColor(TColor c) { SetPublished(hotSpotColor_, c); }
    TColor HotSpotDotColor() const { return hotSpotDotColor_; }
    void SetHotSpotDotColor(TColor c) { SetPublished(hotSpotDotColor_, c); }
    TColor HotSpotFrameColor() const { return hotSpotFrameColor_; }
    void SetHotSpotFrameColor(TColor c) { SetPublished(hotSpotFrameColor_, c); }
    int HotSpotSizePercent() const { return hotSpotSizePercent_; }
    void SetHotSpotSizePercent(int p) { SetPublished(hotSpotSizePercent_, p); }
    // The collapsed size leaves out MarginMin.
    bool HotSpotIgnoreMargins() const { return hotSpotIgnoreMargins_; }
    void SetHotSpotIgnoreMargins(bool i) { hotSpotIgnoreMargins_ = i; }
    // The edge an unaligned or custom-aligned panel counts as docked to.
    TSide Side() const { return side_; }
    void SetSide(TSide s) { SetPublished(side_, s, kRealign | kRepaint); }
    int GradientColorAdjustment() const { return gradientColorAdjustment_; }
    void SetGradientColorAdjustment(int n) { SetPublished(gradientColorAdjustment_, n); }
    TWgGroupBarGradientPath GradientPath() const { return gradientPath_; }
    void SetGradientPath(TWgGroupBarGradientPath p) { SetPublished(gradientPath_, p); }

    // Collapsed to its bar, and the width or height a restore goes back to.
    bool HotSpotClosed() const { return hotSpotClosed_; }
    void SetHotSpotClosed(bool closed);
    int HotSpotPosition() const { return hotSpotPosition_; }
    void SetHotSpotPosition(int p) { hotSpotPosition_ = p; }

    // Remembers the size and shrinks the panel to its bar; nothing when it is
    // collapsed already.
    void CollapseToHotSpot();

    // Called after a click on the hot spot collapsed or restored the panel.
    std::function<void()> OnHotSpotClick;

    std::optional<TSide> Docked() const;
    bool BarHorizontal() const;
    TRect SizeBarRect() const;
    TRect HotSpotRect() const;
    // The parent's room left by its aligned controls; throws
    // std::logic_error("No parent specified") without a parent.
    TRect FreeArea() const;
    int AvailableExtent() const;
    int ClampPosition(int p) const;
    // Whether the hot spot is drawn highlighted (the mouse is over it).
    bool HotSpotHot() const { return hotDrawn_; }
    bool Dragging() const { return dragging_; }

  protected:
    TRect PanelClientRect() const override;
    TDockTree* CreateDockManager() override;
    QRegion ResizeRepaint(const QSize& old) const override;
    TRect BorderBoxRect() const override;
    TRect AdjustBorders(const TRect& r, bool includeBorderWidth) const override;
    void Paint(Canvas& canvas) override;
    virtual void PaintSizeBar(Canvas& canvas);
    virtual void PaintHotSpot(Canvas& canvas, bool hot);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void MouseLeave() override;

  private:
    // The panel's width (left and right panels) or height.
    int Extent() const;
    void SetExtent(int extent);
    TBarLimits Limits() const;
    int MouseAlong(const QPoint& inPanel) const;
    void UpdateHotState(const QPoint& inPanel);
    void UpdateCursor(const QPoint& inPanel);
    void EndDrag(bool resize);
    void Restore();
    int CappedMargin(int value, int other) const;

    int sizeBarWidth_ = 4;
    TSplitterStyle sizeBarStyle_ = TSplitterStyle::ssStandard;
    int marginMin_ = 0;
    int marginMax_ = 0;
    bool realTimeDrag_ = false;
    bool lockBar_ = false;
    bool hotSpotVisible_ = false;
    TColor hotSpotHighlight_ = clWindow;
    TColor hotSpotColor_ = clBtnFace;
    TColor hotSpotDotColor_ = clHighlight;
    TColor hotSpotFrameColor_ = clBtnShadow;
    int hotSpotSizePercent_ = 40;
    bool hotSpotIgnoreMargins_ = false;
    TSide side_ = TSide::sdLeft;
    int gradientColorAdjustment_ = 30;
    TWgGroupBarGradientPath gradientPath_ = TWgGroupBarGradientPath::gpTopToBottom;
    bool hotSpotClosed_ = false;
    int hotSpotPosition_ = 100;

    bool dragging_ = false;
    bool hotPressed_ = false;
    bool hotDrawn_ = false;
    bool recheck_ = false;
    int dragStart_ = 0;
    int startWidth_ = 0;
    int startHeight_ = 0;
    int pressAt_ = 0;
    int lastPos_ = 0;
    QPointer<TWgSizeBarOverlay> overlay_;
};

// The published size panel.
class TWgSizePanel : public TWgCustomSizePanel {
    Q_OBJECT
  public:
    using TWgCustomSizePanel::TWgCustomSizePanel;
};

}  // namespace vx
