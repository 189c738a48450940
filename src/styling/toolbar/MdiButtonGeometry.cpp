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

TMdiButtonRects MdiButtonRects(const TMdiBarState& bar) {
    TMdiButtonRects r;
    if (!bar.childWithSystemMenu) return r;
    if (bar.horizontal) {
        const int x = bar.width - 21 - bar.farEndReduction;
        const int y = std::max(2, (bar.height - kSize) / 2);
        r.close = Bounds(x, y, kSize, kSize);
        r.restore = {r.close.left - 1 - kSize, y, r.close.left - 1, y + kSize};
        r.minimize = {r.restore.left - 1 - kSize, y, r.restore.left - 1, y + kSize};
    } else {
        const int y = bar.height - 21 - bar.farEndReduction;
        const int x = std::max(2, (bar.width - kSize) / 2);
        r.close = Bounds(x, y, kSize, kSize);
        r.restore = {x, r.close.top - 1 - kSize, x + kSize, r.close.top - 1};
        r.minimize = {x, r.restore.top - 1 - kSize, x + kSize, r.restore.top - 1};
    }
    if (bar.floating) r.restore = r.minimize = TRect{};
    return r;
}

TMdiGlyph MdiGlyph(TMdiButton button, const TRect& r, bool horizontal) {
    TMdiGlyph g;
    const int x = r.left + (r.Width() - kGlyph) / 2;
    const int y = r.top + (r.Height() - kGlyph) / 2;
    auto line = [&g](int x1, int y1, int x2, int y2) { g.lines.push_back({{x1, y1}, {x2, y2}}); };
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
                g.lines.push_back({{x, y + 4}, {x, y + 8}, {x + 6, y + 8}, {x + 6, y + 4}});
            } else {
                const int R = r.right;
                line(R - 5, y + 2, R - 5, y + 8);
                line(R - 6, y + 2, R - 6, y + 8);
                line(R - 5, y + 8, R - 11, y + 8);
                line(R - 8, y, R - 8, y + 7);
                line(R - 9, y, R - 9, y + 7);
                g.lines.push_back({{R - 9, y}, {R - 13, y}, {R - 13, y + 6}, {R - 9, y + 6}});
            }
            break;
        case TMdiButton::mbMinimize:
            if (horizontal)
                g.bar = Bounds(r.left + (r.Width() - 6) / 2, r.bottom - 6, 6, 2);
            else
                g.bar = Bounds(r.left + 5, r.top + (r.Height() - 6) / 2, 2, 6);
            break;
    }
    return g;
}

}  // namespace vx
