// Frames and borders of the widget family by frame style and sides, drawn as
// one-pixel strokes onto a target that fills rectangles. Every routine
// returns the rectangle left inside what it drew; a rectangle shrinks only on
// the sides that were drawn.
//
// The drawing side (WgGrafx) puts a canvas behind the target; tests put a
// plain grid of colours behind it.
#pragma once

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "widgets/WgCommon.h"

namespace vx {

class TFrameTarget {
  public:
    virtual ~TFrameTarget() = default;
    // A solid rectangle of one colour; a system colour is resolved by the
    // target, clNone is never passed.
    virtual void Fill(const TRect& r, TColor color) = 0;
};

// Colours of the left and top edges (UL) and of the right and bottom edges
// (LR) of a frame style.
struct TFrameColors {
    TColor ul;
    TColor lr;
    bool operator==(const TFrameColors&) const = default;
};
// The one-level table of the plain styles (fsFlat, fsGroove, fsBump,
// fsLowered, fsRaised, fsStatus, fsPopup, fsFlatBold).
TFrameColors FrameColorsOf(TFrameStyle style);
// The two-level bevels (outer pair, then inner pair) of fsRaised, fsLowered,
// fsButtonUp and fsButtonDown.
struct TBevelColors {
    TFrameColors outer;
    TFrameColors inner;
    bool operator==(const TBevelColors&) const = default;
};
TBevelColors BevelColorsOf(TFrameStyle style);

// Left edge and top edge in UL, right edge (x = right - 1) and bottom edge
// (y = bottom - 1) in LR, drawn after UL so it owns the three corners it
// touches; clNone skips its edges.
TRect DrawSides(TFrameTarget& t, const TRect& r, TColor ul, TColor lr, TSides sides);
// DrawSides width times inward.
TRect DrawBevel(TFrameTarget& t, const TRect& r, TColor ul, TColor lr, int width, TSides sides);
TRect FrameChosenSides(TFrameTarget& t, const TRect& r, TFrameStyle style, TSides sides);
TRect FrameAllSides(TFrameTarget& t, const TRect& r, TFrameStyle style);
TRect OutlineRect(TFrameTarget& t, const TRect& r, TColor color);
// One colour; each line stops 2 pixels short of a corner whose neighbouring
// side is drawn too, which cuts the corners.
TRect RoundedFlatSides(TFrameTarget& t, const TRect& r, TColor color, TSides sides);

// Everything the bordered frame of panels, progress bars and the group bar
// depends on.
struct TFrameStyleParams {
    TFrameStyleEx outer = TFrameStyle::fsRaised;
    TFrameStyleEx inner = TFrameStyle::fsNone;
    int borderWidth = 0;
    int bevelWidth = 1;
    TSides sides = TSides::All();
    TColor color = clBtnFace;
    TColor parentColor = clBtnFace;
    TColor borderColor = clBtnFace;
    TColor highlight = clBtnHighlight;
    TColor shadow = clBtnShadow;
    TColor flatColor = clBtnShadow;
    int flatColorAdjustment = 30;
    bool transparent = false;
    // An inner fsFlat becomes an outline on all four sides.
    bool fullRect = false;
};
// The outer style, the band of the border width, then the inner style.
TRect PaintFrameStyle(TFrameTarget& t, const TRect& r, const TFrameStyleParams& p);

}  // namespace vx
