#include "widgets/WgSplitLayout.h"

#include <algorithm>
#include <cmath>

namespace vx {
namespace {

using enum TSide;

bool GrowsWithPosition(TSide docked) {
    return docked == sdLeft || docked == sdTop;
}

// The way a click moves the bar: -1 up or left, +1 down or right.
int ClickDirection(TSide docked, bool collapsed) {
    const int outwards = (docked == sdLeft || docked == sdTop) ? -1 : 1;
    return collapsed ? -outwards : outwards;
}

}  // namespace

std::optional<TSide> DockedSide(TAlign align, TSide side) {
    switch (align) {
        case TAlign::alLeft:
            return sdLeft;
        case TAlign::alTop:
            return sdTop;
        case TAlign::alRight:
            return sdRight;
        case TAlign::alBottom:
            return sdBottom;
        case TAlign::alClient:
            return std::nullopt;
        case TAlign::alNone:
        case TAlign::alCustom:
            break;
    }
    return side;
}

bool IsHorizontalBar(TSide docked) {
    return docked == sdTop || docked == sdBottom;
}

TRect SizeBarRect(std::optional<TSide> docked, int width, int height, int barWidth, bool dockSite) {
    if (!docked) return {};
    const int thick = barWidth + (dockSite ? 1 : 0);
    switch (*docked) {
        case sdLeft:
            return {width - thick, 0, width, height};
        case sdTop:
            return {0, height - thick, width, height};
        case sdRight:
            return {0, 0, thick, height};
        case sdBottom:
            return {0, 0, width, thick};
    }
    return {};
}

TRect HotSpotRect(const TRect& bar, bool horizontalBar, int percent) {
    const int length = horizontalBar ? bar.Width() : bar.Height();
    const int half = static_cast<int>(std::lround(percent / 100.0 * length)) / 2;
    if (horizontalBar) {
        const int mid = (bar.left + bar.right) / 2;
        return {mid - half, bar.top, mid + half, bar.bottom};
    }
    const int mid = (bar.top + bar.bottom) / 2;
    return {bar.left, mid - half, bar.right, mid + half};
}

namespace {

// The rectangle less n on the side facing away from the docked edge.
TRect LessOnBarSide(TRect r, std::optional<TSide> docked, int n) {
    if (!docked) return r;
    switch (*docked) {
        case sdLeft:
            r.right -= n;
            break;
        case sdTop:
            r.bottom -= n;
            break;
        case sdRight:
            r.left += n;
            break;
        case sdBottom:
            r.top += n;
            break;
    }
    return r;
}

}  // namespace

TRect SizePanelClientRect(const TRect& r, std::optional<TSide> docked, int barWidth) {
    return LessOnBarSide(r, docked, barWidth + 1);
}

TRect SizePanelBorderRect(const TRect& r, std::optional<TSide> docked, int barWidth) {
    return LessOnBarSide(r, docked, barWidth);
}

TRect FreeAreaOfParent(const TRect& parentClient, const std::vector<TSiblingPlace>& controls,
                       TSide side) {
    TRect free = parentClient;
    for (const TSiblingPlace& c : controls) {
        if (!c.visible) continue;  // a hidden control takes no room
        std::optional<TSide> edge;
        switch (c.align) {
            case TAlign::alTop:
                edge = sdTop;
                break;
            case TAlign::alBottom:
                edge = sdBottom;
                break;
            case TAlign::alLeft:
                edge = sdLeft;
                break;
            case TAlign::alRight:
                edge = sdRight;
                break;
            case TAlign::alNone:
            case TAlign::alCustom:
                edge = side;
                break;
            case TAlign::alClient:
                break;
        }
        if (!edge) continue;
        switch (*edge) {
            case sdTop:
                free.top += c.bounds.Height();
                break;
            case sdBottom:
                free.bottom -= c.bounds.Height();
                break;
            case sdLeft:
                free.left += c.bounds.Width();
                break;
            case sdRight:
                free.right -= c.bounds.Width();
                break;
        }
    }
    return free;
}

int AvailableExtent(TSide docked, const TRect& bounds, const TRect& free) {
    switch (docked) {
        case sdLeft:
            return free.right - bounds.left;
        case sdTop:
            return free.bottom - bounds.top;
        case sdRight:
            return free.right + bounds.Width() - free.left;
        case sdBottom:
            return free.bottom + bounds.Height() - free.top;
    }
    return 0;
}

int ClampBarPosition(int p, const TBarLimits& l) {
    int low = 0;
    int high = 0;
    switch (l.docked) {
        case sdLeft:
            low = l.marginMin + l.barWidth + 1;
            high = l.free.right - l.marginMax - l.bounds.left;
            break;
        case sdTop:
            low = l.marginMin + l.barWidth + 1;
            high = l.free.bottom - l.marginMax - l.bounds.top;
            break;
        case sdRight:
            low = l.free.left + l.marginMax - l.bounds.left;
            high = l.bounds.Width() - l.marginMin - l.barWidth - 1;
            break;
        case sdBottom:
            low = l.free.top + l.marginMax - l.bounds.top;
            high = l.bounds.Height() - l.marginMin - l.barWidth - 1;
            break;
    }
    p = std::max(p, low);
    return std::min(p, high);
}

int DragPosition(int start, int pressAt, int mouseAt, const TBarLimits& limits) {
    return ClampBarPosition(start + (mouseAt - pressAt), limits);
}

int SizeAfterDrag(TSide docked, int start, int p, int size) {
    return GrowsWithPosition(docked) ? p : start - p + size;
}

int SizeDuringDrag(TSide docked, int start, int p, int size) {
    return GrowsWithPosition(docked) ? p + 1 : start - p - 1 + size;
}

TRect DragBarRect(TSide docked, int p, const TRect& bounds, const TRect& bar) {
    switch (docked) {
        case sdLeft:
            return Bounds(p + bounds.left - bar.Width(), bounds.top, bar.Width(), bar.Height());
        case sdTop:
            return Bounds(bounds.left, p + bounds.top - bar.Height(), bar.Width(), bar.Height());
        case sdRight:
            return Bounds(p + bounds.left + 1, bounds.top, bar.Width(), bar.Height());
        case sdBottom:
            return Bounds(bounds.left, p + bounds.top + 1, bar.Width(), bar.Height());
    }
    return {};
}

bool MovesOpen(TSide docked, int from, int to) {
    return GrowsWithPosition(docked) ? to > from : to < from;
}

int CollapsedSize(int barWidth, int marginMin, bool ignoreMargins) {
    return barWidth + 1 + (ignoreMargins ? 0 : marginMin);
}

THotSpotMarks HotSpotMarks(const TRect& hot, TSide docked, bool collapsed) {
    THotSpotMarks marks;
    const bool horizontal = IsHorizontalBar(docked);
    const int first = horizontal ? hot.left : hot.top;
    const int last = (horizontal ? hot.right : hot.bottom) - 1;
    const int mid = horizontal ? (hot.top + hot.bottom) / 2 : (hot.left + hot.right) / 2;
    const int length = last + 1 - first;
    const int dir = ClickDirection(docked, collapsed);
    auto at = [horizontal](int along, int across) {
        return horizontal ? TPoint{along, across} : TPoint{across, along};
    };
    marks.chevrons.push_back(
        {at(first + 6, mid - dir), at(first + 8, mid + dir), at(first + 10, mid - dir)});
    marks.chevrons.push_back(
        {at(last - 6, mid - dir), at(last - 8, mid + dir), at(last - 10, mid - dir)});
    const int dots = (length - 32) / 3 + 1;
    for (int i = 0; i < dots; ++i)
        marks.dots.push_back(at(first + 15 + 3 * i, mid));
    return marks;
}

}  // namespace vx
