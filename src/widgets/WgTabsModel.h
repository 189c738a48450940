// The tab control's state and behaviour without a window: the tabs and the
// properties that shape them, the layout run when it is due, the selected
// tab and its rules, the first tab shown while the strip scrolls, the rows of
// a multi-line strip brought next to the card, hit testing, keyboard steps
// and the order of painting.
//
// The control it serves answers its questions and hears of its changes
// through TWgTabModelHost.
#pragma once

#include <functional>
#include <vector>

#include "widgets/WgTabDataList.h"
#include "widgets/WgTabsLayout.h"

namespace vx {

class TWgTabModelHost {
  public:
    virtual ~TWgTabModelHost() = default;
    // While the control is loading, being read or busy, a new tab index is
    // only stored.
    virtual bool TabIndexOnlyStored() const = 0;
    virtual bool Designing() const { return false; }
    // The change query (fires OnChanging): may the selection move to the tab?
    virtual bool CanChangeTab(int newIndex) = 0;
    // The change notification (fires OnChange, then OnPageChange).
    virtual void TabIndexChanged() = 0;
    virtual void TabsRepaint() = 0;
    // After every tab index write (also a refused or cleared one).
    virtual void TabIndexWritten() {}
    // After a scroll step (fires OnScrolledTabs).
    virtual void TabsScrolled() {}
    // The layout's forced selection is left out while this holds (a page
    // control whose active page has its tab hidden).
    virtual bool KeepsNoTab() const { return false; }
    // The area handed to the children changed.
    virtual void ClientAreaChanged() {}
};

enum class TWgTabKey { Home, End, Left, Right, Up, Down };
enum class TWgTabKeyAction { None, First, Last, Forward, Backward };
// What a navigation key does for the strip's edge and sequence.
TWgTabKeyAction TabKeyAction(const TWgTabLayoutProps& props, TWgTabKey key);

// Which way a drag over no tab scrolls the strip: +1 forward, -1 backward,
// 0 not at all (the cursor is inside the control).
int DragScrollDirection(const TWgTabLayoutProps& props, TPoint cursor, TSize client);

// One step of painting the strip: a card of a row or a tab.
struct TWgPaintStep {
    bool Card = false;
    int Index = 0;  // the row of a card, the index of a tab
    bool operator==(const TWgPaintStep&) const = default;
};

class TWgTabModel {
  public:
    TWgTabModel(TWgTabModelHost& host, const TWgTabMetrics& metrics)
        : host_(host), metrics_(&metrics) {}

    // Properties: change them through Props() and then ask for a layout.
    const TWgTabLayoutProps& Props() const { return props_; }
    TWgTabLayoutProps& Props() { return props_; }
    void SetMetrics(const TWgTabMetrics& metrics) { metrics_ = &metrics; }
    void SetImageSize(TSize size);
    void SetClientSize(int width, int height);

    TWgTabDataList& Tabs() { return tabs_; }
    const TWgTabDataList& Tabs() const { return tabs_; }
    int Count() const { return tabs_.Count(); }

    // The layout-dirty flag; the layout runs when something asks for the
    // geometry and the flag is set.
    bool LayoutDirty() const { return dirty_; }
    void SetLayoutDirty() { dirty_ = true; }
    void EnsureLayout();
    const TWgTabGeometry& Geometry() const { return geometry_; }
    // Counts the layouts run: shapes cached under an older count are stale.
    int Generation() const { return generation_; }
    int FixedDimension() const { return fixedDimension_; }
    void SetFixedDimension(int value) { fixedDimension_ = value; }
    int RowCount() const { return geometry_.Rows; }

    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index);
    // A change the control makes itself: not asked for, but reported.
    void SetTabIndexInternal(int index);
    // The tab index as stored while loading, without any rule.
    void StoreTabIndex(int index) { tabIndex_ = index; }

    // Scrolling.
    int FirstShown() const { return firstShown_; }
    int ScrollOffset() const { return OffsetFor(firstShown_); }
    bool InView(int index) const;
    void ScrollForward();
    void ScrollBackward();
    // Whether the scroller's halves can scroll: half 0 back (its arrow
    // points to the strip's start), half 1 on; turned for the reverse
    // sequence and for right tabs.
    bool ScrollHalfEnabled(int half) const;
    // The scroller's half 1 (up or right) scrolls forward?
    bool HalfScrollsForward(int half) const;

    // Geometry of one tab.
    TRect FinalStripRect(int index) const;
    TRect FinalRect(int index) const;
    TRect CardRect(int row) const;
    TRect ChildClientRect() const;

    // The tab under a point, the selected tab first; inShape tells whether
    // the point lies in the tab's shape.
    int HitTest(TPoint point, const std::function<bool(int, TPoint)>& inShape) const;

    bool Selectable(int index) const;
    // The next selectable tab from the current one, wrapping; -1 when none.
    int StepSelectable(bool forward) const;
    int FirstSelectable() const;
    int LastSelectable() const;
    int TargetOfKey(TWgTabKey key) const;

    // The order in which cards and tabs are painted.
    std::vector<TWgPaintStep> PaintOrder() const;

  private:
    void Layout();
    int OffsetFor(int first) const;
    bool InViewFrom(int index, int first) const;
    void RotateRows();
    int FirstVisible() const;
    int LastVisible() const;

    TWgTabModelHost& host_;
    const TWgTabMetrics* metrics_;
    TWgTabLayoutProps props_;
    TWgTabDataList tabs_;
    TWgTabGeometry geometry_;
    TSize imageSize_;
    int width_ = 300;
    int height_ = 100;
    bool dirty_ = true;
    int generation_ = 0;
    int fixedDimension_ = 0;
    int tabIndex_ = -1;
    int firstShown_ = -1;
    bool internalChange_ = false;
    TRect lastClient_{-1, -1, -1, -1};
};

}  // namespace vx
