#include "widgets/WgGrafxFrames.h"

#include "widgets/WgCommonColors.h"

namespace vx {
namespace {

using enum TFrameStyle;
using enum TSide;

void Line(TFrameTarget& t, const TRect& r, TColor color) {
    if (color != clNone && !r.IsEmpty()) t.Fill(r, color);
}

void Pixel(TFrameTarget& t, int x, int y, TColor color) {
    Line(t, {x, y, x + 1, y + 1}, color);
}

bool IsFlatKind(TFrameStyleEx s) {
    return s == fsFlat || s == fsFlatBold || s == fsFlatRounded;
}

// The etched two-pixel edge of fsGroove and fsBump.
TRect Etched(TFrameTarget& t, const TRect& r, TFrameColors c, TSides sides) {
    const int l = r.left, tp = r.top, rt = r.right, b = r.bottom;
    const bool left = sides.Has(sdLeft), top = sides.Has(sdTop);
    const bool right = sides.Has(sdRight), bottom = sides.Has(sdBottom);
    if (right)
        Pixel(t, rt - 1, tp, c.lr);
    else if (top)
        Pixel(t, rt - 1, tp, c.ul);
    if (bottom)
        Pixel(t, l, b - 1, c.lr);
    else if (left)
        Pixel(t, l, b - 1, c.ul);
    if (top && !left) Pixel(t, l, tp + 1, c.lr);
    if (left && !top) Pixel(t, l + 1, tp, c.lr);
    if (bottom && !right) Pixel(t, rt - 1, b - 2, c.ul);
    if (right && !bottom) Pixel(t, rt - 2, b - 1, c.ul);
    const TRect in{l + 1, tp + 1, rt, b};
    DrawSides(t, in, c.lr, c.lr, sides);
    DrawSides(t, in.Offset(-1, -1), c.ul, c.ul, sides);
    return ShrinkSides(r, sides, 2);
}

// One side of the frame, by the shared rules of the outer and inner styles.
TRect PaintOneStyle(TFrameTarget& t, TRect r, TFrameStyleEx style, bool inner,
                    const TFrameStyleParams& p, TColor flat) {
    switch (style) {
        case fsFlat:
            if (inner && p.fullRect) return OutlineRect(t, r, flat);
            return DrawBevel(t, r, flat, flat, 1, p.sides);
        case fsFlatBold:
            return DrawBevel(t, r, flat, flat, 2, p.sides);
        case fsFlatRounded: {
            const TRect given = r;
            if (!p.transparent) {
                if (!inner) {
                    r = DrawBevel(t, r, p.parentColor, p.parentColor, 1, p.sides);
                    const bool plain = p.borderWidth < 1 && p.inner == fsNone;
                    const TColor c = plain ? p.color : p.borderColor;
                    DrawBevel(t, r, c, c, 1, p.sides);
                } else {
                    r = DrawBevel(t, r, p.borderColor, p.borderColor, 1, p.sides);
                    DrawBevel(t, r, p.color, p.color, 1, p.sides);
                }
            } else if (inner || p.borderWidth > 0 || p.inner != fsNone) {
                if (!inner) r = ShrinkSides(r, p.sides, 1);
                DrawBevel(t, r, p.borderColor, p.borderColor, 1, p.sides);
            }
            return RoundedFlatSides(t, given, flat, p.sides);
        }
        case fsPopup:
            return DrawBevel(t, r, p.highlight, p.shadow, p.bevelWidth, p.sides);
        case fsStatus:
            return DrawBevel(t, r, p.shadow, p.highlight, p.bevelWidth, p.sides);
        default:
            return FrameChosenSides(t, r, style, p.sides);
    }
}

}  // namespace

TFrameColors FrameColorsOf(TFrameStyle style) {
    switch (style) {
        case fsFlat:
            return {cl3DDkShadow, cl3DDkShadow};
        case fsGroove:
        case fsLowered:
        case fsStatus:
            return {clBtnShadow, clBtnHighlight};
        case fsBump:
        case fsPopup:
            return {clBtnHighlight, clBtnShadow};
        case fsRaised:
            return {cl3DDkShadow, clBtnFace};
        case fsFlatBold:
            return {clBtnShadow, clBtnShadow};
        default:
            return {clNone, clNone};
    }
}

TBevelColors BevelColorsOf(TFrameStyle style) {
    switch (style) {
        case fsRaised:
            return {{cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}};
        case fsLowered:
            return {{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}};
        case fsButtonUp:
            return {{clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow}};
        case fsButtonDown:
            return {{clBtnText, clBtnText}, {clBtnShadow, clBtnShadow}};
        default:
            return {{clNone, clNone}, {clNone, clNone}};
    }
}

TRect DrawSides(TFrameTarget& t, const TRect& r, TColor ul, TColor lr, TSides sides) {
    const bool left = sides.Has(sdLeft), top = sides.Has(sdTop);
    const bool right = sides.Has(sdRight), bottom = sides.Has(sdBottom);
    if (ul != clNone) {
        if (left) Line(t, {r.left, r.top, r.left + 1, r.bottom}, ul);
        if (top) Line(t, {r.left, r.top, r.right, r.top + 1}, ul);
    }
    if (lr != clNone) {
        if (right) Line(t, {r.right - 1, r.top, r.right, r.bottom}, lr);
        if (bottom) Line(t, {r.left, r.bottom - 1, r.right, r.bottom}, lr);
    }
    TRect out = r;
    if (left && ul != clNone) ++out.left;
    if (top && ul != clNone) ++out.top;
    if (right && lr != clNone) --out.right;
    if (bottom && lr != clNone) --out.bottom;
    return out;
}

TRect DrawBevel(TFrameTarget& t, const TRect& r, TColor ul, TColor lr, int width, TSides sides) {
    TRect out = r;
    for (int i = 0; i < width; ++i)
        out = DrawSides(t, out, ul, lr, sides);
    return out;
}

TRect FrameChosenSides(TFrameTarget& t, const TRect& r, TFrameStyle style, TSides sides) {
    switch (style) {
        case fsFlat:
        case fsStatus:
        case fsPopup: {
            const TFrameColors c = FrameColorsOf(style);
            return DrawSides(t, r, c.ul, c.lr, sides);
        }
        case fsFlatBold: {
            const TFrameColors c = FrameColorsOf(style);
            return DrawBevel(t, r, c.ul, c.lr, 2, sides);
        }
        case fsRaised:
        case fsLowered:
        case fsButtonUp:
        case fsButtonDown: {
            const TBevelColors c = BevelColorsOf(style);
            const TRect mid = DrawBevel(t, r, c.outer.ul, c.outer.lr, 1, sides);
            return DrawBevel(t, mid, c.inner.ul, c.inner.lr, 1, sides);
        }
        case fsGroove:
        case fsBump:
            return Etched(t, r, FrameColorsOf(style), sides);
        default:
            return r;
    }
}

TRect FrameAllSides(TFrameTarget& t, const TRect& r, TFrameStyle style) {
    return FrameChosenSides(t, r, style, TSides::All());
}

TRect OutlineRect(TFrameTarget& t, const TRect& r, TColor color) {
    return DrawSides(t, r, color, color, TSides::All());
}

TRect RoundedFlatSides(TFrameTarget& t, const TRect& r, TColor color, TSides sides) {
    const bool left = sides.Has(sdLeft), top = sides.Has(sdTop);
    const bool right = sides.Has(sdRight), bottom = sides.Has(sdBottom);
    if (color == clNone) return r;
    const int x0 = r.left + (left ? 2 : 0), x1 = r.right - (right ? 2 : 0);
    const int y0 = r.top + (top ? 2 : 0), y1 = r.bottom - (bottom ? 2 : 0);
    if (left) Line(t, {r.left, y0, r.left + 1, y1}, color);
    if (top) Line(t, {x0, r.top, x1, r.top + 1}, color);
    if (right) Line(t, {r.right - 1, y0, r.right, y1}, color);
    if (bottom) Line(t, {x0, r.bottom - 1, x1, r.bottom}, color);
    return ShrinkSides(r, sides, 1);
}

TRect PaintFrameStyle(TFrameTarget& t, const TRect& r, const TFrameStyleParams& p) {
    TColor flat = p.flatColor;
    if (IsFlatKind(p.outer) || IsFlatKind(p.inner))
        flat = AdjustLightness(p.flatColor, p.flatColorAdjustment);
    TRect out = PaintOneStyle(t, r, p.outer, false, p, flat);
    if (p.borderWidth > 0)
        out = DrawBevel(t, out, p.borderColor, p.borderColor, p.borderWidth, p.sides);
    return PaintOneStyle(t, out, p.inner, true, p, flat);
}

}  // namespace vx
