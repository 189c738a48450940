// The rules of a tool bar that stands in for a form's menu bar, apart from
// its windows: which menu button the arrow keys walk to, where a drop-down
// menu opens beside its button, and how a right-to-left menu reads the
// arrow keys.
#pragma once

#include <vector>

#include "platform/Geometry.h"
#include "styling/toolbar/DockRows.h"

namespace vx {

// From index `from` the next (forward) or previous selectable entry,
// wrapping around the list; -1 when no other entry is selectable. A `from`
// outside the list starts before the first entry (forward) or after the last
// (backward), so the first or last selectable one is found. Entries that
// cannot be selected are stepped over, so the walk never stalls on them.
int NextSelectable(const std::vector<bool>& selectable, int from, bool forward);

// What a drop-down menu of a menu button is placed by.
struct TMenuDropInput {
    TRect button;      // the button in screen coordinates
    TDockAlign align;  // where the tool bar is docked
    bool rightToLeft;  // the menu reads right to left
    int itemCount;     // items of the menu
    int menuLine;      // the height of one line of a menu bar
    int menuWidth;     // the width the menu measured for itself
    TRect workArea;    // of the screen the button is on
};

// The screen point a drop-down menu opens at: under the button (its right
// corner for a right-to-left menu), above it when the work area ends before
// the menu would; right of the button on a bar docked at the left, left of it
// on one docked at the right.
TPoint MenuDropPoint(const TMenuDropInput& in);

enum class TMenuArrow { maLeft, maRight, maUp, maDown, maOther };

// Left and Right change places in a right-to-left menu.
TMenuArrow MenuArrowFor(TMenuArrow key, bool rightToLeft);

}  // namespace vx
