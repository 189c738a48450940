#include "widgets/WgTabsModel.h"

#include <algorithm>

namespace vx {

using Orientation = TWgTabOrientation;

TWgTabKeyAction TabKeyAction(const TWgTabLayoutProps& props, TWgTabKey key) {
    const bool left = props.TabOrientation == Orientation::toLeft;
    const bool reverse = props.Reverse();
    const bool swapEnds = left != reverse;
    switch (key) {
        case TWgTabKey::Home:
            return swapEnds ? TWgTabKeyAction::Last : TWgTabKeyAction::First;
        case TWgTabKey::End:
            return swapEnds ? TWgTabKeyAction::First : TWgTabKeyAction::Last;
        case TWgTabKey::Left:
        case TWgTabKey::Up: {
            const bool forward = left != reverse;
            return forward ? TWgTabKeyAction::Forward : TWgTabKeyAction::Backward;
        }
        case TWgTabKey::Right:
        case TWgTabKey::Down: {
            const bool forward = left == reverse;
            return forward ? TWgTabKeyAction::Forward : TWgTabKeyAction::Backward;
        }
    }
    return TWgTabKeyAction::None;
}

int DragScrollDirection(const TWgTabLayoutProps& props, TPoint p, TSize client) {
    int direction = 0;
    switch (props.TabOrientation) {
        case Orientation::toTop:
        case Orientation::toBottom:
            direction = p.x >= client.cx ? 1 : p.x < 0 ? -1 : 0;
            break;
        case Orientation::toLeft:
            direction = p.y < 0 ? 1 : p.y >= client.cy ? -1 : 0;
            break;
        case Orientation::toRight:
            direction = p.y >= client.cy ? 1 : p.y < 0 ? -1 : 0;
            break;
    }
    return props.Reverse() ? -direction : direction;
}

void TWgTabModel::SetImageSize(TSize size) {
    if (size == imageSize_) return;
    imageSize_ = size;
    dirty_ = true;
}

void TWgTabModel::SetClientSize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    dirty_ = true;
}

void TWgTabModel::EnsureLayout() {
    if (dirty_) Layout();
}

int TWgTabModel::FirstVisible() const {
    for (int i = 0; i < Count(); ++i)
        if (tabs_.Items(i).Visible) return i;
    return -1;
}

int TWgTabModel::LastVisible() const {
    for (int i = Count() - 1; i >= 0; --i)
        if (tabs_.Items(i).Visible) return i;
    return -1;
}

void TWgTabModel::Layout() {
    dirty_ = false;
    ++generation_;
    geometry_ = LayoutTabs(props_, tabs_, imageSize_, *metrics_, width_, height_, fixedDimension_);
    fixedDimension_ = geometry_.FixedDimension;
    // A new layout puts the rows back in their natural order; the selected
    // row goes next to the card again.
    if (props_.MultiLine) RotateRows();

    if (geometry_.ScrollerNeeded) {
        const int old = firstShown_;
        int first = std::max(old, 0);
        while (first < Count() && !InViewFrom(first, first))
            ++first;
        if (first >= Count()) {
            first = old - 1;
            while (first >= 0 && !InViewFrom(first, first))
                --first;
            if (first < 0) first = FirstVisible();
        }
        firstShown_ = first;
    } else {
        firstShown_ = FirstVisible();
    }

    // The selection names a selectable tab.
    if (FirstVisible() >= 0 && !host_.KeepsNoTab()) {
        int found = -1;
        for (int i = std::max(tabIndex_, 0); i < Count() && found < 0; ++i)
            if (Selectable(i)) found = i;
        if (found < 0) {
            const int from = tabIndex_ == Count() ? tabIndex_ - 1 : tabIndex_;
            for (int i = from; i >= 0 && found < 0; --i)
                if (Selectable(i)) found = i;
        }
        if (found != tabIndex_) SetTabIndexInternal(found);
    }

    const TRect client = ChildClientRect();
    if (client != lastClient_) {
        lastClient_ = client;
        host_.ClientAreaChanged();
    }
}

void TWgTabModel::SetTabIndexInternal(int index) {
    const bool outer = internalChange_;
    internalChange_ = true;
    try {
        SetTabIndex(index);
    } catch (...) {
        internalChange_ = outer;
        throw;
    }
    internalChange_ = outer;
}

void TWgTabModel::SetTabIndex(int index) {
    if (host_.TabIndexOnlyStored()) {
        tabIndex_ = index;
        return;
    }
    EnsureLayout();
    if (index < 0 || index >= Count()) {
        tabIndex_ = -1;
        host_.TabsRepaint();
        host_.TabIndexWritten();
        return;
    }
    const TWgTabData& tab = tabs_.Items(index);
    const bool allowed =
        index == tabIndex_ || internalChange_ ||
        (tab.Visible && (tab.Enabled || host_.Designing()) && host_.CanChangeTab(index));
    if (allowed) {
        const int old = tabIndex_;
        const int oldFirst = firstShown_;
        tabIndex_ = index;
        if (!geometry_.ScrollerNeeded) {
            if (props_.MultiLine) RotateRows();
        } else if (index < firstShown_) {
            firstShown_ = index;
        } else {
            while (index > firstShown_ && !InView(index))
                ++firstShown_;
        }
        if (firstShown_ != oldFirst || old != index) host_.TabsRepaint();
        if (old != index) host_.TabIndexChanged();
    }
    host_.TabIndexWritten();
}

int TWgTabModel::OffsetFor(int first) const {
    if (first < 0 || first >= Count()) return 0;
    const TRect& r = tabs_.Items(first).Rect;
    const int extra = props_.Margin + (props_.Boxed() ? 2 : 0);
    return props_.Reverse() ? r.right + extra : r.left - extra;
}

bool TWgTabModel::InViewFrom(int index, int first) const {
    if (index < 0 || index >= Count()) return false;
    const TWgTabData& tab = tabs_.Items(index);
    if (!tab.Visible) return false;
    if (!geometry_.ScrollerNeeded) return true;
    const int o = OffsetFor(first);
    const int room = ScrollRoom(props_, geometry_);
    const TRect& r = tab.Rect;
    if (!props_.Reverse()) return r.left >= o && r.right - o <= room;
    return r.right <= o && o - r.left <= room;
}

bool TWgTabModel::InView(int index) const {
    return InViewFrom(index, firstShown_);
}

void TWgTabModel::ScrollForward() {
    EnsureLayout();
    const int last = LastVisible();
    if (firstShown_ >= 0 && firstShown_ < Count() - 1 && last >= 0 && !InView(last)) {
        int first = firstShown_ + 1;
        while (first < Count() && !InViewFrom(first, first))
            ++first;
        if (first < Count()) {
            firstShown_ = first;
            host_.TabsRepaint();
        }
    }
    host_.TabsScrolled();
}

void TWgTabModel::ScrollBackward() {
    EnsureLayout();
    const int firstVisible = FirstVisible();
    if (firstShown_ > 0 && firstVisible >= 0 && !InView(firstVisible)) {
        int first = firstShown_ - 1;
        while (first >= 0 && !InViewFrom(first, first))
            --first;
        if (first >= 0) {
            firstShown_ = first;
            host_.TabsRepaint();
        }
    }
    host_.TabsScrolled();
}

bool TWgTabModel::HalfScrollsForward(int half) const {
    const bool swapped = props_.Reverse() != (props_.TabOrientation == Orientation::toRight);
    return (half == 1) != swapped;
}

bool TWgTabModel::ScrollHalfEnabled(int half) const {
    const int last = LastVisible();
    const bool backDisabled = firstShown_ <= 0;
    const bool forwardDisabled = last < 0 || InView(last);
    return !(HalfScrollsForward(half) ? forwardDisabled : backDisabled);
}

TRect TWgTabModel::FinalStripRect(int index) const {
    const TWgTabData& tab = tabs_.Items(index);
    TRect r = tab.Rect;
    if (tab.Row > 0) {
        const int shift = tab.Row * props_.RowIndent;
        r = r.Offset(props_.Reverse() ? -shift : shift, 0);
    }
    if (props_.Boxed() && index == tabIndex_) {
        r.left -= 2;
        r.right += 2;
        r.top -= 2;
    }
    return r;
}

TRect TWgTabModel::FinalRect(int index) const {
    return StripToControl(props_, geometry_, ScrollOffset(), FinalStripRect(index));
}

TRect TWgTabModel::CardRect(int row) const {
    return vx::CardRect(props_, geometry_, row, Count());
}

TRect TWgTabModel::ChildClientRect() const {
    return vx::ChildClientRect(props_, geometry_, Count());
}

void TWgTabModel::RotateRows() {
    const int rows = geometry_.Rows;
    if (rows <= 1 || tabIndex_ < 0 || tabIndex_ >= Count()) return;
    if (!tabs_.Items(tabIndex_).Visible) return;
    const int selectedRow = tabs_.Items(tabIndex_).Row;
    if (selectedRow == 0) return;
    for (int i = 0; i < Count(); ++i) {
        TWgTabData& tab = tabs_.Items(i);
        if (!tab.Visible) continue;
        tab.Row = (tab.Row + rows - selectedRow) % rows;
        const int y = RowTop(props_, geometry_, tab.Row);
        tab.Rect.bottom = y + (tab.Rect.bottom - tab.Rect.top);
        tab.Rect.top = y;
    }
}

int TWgTabModel::HitTest(TPoint point, const std::function<bool(int, TPoint)>& inShape) const {
    if (Count() == 0 || firstShown_ < 0 || firstShown_ >= Count()) return -1;
    auto hit = [&](int i) {
        return InView(i) && FinalRect(i).Contains(point) && (!inShape || inShape(i, point));
    };
    if (tabIndex_ >= 0 && tabIndex_ < Count() && hit(tabIndex_)) return tabIndex_;
    int i = firstShown_;
    do {
        if (i != tabIndex_ && hit(i)) return i;
        i = (i + 1) % Count();
    } while (i != firstShown_);
    return -1;
}

bool TWgTabModel::Selectable(int index) const {
    if (index < 0 || index >= Count()) return false;
    const TWgTabData& tab = tabs_.Items(index);
    return tab.Visible && tab.Enabled;
}

int TWgTabModel::StepSelectable(bool forward) const {
    const int n = Count();
    if (n == 0) return -1;
    const int current = tabIndex_ >= 0 && tabIndex_ < n ? tabIndex_ : (forward ? -1 : n);
    int i = current;
    for (int k = 0; k < n; ++k) {
        i = ((forward ? i + 1 : i - 1) % n + n) % n;
        if (i == current) return -1;
        if (Selectable(i)) return i;
    }
    return -1;
}

int TWgTabModel::FirstSelectable() const {
    for (int i = 0; i < Count(); ++i)
        if (Selectable(i)) return i;
    return -1;
}

int TWgTabModel::LastSelectable() const {
    for (int i = Count() - 1; i >= 0; --i)
        if (Selectable(i)) return i;
    return -1;
}

int TWgTabModel::TargetOfKey(TWgTabKey key) const {
    switch (TabKeyAction(props_, key)) {
        case TWgTabKeyAction::First:
            return FirstSelectable();
        case TWgTabKeyAction::Last:
            return LastSelectable();
        case TWgTabKeyAction::Forward:
            return StepSelectable(true);
        case TWgTabKeyAction::Backward:
            return StepSelectable(false);
        case TWgTabKeyAction::None:
            break;
    }
    return -1;
}

std::vector<TWgPaintStep> TWgTabModel::PaintOrder() const {
    std::vector<TWgPaintStep> steps;
    const int n = Count();
    if (n > 0) {
        int firstOfRow0 = -1;
        for (int i = 0; i < n && firstOfRow0 < 0; ++i)
            if (tabs_.Items(i).Visible && tabs_.Items(i).Row == 0) firstOfRow0 = i;
        const int start = firstOfRow0 <= 0 ? n - 1 : firstOfRow0 - 1;
        int c = geometry_.Rows - 1;
        for (int k = 0; k < n; ++k) {
            const int i = ((start - k) % n + n) % n;
            const TWgTabData& tab = tabs_.Items(i);
            if (!tab.Visible || !InView(i) || i < firstShown_ || i == tabIndex_) continue;
            if (tab.Row < c) {
                steps.push_back({true, c});
                c = tab.Row;
            }
            steps.push_back({false, i});
        }
        if (c == 1) steps.push_back({true, 1});
        if (tabIndex_ >= 0 && tabIndex_ < n && tabIndex_ >= firstShown_ && InView(tabIndex_))
            steps.push_back({false, tabIndex_});
    }
    steps.push_back({true, 0});
    return steps;
}

}  // namespace vx
