// `TWgCustomTabControl`: the tab strip. A painted control that shows one or
// several rows of tabs along one edge and a card (the page area) beside
// them; its children lie on the card.
//
// The tabs, the layout, the selection rules and scrolling are the window-free
// TWgTabModel; this control paints them (WgTabsPaint.cpp), takes the mouse
// and the keyboard (WgTabsInput.cpp), and holds the properties, events, the
// scroller and the close and menu buttons. TWgPageControl builds pages on it.
//
// Property setters ignore an unchanged value; a new one either lays the tabs
// out again or only repaints. While the control is loading, the selection is
// only stored and nothing is laid out.
#pragma once

#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/paint/ImageList.h"
#include "platform/qt/CustomControl.h"
#include "widgets/WgTabColors.h"
#include "widgets/WgTabRegionCache.h"
#include "widgets/WgTabsModel.h"
#include "widgets/WgTabsShape.h"
#include "widgets/WgTextColors.h"

namespace vx {

class TWgTabScroller;
class TWgTabControlCloseButton;
class TWgActiveTabCloseButton;
class TWgTabMenuButton;
class TWgDropMarkerWindow;

class TWgCustomTabControl : public TCustomControl,
                            protected TWgTabModelHost,
                            private TWgTabMetrics {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  public:
    explicit TWgCustomTabControl(QWidget* parent = nullptr);
    ~TWgCustomTabControl() override;

    // Tabs. After changing records through EditTabs(), call TabsChanged().
    const TWgTabDataList& Tabs() const { return model_.Tabs(); }
    TWgTabDataList& EditTabs() { return model_.Tabs(); }
    void TabsChanged();
    int TabCount() const { return model_.Count(); }

    // The selected tab (-1: none).
    int TabIndex() const { return model_.TabIndex(); }
    void SetTabIndex(int index);

    // Layout properties.
    bool AlignTabs() const { return props().AlignTabs; }
    void SetAlignTabs(bool value);
    bool BoldCurrentTab() const { return props().BoldCurrentTab; }
    void SetBoldCurrentTab(bool value) { SetLayoutProp(editProps().BoldCurrentTab, value); }
    bool ShowCardFrame() const { return props().ShowCardFrame; }
    void SetShowCardFrame(bool value) { SetLayoutProp(editProps().ShowCardFrame, value); }
    bool ShowFullFrame() const { return props().ShowFullFrame; }
    void SetShowFullFrame(bool value);
    bool ShowShadow() const { return props().ShowShadow; }
    void SetShowShadow(bool value);
    bool ShowCloseButton() const { return props().ShowCloseButton; }
    void SetShowCloseButton(bool value);
    bool ShowCloseButtonOnActiveTab() const { return props().ShowCloseButtonOnActiveTab; }
    void SetShowCloseButtonOnActiveTab(bool value);
    bool ShowMenuButton() const { return props().ShowMenuButton; }
    void SetShowMenuButton(bool value);
    int CutCornerSize() const { return props().CutCornerSize; }
    void SetCutCornerSize(int value);
    TWgImagePosition ImagePosition() const { return props().ImagePosition; }
    void SetImagePosition(TWgImagePosition value) {
        SetLayoutProp(editProps().ImagePosition, value);
    }
    TWgHorizontalAlignment ImageAlignment() const { return props().ImageAlignment; }
    void SetImageAlignment(TWgHorizontalAlignment value) {
        SetLayoutProp(editProps().ImageAlignment, value);
    }
    int ImageMargin() const { return props().ImageMargin; }
    void SetImageMargin(int value) { SetNonNegative(editProps().ImageMargin, value); }
    TWgVerticalAlignment ImageAlignmentVertical() const { return props().ImageAlignmentVertical; }
    void SetImageAlignmentVertical(TWgVerticalAlignment value) {
        SetLayoutProp(editProps().ImageAlignmentVertical, value);
    }
    int Margin() const { return props().Margin; }
    void SetMargin(int value) { SetNonNegative(editProps().Margin, value); }
    bool MultiLine() const { return props().MultiLine; }
    void SetMultiLine(bool value) { SetLayoutProp(editProps().MultiLine, value); }
    int RowIndent() const { return props().RowIndent; }
    void SetRowIndent(int value) { SetNonNegative(editProps().RowIndent, value); }
    int RowOverlap() const { return props().RowOverlap; }
    void SetRowOverlap(int value) { SetNonNegative(editProps().RowOverlap, value); }
    bool SoftCorners() const { return props().SoftCorners; }
    void SetSoftCorners(bool value) { SetLayoutProp(editProps().SoftCorners, value); }
    int TabOverlap() const { return props().TabOverlap; }
    void SetTabOverlap(int value) { SetLayoutProp(editProps().TabOverlap, value); }
    TOrientation TextOrientation() const { return props().TextOrientation; }
    // Turned text needs an outline face: another face becomes "Verdana".
    void SetTextOrientation(TOrientation value);
    int TabHeight() const { return props().TabHeight; }
    void SetTabHeight(int value) { SetNonNegative(editProps().TabHeight, value); }
    int TabWidth() const { return props().TabWidth; }
    void SetTabWidth(int value) { SetNonNegative(editProps().TabWidth, value); }
    TWgTabOrientation TabOrientation() const { return props().TabOrientation; }
    void SetTabOrientation(TWgTabOrientation value);
    TWgTabSequence TabSequence() const { return props().TabSequence; }
    void SetTabSequence(TWgTabSequence value) { SetLayoutProp(editProps().TabSequence, value); }
    TWgTabStyle TabStyle() const { return props().TabStyle; }
    void SetTabStyle(TWgTabStyle value) { SetLayoutProp(editProps().TabStyle, value); }
    TWgHorizontalAlignment TextAlignment() const { return props().TextAlignment; }
    void SetTextAlignment(TWgHorizontalAlignment value) {
        SetLayoutProp(editProps().TextAlignment, value);
    }
    TWgVerticalAlignment TextAlignmentVertical() const { return props().TextAlignmentVertical; }
    void SetTextAlignmentVertical(TWgVerticalAlignment value) {
        SetLayoutProp(editProps().TextAlignmentVertical, value);
    }
    // The thickness of one row of tabs; the layout works it out, a stored
    // value serves until then.
    int FixedDimension() const { return model_.FixedDimension(); }
    void SetFixedDimension(int value) { model_.SetFixedDimension(value); }
    int RegionCacheCapacity() const { return regions_.Capacity(); }
    void SetRegionCacheCapacity(int value) { regions_.SetCapacity(value); }

    // Paint properties.
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor value);
    bool ParentBackgroundColor() const { return parentBackgroundColor_; }
    void SetParentBackgroundColor(bool value);
    bool UseColoredTabs() const { return useColoredTabs_; }
    virtual void SetUseColoredTabs(bool value);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int value);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool value);
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColor(TColor value) { SetPaintProp(hotTrackColor_, value); }
    TWgTabHotTrackColorSource HotTrackColorSource() const { return hotTrackColorSource_; }
    void SetHotTrackColorSource(TWgTabHotTrackColorSource value) {
        SetPaintProp(hotTrackColorSource_, value);
    }
    TWgHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorType(TWgHotTrackColorType value) {
        SetPaintProp(hotTrackColorType_, value);
    }
    TWgTabHotTrackStyle HotTrackStyle() const { return hotTrackStyle_; }
    void SetHotTrackStyle(TWgTabHotTrackStyle value) { SetPaintProp(hotTrackStyle_, value); }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool ShowFocusRect() const { return props().ShowFocusRect; }
    void SetShowFocusRect(bool value);
    bool TabHints() const { return tabHints_; }
    void SetTabHints(bool value);
    bool UseGradients() const { return useGradients_; }
    void SetUseGradients(bool value) { SetPaintProp(useGradients_, value); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { SetPaintProp(transparent_, value); }
    bool AllowTabDragging() const { return allowTabDragging_; }
    void SetAllowTabDragging(bool value) { allowTabDragging_ = value; }
    TWgTabColors& TabColors() { return tabColors_; }
    void SetTabColors(const TWgTabColors& colors) { tabColors_.Assign(colors); }
    TWgTextColors& TextColors() { return textColors_; }
    void SetTextColors(const TWgTextColors& colors) { textColors_.Assign(colors); }

    // The control's own hint (a tab's hint is shown over that tab with
    // TabHints).
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);

    // Geometry as last laid out.
    int RowCount() const { return model_.RowCount(); }
    int FirstShownTab() const { return model_.FirstShown(); }
    bool TabInView(int index) const { return model_.InView(index); }
    // The tab's rectangle in the control (layout first when due).
    TRect TabRect(int index);
    // The card of a row (row 0: the page area).
    TRect CardRect(int row);
    // The area the children lie in: the card less its frame (layout first
    // when due).
    TRect ChildArea();
    // The tab under a point (shape and overlap considered), or -1.
    int TabAt(TPoint point);
    int HotTab() const { return hotTab_; }
    void LayoutNow() { model_.EnsureLayout(); }
    // The outline colour: FlatColor lightened or darkened by the adjustment.
    TColor FrameColor() const;

    // One scroll step, as the scroller's buttons and a drag past the strip's
    // ends do.
    void ScrollTabs(bool forward);
    // Whether a scroller half can scroll now (its arrow is enabled).
    bool ScrollHalfCanScroll(int half) const { return model_.ScrollHalfEnabled(half); }
    TWgTabScroller* Scroller() const { return scroller_; }
    // The drop marker of a tab drag, while one is shown.
    TWgDropMarkerWindow* DropMarker() const { return marker_; }
    bool Dragging() const { return dragging_; }
    TWgTabControlCloseButton* CloseButton() const { return closeButton_; }
    TWgActiveTabCloseButton* ActiveTabCloseButton() const { return activeCloseButton_; }
    TWgTabMenuButton* MenuButton() const { return menuButton_; }
    // Asks OnClose (AllowClose preset false), then closes the active tab.
    void CloseQueryAndClose();

    // Events.
    std::function<void()> OnChange;
    std::function<void(int newIndex, bool& allowChange)> OnChanging;
    std::function<void(bool& allowClose)> OnClose;
    std::function<void(int tabIndex, TWgTextStyle style, TColor& color, bool& handled)>
        OnGetTextColor;
    std::function<void(Canvas& canvas, const TRect& rect, bool& handled)> OnPaintBackground;
    std::function<void(Canvas& canvas, int row, const TRect& rect, bool& handled)>
        OnPaintCardBackground;
    std::function<void(Canvas& canvas, int tabIndex, const TRect& rect, bool& handled)>
        OnPaintTabBackground;
    std::function<void()> OnTabClick;
    std::function<void(int oldIndex, int newIndex)> OnTabOrderChange;
    std::function<void()> OnScrolledTabs;
    std::function<void()> OnPageChange;

  protected:
    const TWgTabLayoutProps& props() const { return model_.Props(); }
    TWgTabLayoutProps& editProps() { return model_.Props(); }
    TWgTabModel& Model() { return model_; }
    // Selects a tab as the control's own doing: no change query, but the
    // change is reported.
    void SetTabIndexInternal(int index) { model_.SetTabIndexInternal(index); }

    // The operations a derived control may take over.
    virtual bool CanChange(int newIndex);  // fires OnChanging
    virtual TColor GetTextColor(int tabIndex, TWgTextStyle style, TColor color);
    virtual void RequestLayout();
    virtual void TabClick();  // fires OnTabClick
    virtual void RepaintTabs();
    virtual bool PaintBackgroundHook(Canvas& canvas, const TRect& rect);
    virtual bool PaintCardBackground(Canvas& canvas, int row, const TRect& rect);
    virtual bool PaintTabBackground(Canvas& canvas, int tabIndex, const TRect& rect);
    virtual void DrawDropMarker(int target, bool draw);
    virtual void CloseActiveTab() {}
    virtual void MoveActiveTab(int newIndex) { (void)newIndex; }
    virtual bool Busy() const { return false; }
    virtual void Change();  // fires OnChange, then OnPageChange
    virtual void HideAllTabs() {}
    virtual void ShowAllTabs() {}
    // The show-card flag: a card beside the strip.
    bool ShowCard() const { return props().ShowCard; }
    void SetShowCard(bool value) { SetLayoutProp(editProps().ShowCard, value); }
    // While true the layout selects no tab of its own accord.
    virtual bool KeepsNoSelection() const { return false; }

    // TCustomControl
    void Paint(Canvas& canvas) override;
    void AdjustClientRect(TRect& rect) override;
    void FontChanged() override;
    void ParentColorChanged() override;
    void Loaded() override;
    void MouseLeave() override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // TWgTabModelHost
    bool TabIndexOnlyStored() const override { return IsLoading() || Busy(); }
    bool CanChangeTab(int newIndex) override { return CanChange(newIndex); }
    void TabIndexChanged() override { Change(); }
    void TabsRepaint() override;
    void TabIndexWritten() override;
    void TabsScrolled() override;
    bool KeepsNoTab() const override { return KeepsNoSelection(); }
    void ClientAreaChanged() override;
    // TWgTabMetrics: the tab font.
    TSize TextExtent(std::string_view line, bool bold) const override;
    int FontHeight() const override;

    template <typename T>
    void SetLayoutProp(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RequestLayout();
    }
    template <typename T>
    void SetPaintProp(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RepaintTabs();
    }
    void SetNonNegative(int& field, int value) {
        if (value >= 0) SetLayoutProp(field, value);
    }
    void FrameColorChanged();
    TColor ParentColorValue() const;

    // Painting (WgTabsPaint.cpp).
    const QRegion& TabRegion(int index);
    void PaintCard(Canvas& canvas, int row);
    void PaintTab(Canvas& canvas, int index);
    void PaintTabFill(Canvas& canvas, int index, const TRect& rect);
    void PaintTabContent(Canvas& canvas, int index);
    void DrawOutline(Canvas& canvas, const TWgOutline& outline);
    void PlaceButtons();
    CanvasFont TabFont(bool bold) const;

    // Input (WgTabsInput.cpp).
    void UpdateHotTab(int hot);
    void HotTimerTick();
    void StopHotTracking();
    void DragMove(TPoint point);
    void DragScrollTick();
    void EndDrag(bool drop);
    void GrabAccelerators();
    void ShowActiveCloseButton(bool show);

    TWgTabModel model_;
    TWgTabRegionCache<QRegion> regions_{1};
    TWgTabColors tabColors_;
    TWgTextColors textColors_;
    QPointer<TImageList> images_;
    QMetaObject::Connection imagesChanged_;
    QMetaObject::Connection imagesDestroyed_;

    TColor backgroundColor_ = clBtnFace;
    bool parentBackgroundColor_ = true;
    bool useColoredTabs_ = false;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 0;
    bool hotTrack_ = true;
    TColor hotTrackColor_ = 1350640;
    TWgTabHotTrackColorSource hotTrackColorSource_ = TWgTabHotTrackColorSource::htcsTabColor;
    TWgHotTrackColorType hotTrackColorType_ = TWgHotTrackColorType::htctActual;
    TWgTabHotTrackStyle hotTrackStyle_ = TWgTabHotTrackStyle::htsTab;
    bool tabHints_ = false;
    bool useGradients_ = true;
    bool transparent_ = false;
    bool allowTabDragging_ = false;
    QString hint_;

    // Hot tracking.
    int hotTab_ = -1;
    bool hotRepaint_ = false;
    QTimer hotTimer_;
    // Dragging a tab.
    int dragSource_ = -1;
    TPoint pressPoint_;
    bool dragging_ = false;
    int dropTarget_ = -1;
    QTimer dragTimer_;
    TWgDropMarkerWindow* marker_ = nullptr;

    bool adjusting_ = false;
    int regionGeneration_ = -1;
    std::optional<QImage> parentScratch_;  // the parent's image, for shadows
    bool fullRepaintPending_ = false;
    TPoint lastDragPoint_;
    std::vector<std::pair<int, int>> accelerators_;  // shortcut id and tab

    TWgTabScroller* scroller_ = nullptr;
    TWgTabControlCloseButton* closeButton_ = nullptr;
    TWgActiveTabCloseButton* activeCloseButton_ = nullptr;
    TWgTabMenuButton* menuButton_ = nullptr;
};

}  // namespace vx
