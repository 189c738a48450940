// The geometry of docking, without windows: how a dock site divides its
// area among its docked clients, where a client dropped on it goes and which
// rectangle shows that while it is dragged, the caption bar of each client,
// and which of the dock sites under the mouse takes a dragged client.
//
// A site lays its clients out one after another along one axis: side by
// side (a site that runs along the top or bottom of its window, its caption
// bars at each client's left) or one above the other (caption bars on top).
#pragma once

#include <vector>

#include "platform/Geometry.h"

namespace vx {

// The zones of `count` clients in `area`: equal shares, the last one taking
// what the division leaves.
std::vector<TRect> DockZones(const TRect& area, int count, bool sideBySide);

// Where a dropped client goes: its place in the site's list of clients, and
// the rectangle (in the site) that shows it during the drag.
struct TDockPlace {
    int index = 0;
    TRect rect;
};
// A drop at `point` on a site whose clients stand in `zones`: into the whole
// area when it has none; otherwise before the zone under the point when the
// point lies in its first half (along the axis), else after it, shown as that
// half. A point outside every zone goes after the last one.
TDockPlace DockDropPlace(const TRect& area, const std::vector<TRect>& zones, bool sideBySide,
                         TPoint point);

// A zone's caption bar (`size` pixels at its left or at its top) and what is
// left of it for the client.
TRect DockGrabberRect(const TRect& zone, bool grabberLeft, int size);
TRect DockClientRect(const TRect& zone, bool grabberLeft, int size);

// A dock site under the mouse: its rectangle on the screen and how deep it
// lies in its window (a site inside another is deeper).
struct TDockCandidate {
    TRect screen;
    int depth = 0;
};
// The deepest candidate whose rectangle holds `point` (the first of equals),
// or -1.
int ChooseDockTarget(const std::vector<TDockCandidate>& candidates, TPoint point);

// A press becomes a drag once the mouse has moved `threshold` pixels from it
// along either axis.
bool PastDragThreshold(TPoint press, TPoint now, int threshold);

// The floating window of a client dragged out: width x height, with the point pressed
// (`grab`, measured from the dragged area's top left) staying under the
// mouse, the grab held inside that size.
TRect FloatingDropRect(TPoint mouse, TPoint grab, int width, int height);

}  // namespace vx
