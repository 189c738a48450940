#include "styling/toolbar/ToolBarLayout.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "styling/toolbar/SeparatorRuns.h"

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
    // Each control after the last one standing before or level with it is
    // the order of a stable sort by position.
    std::vector<std::pair<int, IBarControl*>> placed;
    placed.reserve(children.size());
    for (IBarControl* c : children)
        placed.emplace_back(AlongPos(c), c);
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    items_.Clear();
    for (const auto& [pos, c] : placed)
        items_.Add(c);
    priority_ = items_;
    EmptyOverflow();
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
    ForgetArrangement();
}

void TToolBarLayout::InsertControl(IBarControl* control) {
    ForgetArrangement();
    control->SetControlPosition(align_);
    if (!items_.Contains(control)) items_.Add(control);
    ReorderControl(control);
    if (!priority_.Contains(control)) priority_.Add(control);
    Arrange(true);
}

void TToolBarLayout::RemoveControl(IBarControl* control) {
    // A control is listed once in each list, so it is looked for where the
    // controls that come and go stand: at the end of the item and priority
    // lists, and at the head of the overflow, which takes the end of the
    // priority list first.
    const int at = items_.RemoveLast(control);
    priority_.RemoveLast(control);
    if (overflowed_.Contains(control)) overflow_.Remove(control);
    overflowed_.Erase(control);
    // The controls before it keep their places and what the arrangement
    // read of them, unless something moved since it was made.
    const bool resume = at >= 0 && state_ != TToolBarState::tsFloating &&
                        static_cast<int>(marks_.size()) == items_.Count() + 2 &&
                        marksKey_ == ArrangeKeyNow();
    ArrangeFrom(resume ? at : 0, true);
}

// ---------------------------------------------------------------- arrangement

inline void TToolBarLayout::TExtents::Add(IBarControl* c, const TRect& r, bool visible,
                                          bool overflowed, bool horizontal) {
    if (!visible) return;
    along += horizontal ? r.Width() : r.Height();
    if (!overflowed) lastShown = c;
    // (Whether it is a separator matters only to a thicker control.)
    const int across = horizontal ? r.Height() : r.Width();
    if (across > thickness && c->ControlKind() != TBarControlKind::bcSeparator) thickness = across;
}

TToolBarLayout::TArrangeKey TToolBarLayout::ArrangeKeyNow() const {
    const bool floating = state_ == TToolBarState::tsFloating;
    int across = 2;
    if (floating)
        across = captionHeight_ + 2;
    else if (showCaption_ && captionPosition_ == TCaptionPosition::cpTop)
        across += captionHeight_;
    const TRect bounds = BarBounds();
    return {state_, align_, floating ? 2 : FirstOffset(), across,
            Horizontal() ? bounds.Height() : bounds.Width()};
}

void TToolBarLayout::Arrange(bool autoSize) {
    ArrangeFrom(0, autoSize);
}

void TToolBarLayout::ArrangeFrom(int first, bool autoSize) {
    if (BarLoading() || (state_ == TToolBarState::tsFree && !autoPositionControls_)) {
        ForgetArrangement();
        return;
    }
    const bool floating = state_ == TToolBarState::tsFloating;
    if (autoSize && floating && floatingRows_ > 1) SizeStep();
    arranging_ = true;
    const TRect bounds = BarBounds();
    const bool horizontal = Horizontal();
    const TArrangeKey key = ArrangeKeyNow();
    int across = key.across;
    int run = key.run;
    const int floatingThickness = floating && floatingRows_ > 1 ? DockedThickness(true) : 0;
    // What the size step reads of the controls, gathered on the way: moving
    // a control changes none of it.
    TExtents extents;
    if (first > 0) {
        const TArrangeMark& mark = marks_[static_cast<std::size_t>(first)];
        run = mark.run;
        across = mark.across;
        extents = mark.extents;
    }
    marks_.resize(static_cast<std::size_t>(first));
    marks_.reserve(static_cast<std::size_t>(items_.Count()) + 1);
    marksKey_ = key;
    for (auto it = items_.begin() + first; it != items_.end(); ++it) {
        IBarControl* c = *it;
        marks_.push_back({run, across, extents});
        const TRect r = c->ControlBounds();
        const bool overflowed = InOverflow(c);
        const bool visible = c->ControlVisible();
        extents.Add(c, r, visible, overflowed, horizontal);
        // A control already in its place is not moved again.
        auto moveTo = [&](int left, int top) {
            if (r.left != left || r.top != top) c->MoveControl(left, top);
        };
        if (!visible || overflowed) {
            if (overflowed && !c->ControlOnBar()) continue;
            if (horizontal)
                moveTo(r.left, bounds.Height() + 2);
            else
                moveTo(bounds.Width() + 2, r.top);
            continue;
        }
        if (floating) {
            if (floatingRows_ > 1 && run > 2 && r.Width() > bounds.Width() - run - 2) {
                run = 2;
                across += floatingThickness;
            }
            moveTo(run, across);
            run += r.Width();
        } else if (horizontal) {
            moveTo(run, across);
            run += r.Width();
        } else {
            moveTo(across, run);
            run += r.Height();
        }
    }
    marks_.push_back({run, across, extents});
    // (An arrangement that ran inside this one left marks of its own.)
    if (static_cast<int>(marks_.size()) != items_.Count() + 1) ForgetArrangement();
    arranging_ = false;
    if (autoSize && !(floating && floatingRows_ > 1)) SizeStep(&extents);
}

TToolBarLayout::TExtents TToolBarLayout::Extents() const {
    TExtents extents;
    const bool horizontal = Horizontal();
    for (IBarControl* c : items_)
        extents.Add(c, c->ControlBounds(), c->ControlVisible(), InOverflow(c), horizontal);
    return extents;
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

void TToolBarLayout::SizeStep() {
    SizeStep(nullptr);
}

void TToolBarLayout::SizeStep(const TExtents* known) {
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
    const TExtents extents = known ? *known : Extents();
    int visible = kMinLength;
    if (!items_.Empty()) {
        const IBarControl* last = extents.lastShown;
        visible = (last ? AlongPos(last) + Along(last) : 15) + RightHandleWidth();
    }
    maxLength_ = std::max(FirstOffset() + RightHandleWidth() + extents.along, visible);
    if (!autoSize_) return;
    const int thickness = std::max(extents.thickness + 4, 26) + (showCaption_ ? captionHeight_ : 0);
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

void TToolBarLayout::AddToOverflow(IBarControl* c) {
    overflow_.Add(c);
    overflowed_.Insert(c);
    ForgetArrangement();
}

int TToolBarLayout::TakeBack(IBarControl* c) {
    if (!c->ControlOnBar()) c->ReturnToBar();
    overflowed_.Erase(c);
    ForgetArrangement();
    // Controls come back from the end of the list: found from there.
    return overflow_.RemoveLast(c);
}

void TToolBarLayout::Fit() {
    if (state_ != TToolBarState::tsDocked || fitting_) return;
    if (fullSize_) {
        EmptyOverflow();
        return;
    }
    fitting_ = true;
    const int limit = Length() - RightHandleWidth();
    auto extent = [this](IBarControl* c) { return Along(c); };
    auto shown = [this](IBarControl* c) { return c->ControlVisible() && !InOverflow(c); };
    // The runs between separators, made when a step asks whether a control
    // stands alone between two of them.
    std::optional<TSeparatorRuns> runs;
    auto makeRuns = [&] {
        std::vector<bool> standing;
        standing.reserve(static_cast<std::size_t>(items_.Count()));
        for (IBarControl* c : items_)
            standing.push_back(shown(c));
        runs.emplace(items_, standing);
    };

    // 1. The last control joins its separator when that went.
    int last = -1;
    for (int i = items_.Count() - 1; i >= 0 && last < 0; --i)
        if (shown(items_[i]) && items_[i]->ControlKind() != TBarControlKind::bcSeparator) last = i;
    if (last >= 0) {
        for (int j = last - 1; j >= 0; --j) {
            if (items_[j]->ControlKind() != TBarControlKind::bcSeparator) continue;
            if (InOverflow(items_[j])) AddToOverflow(items_[last]);
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
        makeRuns();
        int room = limit - (AlongPos(m) + extent(m));
        // Taken back from the end of the list. Everything after an entry
        // that came back is a separator left behind, so the search goes on
        // below it rather than from the end again.
        for (int k = overflow_.Count() - 1; k >= 0 && room > 0; --k) {
            IBarControl* c = overflow_[k];
            if (c->ControlKind() == TBarControlKind::bcSeparator) continue;
            if (extent(c) > room) break;
            int before = -1, after = -1;
            const int i = runs->IndexOf(c);
            IBarControl* partner = nullptr;
            if (i >= 0 && runs->AloneBetweenSeparators(i, before, after)) {
                if (before >= 0 && InOverflow(items_[before]))
                    partner = items_[before];
                else if (after >= 0 && InOverflow(items_[after]))
                    partner = items_[after];
            }
            int below = k;  // entries under c's place that went along
            if (partner) {
                if (extent(c) + extent(partner) > room) break;
                room -= extent(partner);
                if (TakeBack(partner) < k) --below;
            }
            room -= extent(c);
            const bool visible = c->ControlVisible();
            TakeBack(c);
            if (i >= 0 && visible) runs->CameBack(i);
            k = below;
        }
    } else if (AlongPos(m) + extent(m) > limit) {
        makeRuns();
        int excess = AlongPos(m) + extent(m) - limit;
        // The controls after a chosen one in the priority list stay out of
        // the question: they went already, are hidden or are separators.
        int k = priority_.Count() - 1;
        while (excess > 0) {
            IBarControl* c = nullptr;
            for (; k >= 0 && !c; --k) {
                IBarControl* p = priority_[k];
                if (!InOverflow(p) && p->ControlVisible() &&
                    p->ControlKind() != TBarControlKind::bcSeparator)
                    c = p;
            }
            if (!c) break;
            AddToOverflow(c);
            excess -= extent(c);
            int before = -1, after = -1;
            const int i = runs->IndexOf(c);
            if (i >= 0) runs->Overflowed(i);
            if (i >= 0 && runs->AloneBetweenSeparators(i, before, after)) {
                IBarControl* partner = nullptr;
                if (before >= 0 && !InOverflow(items_[before]))
                    partner = items_[before];
                else if (after >= 0 && !InOverflow(items_[after]))
                    partner = items_[after];
                if (partner) {
                    AddToOverflow(partner);
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
