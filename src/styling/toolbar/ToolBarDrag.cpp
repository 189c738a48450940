#include "styling/toolbar/ToolBarDrag.h"

namespace vx {

// The rules' sums run in 64 bits (held within int where they give a place):
// no rectangle or mouse position a caller passes overflows them.
namespace {
using Wide = long long;
}  // namespace

TRect DockCaptureRect(const TRect& r, TDockAlign align) {
    TRect capture = r;
    switch (align) {
        case TDockAlign::daLeft:
            capture.right = SaturateInt(Wide{r.right} + kCaptureMargin);
            break;
        case TDockAlign::daTop:
            capture.bottom = SaturateInt(Wide{r.bottom} + kCaptureMargin);
            break;
        case TDockAlign::daRight:
            capture.left = SaturateInt(Wide{r.left} - kCaptureMargin);
            break;
        case TDockAlign::daBottom:
            capture.top = SaturateInt(Wide{r.top} - kCaptureMargin);
            break;
    }
    return capture;
}

int DockTargetAt(const std::vector<TDockTarget>& targets, TPoint screen, const void* current) {
    for (std::size_t i = 0; i < targets.size(); ++i)
        if (targets[i].capture.Contains(screen) && targets[i].panel != current)
            return static_cast<int>(i);
    return -1;
}

namespace {

// The bar's measures along (a) and across (c) its row.
struct Axes {
    int aPos, cPos, aLen, cLen;
};
Axes AxesOf(bool horizontal, const TRect& r) {
    return horizontal ? Axes{r.left, r.top, r.Width(), r.Height()}
                      : Axes{r.top, r.left, r.Height(), r.Width()};
}

}  // namespace

TDockedDragRequest DockedDragRequest(bool horizontal, const TRect& bar, TPoint mouse, TPoint grab) {
    const Axes b = AxesOf(horizontal, bar);
    const int ma = horizontal ? mouse.x : mouse.y;
    const int mc = horizontal ? mouse.y : mouse.x;
    const int ga = horizontal ? grab.x : grab.y;
    TDockedDragRequest r;
    r.along = SaturateInt(Wide{ma} - ga + b.aPos);
    r.across = b.cPos;
    if (mc > b.cLen) {
        r.across = SaturateInt(Wide{b.cPos} + mc - b.cLen);
        r.acrossChanged = true;
    } else if (mc < 0) {
        r.across = SaturateInt(Wide{b.cPos} + mc);
        r.acrossChanged = true;
    }
    return r;
}

bool DockedDragUndocks(bool horizontal, const TDockedDragRequest& request,
                       const TDockedDragOutcome& o, TPoint mouse) {
    const Axes before = AxesOf(horizontal, o.before);
    const Axes after = AxesOf(horizontal, o.after);
    const int ma = horizontal ? mouse.x : mouse.y;
    const int mc = horizontal ? mouse.y : mouse.x;
    const int panelAlong = horizontal ? o.panel.x : o.panel.y;
    const int panelAcross = horizontal ? o.panel.y : o.panel.x;
    const bool sameRow = o.rowBefore == o.rowAfter;
    // Across: pulled more than 26 pixels beyond the panel's far or near edge
    // while the panel kept the bar in its row.
    const Wide pulledAcross = Wide{after.cPos} + mc;
    if (sameRow && mc > after.cLen && pulledAcross > Wide{panelAcross} + kUndockDistance)
        return true;
    if (sameRow && mc < 0 && pulledAcross < -kUndockDistance) return true;
    // Along: the row could not follow and the bar was pulled past an end.
    if (after.aPos == request.along) return false;
    if (request.along > after.aLen && request.along > Wide{panelAlong} + kUndockDistance)
        return true;
    if (horizontal) return ma < 0 && Wide{before.aPos} + ma < -kUndockDistance;
    return request.along < -kUndockDistance;
}

TPoint FloatingDragPosition(TPoint windowPos, TPoint mouse, TPoint grab) {
    return {SaturateInt(Wide{windowPos.x} + mouse.x - grab.x),
            SaturateInt(Wide{windowPos.y} + mouse.y - grab.y)};
}

}  // namespace vx
