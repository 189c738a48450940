// `TWgCustomPanel`/`TWgPanel`: the bordered container of the widget family.
//
// Two frame styles (outer and inner) around a band of the border width on
// the chosen sides, a flat, gradient or classic fill, an optional grid, and
// a caption aligned both ways with margins and word wrap. Children are
// arranged inside the frames; a Qt layout set on the panel keeps to the same
// area. Title bars, separators, size panels and group
// boxes are built on it.
//
// Disabling the panel disables its children and remembers which of them were
// enabled; enabling it again enables only those, so a child that was
// disabled before stays disabled.
#pragma once

#include <QList>
#include <QPointer>
#include <QRegion>
#include <functional>
#include <utility>

#include "platform/qt/CustomControl.h"
#include "widgets/WgCommonColors.h"
#include "widgets/WgFrameControlled.h"
#include "widgets/WgGrafxFrames.h"
#include "widgets/WgPanelLayout.h"

namespace vx {

class TWgCustomPanel : public TCustomControl, public TWgFrameControlled {
    Q_OBJECT
  public:
    explicit TWgCustomPanel(QWidget* parent = nullptr);
    ~TWgCustomPanel() override;

    // A panel aligned to the bottom (right) keeps its bottom (right) edge
    // when its height (width) changes.
    void SetBounds(int left, int top, int width, int height) override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { SetPublished(alignment_, a); }
    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical a) { SetPublished(alignmentVertical_, a); }
    TFrameStyleEx BorderOuter() const { return borders_.outer; }
    void SetBorderOuter(TFrameStyleEx s) { SetPublished(borders_.outer, s, kRealign | kRepaint); }
    TFrameStyleEx BorderInner() const { return borders_.inner; }
    void SetBorderInner(TFrameStyleEx s) { SetPublished(borders_.inner, s, kRealign | kRepaint); }
    TSides BorderSides() const { return borders_.sides; }
    void SetBorderSides(TSides s) { SetPublished(borders_.sides, s, kRealign | kRepaint); }
    int BorderWidth() const { return borders_.borderWidth; }
    void SetBorderWidth(int w) { SetPublished(borders_.borderWidth, w, kRealign | kRepaint); }
    int BevelWidth() const { return borders_.bevelWidth; }
    void SetBevelWidth(int w) { SetPublished(borders_.bevelWidth, w, kRealign | kRepaint); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor c) { SetPublished(borderColor_, c); }
    TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(TColor c) { SetPublished(borderHighlight_, c); }
    TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(TColor c) { SetPublished(borderShadow_, c); }
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor c) { SetPublished(flatColor_, c); }
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int n) { SetPublished(flatColorAdjustment_, n); }
    // Repaint the whole panel on every resize; off, a panel without a
    // caption repaints only what a resize uncovers and the strip between its
    // frames' inside and the right (bottom) edge, before and after.
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool f);
    TWgGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TWgGradientColorStyle s) { SetPublished(gradientColorStyle_, s); }
    TColor GradientColorStart() const { return gradientColorStart_; }
    void SetGradientColorStart(TColor c);
    TColor GradientColorStop() const { return gradientColorStop_; }
    void SetGradientColorStop(TColor c);
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection d);
    TColor GridColor() const { return gridColor_; }
    void SetGridColor(TColor c) { SetPublished(gridColor_, c); }
    TWgGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TWgGridStyle s) { SetPublished(gridStyle_, s); }
    std::uint16_t GridXSize() const { return gridXSize_; }
    void SetGridXSize(std::uint16_t n) { SetPublished(gridXSize_, n); }
    std::uint16_t GridYSize() const { return gridYSize_; }
    void SetGridYSize(std::uint16_t n) { SetPublished(gridYSize_, n); }
    bool Locked() const { return locked_; }
    void SetLocked(bool l) { locked_ = l; }
    bool PaintClientArea() const { return paintClientArea_; }
    void SetPaintClientArea(bool p) { SetPublished(paintClientArea_, p); }
    // A caption bar over each docked client (a dock site's dock manager).
    bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
    void SetShowDockClientCaptions(bool s) {
        SetPublished(showDockClientCaptions_, s, kRealign | kRepaint);
    }
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool s) { SetPublished(showGrid_, s); }
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int m) { SetPublished(textMargin_, m); }
    int TextMarginVertical() const { return textMarginVertical_; }
    void SetTextMarginVertical(int m) { SetPublished(textMarginVertical_, m); }
    // Shows the parent's image under the panel; its children repaint.
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    TWgVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TWgVisualStyle s) { SetPublished(visualStyle_, s); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w) { SetPublished(wordWrap_, w); }

    // The controller whose frame settings the panel takes, or none.
    TWgFrameController* FrameController() const { return frameController_; }
    void SetFrameController(TWgFrameController* controller);
    std::optional<TWgFrameControllerNotifications> FrameControllerNotifications() const override {
        return notifications_;
    }
    void SetFrameControllerNotifications(TWgFrameControllerNotifications n) { notifications_ = n; }

    // Drawn after everything else, on the panel's canvas.
    std::function<void(Canvas&)> OnPaint;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    // The rectangle inside the frames that Paint fills.
    TRect InteriorRect() const;

    // What the frame drawing gets.
    TFrameStyleParams FrameParams() const;

  protected:
    // The client rectangle children and painting start from.
    virtual TRect PanelClientRect() const { return ClientRect(); }
    // The rectangle the frames are painted in.
    virtual TRect BorderBoxRect() const { return PanelClientRect(); }
    // The rectangle less the frames (and the border width when asked).
    virtual TRect AdjustBorders(const TRect& r, bool includeBorderWidth) const;
    const TPanelBorders& Borders() const { return borders_; }

    virtual TColorPair GradientColors() const;
    // The flat edge colour and its lightness adjustment.
    virtual std::pair<TColor, int> FlatColors() const;
    virtual void DrawCaption(Canvas& canvas, const TRect& interior);
    virtual void DrawGrid(Canvas& canvas, const TRect& interior);
    // Takes the controller's settings that the notification set asks for
    // (only while the controller's frame shows).
    virtual void ApplyFrameController(const TWgFrameController& controller);

    // The parent's colour, as the frame's cut corners show it.
    TColor ParentColorValue() const;
    // The whole control in the parent's image (transparent) or its colour.
    void PaintBackground(Canvas& canvas);

    // What a resize from `old` repaints when FullRepaint is off.
    virtual QRegion ResizeRepaint(const QSize& old) const;
    TDockTree* CreateDockManager() override;

    void Paint(Canvas& canvas) override;
    void AdjustClientRect(TRect& rect) override;
    void resizeEvent(QResizeEvent* event) override;
    void AlignControls(QWidget* control, TRect& rect) override;
    void EnabledChanged() override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool event(QEvent* event) override;

    void TakeFrameSetting(TWgFrameControllerNotification setting,
                          const TWgFrameController& controller) override;
    void FrameControllerRemoved(TWgFrameController& controller) override;

  private:
    void RepaintWithTransparentChildren();

    TAlignment alignment_ = TAlignment::taCenter;
    TAlignmentVertical alignmentVertical_ = TAlignmentVertical::avCenter;
    TPanelBorders borders_;
    TColor borderColor_ = clBtnFace;
    TColor borderHighlight_ = clBtnHighlight;
    TColor borderShadow_ = clBtnShadow;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    bool fullRepaint_ = true;
    TWgGradientColorStyle gradientColorStyle_ = TWgGradientColorStyle::gcsSystem;
    TColor gradientColorStart_ = clWhite;
    TColor gradientColorStop_ = clBtnFace;
    TGradientDirection gradientDirection_ = TGradientDirection::gdHorizontalEnd;
    TColor gridColor_ = clBtnShadow;
    TWgGridStyle gridStyle_ = TWgGridStyle::gsDots;
    std::uint16_t gridXSize_ = 8;
    std::uint16_t gridYSize_ = 8;
    bool locked_ = false;
    bool paintClientArea_ = true;
    bool showDockClientCaptions_ = true;
    bool showGrid_ = false;
    int textMargin_ = 0;
    int textMarginVertical_ = 0;
    bool transparent_ = false;
    TWgVisualStyle visualStyle_ = TWgVisualStyle::vsWinXP;
    bool wordWrap_ = true;

    TWgFrameController* frameController_ = nullptr;
    TWgFrameControllerNotifications notifications_ = kAllFrameControllerNotifications;
    // The children's own enabled states when the panel was disabled.
    QList<std::pair<QPointer<QWidget>, bool>> savedEnabled_;
};

// The published panel.
class TWgPanel : public TWgCustomPanel {
    Q_OBJECT
  public:
    using TWgCustomPanel::TWgCustomPanel;
};

}  // namespace vx
