// The desktop's classic edges, scroll-bar arrow buttons, push buttons and
// focus frames, drawn in the system colours.
#include <algorithm>

#include "platform/paint/Canvas.h"
#include "platform/paint/CanvasRaster.h"

namespace vx {
namespace {

struct EdgeColors {
    TColor topLeft;
    TColor bottomRight;
};

constexpr EdgeColors kRaisedOuterColors{cl3DLight, cl3DDkShadow};
constexpr EdgeColors kRaisedInnerColors{clBtnHighlight, clBtnShadow};
constexpr EdgeColors kSunkenOuterColors{clBtnShadow, clBtnHighlight};
constexpr EdgeColors kSunkenInnerColors{cl3DDkShadow, cl3DLight};
constexpr EdgeColors kFlatOuter{clBtnShadow, clBtnShadow};
constexpr EdgeColors kFlatInner{clBtnFace, clBtnFace};
// A push button up and held down.
constexpr EdgeColors kButtonOuter{clBtnHighlight, cl3DDkShadow};
constexpr EdgeColors kButtonInner{cl3DLight, clBtnShadow};
constexpr EdgeColors kPushedOuter{clBtnText, clBtnText};
constexpr EdgeColors kPushedInner{clBtnShadow, clBtnShadow};

}  // namespace

// One line of an edge on the chosen sides: the left and top lines first,
// then the right and bottom ones, which so own the three corners they touch.
// Returns the rectangle shrunk on those sides.
static TRect EdgeLine(Canvas& c, const TRect& r, EdgeColors colors, unsigned sides) {
    using namespace BorderFlags;
    QPainter& p = c.Painter();
    const QColor tl = ToQColor(colors.topLeft), br = ToQColor(colors.bottomRight);
    if (r.IsEmpty()) return r;
    if (sides & kLeft) p.fillRect(r.left, r.top, 1, r.Height(), tl);
    if (sides & kTop) p.fillRect(r.left, r.top, r.Width(), 1, tl);
    if (sides & kRight) p.fillRect(r.right - 1, r.top, 1, r.Height(), br);
    if (sides & kBottom) p.fillRect(r.left, r.bottom - 1, r.Width(), 1, br);
    TRect out = r;
    if (sides & kLeft) ++out.left;
    if (sides & kTop) ++out.top;
    if (sides & kRight) --out.right;
    if (sides & kBottom) --out.bottom;
    return out;
}

void Canvas::DrawEdge(TRect& r, unsigned edges, unsigned flags) {
    using namespace EdgeFlags;
    const bool flat = flags & BorderFlags::kFlat;
    TRect in = r;
    if (edges & (kRaisedOuter | kSunkenOuter)) {
        const EdgeColors c = flat                     ? kFlatOuter
                             : (edges & kRaisedOuter) ? kRaisedOuterColors
                                                      : kSunkenOuterColors;
        in = EdgeLine(*this, in, c, flags);
    }
    if (edges & (kRaisedInner | kSunkenInner)) {
        const EdgeColors c = flat                     ? kFlatInner
                             : (edges & kRaisedInner) ? kRaisedInnerColors
                                                      : kSunkenInnerColors;
        in = EdgeLine(*this, in, c, flags);
    }
    if (flags & BorderFlags::kMiddle) FillSolid(in, clBtnFace);
    if (flags & BorderFlags::kAdjust) r = in;
}

// The arrow of a scroll-bar button: a triangle of rows 1, 3, 5 ... pixels
// wide, a quarter of the button's smaller side deep, pointing the way of
// `direction` (FrameControlState's kScroll* values).
static void ScrollArrow(QPainter& p, const TRect& r, unsigned direction, int shift, TColor color) {
    const int w = r.Width(), h = r.Height();
    const int depth = std::max(1, (std::min(w, h) + 1) / 4);
    const QColor c = ToQColor(color);
    const int cx = r.left + (w - 1) / 2 + shift, cy = r.top + (h - 1) / 2 + shift;
    for (int k = 0; k < depth; ++k) {
        switch (direction) {
            case FrameControlState::kScrollUp: {
                const int y = r.top + (h - depth) / 2 + k + shift;
                p.fillRect(cx - k, y, 2 * k + 1, 1, c);
                break;
            }
            case FrameControlState::kScrollDown: {
                const int y = r.top + (h - depth + 1) / 2 + k + shift, half = depth - 1 - k;
                p.fillRect(cx - half, y, 2 * half + 1, 1, c);
                break;
            }
            case FrameControlState::kScrollLeft: {
                const int x = r.left + (w - depth) / 2 + k + shift;
                p.fillRect(x, cy - k, 1, 2 * k + 1, c);
                break;
            }
            default: {
                const int x = r.left + (w - depth + 1) / 2 + k + shift, half = depth - 1 - k;
                p.fillRect(x, cy - half, 1, 2 * half + 1, c);
                break;
            }
        }
    }
}

void Canvas::DrawFrameControl(const TRect& r, FrameControl kind, unsigned state) {
    using namespace FrameControlState;
    if (r.IsEmpty()) return;
    const bool pushed = state & kPushed;
    TRect in = r;
    if (kind == FrameControl::kButton) {
        in = EdgeLine(*this, in, pushed ? kPushedOuter : kButtonOuter, BorderFlags::kRect);
        in = EdgeLine(*this, in, pushed ? kPushedInner : kButtonInner, BorderFlags::kRect);
        FillSolid(in, clBtnFace);
        return;
    }
    const bool flat = pushed || (state & kFlat);
    DrawEdge(in, EdgeFlags::kRaised,
             BorderFlags::kRect | BorderFlags::kMiddle | (flat ? BorderFlags::kFlat : 0));
    // A held button's arrow moves one pixel down and right.
    const int shift = pushed ? 1 : 0;
    const unsigned direction = state & 0x3;
    if (state & kInactive) {
        ScrollArrow(painter_, r, direction, shift + 1, clBtnHighlight);
        ScrollArrow(painter_, r, direction, shift, clBtnShadow);
    } else {
        ScrollArrow(painter_, r, direction, shift, clBtnText);
    }
}

void Canvas::DrawFocusRect(const TRect& r) {
    if (r.IsEmpty()) return;
    const canvas_detail::CompositionScope scope(painter_, QPainter::RasterOp_SourceXorDestination);
    const QBrush dots = canvas_detail::HalftoneWhite();
    // Four lines that do not overlap, so every dot is inverted once.
    painter_.fillRect(QRect(r.left, r.top, r.Width(), 1), dots);
    if (r.Height() > 1) painter_.fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), dots);
    if (r.Height() > 2) {
        painter_.fillRect(QRect(r.left, r.top + 1, 1, r.Height() - 2), dots);
        if (r.Width() > 1)
            painter_.fillRect(QRect(r.right - 1, r.top + 1, 1, r.Height() - 2), dots);
    }
}

}  // namespace vx
