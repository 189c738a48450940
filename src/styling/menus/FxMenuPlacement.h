// Where the styled menus' windows go and which part of them shows.
//
// Every drop-down window of a styled menu is measured 17 pixels wider than
// what it shows: the items are drawn short of a strip on the right, and the
// window's visible region leaves the strip out. The pop-up placement and the
// moves of drop-down windows make up for that strip. Plain geometry, no
// windows: the menus pass in their measured sizes and the work area of the
// screen they open on.
#pragma once

#include "platform/Geometry.h"

namespace vx {

// The strip at the right of every drop-down window that is never shown.
inline constexpr int kMenuStripWidth = 17;

// TPopupMenu.Alignment: which edge of the pop-up lies at the point asked.
enum class TPopupAlignment { paLeft = 0, paRight = 1, paCenter = 2 };

// The point a pop-up menu opened at `at` is handed on with: the alignment's
// shifts for the strip (firstItemWidth is the measured width of the first
// item), then kept on the work area of the screen it opens on.
TPoint PopupPoint(TPoint at, TPopupAlignment alignment, int firstItemWidth, const TRect& workArea);

// The top-left of a pop-up window of `size` whose `alignment` edge lies at
// `at`, moved so that the whole window stays on the work area (above the
// point when there is no room below it).
TPoint PopupWindowOrigin(TPoint at, TPopupAlignment alignment, TPoint size, const TRect& workArea);

// The visible region of a drop-down window: one pixel in on every side and
// the strip on the right left out.
TRect PopupRegion(int width, int height);

// Where a drop-down window goes from its first place `window` (screen
// coordinates). Level 1 (a first drop-down of the menu bar, a pop-up menu)
// moves one pixel left and two up, onto its root item; deeper levels close
// the parent's strip: 17 pixels left when they open right of their parent
// item, else 17 right.
TPoint PopupWindowMove(const TRect& window, int level, bool rightOfParent);

}  // namespace vx
