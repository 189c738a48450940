#include "widgets/WgBHintsLayout.h"

#include <utility>

namespace vx {
namespace {

using enum TWgHintCorner;

bool IsLower(TWgHintCorner c) {
    return c == hcLowerRight || c == hcLowerLeft;
}
bool IsUpper(TWgHintCorner c) {
    return c == hcUpperRight || c == hcUpperLeft;
}

}  // namespace

TRect GrowHintRect(TRect text, bool balloon, TWgHintCorner corner) {
    if (text.right < text.left) std::swap(text.left, text.right);
    if (text.bottom < text.top) std::swap(text.top, text.bottom);
    const int grow = (!balloon || corner == hcNone) ? 2 : 4;
    TRect r = text.Inflated(grow, grow);
    if (balloon) {
        if (IsLower(corner)) r.top -= kBalloonPointerBand;
        if (IsUpper(corner)) r.bottom += kBalloonPointerBand;
    }
    return r;
}

TPoint PointerPoint(const THintTarget& target, bool balloon, int centerThreshold) {
    if (!target.hasControl) return target.mouse;
    const TRect& c = target.control;
    if (balloon && c.Width() <= centerThreshold && c.Height() <= centerThreshold)
        return {c.left + c.Width() / 2, c.top + c.Height() / 2};
    return target.hintPos;
}

THintPlacement PlaceHint(TPoint p, int width, int height, TWgHintCorner corner,
                         const TRect& workArea) {
    int left = 0;
    int top = 0;
    switch (corner) {
        case hcLowerRight:
        case hcNone:
            left = p.x - 10;
            top = p.y;
            break;
        case hcLowerLeft:
            left = p.x - width + 10;
            top = p.y;
            break;
        case hcUpperLeft:
            left = p.x - width + 10;
            top = p.y - height;
            break;
        case hcUpperRight:
            left = p.x - 10;
            top = p.y - height;
            break;
    }
    if (top < workArea.top) {
        if (corner == hcUpperRight) corner = hcLowerRight;
        if (corner == hcUpperLeft) corner = hcLowerLeft;
        top = p.y;
    }
    if (top + height > workArea.bottom) {
        if (corner == hcLowerRight) corner = hcUpperRight;
        if (corner == hcLowerLeft) corner = hcUpperLeft;
        top = p.y - height;
    }
    if (left + width > workArea.right) {
        if (corner == hcLowerRight) corner = hcLowerLeft;
        if (corner == hcUpperRight) corner = hcUpperLeft;
        left = p.x - width - 1;
    }
    if (left < workArea.left) {
        if (corner == hcLowerLeft) corner = hcLowerRight;
        if (corner == hcUpperLeft) corner = hcUpperRight;
        left = p.x + 1;
    }
    return {Bounds(left, top, width, height), corner};
}

TRect WorkAreaAt(const std::vector<TMonitorInfo>& monitors, TPoint p, const TRect& desktop) {
    if (auto monitor = MonitorFromPoint(monitors, p)) return monitor->workArea;
    return desktop;
}

TRect BalloonBody(const TRect& client, TWgHintCorner corner, bool balloon) {
    TRect body = client;
    if (!balloon) return body;
    if (IsLower(corner)) body.top += kBalloonPointerBand;
    if (IsUpper(corner)) body.bottom -= kBalloonPointerBand;
    return body;
}

std::array<TRect, 4> BalloonBodyRects(const TRect& b) {
    return {TRect{b.left, b.top + 4, b.right, b.bottom - 4},
            TRect{b.left + 4, b.top, b.right - 4, b.bottom},
            TRect{b.left + 2, b.top + 1, b.right - 2, b.bottom - 1},
            TRect{b.left + 1, b.top + 2, b.right - 1, b.bottom - 2}};
}

namespace {

std::optional<std::array<TPoint, 3>> Pointer(const TRect& c, const TRect& b, TWgHintCorner corner,
                                             int reach) {
    switch (corner) {
        case hcLowerRight:
            return std::array{TPoint{c.left + 10, b.top + 1}, TPoint{c.left + 10, c.top},
                              TPoint{c.left + reach, b.top + 1}};
        case hcLowerLeft:
            return std::array{TPoint{c.right - 9, b.top + 1}, TPoint{c.right - 9, c.top},
                              TPoint{c.right - reach + 1, b.top + 1}};
        case hcUpperLeft:
            return std::array{TPoint{c.right - 9, b.bottom - 2}, TPoint{c.right - 9, c.bottom - 1},
                              TPoint{c.right - reach + 1, b.bottom - 2}};
        case hcUpperRight:
            return std::array{TPoint{c.left + 10, b.bottom - 2}, TPoint{c.left + 10, c.bottom - 1},
                              TPoint{c.left + reach, b.bottom - 2}};
        case hcNone:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::array<TPoint, 3>> BalloonPointer(const TRect& client, const TRect& body,
                                                    TWgHintCorner corner) {
    return Pointer(client, body, corner, 31);
}

std::optional<std::array<TPoint, 3>> BalloonPointerOutline(const TRect& client, const TRect& body,
                                                           TWgHintCorner corner) {
    return Pointer(client, body, corner, 30);
}

TRect BalloonPointerJoin(const TRect& b, TWgHintCorner corner) {
    // The body's edge row between the pointer's straight side and where its
    // slanted side crosses that row.
    switch (corner) {
        case hcLowerRight:
            return {b.left + 11, b.top, b.left + 29, b.top + 1};
        case hcLowerLeft:
            return {b.right - 27, b.top, b.right - 9, b.top + 1};
        case hcUpperLeft:
            return {b.right - 27, b.bottom - 1, b.right - 9, b.bottom};
        case hcUpperRight:
            return {b.left + 11, b.bottom - 1, b.left + 29, b.bottom};
        case hcNone:
            break;
    }
    return {};
}

std::array<TPoint, 16> BalloonCornerPixels(const TRect& b) {
    const int l = b.left, t = b.top, r = b.right, bo = b.bottom;
    return {TPoint{l + 1, t + 3}, {l + 1, t + 2},  {l + 2, t + 1},  {l + 3, t + 1},
            {r - 4, t + 1},       {r - 3, t + 1},  {r - 2, t + 2},  {r - 2, t + 3},
            {r - 2, bo - 4},      {r - 2, bo - 3}, {r - 3, bo - 2}, {r - 4, bo - 2},
            {l + 3, bo - 2},      {l + 2, bo - 2}, {l + 1, bo - 3}, {l + 1, bo - 4}};
}

TRect HintTextRect(const TRect& body, TAlignment alignment, bool balloon, int captionWidth) {
    int dx = 0;
    int dy = balloon ? 4 : 2;
    const int step = balloon ? 8 : 2;
    switch (alignment) {
        case TAlignment::taLeftJustify:
            dx = step;
            break;
        case TAlignment::taRightJustify:
            dx = -step;
            break;
        case TAlignment::taCenter:
            dx = balloon && body.Width() > captionWidth ? 8 : 0;
            break;
    }
    TRect r = body.Offset(dx, dy);
    if (r.Width() > captionWidth) {
        if (alignment == TAlignment::taRightJustify)
            r.left = r.right - captionWidth;
        else
            r.right = r.left + captionWidth;
    }
    return r;
}

}  // namespace vx
