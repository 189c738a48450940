#include "styling/menus/FxMenuPlacement.h"

#include <algorithm>

namespace vx {

TPoint PopupPoint(TPoint at, TPopupAlignment alignment, int firstItemWidth, const TRect& workArea) {
    const int w = firstItemWidth + kMenuStripWidth;
    int x = at.x;
    if (alignment == TPopupAlignment::paRight && x - kMenuStripWidth - w >= workArea.left) {
        x += kMenuStripWidth;
    } else if (alignment == TPopupAlignment::paLeft &&
               workArea.right <= x + w + 2 * kMenuStripWidth) {
        x += kMenuStripWidth;
    } else if (alignment == TPopupAlignment::paCenter) {
        x += 8;
    }
    // Never past the last column (or row) of the screen it opens on.
    x = std::clamp(x, workArea.left, std::max(workArea.left, workArea.right - 1));
    const int y = std::clamp(at.y, workArea.top, std::max(workArea.top, workArea.bottom - 1));
    return {x, y};
}

TPoint PopupWindowOrigin(TPoint at, TPopupAlignment alignment, TPoint size, const TRect& workArea) {
    int left = at.x;
    if (alignment == TPopupAlignment::paRight) left = at.x - size.x;
    if (alignment == TPopupAlignment::paCenter) left = at.x - size.x / 2;
    left = std::max(workArea.left, std::min(left, workArea.right - size.x));
    int top = at.y;
    if (top + size.y > workArea.bottom) top = at.y - size.y;
    if (top < workArea.top) top = std::max(workArea.top, workArea.bottom - size.y);
    return {left, top};
}

TRect PopupRegion(int width, int height) {
    return {1, 1, width - 1 - kMenuStripWidth, height - 1};
}

TPoint PopupWindowMove(const TRect& window, int level, bool rightOfParent) {
    if (level <= 1) return {window.left - 1, window.top - 2};
    return {window.left + (rightOfParent ? -kMenuStripWidth : kMenuStripWidth), window.top};
}

}  // namespace vx
