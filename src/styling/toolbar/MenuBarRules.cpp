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

// In 64 bits, held within int: no button, menu or work area a caller passes
// overflows the sums.
TPoint MenuDropPoint(const TMenuDropInput& in) {
    using Wide = long long;
    const TRect& b = in.button;
    switch (in.align) {
        case TDockAlign::daLeft:
            return {b.right, SaturateInt(Wide{b.top} + 1)};
        case TDockAlign::daRight:
            return {SaturateInt(Wide{b.left} - in.menuWidth), SaturateInt(Wide{b.top} + 1)};
        default: {
            const Wide x = in.rightToLeft ? b.right : b.left;
            Wide y = b.bottom;
            const Wide drop = Wide{in.menuLine} * in.itemCount;
            if (in.workArea.bottom < y + drop + 10) y -= drop + b.Height() + 4;
            return {SaturateInt(x), SaturateInt(y)};
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
