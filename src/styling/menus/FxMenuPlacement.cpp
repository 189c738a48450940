#include "styling/menus/FxMenuPlacement.h"

#include <algorithm>

namespace vx {

// The places here are worked out in 64 bits and held within int at the end:
// no measured size, point or work area a caller passes overflows them.
namespace {
using Wide = long long;
}  // namespace

TPoint PopupPoint(TPoint at, TPopupAlignment alignment, int firstItemWidth, const TRect& workArea) {
    const Wide w = Wide{firstItemWidth} + kMenuStripWidth;
    Wide x = at.x;
    if (alignment == TPopupAlignment::paRight && x - kMenuStripWidth - w >= workArea.left) {
        x += kMenuStripWidth;
    } else if (alignment == TPopupAlignment::paLeft &&
               workArea.right <= x + w + 2 * kMenuStripWidth) {
        x += kMenuStripWidth;
    } else if (alignment == TPopupAlignment::paCenter) {
        x += 8;
    }
    // Never past the last column (or row) of the screen it opens on.
    const Wide lastX = std::max(Wide{workArea.left}, Wide{workArea.right} - 1);
    const Wide lastY = std::max(Wide{workArea.top}, Wide{workArea.bottom} - 1);
    return {SaturateInt(std::clamp(x, Wide{workArea.left}, lastX)),
            SaturateInt(std::clamp(Wide{at.y}, Wide{workArea.top}, lastY))};
}

TPoint PopupWindowOrigin(TPoint at, TPopupAlignment alignment, TPoint size, const TRect& workArea) {
    Wide left = at.x;
    if (alignment == TPopupAlignment::paRight) left = Wide{at.x} - size.x;
    if (alignment == TPopupAlignment::paCenter) left = Wide{at.x} - size.x / 2;
    left = std::max(Wide{workArea.left}, std::min(left, Wide{workArea.right} - size.x));
    Wide top = at.y;
    if (top + size.y > workArea.bottom) top = Wide{at.y} - size.y;
    if (top < workArea.top) top = std::max(Wide{workArea.top}, Wide{workArea.bottom} - size.y);
    return {SaturateInt(left), SaturateInt(top)};
}

TRect PopupRegion(int width, int height) {
    return {1, 1, SaturateInt(Wide{width} - 1 - kMenuStripWidth), SaturateInt(Wide{height} - 1)};
}

TPoint PopupWindowMove(const TRect& window, int level, bool rightOfParent) {
    if (level <= 1) return {SaturateInt(Wide{window.left} - 1), SaturateInt(Wide{window.top} - 2)};
    return {SaturateInt(Wide{window.left} + (rightOfParent ? -kMenuStripWidth : kMenuStripWidth)),
            window.top};
}

}  // namespace vx
