// The outlines of tabs and cards as plain geometry: each tab style's shape,
// the card's frame with the gap under the selected tab and its soft shadow
// (as the display list of outline commands the painting walks), the area
// inside a tab where its image and text go, and the drop marker of a tab
// drag.
//
// Tab rectangles come in strip coordinates ("final strip rectangles": row
// indent and the selected tab's enlargement applied); results are in the
// control's coordinates.
#pragma once

#include <vector>

#include "platform/Geometry.h"
#include "widgets/WgTabsLayout.h"

namespace vx {

// The outline commands of a paint.
enum class TWgOutlineCode {
    Start = 0,     // start an outline: the pen takes the frame colour
    Card = 1,      // a card outline follows (operands 0, row)
    Tab = 2,       // a tab outline follows (operands 0, tab index)
    MoveTo = 3,    // move to the point
    LineTo = 4,    // line to the point in the frame colour
    Shadow30 = 5,  // shadow line to the point, darkness 30
    Shadow15 = 6,  // shadow line to the point, darkness 15
};
struct TWgOutlineCommand {
    TWgOutlineCode Code = TWgOutlineCode::Start;
    int A = 0;
    int B = 0;
    bool operator==(const TWgOutlineCommand&) const = default;
};
using TWgOutline = std::vector<TWgOutlineCommand>;

// The shape's points in strip coordinates, from the card edge over the
// outer edge back to the card edge.
std::vector<TPoint> TabShapeInStrip(const TWgTabLayoutProps& props, const TRect& stripRect);
// The same points in the control's coordinates.
std::vector<TPoint> TabShape(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry,
                             int offset, const TRect& stripRect);
// The number of points the style's shape has.
int TabShapePointCount(const TWgTabLayoutProps& props);

// A tab's outline: start, tab, the shape's points joined in order. Refuses a
// shape whose number of points is not its style's.
TWgOutline TabOutline(const TWgTabLayoutProps& props, int tabIndex,
                      const std::vector<TPoint>& shape);

// The selected tab standing on the card: where the card's edge leaves its
// gap (the tab's first shape point moved one pixel along the strip, and its
// last one), in the control's coordinates.
struct TWgCardGap {
    TPoint G1;
    TPoint G2;
};
TWgCardGap CardGapFor(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int offset,
                      const TRect& selectedStripRect);

// A card's outline (card rectangle as the layout gives it). The shadow is
// left out while only the hot mark is being repainted.
TWgOutline CardOutline(const TWgTabLayoutProps& props, int row, const TRect& card,
                       const TWgCardGap* gap, bool withShadow);

// The rectangle inside a tab for its image and text.
TRect TabContentRect(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int offset,
                     const TRect& stripRect);

// The drop marker of a tab drag: 15 pixels along the strip and 8 across it,
// 2 pixels outside the target tab's outer edge, an arrow pointing at the
// strip. nearEdge: on the edge at the start of the strip.
struct TWgDropMarker {
    TRect Rect;
    // Two black triangles on the marker's own bitmap, in its coordinates.
    std::vector<TPoint> Left;
    std::vector<TPoint> Right;
};
TWgDropMarker DropMarkerFor(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry,
                            int offset, const TRect& targetStripRect, bool nearEdge);

}  // namespace vx
