// `TWgGroupBarModel`: the column of group panels without its window: the
// ordered list of groups, the look they share, and where each goes.
//
// Category view and task list stack the groups with a margin of
// GroupBorderSize around each and scroll the column by pixels; a layout is
// repeated until the scroll bar's visibility (which narrows the groups)
// stays the same. The Outlook look shows one group open, filling what the
// other captions leave.
//
// The window (TWgGroupBar) derives from it and fills in the hooks: its
// client size with and without the scroll bar, showing the scroll bar,
// repainting, its colour, the groups as child windows.
#pragma once

#include <vector>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "widgets/WgGroupTypes.h"

namespace vx {

class TWgGroupItem;
class TWgGroupModel;

class TWgGroupBarModel {
  public:
    TWgGroupBarModel() = default;
    virtual ~TWgGroupBarModel();
    TWgGroupBarModel(const TWgGroupBarModel&) = delete;
    TWgGroupBarModel& operator=(const TWgGroupBarModel&) = delete;

    // --- Groups -----------------------------------------------------------
    int GroupCount() const { return static_cast<int>(groups_.size()); }
    TWgGroupModel& Groups(int index) const;
    int IndexOf(const TWgGroupModel* group) const;
    // Appends the group, which takes the bar's look; a layout follows.
    void AddGroup(TWgGroupModel& group);
    // Takes the group out (in the Outlook look, and in exclusive mode, the
    // group before an opened one that goes opens instead).
    void RemoveGroup(TWgGroupModel& group);
    // A group's new place; outside 0 .. count - 1 raises EWgGroupBarError.
    void MoveGroup(TWgGroupModel& group, int index);

    // --- Settings ---------------------------------------------------------
    TWgGroupBarStyle Style() const { return style_; }
    void SetStyle(TWgGroupBarStyle value);
    bool ExclusiveMode() const { return exclusiveMode_; }
    // Category view only; on, the first group opens and the others close.
    void SetExclusiveMode(bool value);
    int GroupBorderSize() const { return groupBorderSize_; }
    void SetGroupBorderSize(int value);
    bool UniqueItemSelection() const { return uniqueItemSelection_; }
    // On: the selection of every group is cleared.
    void SetUniqueItemSelection(bool value);

    // --- Layout and scrolling ------------------------------------------------
    // Arranges the groups; an opened group given is brought into view.
    void Layout(TWgGroupModel* group = nullptr);
    // The items of a group moved (one added, a caption changed): a layout is
    // due, with that group brought into view. It comes through PostLayout, so
    // that a window lays out once for many such changes, and a change costs
    // the same whatever the group holds.
    void ItemsMoved(TWgGroupModel& group);
    // Runs the layout that is due, if any.
    void FlushLayout();
    bool LayoutDue() const { return !movedGroups_.empty(); }
    bool LayingOut() const { return layingOut_ > 0; }
    // The height of the content (the scroll range).
    int TotalHeight() const;
    struct ScrollRange {
        int min = 0;
        int max = 0;
        int page = 0;
        int position = 0;
        bool Visible() const { return max - min > page; }
        bool operator==(const ScrollRange&) const = default;
    };
    const ScrollRange& ScrollBar() const { return scrollBar_; }
    int ScrollPosition() const { return scrollPosition_; }
    // Scrolls the content to a position within the scroll range; the groups move.
    void ScrollTo(int position);
    // Moves the content down by d pixels (up for negative d).
    void ScrollBy(int d);
    enum class TWgScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbTrack, Top, Bottom };
    void Scroll(TWgScrollCode code, int trackPosition = 0);
    // Notches of the wheel, positive downwards: 10 pixels each.
    void MouseWheel(int notchesDown);
    bool BarLoading() const { return loading_; }
    void BeginBarLoading() { loading_ = true; }
    // The end of loading: a layout, and the scroll position goes back to 0
    // once the window has settled (PostScrollReset).
    void BarLoaded();
    // The bar's client size changed.
    void Resized() { Layout(); }

    // --- Notices -------------------------------------------------------------
    // An item was selected in a group of this bar: with unique selection, the
    // notice reaches every bar beside this one.
    void BroadcastDeselect(const TWgGroupItem& item);
    // The notice reaches the groups that show their selection.
    void DeselectNotice(const TWgGroupItem& item);
    // A control inside a group took the focus: the group opens.
    void GroupFocused(TWgGroupModel& group);

    // --- Hooks the window fills in ---------------------------------------------
    virtual void RepaintBar() {}
    // After a layout: a window that sizes itself to its groups does so.
    virtual void AdjustSize() {}
    virtual bool HasParent() const { return true; }
    virtual TColor BarColor() const { return color_; }

    // Client size for the pure model (the window reports its own).
    void SetClientSize(int width, int height);

  protected:
    virtual int ClientWidth() const;
    virtual int ClientHeight() const { return clientHeight_; }
    // The range changed: the window shows or hides its bar and redraws it.
    virtual void ScrollBarChanged() {}
    virtual void ApplyBarColor(TColor color) { color_ = color; }
    // The group becomes a child window of the bar, or stops being one.
    virtual void GroupJoined(TWgGroupModel& /*group*/) {}
    virtual void GroupLeft(TWgGroupModel& /*group*/) {}
    virtual std::vector<TWgGroupBarModel*> SiblingBars() { return {this}; }
    // Loading ends: scroll to 0 later (the default does it at once).
    virtual void PostScrollReset() { ScrollTo(0); }
    // A layout fell due: FlushLayout soon (the default does it at once; a
    // window does it when it next handles its events, or before it paints).
    virtual void PostLayout() { FlushLayout(); }

    // The scroll bar's width while it shows (the pure model's client width).
    int scrollBarWidth_ = 16;

  private:
    void Arrange(TWgGroupModel* group);
    void ArrangeStacked();
    void ArrangeOutlook();
    void ScrollBack();
    void BringIntoView(TWgGroupModel& group);
    void UpdateScrollBar();
    void PlaceGroup(TWgGroupModel& group, const TRect& bounds);

    std::vector<TWgGroupModel*> groups_;
    // Groups whose items moved since the last layout, in the order they did.
    std::vector<TWgGroupModel*> movedGroups_;
    TWgGroupBarStyle style_ = TWgGroupBarStyle::gbsCategoryView;
    bool exclusiveMode_ = false;
    int groupBorderSize_ = 8;
    bool uniqueItemSelection_ = false;
    TColor color_ = clBtnShadow;
    int layingOut_ = 0;
    bool loading_ = false;
    int scrollPosition_ = 0;
    ScrollRange scrollBar_;
    int clientWidth_ = 160;
    int clientHeight_ = 200;
};

}  // namespace vx
