#include "styling/toolbar/ToolBarLayout.h"

#include <algorithm>
#include <climits>

namespace vx {

namespace {

TRect Client(const TRect& bounds) {
    return {0, 0, bounds.Width(), bounds.Height()};
}

}  // namespace

int TToolBarLayout::Along(const IBarControl* c) const {
    const TRect r = c->ControlBounds();
    return Horizontal() ? r.Width() : r.Height();
}

int TToolBarLayout::AlongPos(const IBarControl* c) const {
    const TRect r = c->ControlBounds();
    return Horizontal() ? r.left : r.top;
}

int TToolBarLayout::Length() const {
    const TRect b = BarBounds();
    return Horizontal() ? b.Width() : b.Height();
}

// ---------------------------------------------------------------- lists

void TToolBarLayout::BuildItemList(const std::vector<IBarControl*>& children) {
    items_.Clear();
    for (IBarControl* c : children) {
        int at = 0;
        for (int i = 0; i < items_.Count(); ++i)
            if (AlongPos(items_[i]) <= AlongPos(c)) at = i + 1;
        items_.Insert(at, c);
    }
    priority_ = items_;
    overflow_.Clear();
}

int TToolBarLayout::ReorderIndex(int i) const {
    const int n = items_.Count();
    if (n < 2) return i;
    const TRect r = items_[i]->ControlBounds();
    if (r.left == 0 || r.top == 0) return n - 1;
    const int pos = Horizontal() ? r.left : r.top;
    for (int j = 0; j < n; ++j) {
        if (j == i) continue;
        if (AlongPos(items_[j]) >= pos) return j > i ? j - 1 : j;
    }
    return n - 1;
}

void TToolBarLayout::ReorderControl(IBarControl* control) {
    const int i = items_.IndexOf(control);
    if (i < 0) return;
    const int to = ReorderIndex(i);
    if (to == i) return;
    items_.Delete(i);
    items_.Insert(std::min(to, items_.Count()), control);
}

void TToolBarLayout::InsertControl(IBarControl* control) {
    control->SetControlPosition(align_);
    if (!items_.Contains(control)) items_.Add(control);
    ReorderControl(control);
    if (!priority_.Contains(control)) priority_.Add(control);
    Arrange(true);
}

void TToolBarLayout::RemoveControl(IBarControl* control) {
    items_.Remove(control);
    priority_.Remove(control);
    overflow_.Remove(control);
    Arrange(true);
}

// ---------------------------------------------------------------- arrangement

void TToolBarLayout::Arrange(bool autoSize) {
    if (BarLoading()) return;
    if (state_ == TToolBarState::tsFree && !autoPositionControls_) return;
    const bool floating = state_ == TToolBarState::tsFloating;
    if (autoSize && floating && floatingRows_ > 1) SizeStep();
    arranging_ = true;
    const TRect bounds = BarBounds();
    const bool horizontal = Horizontal();
    int across = 2;
    if (floating)
        across = captionHeight_ + 2;
    else if (showCaption_ && captionPosition_ == TCaptionPosition::cpTop)
        across += captionHeight_;
    int run = floating ? 2 : FirstOffset();
    for (IBarControl* c : items_) {
        const TRect r = c->ControlBounds();
        const bool overflowed = InOverflow(c);
        if (!c->ControlVisible() || overflowed) {
            if (overflowed && !c->ControlOnBar()) continue;
            if (horizontal)
                c->MoveControl(r.left, bounds.Height() + 2);
            else
                c->MoveControl(bounds.Width() + 2, r.top);
            continue;
        }
        if (floating) {
            if (floatingRows_ > 1 && run > 2 && r.Width() > bounds.Width() - run - 2) {
                run = 2;
                across += DockedThickness(true);
            }
            c->MoveControl(run, across);
            run += r.Width();
        } else if (horizontal) {
            c->MoveControl(run, across);
            run += r.Width();
        } else {
            c->MoveControl(across, run);
            run += r.Height();
        }
    }
    arranging_ = false;
    if (autoSize && !(floating && floatingRows_ > 1)) SizeStep();
}

int TToolBarLayout::DockedThickness(bool floatingValue) const {
    const bool floating = floatingValue || state_ == TToolBarState::tsFloating;
    int greatest = 0;
    for (IBarControl* c : items_) {
        const TRect r = c->ControlBounds();
        const TBarControlKind kind = c->ControlKind();
        if (Horizontal()) {
            if (kind != TBarControlKind::bcSeparator) greatest = std::max(greatest, r.Height());
        } else if (!floating) {
            if (kind != TBarControlKind::bcSeparator) greatest = std::max(greatest, r.Width());
        } else if (kind == TBarControlKind::bcOther) {
            greatest = std::max(greatest, r.Height());
        } else if (kind == TBarControlKind::bcButton) {
            greatest = std::max(greatest, r.Width());
        }
    }
    return std::max(greatest + 4, 26);
}

IBarControl* TToolBarLayout::LastShown() const {
    for (int i = items_.Count() - 1; i >= 0; --i)
        if (items_[i]->ControlVisible() && !InOverflow(items_[i])) return items_[i];
    return nullptr;
}

int TToolBarLayout::FullLength() const {
    int length = FirstOffset() + RightHandleWidth();
    for (IBarControl* c : items_)
        if (c->ControlVisible()) length += Along(c);
    return length;
}

void TToolBarLayout::SizeStep() {
    const TRect bounds = BarBounds();
    const bool horizontal = Horizontal();
    if (state_ == TToolBarState::tsFloating) {
        SetBarConstraints({});
        if (floatingRows_ <= 1) {
            int end = 0;
            for (IBarControl* c : items_)
                if (c->ControlVisible()) end = std::max(end, c->ControlBounds().right);
            ResizeBar(std::max(end + 2, kMinLength), DockedThickness() + captionHeight_);
        } else {
            const TFloatingSize size = FloatingSizeFor(floatingRows_);
            ResizeBar(size.width, size.height);
        }
        FloatingSizeChanged();
        return;
    }
    if (fullSize_) return;
    int visible = kMinLength;
    if (!items_.Empty()) {
        const IBarControl* last = LastShown();
        visible = (last ? AlongPos(last) + Along(last) : 15) + RightHandleWidth();
    }
    maxLength_ = std::max(FullLength(), visible);
    if (!autoSize_) return;
    int thickness = 0;
    for (IBarControl* c : items_) {
        if (!c->ControlVisible() || c->ControlKind() == TBarControlKind::bcSeparator) continue;
        const TRect r = c->ControlBounds();
        thickness = std::max(thickness, horizontal ? r.Height() : r.Width());
    }
    thickness = std::max(thickness + 4, 26) + (showCaption_ ? captionHeight_ : 0);
    const int minimum = std::min(kMinLength, visible);
    SetBarConstraints(horizontal ? TSizeConstraints{minimum, maxLength_, 0, 0}
                                 : TSizeConstraints{0, 0, minimum, maxLength_});
    int length = horizontal ? bounds.Width() : bounds.Height();
    if (length < visible || (length > visible && length > maxLength_)) length = visible;
    if (horizontal)
        ResizeBar(length, thickness);
    else
        ResizeBar(thickness, length);
}

// ---------------------------------------------------------------- overflow

bool TToolBarLayout::AloneBetweenSeparators(int i, int& before, int& after) const {
    before = after = -1;
    bool alone = true;
    for (int j = i - 1; j >= 0; --j) {
        IBarControl* c = items_[j];
        if (c->ControlKind() == TBarControlKind::bcSeparator) {
            before = j;
            break;
        }
        if (c->ControlVisible() && !InOverflow(c)) alone = false;
    }
    for (int j = i + 1; j < items_.Count(); ++j) {
        IBarControl* c = items_[j];
        if (c->ControlKind() == TBarControlKind::bcSeparator) {
            after = j;
            break;
        }
        if (c->ControlVisible() && !InOverflow(c)) alone = false;
    }
    return alone && (before >= 0 || after >= 0);
}

void TToolBarLayout::TakeBack(IBarControl* c) {
    if (!c->ControlOnBar()) c->ReturnToBar();
    overflow_.Remove(c);
}

void TToolBarLayout::Fit() {
    if (state_ != TToolBarState::tsDocked || fitting_) return;
    if (fullSize_) {
        overflow_.Clear();
        return;
    }
    fitting_ = true;
    const int limit = Length() - RightHandleWidth();
    auto extent = [this](IBarControl* c) { return Along(c); };
    auto shown = [this](IBarControl* c) { return c->ControlVisible() && !InOverflow(c); };

    // 1. The last control joins its separator when that went.
    int last = -1;
    for (int i = items_.Count() - 1; i >= 0 && last < 0; --i)
        if (shown(items_[i]) && items_[i]->ControlKind() != TBarControlKind::bcSeparator) last = i;
    if (last >= 0) {
        for (int j = last - 1; j >= 0; --j) {
            if (items_[j]->ControlKind() != TBarControlKind::bcSeparator) continue;
            if (InOverflow(items_[j])) overflow_.Add(items_[last]);
            break;
        }
    }
    // 2. The last control still shown.
    IBarControl* m = LastShown();

    if (!m) {
        int room = limit - (GripDrawn() ? kGripWidth : 0);
        while (room > 0 && !overflow_.Empty() && extent(overflow_.Last()) <= room) {
            IBarControl* c = overflow_.Last();
            room -= extent(c);
            TakeBack(c);
        }
    } else if (AlongPos(m) + extent(m) < limit && !overflow_.Empty()) {
        int room = limit - (AlongPos(m) + extent(m));
        for (int k = overflow_.Count() - 1; k >= 0 && room > 0; --k) {
            IBarControl* c = overflow_[k];
            if (c->ControlKind() == TBarControlKind::bcSeparator) continue;
            if (extent(c) > room) break;
            int before = -1, after = -1;
            const int i = items_.IndexOf(c);
            IBarControl* partner = nullptr;
            if (i >= 0 && AloneBetweenSeparators(i, before, after)) {
                if (before >= 0 && InOverflow(items_[before]))
                    partner = items_[before];
                else if (after >= 0 && InOverflow(items_[after]))
                    partner = items_[after];
            }
            if (partner) {
                if (extent(c) + extent(partner) > room) break;
                room -= extent(partner);
                TakeBack(partner);
            }
            room -= extent(c);
            TakeBack(c);
            k = overflow_.Count();  // the list changed: from its end again
        }
    } else if (AlongPos(m) + extent(m) > limit) {
        int excess = AlongPos(m) + extent(m) - limit;
        while (excess > 0) {
            IBarControl* c = nullptr;
            for (int k = priority_.Count() - 1; k >= 0 && !c; --k) {
                IBarControl* p = priority_[k];
                if (!InOverflow(p) && p->ControlVisible() &&
                    p->ControlKind() != TBarControlKind::bcSeparator)
                    c = p;
            }
            if (!c) break;
            overflow_.Add(c);
            excess -= extent(c);
            int before = -1, after = -1;
            const int i = items_.IndexOf(c);
            if (i >= 0 && AloneBetweenSeparators(i, before, after)) {
                IBarControl* partner = nullptr;
                if (before >= 0 && !InOverflow(items_[before]))
                    partner = items_[before];
                else if (after >= 0 && !InOverflow(items_[after]))
                    partner = items_[after];
                if (partner) {
                    overflow_.Add(partner);
                    excess -= extent(partner);
                }
            }
        }
    }
    fitting_ = false;
    Arrange(false);
}

int TToolBarLayout::HiddenLength() const {
    const TSizeConstraints c = BarConstraints();
    return (Horizontal() ? c.maxWidth : c.maxHeight) - Length();
}

// ---------------------------------------------------------------- floating

int TToolBarLayout::FloatingRowsAt(int width, int* slack, int* lastX) const {
    int rows = 1;
    int x = 2;
    for (IBarControl* c : items_) {
        if (!c->ControlVisible()) continue;
        const int w = c->ControlBounds().Width();
        if (x > 2 && w > width - x - 2) {
            if (slack) *slack = std::min(*slack, width - x - 2);
            ++rows;
            x = 2;
        }
        x += w;
    }
    if (lastX) *lastX = x;
    return rows;
}

TToolBarLayout::TFloatingSize TToolBarLayout::FloatingSizeFor(int rows) const {
    int greatest = 0;
    for (IBarControl* c : items_)
        if (c->ControlVisible()) greatest = std::max(greatest, c->ControlBounds().Width());
    int width = std::max(greatest + 4, kMinLength);
    int slack = INT_MAX;
    int lastX = 2;
    int made = 0;
    for (;;) {
        slack = INT_MAX;
        made = FloatingRowsAt(width, &slack, &lastX);
        if (made <= rows) break;
        width += 10;
    }
    const int height = made * DockedThickness(true) + captionHeight_;
    if (made >= 2) {
        slack = std::min(slack, width - lastX - 2);
        width -= slack;
    }
    return {width, height};
}

int TToolBarLayout::MaxFloatingRows() const {
    if (items_.Empty()) return 1;
    int greatest = 0;
    for (IBarControl* c : items_)
        if (c->ControlVisible()) greatest = std::max(greatest, Along(c));
    const int width = std::max(greatest + 2, kMinLength);
    int rows = 1;
    int x = 2;
    for (IBarControl* c : items_) {
        if (!c->ControlVisible()) continue;
        const int w = Along(c);
        if (x > 2 && (x + w > width || x >= width)) {
            ++rows;
            x = 2;
        }
        x += w;
    }
    return rows;
}

void TToolBarLayout::SetFloatingRows(int rows) {
    if (rows < 1 || rows > MaxFloatingRows() || rows == floatingRows_) return;
    floatingRows_ = rows;
    Arrange(true);
    FloatingSizeChanged();
}

void TToolBarLayout::ChangeOrientation(TDockAlign align) {
    if (align == align_) return;
    const bool wasHorizontal = Horizontal();
    align_ = align;
    // The old orientation's length becomes free first.
    if (wasHorizontal)
        SetBarConstraints({kMinLength, maxLength_, 0, 0});
    else
        SetBarConstraints({0, 0, kMinLength, maxLength_});
    arranging_ = true;
    for (IBarControl* c : items_)
        c->SetControlPosition(align);
    arranging_ = false;
    int full = FirstOffset() + RightHandleWidth();
    for (IBarControl* c : items_)
        if (c->ControlVisible()) full += Along(c);
    maxLength_ = std::max(full, kMinLength);
    const int thickness = DockedThickness();
    if (Horizontal()) {
        SetBarConstraints({kMinLength, maxLength_, 0, 0});
        ResizeBar(maxLength_, thickness);
    } else {
        SetBarConstraints({0, 0, kMinLength, maxLength_});
        ResizeBar(thickness, maxLength_);
    }
    Arrange(false);
    Fit();
}

// ---------------------------------------------------------------- rectangles

TRect TToolBarLayout::CaptionRect() const {
    const TRect client = Client(BarBounds());
    const int ch = captionHeight_;
    if (state_ == TToolBarState::tsFloating) return {client.left, client.top, client.right, ch};
    if (!showCaption_) return {};
    const bool top = captionPosition_ == TCaptionPosition::cpTop;
    if (Horizontal())
        return top ? TRect{0, 0, client.right, ch}
                   : TRect{0, client.bottom - ch, client.right, client.bottom};
    return top ? TRect{0, 0, ch, client.bottom}
               : TRect{client.right - ch, 0, client.right, client.bottom};
}

TRect TToolBarLayout::BodyRect() const {
    TRect body = Client(BarBounds());
    const TRect band = CaptionRect();
    if (band.IsEmpty()) return body;
    if (state_ == TToolBarState::tsFloating) {
        body.top = band.bottom;
        return body;
    }
    const bool top = captionPosition_ == TCaptionPosition::cpTop;
    if (Horizontal())
        (top ? body.top : body.bottom) = top ? band.bottom : band.top;
    else
        (top ? body.left : body.right) = top ? band.right : band.left;
    return body;
}

TRect TToolBarLayout::GripHitRect() const {
    if (!GripDrawn()) return {};
    const TRect c = Client(BarBounds());
    return Horizontal() ? TRect{0, 0, kGripWidth, c.bottom} : TRect{0, 0, c.right, kGripWidth};
}

TRect TToolBarLayout::GripPaintRect() const {
    if (!GripDrawn()) return {};
    const TRect c = Client(BarBounds());
    return Horizontal() ? TRect{1, 1, kGripWidth, c.bottom} : TRect{1, 1, c.right, kGripWidth};
}

TRect TToolBarLayout::RightHandleHitRect() const {
    if (!showRightHandle_) return {};
    const TRect c = Client(BarBounds());
    return Horizontal() ? TRect{c.right - 14, 0, c.right, c.bottom}
                        : TRect{0, c.bottom - 14, c.right, c.bottom};
}

TRect TToolBarLayout::RightHandlePaintRect(bool roundedEdges) const {
    if (!showRightHandle_ || state_ == TToolBarState::tsFloating || fullSize_) return {};
    const TRect c = Client(BarBounds());
    TRect h = Horizontal() ? TRect{c.right - 14, 0, c.right + 1, c.bottom + 1}
                           : TRect{0, c.bottom - 14, c.right, c.bottom};
    if (!roundedEdges)
        h = Horizontal() ? TRect{h.left - 1, h.top + 1, h.right - 2, h.bottom - 2}
                         : TRect{h.left + 1, h.top, h.right - 1, h.bottom - 1};
    return h;
}

TRect TToolBarLayout::CloseButtonRect() const {
    if (state_ != TToolBarState::tsFloating || !showClose_) return {};
    const TRect band = CaptionRect();
    return {band.right - captionHeight_ - 1, band.top + 1, band.right - 1, band.bottom - 1};
}

TRect TToolBarLayout::OptionButtonRect() const {
    if (state_ != TToolBarState::tsFloating || !showOptionIndicator_) return {};
    const TRect band = CaptionRect();
    const TRect close{band.right - captionHeight_ - 1, band.top + 1, band.right - 1,
                      band.bottom - 1};
    if (!showClose_) return close;
    return {close.left - captionHeight_ - 2, close.top, close.left - 2, close.bottom};
}

TRect TToolBarLayout::FloatingDragRect() const {
    if (state_ != TToolBarState::tsFloating) return {};
    TRect band = CaptionRect();
    if (showOptionIndicator_)
        band.right = OptionButtonRect().left;
    else if (showClose_)
        band.right = CloseButtonRect().left;
    return band;
}

TRect TToolBarLayout::CaptionOptionButtonRect() const {
    if (state_ == TToolBarState::tsFloating || !Horizontal() || !showOptionIndicator_ ||
        showRightHandle_ || !showCaption_)
        return {};
    const TRect band = CaptionRect();
    return {band.right - 1 - captionHeight_ + 2, band.top + 2, band.right - 1, band.bottom - 1};
}

}  // namespace vx
