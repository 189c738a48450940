// Measuring and drawing of its own that a menu item can carry.
//
// A styled menu measures an item that has an OnMeasureItem handler through
// it rather than through its styler, and draws an item that has an
// OnAdvancedDrawItem handler (or, without one, an OnDrawItem handler)
// through that; every other item, and the rest of the item's window, keep
// the styler's look.
#pragma once

#include <functional>

class QAction;

namespace vx {

class Canvas;
struct TRect;

// Width and height come in as the desktop proposes them, on a canvas in the
// desktop's menu font.
using TMenuMeasureItemEvent =
    std::function<void(const QAction& item, Canvas& canvas, int& width, int& height)>;
// The item's whole rectangle, on a canvas in the desktop's menu font.
using TMenuDrawItemEvent =
    std::function<void(const QAction& item, Canvas& canvas, const TRect& rect, bool selected)>;
// The same with the item's state (the MenuItemState flags of FxMenuDraw.h).
using TAdvancedMenuDrawItemEvent =
    std::function<void(const QAction& item, Canvas& canvas, const TRect& rect, unsigned state)>;

struct TMenuItemHandlers {
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
};

// Gives the item its handlers (an empty one: none of that kind); the menus
// that hold the item measure it again.
void SetMenuItemHandlers(QAction& item, TMenuItemHandlers handlers);
// The item's handlers, or null when it has none.
const TMenuItemHandlers* MenuItemHandlersOf(const QAction& item);

}  // namespace vx
