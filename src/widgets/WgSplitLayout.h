// The size panel's geometry: which edge it is docked to and where its size
// bar and hot spot lie, how much of its parent is free, how far the bar may
// be dragged, what size a drag or a hot-spot click leaves, and the marks
// drawn on the hot spot.
//
// Positions follow the panel's own convention: for a left or top panel a bar
// position is the panel's new width or height; for a right or bottom panel
// it is the bar's offset inside the panel (negative when dragged outwards).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ControlAlign.h"
#include "platform/Geometry.h"
#include "widgets/WgCommon.h"

namespace vx {

enum class TSplitterStyle : std::uint8_t { ssStandard, ssGroove, ssBump, ssGroupBar };
enum class TWgGroupBarGradientPath : std::uint8_t { gpTopToBottom, gpBottomToTop };

// The edge the panel is docked to: its alignment, or `side` for alNone and
// alCustom; none for a client-aligned panel, which has no bar.
std::optional<TSide> DockedSide(TAlign align, TSide side);
// The bar of a top or bottom panel runs horizontally.
bool IsHorizontalBar(TSide docked);

// The bar along the inner edge (d = 1 for a dock site); empty without an edge.
TRect SizeBarRect(std::optional<TSide> docked, int width, int height, int barWidth, bool dockSite);
// The hot spot: `percent` of the bar's length, centred, across its thickness.
TRect HotSpotRect(const TRect& bar, bool horizontalBar, int percent);

// The panel's client rectangle (less the bar and one pixel) and the
// rectangle its borders are painted in (less the bar).
TRect SizePanelClientRect(const TRect& r, std::optional<TSide> docked, int barWidth);
TRect SizePanelBorderRect(const TRect& r, std::optional<TSide> docked, int barWidth);

// A control of the panel's parent, as the free area counts it.
struct TSiblingPlace {
    TAlign align = TAlign::alNone;
    TRect bounds;
    bool visible = true;
};
// The parent's client rectangle less every visible control's thickness on
// the edge it is aligned to; unaligned and custom-aligned controls count as
// docked to `side`, client-aligned ones not at all.
TRect FreeAreaOfParent(const TRect& parentClient, const std::vector<TSiblingPlace>& controls,
                       TSide side);

// How far the panel could reach across its parent.
int AvailableExtent(TSide docked, const TRect& bounds, const TRect& free);

struct TBarLimits {
    TSide docked = TSide::sdLeft;
    TRect bounds;  // the panel in its parent
    TRect free;    // FreeAreaOfParent
    int barWidth = 4;
    int marginMin = 0;
    int marginMax = 0;
};
// The lower bound first, then the upper bound, which wins.
int ClampBarPosition(int p, const TBarLimits& limits);

// The bar position a drag reaches: the start plus the mouse's travel along
// the axis, clamped.
int DragPosition(int start, int pressAt, int mouseAt, const TBarLimits& limits);
// The panel's width or height after a drag released at p (start: the size at
// the press for left and top panels, 0 for right and bottom ones).
int SizeAfterDrag(TSide docked, int start, int p, int size);
// The same while a real-time drag is still moving.
int SizeDuringDrag(TSide docked, int start, int p, int size);
// Where the inverted bar is drawn in the parent for position p.
TRect DragBarRect(TSide docked, int p, const TRect& bounds, const TRect& bar);
// Whether moving from one position to the next opens a collapsed panel.
bool MovesOpen(TSide docked, int from, int to);

// The size of a collapsed panel: the bar and one pixel, plus MarginMin.
int CollapsedSize(int barWidth, int marginMin, bool ignoreMargins);

// The marks on the hot spot: a chevron near each end pointing the way a
// click moves the bar, and dots on the middle line between them.
struct THotSpotMarks {
    std::vector<std::array<TPoint, 3>> chevrons;
    std::vector<TPoint> dots;
};
THotSpotMarks HotSpotMarks(const TRect& hotSpot, TSide docked, bool collapsed);

}  // namespace vx
