// Where the minimise, restore and close buttons of a maximised MDI child sit
// on a menu-bar tool bar, and the lines of their glyphs. Each button is
// 18 x 18; close is at the far end of the bar, restore and minimise follow
// it towards the start, one pixel apart.
#pragma once

#include <vector>

#include "platform/Geometry.h"

namespace vx {

enum class TMdiButton { mbMinimize, mbRestore, mbClose };

struct TMdiBarState {
    int width = 0;
    int height = 0;
    bool horizontal = true;
    // Pixels kept free at the far end: the right-handle width when the
    // option indicator is shown on a bar that is not full size, else 0.
    int farEndReduction = 0;
    // A child is active and it has a system menu.
    bool childWithSystemMenu = false;
    bool floating = false;
};

struct TMdiButtonRects {
    TRect minimize;
    TRect restore;
    TRect close;
    const TRect& Of(TMdiButton button) const;
    bool operator==(const TMdiButtonRects&) const = default;
};

// All empty without an active child that has a system menu; restore and
// minimise are empty on a floating bar.
TMdiButtonRects MdiButtonRects(const TMdiBarState& bar);

// A glyph: polylines drawn with their end points left out, then a filled
// bar (empty for close and restore).
struct TMdiGlyph {
    std::vector<std::vector<TPoint>> lines;
    TRect bar;
};

// The glyph of a button whose rectangle is r.
TMdiGlyph MdiGlyph(TMdiButton button, const TRect& r, bool horizontal);

}  // namespace vx
