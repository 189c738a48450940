#include "widgets/WgTabsShape.h"

#include <algorithm>

namespace vx {
namespace {

using Orientation = TWgTabOrientation;
using Style = TWgTabStyle;
using Code = TWgOutlineCode;

void Add(TWgOutline& out, Code code, TPoint p) {
    out.push_back({code, p.x, p.y});
}

}  // namespace

std::vector<TPoint> TabShapeInStrip(const TWgTabLayoutProps& props, const TRect& r) {
    const int L = r.left;
    const int R = r.right;
    const int T = r.top;
    const int B = r.bottom;
    const int h = B - T;
    const int c = props.CutCornerSize;
    const bool soft = props.SoftCorners;
    switch (props.TabStyle) {
        case Style::tsSingleSlant:
            if (soft)
                return {{L, B}, {L, T + 2}, {L + 2, T}, {R - h - 4, T}, {R - h + 2, T + 2}, {R, B}};
            return {{L, B}, {L, T + 2}, {L + 2, T}, {R - h, T}, {R, B}};
        case Style::tsDoubleSlant:
            if (soft)
                return {{L, B},         {L + h - 2, T + 2}, {L + h + 4, T},
                        {R - h - 4, T}, {R - h + 2, T + 2}, {R, B}};
            return {{L, B}, {L + h, T}, {R - h, T}, {R, B}};
        case Style::tsCutCorner:
            return {{L, B}, {L, T}, {R - c, T}, {R, T + c}, {R, B}};
        case Style::tsRoundCorners:
            return {{L, B}, {L, T + 2}, {L + 2, T}, {R - 2, T}, {R, T + 2}, {R, B}};
        case Style::tsBackSlant:
            if (soft)
                return {{L, B}, {L + h - 2, T + 2}, {L + h + 4, T}, {R - 2, T}, {R, T + 2}, {R, B}};
            return {{L, B}, {L + h, T}, {R - 2, T}, {R, T + 2}, {R, B}};
        case Style::tsSquareCorners:
            return {{L, B}, {L, T}, {R, T}, {R, B}};
    }
    return {};
}

std::vector<TPoint> TabShape(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry,
                             int offset, const TRect& stripRect) {
    std::vector<TPoint> points = TabShapeInStrip(props, stripRect);
    for (TPoint& p : points)
        p = StripToControl(props, geometry, offset, p);
    return points;
}

int TabShapePointCount(const TWgTabLayoutProps& props) {
    switch (props.TabStyle) {
        case Style::tsSingleSlant:
        case Style::tsBackSlant:
            return props.SoftCorners ? 6 : 5;
        case Style::tsDoubleSlant:
            return props.SoftCorners ? 6 : 4;
        case Style::tsCutCorner:
            return 5;
        case Style::tsRoundCorners:
            return 6;
        case Style::tsSquareCorners:
            return 4;
    }
    return 0;
}

TWgOutline TabOutline(const TWgTabLayoutProps& props, int tabIndex,
                      const std::vector<TPoint>& shape) {
    if (static_cast<int>(shape.size()) != TabShapePointCount(props))
        throw EWgTabControlError("Incorrect number of points in tab shape");
    TWgOutline out{{Code::Start}, {Code::Tab, 0, tabIndex}};
    Add(out, Code::MoveTo, shape.front());
    for (std::size_t i = 1; i < shape.size(); ++i)
        Add(out, Code::LineTo, shape[i]);
    return out;
}

TWgCardGap CardGapFor(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int offset,
                      const TRect& r) {
    return {StripToControl(props, geometry, offset, TPoint{r.left + 1, r.bottom}),
            StripToControl(props, geometry, offset, TPoint{r.right, r.bottom})};
}

TWgOutline CardOutline(const TWgTabLayoutProps& props, int row, const TRect& card,
                       const TWgCardGap* gap, bool withShadow) {
    TWgOutline out{{Code::Start}, {Code::Card, 0, row}};
    const int left = card.left;
    const int top = card.top;
    const int right = card.right;
    const int bottom = card.bottom;
    const TPoint P0{left, top};
    const TPoint P1{right, top};
    const TPoint P2{right, bottom};
    const TPoint P3{left, bottom};
    auto move = [&](TPoint p) { Add(out, Code::MoveTo, p); };
    auto line = [&](TPoint p) { Add(out, Code::LineTo, p); };
    const Orientation o = props.TabOrientation;
    const bool shadowed = o == Orientation::toTop && !props.Reverse() && props.ShowShadow;

    if (shadowed) {
        move(P0);
        if (gap) {
            line(gap->G1);
            move(gap->G2);
        }
        line({right - 2, top});
        if (props.ShowFullFrame || !gap) {
            line({right - 2, bottom - 2});
            line({left, bottom - 2});
            line(gap ? TPoint{left, top - 1} : P0);
        }
        if (withShadow) {
            move({right - 1, top + 1});
            Add(out, Code::Shadow30, {right - 1, bottom - 1});
            Add(out, Code::Shadow30, {left, bottom - 1});
            move({right - 1, top});
            Add(out, Code::Shadow15, P1);
            Add(out, Code::Shadow15, P2);
            Add(out, Code::Shadow15, P3);
            Add(out, Code::Shadow15, {left, bottom - 1});
        }
        return out;
    }

    if (!gap) {
        if (props.ShowFullFrame) {
            move(P0);
            line(P1);
            line(P2);
            line(P3);
            line(P0);
            return out;
        }
        switch (o) {
            case Orientation::toTop:
                move(P0);
                line(P1);
                break;
            case Orientation::toLeft:
                move(P3);
                line(P0);
                break;
            case Orientation::toBottom:
                move(P2);
                line(P3);
                break;
            case Orientation::toRight:
                move(P1);
                line(P2);
                break;
        }
        return out;
    }

    const TPoint G1 = gap->G1;
    const TPoint G2 = gap->G2;
    switch (o) {
        case Orientation::toTop:
            move(P0);
            line(G1);
            move(G2);
            if (props.ShowFullFrame) {
                line(P1);
                line(P2);
                line(P3);
                line(P0);
            } else {
                line({right + 1, top});
            }
            break;
        case Orientation::toLeft:
            if (props.ShowFullFrame) {
                move(P0);
                line(P1);
                line(P2);
                line(P3);
                line(G1);
                move(G2);
                line(P0);
            } else {
                move({P3.x - 1, P3.y});
                line({G1.x - 1, G1.y});
                move({G2.x - 1, G2.y});
                line({P0.x - 1, P0.y - 1});
            }
            break;
        case Orientation::toBottom:
            if (props.ShowFullFrame) {
                move(P0);
                line(P1);
                line(P2);
                line({G2.x - 1, G2.y});
                move({G1.x - 1, G1.y});
                line(P3);
                line(P0);
            } else {
                move({P2.x, P2.y + 1});
                line({G2.x - 1, G2.y + 1});
                move({G1.x - 1, G1.y + 1});
                line({P3.x - 1, P3.y + 1});
            }
            break;
        case Orientation::toRight:
            if (props.ShowFullFrame) {
                move(P0);
                line(P1);
                line(G1);
                move(G2);
                line(P2);
                line(P3);
                line(P0);
            } else {
                move({P1.x + 1, P1.y});
                line({G1.x + 1, G1.y});
                move({G2.x + 1, G2.y});
                line({P2.x + 1, P2.y + 1});
            }
            break;
    }
    return out;
}

TRect TabContentRect(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int offset,
                     const TRect& stripRect) {
    // In strip coordinates: left/right along the strip, top the outer side.
    TRect r = stripRect;
    const int h = r.bottom - r.top;
    const int c = props.CutCornerSize;
    const bool vertical = props.VerticalText();
    int nudge = 0;  // bottom and right tabs: one pixel further down or right
    switch (props.TabStyle) {
        case Style::tsSingleSlant:
            r = r.Inflated(-1, -1);
            r.right -= 2 * TabOverlapFor(props, h) + 2;
            r = r.Offset(3, 0);
            r.top += 2;
            nudge = 1;
            break;
        case Style::tsBackSlant:
            r = r.Inflated(-1, -1);
            r.left += 2 * TabOverlapFor(props, h) + 2;
            r = r.Offset(-3, 0);
            r.top += 2;
            nudge = -1;
            break;
        case Style::tsDoubleSlant:
            r = r.Inflated(1, -1);
            r.left += TabOverlapFor(props, h);
            r.right -= TabOverlapFor(props, h);
            r = r.Offset(1, 0);
            r.top += 2;
            nudge = 1;
            break;
        case Style::tsCutCorner:
            if (vertical) {
                r = r.Inflated(-4, 0);
                r.top += c + 3;
            } else {
                r = r.Inflated(-(c + 3), -1);
                r.top += 3;
            }
            nudge = 1;
            break;
        case Style::tsRoundCorners:
        case Style::tsSquareCorners:
            r = vertical ? r.Inflated(-2, -4) : r.Inflated(-4, -2);
            break;
    }
    if (props.ShowFocusRect) r = r.Inflated(-1, -1);
    TRect out = StripToControl(props, geometry, offset, r);
    if (props.TabOrientation == Orientation::toBottom) out = out.Offset(0, nudge);
    if (props.TabOrientation == Orientation::toRight) out = out.Offset(nudge, 0);
    return out;
}

TWgDropMarker DropMarkerFor(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry,
                            int offset, const TRect& r, bool nearEdge) {
    const int half = geometry.FixedDimension / 2;
    int edge = 0;
    if (nearEdge) {
        edge = r.left;
        if (props.TabStyle == Style::tsDoubleSlant || props.TabStyle == Style::tsBackSlant)
            edge += half;
    } else {
        edge = r.right;
        if (props.TabStyle == Style::tsSingleSlant || props.TabStyle == Style::tsDoubleSlant)
            edge -= half;
        else if (props.TabStyle != Style::tsBackSlant)
            edge -= 1;
    }
    const int u0 = edge - 7;
    const int v0 = r.top - 10;
    TWgDropMarker marker;
    marker.Rect = StripToControl(props, geometry, offset, TRect{u0, v0, u0 + 15, v0 + 8});
    auto local = [&](int u, int v) {
        const TPoint p = StripToControl(props, geometry, offset, TPoint{u0 + u, v0 + v});
        return TPoint{p.x - marker.Rect.left, p.y - marker.Rect.top};
    };
    marker.Left = {local(0, 0), local(8, 8), local(0, 8)};
    marker.Right = {local(7, 8), local(15, 0), local(15, 8)};
    return marker;
}

}  // namespace vx
