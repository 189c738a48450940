// A tool bar's rules apart from its window: where its controls stand, which
// of them go to the overflow when the bar is too short, how large the bar
// makes itself, and every rectangle it hits and paints. The window derives
// from it and answers the questions about itself below; tests answer them
// with plain objects.
#pragma once

#include <vector>

#include "platform/Geometry.h"
#include "styling/toolbar/ControlSet.h"
#include "styling/toolbar/DbgList.h"
#include "styling/toolbar/DockRows.h"

namespace vx {

enum class TToolBarState { tsDocked, tsFloating, tsFree };
enum class TCaptionPosition { cpTop, cpBottom };
enum class TBarControlKind { bcOther, bcButton, bcSeparator };

// What the layout reads and writes of one control on the bar.
class IBarControl {
  public:
    virtual TRect ControlBounds() const = 0;
    virtual void MoveControl(int left, int top) = 0;
    virtual bool ControlVisible() const = 0;
    virtual TBarControlKind ControlKind() const = 0;
    // False while the option window has it on loan.
    virtual bool ControlOnBar() const { return true; }
    // Makes it a child of the bar again.
    virtual void ReturnToBar() {}
    // The bar's orientation, for buttons and separators.
    virtual void SetControlPosition(TDockAlign align) { (void)align; }

  protected:
    ~IBarControl() = default;
};

class TToolBarLayout {
  public:
    static constexpr int kGripWidth = 7;
    static constexpr int kMinLength = 60;

    TToolBarLayout() = default;
    virtual ~TToolBarLayout() = default;
    TToolBarLayout(const TToolBarLayout&) = delete;
    TToolBarLayout& operator=(const TToolBarLayout&) = delete;

    // ---- settings (the window's published properties keep them here)
    TToolBarState State() const { return state_; }
    void SetState(TToolBarState state) { state_ = state; }
    TDockAlign BarAlign() const { return align_; }
    bool Horizontal() const { return IsHorizontalDock(align_); }
    bool AutoSize() const { return autoSize_; }
    bool FullSizeOn() const { return fullSize_; }
    bool ShowCaptionOn() const { return showCaption_; }
    TCaptionPosition CaptionPositionOf() const { return captionPosition_; }
    int CaptionHeightOf() const { return captionHeight_; }
    bool ShowRightHandleOn() const { return showRightHandle_; }
    bool ShowOptionIndicatorOn() const { return showOptionIndicator_; }
    bool ShowCloseOn() const { return showClose_; }
    bool AutoPositionControlsOn() const { return autoPositionControls_; }
    // A grip style other than none, from the styler.
    bool GripStyled() const { return gripStyled_; }
    void SetGripStyled(bool styled) { gripStyled_ = styled; }

    int RightHandleWidth() const { return showRightHandle_ ? 14 : 4; }
    int FloatingRows() const { return floatingRows_; }
    bool GripDrawn() const { return gripStyled_ && state_ != TToolBarState::tsFloating; }
    // Where the first control stands along the bar: after the grip, or 2.
    int FirstOffset() const { return GripDrawn() ? kGripWidth + 2 : 2; }

    // ---- the three lists
    const TDbgList<IBarControl*>& Items() const { return items_; }
    const TDbgList<IBarControl*>& Overflow() const { return overflow_; }
    bool InOverflow(const IBarControl* c) const { return overflowed_.Contains(c); }
    // The priority list: the overflow rule hides from its end. Its order
    // is set from outside (ToolBarPriority.h).
    const TDbgList<IBarControl*>& Priority() const { return priority_; }
    void SetPriority(const TDbgList<IBarControl*>& order) { priority_ = order; }
    // A control of the overflow back on the bar (arranging is the caller's).
    void TakeBackFromOverflow(IBarControl* c) {
        if (InOverflow(c)) TakeBack(c);
    }

    // The item list from the controls in child order, each after the last
    // one that stands before or level with it; the priority list a copy.
    void BuildItemList(const std::vector<IBarControl*>& children);
    // A control that became a child: placed by its position, last in
    // priority; arranged with autosize.
    void InsertControl(IBarControl* control);
    // A control that left: out of all three lists; arranged with autosize.
    // The controls before it stay where the last arrangement put them, so
    // the arrangement resumes at its place when nothing moved since.
    void RemoveControl(IBarControl* control);
    // The index the position rule gives control i (moved to its place).
    int ReorderIndex(int i) const;
    // Moves an item of the list from one index to another (both valid).
    void MoveItem(int from, int to) {
        IBarControl* c = items_[from];
        items_.Delete(from);
        items_.Insert(to, c);
        ForgetArrangement();
    }
    // Re-orders a moved control by the position rule.
    void ReorderControl(IBarControl* control);

    // Places the controls; with autoSize the size step follows.
    void Arrange(bool autoSize);
    int DockedThickness(bool floatingValue = false) const;
    void SizeStep();
    // Moves what does not fit into the overflow, and back when it fits.
    void Fit();

    // Width and height when floating with n rows.
    struct TFloatingSize {
        int width;
        int height;
    };
    TFloatingSize FloatingSizeFor(int rows) const;
    int MaxFloatingRows() const;
    void SetFloatingRows(int rows);

    // Turns the bar to another side.
    void ChangeOrientation(TDockAlign align);

    // The maximum constraint along the bar minus its length (positive:
    // controls in the overflow).
    int HiddenLength() const;

    // ---- rectangles, in client coordinates
    TRect CaptionRect() const;
    TRect BodyRect() const;
    TRect GripHitRect() const;
    TRect GripPaintRect() const;
    TRect RightHandleHitRect() const;
    // roundedEdges: the styler's rounded look.
    TRect RightHandlePaintRect(bool roundedEdges) const;
    TRect CloseButtonRect() const;
    TRect OptionButtonRect() const;
    TRect FloatingDragRect() const;
    TRect CaptionOptionButtonRect() const;

  protected:
    // ---- what the window answers
    virtual TRect BarBounds() const = 0;
    // The bar's size as the layout wants it (a docked bar asks its panel).
    virtual void ResizeBar(int width, int height) = 0;
    virtual TSizeConstraints BarConstraints() const = 0;
    virtual void SetBarConstraints(const TSizeConstraints& c) = 0;
    virtual bool BarLoading() const = 0;
    // A visible floating window fits itself around the bar again.
    virtual void FloatingSizeChanged() {}

    void StoreAutoSize(bool v) { autoSize_ = v; }
    void StoreFullSize(bool v) { fullSize_ = v; }
    void StoreShowCaption(bool v) { showCaption_ = v; }
    void StoreCaptionPosition(TCaptionPosition v) { captionPosition_ = v; }
    void StoreCaptionHeight(int v) { captionHeight_ = v; }
    void StoreShowRightHandle(bool v) { showRightHandle_ = v; }
    void StoreShowOptionIndicator(bool v) { showOptionIndicator_ = v; }
    void StoreShowClose(bool v) { showClose_ = v; }
    void StoreAutoPositionControls(bool v) { autoPositionControls_ = v; }
    void StoreFloatingRows(int v) { floatingRows_ = v; }
    void EmptyOverflow() {
        overflow_.Clear();
        overflowed_.Clear();
        ForgetArrangement();
    }
    // A control moved, took another size, was shown or hidden outside an
    // arrangement: the next removal places every control again.
    void ForgetArrangement() { marks_.clear(); }
    bool Arranging() const { return arranging_; }
    bool Fitting() const { return fitting_; }

  private:
    int Along(const IBarControl* c) const;
    int AlongPos(const IBarControl* c) const;
    int Length() const;
    // What the size step reads of the visible controls: their length along
    // the bar, the last one still on the bar, the thickest that is no
    // separator.
    struct TExtents {
        const IBarControl* lastShown = nullptr;
        int along = 0;
        int thickness = 0;
        void Add(IBarControl* c, const TRect& r, bool visible, bool overflowed, bool horizontal);
    };
    TExtents Extents() const;
    // Where an arrangement stood before a control: the place of the next
    // control and what it had read of the controls before.
    struct TArrangeMark {
        int run = 0;
        int across = 0;
        TExtents extents;
    };
    // What the places depend on besides the controls: the state and side,
    // where the first control stands, and the bar's thickness (controls
    // that are not shown stand just past it).
    struct TArrangeKey {
        TToolBarState state = TToolBarState::tsDocked;
        TDockAlign align = TDockAlign::daTop;
        int run = 0;
        int across = 0;
        int thickness = 0;
        bool operator==(const TArrangeKey&) const = default;
    };
    TArrangeKey ArrangeKeyNow() const;
    // Places the controls from index `first`, resuming at its mark.
    void ArrangeFrom(int first, bool autoSize);
    // The size step with the extents an arrangement has just read.
    void SizeStep(const TExtents* known);
    // The last item that is visible and not in the overflow; null for none.
    IBarControl* LastShown() const;
    void AddToOverflow(IBarControl* c);
    // Out of the overflow and onto the bar; the index it had in the
    // overflow list, or -1.
    int TakeBack(IBarControl* c);
    int FloatingRowsAt(int width, int* slack, int* lastX) const;

    TToolBarState state_ = TToolBarState::tsDocked;
    TDockAlign align_ = TDockAlign::daTop;
    bool autoSize_ = true;
    bool fullSize_ = false;
    bool showCaption_ = false;
    TCaptionPosition captionPosition_ = TCaptionPosition::cpTop;
    int captionHeight_ = 16;
    bool showRightHandle_ = true;
    bool showOptionIndicator_ = true;
    bool showClose_ = true;
    bool autoPositionControls_ = true;
    bool gripStyled_ = true;
    int maxLength_ = kMinLength;
    int floatingRows_ = 1;
    bool arranging_ = false;
    bool fitting_ = false;
    TDbgList<IBarControl*> items_;
    TDbgList<IBarControl*> priority_;
    TDbgList<IBarControl*> overflow_;
    // The overflow list's members, for a membership question at a constant cost.
    TControlSet overflowed_;
    // The last arrangement's mark before each control (one more for the
    // end), made under marksKey_; empty when it no longer holds.
    std::vector<TArrangeMark> marks_;
    TArrangeKey marksKey_;
};

}  // namespace vx
