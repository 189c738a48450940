#include "widgets/WgGroupBarModel.h"

#include <algorithm>
#include <cstdio>

#include "widgets/WgGroupModel.h"

namespace vx {
namespace {

constexpr int kLineStep = 10;
constexpr int kWheelStep = 10;
// A layout settles in two or three passes (narrower groups are never
// shorter); the bound only guards against a measurer that says otherwise.
constexpr int kMaxLayoutPasses = 8;

}  // namespace

TWgGroupBarModel::~TWgGroupBarModel() {
    for (TWgGroupModel* group : groups_) {
        group->bar_ = nullptr;
        group->itemsMoved_ = false;
    }
}

// --- Groups -------------------------------------------------------------------

TWgGroupModel& TWgGroupBarModel::Groups(int index) const {
    return *groups_.at(static_cast<std::size_t>(index));
}

int TWgGroupBarModel::IndexOf(const TWgGroupModel* group) const {
    const auto at = std::find(groups_.begin(), groups_.end(), group);
    return at == groups_.end() ? -1 : static_cast<int>(at - groups_.begin());
}

void TWgGroupBarModel::AddGroup(TWgGroupModel& group) {
    if (IndexOf(&group) >= 0) return;
    if (group.bar_ && group.bar_ != this) group.bar_->RemoveGroup(group);
    groups_.push_back(&group);
    group.bar_ = this;
    GroupJoined(group);
    group.SetBarStyle(style_);
    Layout(&group);
}

void TWgGroupBarModel::RemoveGroup(TWgGroupModel& group) {
    const int index = IndexOf(&group);
    if (index < 0) return;
    const bool oneOpen = style_ == TWgGroupBarStyle::gbsOutlook ||
                         (style_ == TWgGroupBarStyle::gbsCategoryView && exclusiveMode_);
    int firstOpened = -1;
    if (oneOpen) {
        for (int i = 0; i < GroupCount() && firstOpened < 0; ++i) {
            if (groups_[static_cast<std::size_t>(i)]->Opened()) firstOpened = i;
        }
    }
    group.bar_ = nullptr;
    std::erase(movedGroups_, &group);
    group.itemsMoved_ = false;
    GroupLeft(group);
    groups_.erase(groups_.begin() + index);
    if (oneOpen && index == firstOpened && !groups_.empty())
        Groups(index > 0 ? index - 1 : 0).SetOpened(true);
    Layout();
}

void TWgGroupBarModel::MoveGroup(TWgGroupModel& group, int index) {
    const int from = IndexOf(&group);
    if (from < 0) return;
    if (index < 0 || index > GroupCount() - 1) {
        char message[160];
        std::snprintf(message, sizeof message,
                      "%d is an invalid GroupIndex value. GroupIndex must be between 0 and %d",
                      index, GroupCount() - 1);
        throw EWgGroupBarError(message);
    }
    if (index == from) return;
    groups_.erase(groups_.begin() + from);
    groups_.insert(groups_.begin() + index, &group);
    Layout(&group);
}

// --- Settings -----------------------------------------------------------------

void TWgGroupBarModel::SetStyle(TWgGroupBarStyle value) {
    if (value == style_) return;
    style_ = value;
    switch (value) {
        case TWgGroupBarStyle::gbsCategoryView:
            ApplyBarColor(clBtnShadow);
            groupBorderSize_ = 8;
            break;
        case TWgGroupBarStyle::gbsTaskList:
            ApplyBarColor(clWindow);
            groupBorderSize_ = 4;
            break;
        case TWgGroupBarStyle::gbsOutlook:
            ApplyBarColor(clBtnShadow);
            groupBorderSize_ = 0;
            break;
    }
    for (TWgGroupModel* group : std::vector<TWgGroupModel*>(groups_))
        group->SetBarStyle(value);
    Layout();
    RepaintBar();
}

void TWgGroupBarModel::SetExclusiveMode(bool value) {
    if (value == exclusiveMode_ || style_ != TWgGroupBarStyle::gbsCategoryView) return;
    exclusiveMode_ = value;
    if (!value) return;
    for (int i = 0; i < GroupCount(); ++i)
        Groups(i).SetOpened(i == 0);
}

void TWgGroupBarModel::SetGroupBorderSize(int value) {
    if (value == groupBorderSize_) return;
    groupBorderSize_ = value;
    Layout();
    RepaintBar();
}

void TWgGroupBarModel::SetUniqueItemSelection(bool value) {
    if (value == uniqueItemSelection_) return;
    uniqueItemSelection_ = value;
    if (!value) return;
    for (TWgGroupModel* group : groups_)
        group->SetSelectedIndex(-1);
}

void TWgGroupBarModel::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

int TWgGroupBarModel::ClientWidth() const {
    return clientWidth_ - (scrollBar_.Visible() ? scrollBarWidth_ : 0);
}

// --- Layout ---------------------------------------------------------------------

void TWgGroupBarModel::ItemsMoved(TWgGroupModel& group) {
    if (group.itemsMoved_) {
        // Brought into view is the group that changed last.
        if (movedGroups_.back() != &group) {
            std::erase(movedGroups_, &group);
            movedGroups_.push_back(&group);
        }
        return;
    }
    group.itemsMoved_ = true;
    movedGroups_.push_back(&group);
    if (movedGroups_.size() == 1) PostLayout();
}

void TWgGroupBarModel::FlushLayout() {
    if (movedGroups_.empty()) return;
    Layout(movedGroups_.back());
}

void TWgGroupBarModel::Layout(TWgGroupModel* group) {
    // This layout covers every change of items so far.
    std::vector<TWgGroupModel*> moved;
    moved.swap(movedGroups_);
    for (TWgGroupModel* changed : moved)
        changed->itemsMoved_ = false;
    if (!loading_) {
        Arrange(group);
        AdjustSize();
    }
    // The Outlook look's scroll buttons of the groups that changed follow their items.
    if (style_ == TWgGroupBarStyle::gbsOutlook) {
        for (TWgGroupModel* changed : moved)
            changed->UpdateScrollButtons();
    }
}

void TWgGroupBarModel::Arrange(TWgGroupModel* group) {
    ++layingOut_;
    if (style_ == TWgGroupBarStyle::gbsOutlook) {
        UpdateScrollBar();
        ArrangeOutlook();
    } else {
        if (style_ == TWgGroupBarStyle::gbsCategoryView && exclusiveMode_ && group &&
            group->Opened()) {
            for (TWgGroupModel* other : std::vector<TWgGroupModel*>(groups_)) {
                if (other != group) other->SetOpened(false);
            }
        }
        for (int pass = 0; pass < kMaxLayoutPasses; ++pass) {
            const bool visibleBefore = scrollBar_.Visible();
            if (!groups_.empty()) {
                ArrangeStacked();
                ScrollBack();
                if (group && IndexOf(group) >= 0) BringIntoView(*group);
            }
            UpdateScrollBar();
            if (scrollBar_.Visible() == visibleBefore) break;
        }
    }
    --layingOut_;
}

void TWgGroupBarModel::PlaceGroup(TWgGroupModel& group, const TRect& bounds) {
    // The group's own move notice asks for no layout meanwhile.
    ++layingOut_;
    group.SetGroupBounds(bounds);
    --layingOut_;
}

void TWgGroupBarModel::ArrangeStacked() {
    const int border = groupBorderSize_;
    const int width = ClientWidth() - 2 * border;
    int previousBottom = 0;
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        TWgGroupModel& group = *groups_[i];
        const int start = i == 0 ? -scrollPosition_ : previousBottom;
        TRect bounds;
        if (!group.Shown()) {
            bounds = Bounds(border, start, width, 0);
        } else {
            int height = 0;
            if (style_ == TWgGroupBarStyle::gbsCategoryView && !group.Opened())
                height = group.CaptionHeight();
            else if (group.Items().Count() > 0)
                height = group.NeededHeight(width);
            else
                height = group.OpenedHeight();
            bounds = Bounds(border, start + border + group.CaptionImageOverhang(), width, height);
        }
        PlaceGroup(group, bounds);
        previousBottom = bounds.bottom;
    }
    UpdateScrollBar();
}

void TWgGroupBarModel::ArrangeOutlook() {
    const int border = groupBorderSize_;
    const int width = ClientWidth() - 2 * border;
    int opened = 0;
    for (int i = 0; i < GroupCount(); ++i) {
        if (Groups(i).Opened()) opened = i;
    }
    int closedRoom = 2 * border;
    for (int i = 0; i < GroupCount(); ++i) {
        if (i != opened && Groups(i).Shown()) closedRoom += Groups(i).CaptionHeight() + border;
    }
    int previousBottom = 0;
    for (int i = 0; i < GroupCount(); ++i) {
        TWgGroupModel& group = Groups(i);
        const int start = i == 0 ? 0 : previousBottom;
        TRect bounds;
        if (i == opened)
            bounds =
                Bounds(border, start + border, width, std::max(ClientHeight() - closedRoom, 0));
        else if (!group.Shown())
            bounds = Bounds(border, start, width, 0);
        else
            bounds = Bounds(border, start + border, width, group.CaptionHeight());
        PlaceGroup(group, bounds);
        previousBottom = bounds.bottom;
    }
}

int TWgGroupBarModel::TotalHeight() const {
    if (style_ == TWgGroupBarStyle::gbsOutlook) return ClientHeight() - 1;
    int total = 2 * groupBorderSize_;
    if (!groups_.empty()) {
        const TWgGroupModel& first = *groups_.front();
        total += groups_.back()->GroupBounds().bottom - first.GroupBounds().top +
                 first.CaptionImageOverhang();
    }
    return total;
}

void TWgGroupBarModel::ScrollBack() {
    if (groups_.empty()) return;
    const int border = groupBorderSize_;
    const int firstTop = groups_.front()->GroupBounds().top;
    if (groups_.back()->GroupBounds().bottom + border >= ClientHeight() || firstTop >= 0) return;
    const int total = TotalHeight();
    if (ClientHeight() - total < 1)
        ScrollBy(ClientHeight() - (total - scrollPosition_));
    else
        ScrollBy(border - firstTop);
}

void TWgGroupBarModel::BringIntoView(TWgGroupModel& group) {
    if (!group.Opened() || loading_) return;
    UpdateScrollBar();
    const int border = groupBorderSize_;
    const int height = ClientHeight();
    TRect bounds = group.GroupBounds();
    if (bounds.Height() <= height) {
        if (bounds.bottom + border > height && bounds.top >= 1) {
            ScrollBy(height - bounds.bottom - border);
        } else if (bounds.top < 0) {
            if (group.CaptionStyle() == TWgGroupCaptionStyle::csLarge)
                ScrollBy(group.CaptionImageOverhang() - bounds.top + border);
            else
                ScrollBy(border - bounds.top);
        }
        return;
    }
    if (bounds.top >= 0) ScrollBy(height - bounds.bottom - border);
    bounds = group.GroupBounds();
    ScrollBy(border - bounds.top);
}

void TWgGroupBarModel::UpdateScrollBar() {
    const ScrollRange range{0, TotalHeight(), ClientHeight(), scrollPosition_};
    if (range == scrollBar_) return;
    scrollBar_ = range;
    ScrollBarChanged();
    if (range.page > range.max) ScrollTo(0);
    RepaintBar();
}

// --- Scrolling --------------------------------------------------------------------

void TWgGroupBarModel::ScrollTo(int position) {
    if (position == scrollPosition_ || loading_) return;
    position = std::min(position, scrollBar_.max - scrollBar_.page);
    position = std::max(position, scrollBar_.min);
    if (position == scrollPosition_) return;
    const int d = scrollPosition_ - position;
    for (TWgGroupModel* group : groups_)
        PlaceGroup(*group, group->GroupBounds().Offset(0, d));
    scrollPosition_ = position;
    UpdateScrollBar();
}

void TWgGroupBarModel::ScrollBy(int d) {
    ScrollTo(scrollPosition_ - d);
}

void TWgGroupBarModel::Scroll(TWgScrollCode code, int trackPosition) {
    int position = scrollPosition_;
    switch (code) {
        case TWgScrollCode::LineUp:
            position -= kLineStep;
            break;
        case TWgScrollCode::LineDown:
            position += kLineStep;
            break;
        case TWgScrollCode::PageUp:
            position -= scrollBar_.page;
            break;
        case TWgScrollCode::PageDown:
            position += scrollBar_.page;
            break;
        case TWgScrollCode::ThumbTrack:
            position = std::clamp(trackPosition, scrollBar_.min, std::max(scrollBar_.max, 0));
            break;
        case TWgScrollCode::Top:
            position = scrollBar_.min;
            break;
        case TWgScrollCode::Bottom:
            position = scrollBar_.max;
            break;
    }
    ScrollTo(position);
}

void TWgGroupBarModel::MouseWheel(int notchesDown) {
    ScrollTo(scrollPosition_ + kWheelStep * notchesDown);
}

void TWgGroupBarModel::BarLoaded() {
    loading_ = false;
    Layout();
    PostScrollReset();
}

// --- Notices ----------------------------------------------------------------------

void TWgGroupBarModel::BroadcastDeselect(const TWgGroupItem& item) {
    for (TWgGroupBarModel* bar : SiblingBars())
        bar->DeselectNotice(item);
}

void TWgGroupBarModel::DeselectNotice(const TWgGroupItem& item) {
    for (TWgGroupModel* group : groups_) {
        if (group->ShowItemSelection()) group->DeselectNotice(item);
    }
}

void TWgGroupBarModel::GroupFocused(TWgGroupModel& group) {
    if (HasParent() && IndexOf(&group) >= 0) group.SetOpened(true);
}

}  // namespace vx
