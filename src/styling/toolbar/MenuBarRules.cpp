#include "styling/toolbar/MenuBarRules.h"

namespace vx {

int NextSelectable(const std::vector<bool>& selectable, int from, bool forward) {
    const int count = static_cast<int>(selectable.size());
    if (count == 0) return -1;
    const bool inside = from >= 0 && from < count;
    int i = inside ? from : (forward ? -1 : count);
    for (int step = 0; step < count; ++step) {
        i = forward ? (i + 1) % count : (i - 1 + count) % count;
        if (inside && i == from) return -1;
        if (selectable[i]) return i;
    }
    return -1;
}

TPoint MenuDropPoint(const TMenuDropInput& in) {
    const TRect& b = in.button;
    switch (in.align) {
        case TDockAlign::daLeft:
            return {b.right, b.top + 1};
        case TDockAlign::daRight:
            return {b.left - in.menuWidth, b.top + 1};
        default: {
            TPoint p{in.rightToLeft ? b.right : b.left, b.bottom};
            const int drop = in.menuLine * in.itemCount;
            if (in.workArea.bottom < p.y + drop + 10) p.y -= drop + b.Height() + 4;
            return p;
        }
    }
}

TMenuArrow MenuArrowFor(TMenuArrow key, bool rightToLeft) {
    if (!rightToLeft) return key;
    if (key == TMenuArrow::maLeft) return TMenuArrow::maRight;
    if (key == TMenuArrow::maRight) return TMenuArrow::maLeft;
    return key;
}

}  // namespace vx
