// Dragging a tool bar by its grip, without a window: the rectangle in which
// a dock panel catches a dragged bar, the place a docked bar asks its row
// for while the mouse moves, when the bar has been pulled far enough out of
// its panel to float, and where a floating bar's window goes.
//
// Coordinates: the bar's own (client) coordinates for the mouse and the
// grab point, the panel's for the bar's bounds, the screen's for capture
// rectangles and windows. The rules are written for a horizontal bar; a
// vertical one swaps x and y, Left and Top, Width and Height.
#pragma once

#include <vector>

#include "platform/Geometry.h"
#include "styling/toolbar/DockRows.h"

namespace vx {

// How far past its panel a docked bar is pulled before it floats, and how
// far a panel reaches into its form to catch a dragged bar.
inline constexpr int kUndockDistance = 26;
inline constexpr int kCaptureMargin = 15;

// A panel's window rectangle grown by 15 pixels on the side that faces the
// form's interior: the bottom of a top panel, the right of a left panel.
TRect DockCaptureRect(const TRect& panelScreenRect, TDockAlign align);

// The docking targets of one drag: each panel with its capture rectangle, in
// the order the form's controls were walked. The first that holds the point
// and is not the panel the bar is in (`current`, null when none) wins; -1
// when none does.
struct TDockTarget {
    const void* panel = nullptr;
    TRect capture;
};
int DockTargetAt(const std::vector<TDockTarget>& targets, TPoint screen, const void* current);

// One mouse step of a docked bar: the place it asks for along its row and
// across the rows. `across` is the new Top (Left on a vertical bar), or the
// old one when the mouse is still within the bar's thickness.
struct TDockedDragRequest {
    int along = 0;
    int across = 0;
    bool acrossChanged = false;
};
TDockedDragRequest DockedDragRequest(bool horizontal, const TRect& bar, TPoint mouse, TPoint grab);

// Whether that step pulls the bar out of its panel. `before` and `after` are
// the bar's bounds before the step and after the panel placed it; the rows
// before and after; `panel` the panel's size (width, height as a point).
struct TDockedDragOutcome {
    TRect before;
    TRect after;
    int rowBefore = 0;
    int rowAfter = 0;
    TPoint panel;
};
bool DockedDragUndocks(bool horizontal, const TDockedDragRequest& request,
                       const TDockedDragOutcome& outcome, TPoint mouse);

// The floating window's new top-left so that the grab point stays under the
// mouse.
TPoint FloatingDragPosition(TPoint windowPos, TPoint mouse, TPoint grab);

}  // namespace vx
