#include "styling/toolbar/MdiButtonGeometry.h"

#include <algorithm>

namespace vx {

namespace {
constexpr int kSize = 18;
constexpr int kGlyph = 8;
}  // namespace

const TRect& TMdiButtonRects::Of(TMdiButton button) const {
    switch (button) {
        case TMdiButton::mbMinimize:
            return minimize;
        case TMdiButton::mbRestore:
            return restore;
        case TMdiButton::mbClose:
            break;
    }
    return close;
}

// The places below are worked out in 64 bits and held within int: no bar
// size a caller passes overflows them.
TMdiButtonRects MdiButtonRects(const TMdiBarState& bar) {
    TMdiButtonRects r;
    if (!bar.childWithSystemMenu) return r;
    // The far end's place along the bar, the buttons' place across it.
    auto farEnd = [&](int length) {
        return SaturateInt(static_cast<long long>(length) - 21 - bar.farEndReduction);
    };
    auto across = [](int thickness) {
        return std::max(2, SaturateInt((static_cast<long long>(thickness) - kSize) / 2));
    };
    // The near edge and the far edge of a button that ends one pixel before
    // `edge`.
    auto before = [](int edge) { return SaturateInt(static_cast<long long>(edge) - 1 - kSize); };
    auto back = [](int edge) { return SaturateInt(static_cast<long long>(edge) - 1); };
    if (bar.horizontal) {
        const int x = farEnd(bar.width);
        const int y = across(bar.height);
        r.close = Bounds(x, y, kSize, kSize);
        r.restore = {before(r.close.left), y, back(r.close.left), r.close.bottom};
        r.minimize = {before(r.restore.left), y, back(r.restore.left), r.close.bottom};
    } else {
        const int y = farEnd(bar.height);
        const int x = across(bar.width);
        r.close = Bounds(x, y, kSize, kSize);
        r.restore = {x, before(r.close.top), r.close.right, back(r.close.top)};
        r.minimize = {x, before(r.restore.top), r.close.right, back(r.restore.top)};
    }
    if (bar.floating) r.restore = r.minimize = TRect{};
    return r;
}

TMdiGlyph MdiGlyph(TMdiButton button, const TRect& r, bool horizontal) {
    TMdiGlyph g;
    // The glyph's corner and every point of it in 64 bits, held within int.
    const long long width = static_cast<long long>(r.right) - r.left;
    const long long height = static_cast<long long>(r.bottom) - r.top;
    const long long x = r.left + (width - kGlyph) / 2;
    const long long y = r.top + (height - kGlyph) / 2;
    auto at = [](long long px, long long py) { return TPoint{SaturateInt(px), SaturateInt(py)}; };
    auto line = [&g, &at](long long x1, long long y1, long long x2, long long y2) {
        g.lines.push_back({at(x1, y1), at(x2, y2)});
    };
    switch (button) {
        case TMdiButton::mbClose:
            line(x, y + 7, x + 8, y);
            line(x + 1, y + 7, x + 7, y);
            line(x, y + 1, x + 8, y + 8);
            line(x + 1, y + 1, x + 7, y + 8);
            break;
        case TMdiButton::mbRestore:
            if (horizontal) {
                line(x + 2, y, x + 8, y);
                line(x + 2, y + 1, x + 8, y + 1);
                line(x + 8, y, x + 8, y + 6);
                line(x, y + 3, x + 7, y + 3);
                line(x, y + 4, x + 7, y + 4);
                g.lines.push_back({at(x, y + 4), at(x, y + 8), at(x + 6, y + 8), at(x + 6, y + 4)});
            } else {
                const long long R = r.right;
                line(R - 5, y + 2, R - 5, y + 8);
                line(R - 6, y + 2, R - 6, y + 8);
                line(R - 5, y + 8, R - 11, y + 8);
                line(R - 8, y, R - 8, y + 7);
                line(R - 9, y, R - 9, y + 7);
                g.lines.push_back(
                    {at(R - 9, y), at(R - 13, y), at(R - 13, y + 6), at(R - 9, y + 6)});
            }
            break;
        case TMdiButton::mbMinimize:
            if (horizontal)
                g.bar = Bounds(SaturateInt(r.left + (width - 6) / 2), SaturateInt(r.bottom - 6LL),
                               6, 2);
            else
                g.bar =
                    Bounds(SaturateInt(r.left + 5LL), SaturateInt(r.top + (height - 6) / 2), 2, 6);
            break;
    }
    return g;
}

}  // namespace vx
