#include "styling/toolbar/DockRows.h"

#include <algorithm>
#include <climits>

namespace vx {

namespace {

// The rows' arithmetic runs in 64 bits: any place or size a bar, the panel
// or a request reports gives the same answer as it would in int wherever int
// would not overflow, and nothing undefined where it would. What is written
// back (a bar's place, a row, the panel) is held within int.
using Wide = long long;

constexpr int kMinRowThickness = 26;
constexpr int kNoLimit = INT_MAX / 4;

bool HorizontalOf(const TDockPanelModel& panel) {
    return IsHorizontalDock(panel.DockAlign());
}

Wide AlongPos(const IDockBar* bar, bool horizontal) {
    const TRect r = bar->DockBounds();
    return horizontal ? r.left : r.top;
}
Wide AlongLen(const IDockBar* bar, bool horizontal) {
    const TRect r = bar->DockBounds();
    return horizontal ? Wide{r.right} - r.left : Wide{r.bottom} - r.top;
}
Wide CrossPos(const IDockBar* bar, bool horizontal) {
    const TRect r = bar->DockBounds();
    return horizontal ? r.top : r.left;
}
Wide CrossLen(const IDockBar* bar, bool horizontal) {
    const TRect r = bar->DockBounds();
    return horizontal ? Wide{r.bottom} - r.top : Wide{r.right} - r.left;
}

void SetAlong(IDockBar* bar, bool horizontal, Wide pos, Wide len) {
    const TRect r = bar->DockBounds();
    bar->PlaceInRow(horizontal ? TRect{SaturateInt(pos), r.top, SaturateInt(pos + len), r.bottom}
                               : TRect{r.left, SaturateInt(pos), r.right, SaturateInt(pos + len)});
}
void SetCross(IDockBar* bar, bool horizontal, Wide pos, Wide len) {
    const TRect r = bar->DockBounds();
    bar->PlaceInRow(horizontal ? TRect{r.left, SaturateInt(pos), r.right, SaturateInt(pos + len)}
                               : TRect{SaturateInt(pos), r.top, SaturateInt(pos + len), r.bottom});
}

// Gives a full-size bar the whole row: minimum 0 first, so that the
// maximum and then the minimum can both become the row's length.
void FitFullSize(IDockBar* bar, bool horizontal, Wide rowLength) {
    const int length = SaturateInt(rowLength);
    TSizeConstraints c = bar->DockConstraints();
    if (horizontal) {
        c.minWidth = 0;
        bar->SetDockConstraints(c);
        c.maxWidth = length;
        bar->SetDockConstraints(c);
        c.minWidth = length;
    } else {
        c.minHeight = 0;
        bar->SetDockConstraints(c);
        c.maxHeight = length;
        bar->SetDockConstraints(c);
        c.minHeight = length;
    }
    bar->SetDockConstraints(c);
}

}  // namespace

int Constrain(int size, int minimum, int maximum) {
    if (maximum > 0 && size > maximum) size = maximum;
    if (minimum > 0 && size < minimum) size = minimum;
    return size;
}

// ---------------------------------------------------------------- a row

bool TRowCollectionItem::Horizontal() const {
    return HorizontalOf(rows_.Panel());
}
Wide TRowCollectionItem::Pos(int i) const {
    return AlongPos(toolBars_[i], Horizontal());
}
Wide TRowCollectionItem::Len(int i) const {
    return AlongLen(toolBars_[i], Horizontal());
}
Wide TRowCollectionItem::Head() const {
    return Horizontal() ? rowRect_.left : rowRect_.top;
}
Wide TRowCollectionItem::End() const {
    return Horizontal() ? rowRect_.right : rowRect_.bottom;
}

Wide TRowCollectionItem::Gap(int a, int b) const {
    constexpr int m = TRowCollection::ToolBarMargin;
    const int n = toolBars_.Count();
    const bool hasA = a >= 0 && a < n;
    const bool hasB = b >= 0 && b < n;
    if (hasA && hasB) return Pos(b) - (Pos(a) + Len(a) + m);
    if (hasA) return End() - (Pos(a) + Len(a) + m);
    if (hasB) return Pos(b) - (Head() + m);
    return 0;
}

int TRowCollectionItem::FreeSpace(const IDockBar* a, const IDockBar* b) const {
    const int ia = a ? toolBars_.IndexOf(const_cast<IDockBar*>(a)) : -1;
    const int ib = b ? toolBars_.IndexOf(const_cast<IDockBar*>(b)) : -1;
    return SaturateInt(Gap(ia, ib));
}

Wide TRowCollectionItem::Growable(int i) const {
    const TSizeConstraints c = toolBars_[i]->DockConstraints();
    const int maximum = Horizontal() ? c.maxWidth : c.maxHeight;
    return (maximum > 0 ? maximum : kNoLimit) - Len(i);
}

Wide TRowCollectionItem::Shrinkable(int i) const {
    const TSizeConstraints c = toolBars_[i]->DockConstraints();
    return Len(i) - (Horizontal() ? c.minWidth : c.minHeight);
}

void TRowCollectionItem::MoveBy(int from, int to, Wide delta) {
    if (delta == 0) return;
    for (int k = from; k <= to; ++k)
        SetAlong(toolBars_[k], Horizontal(), Pos(k) + delta, Len(k));
}

// Grows (shrinks, for a negative delta) bar i and answers the change its
// constraints allowed; with keepEnd its far end stays where it was.
Wide TRowCollectionItem::GrowBy(int i, Wide delta, bool keepEnd) {
    const Wide before = Len(i);
    const Wide end = Pos(i) + before;
    SetAlong(toolBars_[i], Horizontal(), Pos(i), before + delta);
    const Wide change = Len(i) - before;
    if (keepEnd) SetAlong(toolBars_[i], Horizontal(), end - Len(i), Len(i));
    return change;
}

bool TRowCollectionItem::CanAdd(const IDockBar* bar) const {
    if (toolBars_.Empty()) return true;
    if (toolBars_[0]->FullSize()) return false;
    return !bar->FullSize();
}

int TRowCollectionItem::RowThickness() const {
    Wide thickness = kMinRowThickness;
    for (IDockBar* bar : toolBars_)
        thickness = std::max(thickness, CrossLen(bar, Horizontal()));
    return SaturateInt(thickness);
}

int TRowCollectionItem::AddToolBar(IDockBar* bar) {
    if (toolBars_.Contains(bar) || !CanAdd(bar)) return -1;
    constexpr int m = TRowCollection::ToolBarMargin;
    const bool horizontal = Horizontal();
    toolBars_.Add(bar);
    const int n = toolBars_.Count();
    if (bar->FullSize()) {
        const Wide length = End() - Head() - 2 * m;
        FitFullSize(bar, horizontal, length);
        SetAlong(bar, horizontal, AlongPos(bar, horizontal), length);
        bar->FullSizeApplied();
    } else if (horizontal) {
        const Wide left = n > 1 ? Pos(n - 2) + Len(n - 2) : rowRect_.left;
        SetAlong(bar, horizontal, left + m, Len(n - 1));
    } else if (n > 1) {
        SetAlong(bar, horizontal, Pos(n - 2) + Len(n - 2) + m, Len(n - 1));
    } else {
        // The first bar of a column stands at its bottom end.
        SetAlong(bar, horizontal, rowRect_.bottom - (m + Len(0)), Len(0));
    }
    bar->SetRowIndex(Index());
    rows_.ArrangeRows();
    return toolBars_.IndexOf(bar);
}

void TRowCollectionItem::RemoveToolBar(IDockBar* bar, bool dropIfEmpty) {
    if (toolBars_.Remove(bar) < 0) return;
    ArrangeToolBars();
    if (dropIfEmpty) rows_.RemoveRowIfEmpty(this);
}

void TRowCollectionItem::ArrangeToolBars() {
    constexpr int m = TRowCollection::ToolBarMargin;
    const bool horizontal = Horizontal();
    const int n = toolBars_.Count();
    const int index = Index();
    const int crossTop = horizontal ? rowRect_.top : rowRect_.left;

    // Moves bars j..i towards the head into the free space before them,
    // then shrinks them, until an overlap of -d is resolved.
    auto pullBack = [&](int i, Wide d) {
        for (int j = i; j >= 0 && d < 0; --j) {
            const Wide s = std::min(Gap(j - 1, j), -d);
            if (s > 0) {
                MoveBy(j, i, -s);
                d += s;
            }
        }
        for (int j = i; j >= 0 && d < 0; --j) {
            const Wide s = std::min(Shrinkable(j), -d);
            if (s > 0) {
                const Wide change = -GrowBy(j, -s, false);
                MoveBy(j + 1, i, -change);
                d += change;
            }
        }
    };

    // Pass 1: each bar takes its row's top, then the space after it is
    // used to grow the bars up to it, or an overlap is resolved.
    for (int i = 0; i < n; ++i) {
        IDockBar* bar = toolBars_[i];
        SetCross(bar, horizontal, crossTop, CrossLen(bar, horizontal));
        if (bar->RowIndex() != index) bar->SetRowIndex(index);
        if (i == 0 && bar->FullSize()) {
            const Wide length = End() - Head() - 2 * m;
            FitFullSize(bar, horizontal, length);
            SetAlong(bar, horizontal, Head() + m, length);
            break;
        }
        Wide d = Gap(i, i + 1);
        if (d > 0) {
            for (int j = i; j >= 0 && d > 0; --j) {
                const Wide g = std::min(Growable(j), d);
                if (g > 0) {
                    const Wide change = GrowBy(j, g, false);
                    MoveBy(j + 1, i, change);
                    d -= change;
                }
            }
        } else if (d < 0) {
            pullBack(i, d);
        }
        // The bar being placed grows into free space before it; the bars
        // before it move towards the head to make that room. (Growing an
        // earlier bar instead would lay it over the ones after it.)
        Wide g = Growable(i);
        for (int j = i; j >= 0 && g > 0; --j) {
            const Wide s = std::min(Gap(j - 1, j), g);
            if (s > 0) {
                MoveBy(j, i, -s);
                const Wide change = GrowBy(i, s, false);
                if (change < s) MoveBy(i, i, s - change);
                g -= s;
            }
        }
    }

    // Pass 2: no bar before the head, none over the next, none past the end
    // while something can still give way.
    for (int i = 0; i < n; ++i) {
        if (i == 0) {
            const Wide d = Gap(-1, 0);
            if (d < 0) MoveBy(0, 0, -d);
        }
        if (i == n - 1) {
            const Wide d = Gap(i, n);
            if (d < 0) pullBack(i, d);
        } else {
            const Wide d = Gap(i, i + 1);
            if (d < 0) MoveBy(i + 1, i + 1, -d);
        }
    }
}

void TRowCollectionItem::MoveAlongRow(IDockBar* bar, int& p, int& s) {
    const int idx = toolBars_.IndexOf(bar);
    if (idx < 0) throw EDockError("Invalid ToolBar Index");
    constexpr int m = TRowCollection::ToolBarMargin;
    const int n = toolBars_.Count();
    auto growableFrom = [&](int from, int to) {
        Wide total = 0;
        for (int k = from; k <= to; ++k)
            total += std::max(Wide{0}, Growable(k));
        return std::min<Wide>(total, kNoLimit);
    };
    auto answer = [&] {
        p = SaturateInt(Pos(idx));
        s = SaturateInt(Len(idx));
    };

    if (p == Pos(idx)) {
        // Resized in place: only growing needs room.
        if (s <= Len(idx)) return;
        Wide w = s - Len(idx);
        for (int j = idx; j < n && w >= 1; ++j) {
            const Wide room = std::min(Gap(j, j + 1), w);
            if (room > 0) {
                const Wide change = GrowBy(idx, room, false);
                if (change <= 0) break;
                MoveBy(idx + 1, j, change);
                w -= change;
            }
        }
        for (int j = idx; j >= 0 && w >= 1; --j) {
            const Wide room = std::min(Gap(j - 1, j), w);
            if (room > 0) {
                const Wide change = GrowBy(idx, room, true);
                if (change <= 0) break;
                MoveBy(j, idx - 1, -change);
                w -= change;
            }
        }
        answer();
        return;
    }

    if (p > Pos(idx)) {
        Wide d = p - Pos(idx);
        for (int j = idx; j < n && d >= 1; ++j) {
            const Wide room = std::min(Gap(j, j + 1), d);
            if (room > 0) {
                MoveBy(idx, j, room);
                d -= room;
            }
        }
        bool roomBefore = false;
        for (int j = 0; j <= idx; ++j)
            roomBefore = roomBefore || Gap(j - 1, j) > 0;
        if (d > 0 && !roomBefore && idx > 0) {
            // The bars behind give up length to the bars before, which
            // follow the moved bar.
            d = std::min(d, growableFrom(0, idx - 1));
            for (int k = n - 1; k >= idx && d >= 1; --k) {
                Wide give = std::min(d, Shrinkable(k));
                d -= give;
                if (give <= 0) continue;
                give = -GrowBy(k, -give, true);
                MoveBy(idx, k - 1, give);
                for (int q = idx - 1; q >= 0 && give > 0; --q) {
                    const Wide g = std::min(give, Growable(q));
                    if (g > 0) {
                        const Wide change = GrowBy(q, g, false);
                        MoveBy(q + 1, idx - 1, change);
                        give -= change;
                    }
                }
            }
        }
        answer();
        return;
    }

    // Towards the head.
    p = SaturateInt(std::max<Wide>(p, Head() + m));
    if (idx == 0) return;
    Wide d = Pos(idx) - p;
    for (int j = idx; j >= 0 && d >= 1; --j) {
        const Wide room = std::min(Gap(j - 1, j), d);
        if (room > 0) {
            MoveBy(j, idx, -room);
            d -= room;
        }
    }
    if (d > 0 && Gap(n - 1, n) <= 0) {
        for (int q = idx - 1; q >= 0 && d >= 1; --q) {
            Wide give = std::min({d, Shrinkable(q), growableFrom(idx, n - 1)});
            d -= give;
            if (give <= 0) continue;
            give = -GrowBy(q, -give, false);
            MoveBy(q + 1, idx - 1, -give);
            for (int k = idx; k < n && give > 0; ++k) {
                const Wide g = std::min(give, Growable(k));
                if (g > 0) {
                    const Wide change = GrowBy(k, g, true);
                    MoveBy(idx, k - 1, -change);
                    give -= change;
                }
            }
        }
    }
    if (d > 0 && !rows_.Panel().PanelLoading() && Pos(idx - 1) + 5 >= Pos(idx) - d) {
        // Pushed against its predecessor: the two change places.
        toolBars_.Exchange(idx, idx - 1);
        ArrangeToolBars();
        const int now = toolBars_.IndexOf(bar);
        p = SaturateInt(Pos(now));
        s = SaturateInt(Len(now));
        return;
    }
    answer();
}

// ---------------------------------------------------------------- the rows

TRowCollectionItem& TRowCollection::Items(int i) const {
    if (i < 0 || i >= Count()) throw EDockError("Invalid Row Index");
    return *rows_[static_cast<std::size_t>(i)];
}

int TRowCollection::IndexOf(const TRowCollectionItem* row) const {
    for (int i = 0; i < Count(); ++i)
        if (rows_[static_cast<std::size_t>(i)].get() == row) return i;
    return -1;
}

TRowCollectionItem& TRowCollection::Add() {
    return Insert(Count());
}

TRowCollectionItem& TRowCollection::Insert(int i) {
    i = std::clamp(i, 0, Count());
    auto row = std::make_unique<TRowCollectionItem>(*this);
    TRowCollectionItem& result = *row;
    rows_.insert(rows_.begin() + i, std::move(row));
    Renumber(i);
    ArrangeRows();
    return result;
}

void TRowCollection::Delete(int i) {
    Items(i);
    rows_.erase(rows_.begin() + i);
    Renumber(i);
    ArrangeRows();
}

void TRowCollection::Clear() {
    rows_.clear();
}

void TRowCollection::RemoveRowIfEmpty(TRowCollectionItem* row) {
    const int i = IndexOf(row);
    if (i < 0 || !row->ToolBars().Empty() || panel_.HeightLocked()) return;
    Delete(i);
}

void TRowCollection::Renumber(int from) {
    for (int i = from; i < Count(); ++i)
        rows_[static_cast<std::size_t>(i)]->index_ = i;
}

int TRowCollection::IndexOfToolBarRow(const IDockBar* bar) const {
    // A bar stands in one row at most, mostly the one it was told of last.
    const int told = bar ? bar->RowIndex() : -1;
    if (told >= 0 && told < Count() &&
        rows_[static_cast<std::size_t>(told)]->ToolBars().Contains(const_cast<IDockBar*>(bar)))
        return told;
    for (int i = 0; i < Count(); ++i)
        if (rows_[static_cast<std::size_t>(i)]->ToolBars().Contains(const_cast<IDockBar*>(bar)))
            return i;
    return -1;
}

void TRowCollection::MoveToolBarToRow(IDockBar* bar, int i) {
    TRowCollectionItem& target = Items(i);
    if (!bar || i == bar->RowIndex() || !target.CanAdd(bar)) return;
    const int from = IndexOfToolBarRow(bar);
    TRowCollectionItem* old = from >= 0 ? rows_[static_cast<std::size_t>(from)].get() : nullptr;
    if (old) old->RemoveToolBar(bar, false);
    target.AddToolBar(bar);
    if (old) RemoveRowIfEmpty(old);
}

void TRowCollection::MoveAcrossRows(IDockBar* bar, int& p, int& s) {
    const bool horizontal = HorizontalOf(panel_);
    const bool locked = panel_.HeightLocked();
    const int own = IndexOfToolBarRow(bar);
    if (own < 0) return;
    TRowCollectionItem* row = rows_[static_cast<std::size_t>(own)].get();
    const TRect r = row->RowRect();
    const Wide top = horizontal ? r.top : r.left;
    const int shared = row->ToolBars().Count() > 1;
    auto rowTop = [&](const TRowCollectionItem& k) {
        return horizontal ? k.RowRect().top : k.RowRect().left;
    };
    auto rowBottom = [&](const TRowCollectionItem& k) {
        return horizontal ? k.RowRect().bottom : k.RowRect().right;
    };
    // Takes the bar out of its row (an emptied row goes) into a new row
    // put where `place` says once the old row is gone.
    auto intoNewRow = [&](auto place) {
        row->RemoveToolBar(bar, true);
        Insert(place()).AddToolBar(bar);
    };
    // Moves the bar into row k when that row takes it, else into a new row
    // just before (offset 0) or after (offset 1) row k.
    auto intoRow = [&](int k, int offset) {
        if (k < 0) return;
        if (Items(k).CanAdd(bar)) {
            MoveToolBarToRow(bar, k);
        } else if (!locked) {
            TRowCollectionItem* target = &Items(k);
            intoNewRow([&] { return IndexOf(target) + offset; });
        }
    };

    if (p >= top - 5 && p <= top - 3 && shared) {
        if (!locked) intoNewRow([&] { return own; });
    } else if (p < top - 6 && own != 0) {
        int k = -1;
        for (int i = 0; i < Count() && k < 0; ++i)
            if (i != own && rowTop(Items(i)) <= p && p < rowBottom(Items(i))) k = i;
        intoRow(k, 0);
    } else if (p >= top + 3 && p <= top + 5 && shared) {
        if (!locked) intoNewRow([&] { return own + 1; });
    } else if (p > top + 5 && own != Count() - 1) {
        int k = -1;
        for (int i = own + 1; i < Count() && k < 0; ++i)
            if (rowBottom(Items(i)) > p) k = i;
        intoRow(k, 1);
    }
    const int now = IndexOfToolBarRow(bar);
    p = now >= 0 ? rowTop(Items(now)) : SaturateInt(CrossPos(bar, horizontal));
    if (s != CrossLen(bar, horizontal)) {
        SetCross(bar, horizontal, CrossPos(bar, horizontal), s);
        ArrangeRows();
    }
}

void TRowCollection::ArrangeRows() {
    if (arranging_) return;
    arranging_ = true;
    const bool horizontal = HorizontalOf(panel_);
    const TRect panel = panel_.PanelBounds();
    const int end = SaturateInt(
        (horizontal ? Wide{panel.right} - panel.left : Wide{panel.bottom} - panel.top) - 1);
    Wide at = horizontal ? RowGap : 1;
    for (auto& row : rows_) {
        const int thickness = row->RowThickness();
        const int from = SaturateInt(at);
        const int to = SaturateInt(at + thickness + 1);
        row->SetRowRect(horizontal ? TRect{1, from, end, to} : TRect{from, 1, to, end});
        row->ArrangeToolBars();
        at += Wide{row->RowThickness()} + 1;
    }
    arranging_ = false;
    UpdatePanelSize();
}

void TRowCollection::UpdatePanelSize() {
    if (panel_.HeightLocked()) return;
    const TDockAlign align = panel_.DockAlign();
    const bool horizontal = IsHorizontalDock(align);
    Wide size = panel_.MinimumSize();
    if (!rows_.empty()) {
        const TRect last = rows_.back()->RowRect();
        size = horizontal ? last.bottom + Wide{0} : last.right + Wide{1};
    }
    const TRect now = panel_.PanelBounds();
    const Wide current = horizontal ? Wide{now.bottom} - now.top : Wide{now.right} - now.left;
    if (size == current) return;
    TRect b = now;
    switch (align) {
        case TDockAlign::daTop:
            b.bottom = SaturateInt(b.top + size);
            break;
        case TDockAlign::daLeft:
            b.right = SaturateInt(b.left + size);
            break;
        case TDockAlign::daBottom:
            if (size > current) b.top = SaturateInt(b.top - (size - current));
            b.bottom = SaturateInt(b.top + size);
            break;
        case TDockAlign::daRight:
            if (size > current) b.left = SaturateInt(b.left - (size - current));
            b.right = SaturateInt(b.left + size);
            break;
    }
    // A size int cannot hold is not asked again and again.
    if (b == now) return;
    panel_.SetPanelBounds(b);
}

// ---------------------------------------------------------------- the panel

TDockPanelModel::TDockPanelModel() : rows_(*this) {}
TDockPanelModel::~TDockPanelModel() = default;

void TDockPanelModel::SetDockAlign(TDockAlign align) {
    if (align == align_) return;
    align_ = align;
    for (IDockBar* bar : toolBars_)
        bar->DockAlignChanged(align);
}

void TDockPanelModel::SetMinimumSize(int size) {
    if (size < 1 || size == minimumSize_) return;
    minimumSize_ = size;
    rows_.UpdatePanelSize();
}

void TDockPanelModel::SetUseRunTimeHeight(bool use) {
    if (use == useRunTimeHeight_) return;
    useRunTimeHeight_ = use;
    rows_.ArrangeRows();
}

int TDockPanelModel::AddToolBar(IDockBar* bar) {
    TRowCollectionItem* row = nullptr;
    if (HeightLocked()) {
        const int r = FindRowFor(bar);
        if (r < 0) return -1;
        row = &rows_.Items(r);
    } else if (!PanelLoading()) {
        row = &rows_.Add();
    }
    bar->DockAlignChanged(align_);
    if (!toolBars_.Contains(bar)) toolBars_.Add(bar);
    if (!row) return 0;
    return row->AddToolBar(bar);
}

void TDockPanelModel::RemoveToolBar(IDockBar* bar) {
    if (!PanelLoading()) {
        const int r = rows_.IndexOfToolBarRow(bar);
        if (r >= 0) rows_.Items(r).RemoveToolBar(bar, true);
    }
    toolBars_.Remove(bar);
    hiddenToolBars_.Remove(bar);
}

int TDockPanelModel::FindRowFor(const IDockBar* bar) const {
    const int n = rows_.Count();
    const bool fromLast = align_ == TDockAlign::daLeft || align_ == TDockAlign::daTop;
    for (int k = 0; k < n; ++k) {
        const int i = fromLast ? n - 1 - k : k;
        if (rows_.Items(i).CanAdd(bar)) return i;
    }
    return -1;
}

void TDockPanelModel::ToolBarBoundsChanging(IDockBar* bar, int& left, int& top, int& width,
                                            int& height) {
    if (PanelLoading() || !bar->DockVisible()) return;
    if (rows_.IndexOfToolBarRow(bar) < 0) return;
    const bool horizontal = IsHorizontalDock(align_);
    rows_.MoveAcrossRows(bar, horizontal ? top : left, horizontal ? height : width);
    const int r = rows_.IndexOfToolBarRow(bar);
    if (r >= 0)
        rows_.Items(r).MoveAlongRow(bar, horizontal ? left : top, horizontal ? width : height);
}

void TDockPanelModel::ToolBarBoundsChanged(IDockBar* bar) {
    const int r = rows_.IndexOfToolBarRow(bar);
    if (r < 0) return;
    TRowCollectionItem& row = rows_.Items(r);
    const int n = row.ToolBars().Count();
    bool overlap = row.FreeSpace(nullptr, row.ToolBars()[0]) < 0;
    for (int i = 0; i + 1 < n && !overlap; ++i)
        overlap = row.FreeSpace(row.ToolBars()[i], row.ToolBars()[i + 1]) < 0;
    if (overlap) row.ArrangeToolBars();
}

void TDockPanelModel::MoveToolBar(IDockBar* bar, int left, int top, int width, int height) {
    ToolBarBoundsChanging(bar, left, top, width, height);
    bar->PlaceInRow(Bounds(left, top, width, height));
    ToolBarBoundsChanged(bar);
}

void TDockPanelModel::ToolBarVisibilityChanged(IDockBar* bar) {
    const bool visible = bar->DockVisible();
    if (visible)
        hiddenToolBars_.Remove(bar);
    else if (!hiddenToolBars_.Contains(bar))
        hiddenToolBars_.Add(bar);
    const int r = rows_.IndexOfToolBarRow(bar);
    if (!visible && r >= 0)
        rows_.Items(r).RemoveToolBar(bar, true);
    else if (visible && r < 0)
        rows_.Add().AddToolBar(bar);
}

void TDockPanelModel::MoveToolBarToOwnRow(IDockBar* bar) {
    const int r = rows_.IndexOfToolBarRow(bar);
    if (r < 0) return;
    rows_.Items(r).RemoveToolBar(bar, true);
    TRowCollectionItem& row = rows_.Insert(r);
    row.AddToolBar(bar);
    row.ArrangeToolBars();
}

void TDockPanelModel::BuildRows() {
    const bool horizontal = IsHorizontalDock(align_);
    std::vector<IDockBar*> order(toolBars_.begin(), toolBars_.end());
    std::stable_sort(order.begin(), order.end(), [horizontal](IDockBar* a, IDockBar* b) {
        const TRect ra = a->DockBounds();
        const TRect rb = b->DockBounds();
        if (horizontal) return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
        return ra.left != rb.left ? ra.left < rb.left : ra.top < rb.top;
    });
    for (IDockBar* bar : order) {
        if (!bar->DockVisible()) {
            if (!hiddenToolBars_.Contains(bar)) hiddenToolBars_.Add(bar);
            continue;
        }
        const TRect stored = bar->DockBounds();
        rows_.Add().AddToolBar(bar);
        TRect now = bar->DockBounds();
        MoveToolBar(bar, stored.left, now.top, now.Width(), now.Height());
        now = bar->DockBounds();
        MoveToolBar(bar, now.left, stored.top, now.Width(), now.Height());
    }
    RowsBuilt();
    loadingDone_ = true;
}

}  // namespace vx
